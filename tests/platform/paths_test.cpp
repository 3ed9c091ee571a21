#include "platform/paths.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

std::string readAll(std::string_view name)
{
    std::vector<unsigned char> bytes;
    if (!platform::readWholeFile(name, bytes))
        return "<unreadable>";
    return std::string(bytes.begin(), bytes.end());
}

TEST(Paths, MatchesEveryComponentWithoutRegardToCase)
{
    TempFolder folder;
    folder.write("data/menu/mainmenu.ini", "menu");
    folder.write("Audio/SOUND/Sound.ini", "bank");
    EXPECT_EQ(readAll("data\\menu\\mainmenu.ini"), "menu");
    EXPECT_EQ(readAll("Data\\MENU\\MainMenu.INI"), "menu");
    EXPECT_EQ(readAll("audio/sound/sound.ini"), "bank");
    EXPECT_EQ(platform::resolvePath("AUDIO\\sound\\SOUND.INI"), "Audio/SOUND/Sound.ini");
    EXPECT_EQ(readAll(folder.path() + "\\data\\MENU\\mainmenu.ini"), "menu");
}

TEST(Paths, AnExactMatchWins)
{
    TempFolder folder;
    folder.write("Level.map", "upper");
    folder.write("level.map", "lower");
    EXPECT_EQ(readAll("level.map"), "lower");
    EXPECT_EQ(readAll("Level.map"), "upper");
    EXPECT_NE(readAll("LEVEL.MAP"), "<unreadable>");
}

TEST(Paths, FindsFilesMadeByOthersAfterTheFolderWasListed)
{
    TempFolder folder;
    folder.write("data/a.txt", "a");
    EXPECT_EQ(readAll("DATA\\A.TXT"), "a");
    std::FILE* f = std::fopen((folder.path() + "/data/B.txt").c_str(), "w");
    std::fputs("b", f);
    std::fclose(f);
    EXPECT_EQ(readAll("data\\b.txt"), "b");
}

TEST(Paths, NewFilesKeepTheirCaseAndGetTheirFolders)
{
    TempFolder folder;
    folder.write("DATA/keep.txt", "");
    ASSERT_EQ(platform::writeWholeFile("data\\Profiles\\Ann.sav", "save", 4), 0);
    EXPECT_EQ(folder.read("DATA/Profiles/Ann.sav"), "save");
    EXPECT_TRUE(platform::fileExistsOnDisk("data\\profiles\\ann.SAV"));
    EXPECT_FALSE(platform::fileExistsOnDisk("data\\profiles"));
    EXPECT_EQ(platform::deleteFile("DATA\\PROFILES\\ANN.SAV"), 0);
    EXPECT_FALSE(folder.exists("DATA/Profiles/Ann.sav"));
    EXPECT_EQ(platform::deleteFile("data\\profiles\\ann.sav"), -1);
}

TEST(Paths, AppendsToTheLog)
{
    TempFolder folder;
    for (const char* line : {"one\n", "two\n"}) {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> log(platform::openForAppending("logs\\x.log"), std::fclose);
        ASSERT_TRUE(log);
        std::fputs(line, log.get());
    }
    EXPECT_EQ(folder.read("logs/x.log"), "one\ntwo\n");
}

TEST(Paths, RefusesWhatCannotBeRead)
{
    TempFolder folder;
    folder.write("dir/file", "x");
    std::vector<unsigned char> bytes {1, 2};
    EXPECT_FALSE(platform::readWholeFile("dir", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(platform::readWholeFile("missing", bytes));
    EXPECT_FALSE(platform::readWholeFile("", bytes));
    EXPECT_EQ(platform::openForReading(""), nullptr);
    EXPECT_EQ(platform::writeWholeFile("", "x", 1), -1);
    EXPECT_TRUE(platform::readWholeFile("DIR\\FILE", bytes));
}

}  // namespace
