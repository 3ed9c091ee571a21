#include "foundation/ini.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class IniTest : public ::testing::Test {
protected:
    // The cache may still name a file of an earlier test's folder.
    void SetUp() override { iniGetString("none.ini", "", ""); }

    // Writes the file and makes sure the cache does not hold it.
    void file(const std::string& text)
    {
        folder.write("t.ini", text);
        iniGetString("other.ini", "x", "y");
    }

    TempFolder folder;
};

struct ReadCase {
    const char* text;
    const char* section;
    const char* key;
    const char* expected;
};

TEST_F(IniTest, ReadsValuesAsTheScannerSeesThem)
{
    const ReadCase cases[] = {
        {"[Main]\r\nXS = 10\r\n", "main", "xs", "10"},
        {"[main]\r\nxs==  5\r\n", "main", "xs", "5"},
        {"[main]\r\ntitle=Hello  \r\n", "main", "title", "Hello  "},
        {"[ main ]\r\nxs=1\r\n", "main", "xs", ""},
        {"xs=1\r\n[main]\r\n", "main", "xs", ""},
        {"[main]\r\nxs=1\r\n[main]\r\nxs=2\r\n", "main", "xs", "1"},
        {"[main]\r\nxsize=3\r\n", "main", "xs", ""},
        {"[mainmenu]\r\nxs=3\r\n", "main", "xs", ""},
        {"[main]\nys=4\nxs=7\n", "main", "xs", "7"},
        {"[main]\rxs=8\r", "main", "xs", "8"},
        {"[main] xs=5\r\n", "main", "xs", "5"},
        {"  \t\r\n   [main]\r\n\t  xs=6", "main", "xs", "6"},
        {"[main]\r\n;xs=1\r\nxs=2\r\n", "main", "xs", "2"},
        {"[main]\r\nxs=1\r\n[other]\r\nys=2\r\n", "main", "ys", ""},
        {"[main]\r\nxs\t =\t\"q\" \r\n", "main", "xs", "\"q\" "},
        {"[Ä]\r\nk=1\r\n", "ä", "k", ""},
        {"", "main", "xs", ""},
    };
    for (const ReadCase& c : cases) {
        file(c.text);
        EXPECT_STREQ(iniGetString("t.ini", c.section, c.key), c.expected) << c.text;
    }
}

TEST_F(IniTest, ConvertsNumbers)
{
    file("[n]\r\ni= -42abc\r\nf=0.5\r\nbig=99999999999\r\nword=abc\r\n");
    EXPECT_EQ(iniGetInt("t.ini", "n", "i"), -42);
    EXPECT_FLOAT_EQ(iniGetFloat("t.ini", "n", "f"), 0.5f);
    EXPECT_EQ(iniGetInt("t.ini", "n", "big"), 2147483647);
    EXPECT_EQ(iniGetInt("t.ini", "n", "word"), 0);
    EXPECT_EQ(iniGetInt("t.ini", "n", "missing"), 0);
    EXPECT_FLOAT_EQ(iniGetFloat("t.ini", "n", "missing"), 0.0f);
}

TEST_F(IniTest, TruncatesLongValuesSafely)
{
    file("[s]\r\nk=" + std::string(5000, 'v') + "\r\n");
    EXPECT_EQ(std::string(iniGetString("t.ini", "s", "k")), std::string(1023, 'v'));
}

struct WriteCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST_F(IniTest, WritesInTheFileFormsExpected)
{
    const WriteCase cases[] = {
        // replacing drops the blank lines after the old value
        {"[a]\r\nk=1\r\n\r\n\r\n  m=2\r\n", "a", "k", "9", "[a]\r\nk=9\r\nm=2\r\n"},
        // a new key goes directly after its header, inside its own section
        {"[a]\r\n\r\n[b]\r\nk=1\r\n", "a", "k", "5", "[a]\r\n\r\nk=5\r\n[b]\r\nk=1\r\n"},
        // a new section is appended
        {"[a]\r\nk=1\r\n", "b", "x", "y", "[a]\r\nk=1\r\n[b]\r\nx=y\r\n"},
        // a header after a last line without a line end starts its own line
        {"[a]\r\nk=1", "b", "x", "y", "[a]\r\nk=1\r\n[b]\r\nx=y\r\n"},
        // a value at the very end of the file
        {"[a]\nk=1", "a", "k", "22", "[a]\nk=22\r\n"},
        // only the first of two equal sections is written
        {"[a]\r\nk=1\r\n[a]\r\nk=2\r\n", "A", "K", "3", "[a]\r\nk=3\r\n[a]\r\nk=2\r\n"},
    };
    for (const WriteCase& c : cases) {
        file(c.before);
        EXPECT_EQ(iniSetString("t.ini", c.section, c.key, c.value), 0);
        EXPECT_EQ(folder.read("t.ini"), c.after) << c.before;
        EXPECT_STREQ(iniGetString("t.ini", c.section, c.key), c.value);
    }
}

TEST_F(IniTest, SettingAKeyCreatesAMissingFile)
{
    EXPECT_EQ(iniSetInt("data\\New.ini", "main", "xs", -7), 0);
    EXPECT_EQ(folder.read("data/New.ini"), "[main]\r\nxs=-7\r\n");
    EXPECT_EQ(iniSetFloat("data\\new.ini", "main", "v", 0.5f), 0);
    EXPECT_EQ(folder.read("data/New.ini"), "[main]\r\nv=0.500000\r\nxs=-7\r\n");
}

TEST_F(IniTest, AFailedWriteKeepsTheValueForLaterReads)
{
    folder.write("blocker", "a file where a folder is needed");
    EXPECT_EQ(iniSetString("blocker\\t.ini", "s", "k", "v"), -1);
    EXPECT_STREQ(iniGetString("blocker\\t.ini", "s", "k"), "v");
}

TEST_F(IniTest, ClearingEmptiesTheFileAndTheCache)
{
    file("[p]\r\nk=1\r\n");
    EXPECT_STREQ(iniGetString("t.ini", "p", "k"), "1");
    EXPECT_EQ(iniClearFile("t.ini"), 0);
    EXPECT_EQ(folder.read("t.ini"), "");
    EXPECT_STREQ(iniGetString("t.ini", "p", "k"), "");
    iniSetString("t.ini", "q", "a", "b");
    EXPECT_EQ(folder.read("t.ini"), "[q]\r\na=b\r\n");
}

TEST_F(IniTest, ClearingAnotherFileNeverEmptiesTheCachedOne)
{
    folder.write("keep.ini", "[s]\r\nk=1\r\n");
    EXPECT_STREQ(iniGetString("keep.ini", "s", "k"), "1");
    iniClearFile("gone.ini");
    iniSetString("keep.ini", "s", "m", "2");
    EXPECT_EQ(folder.read("keep.ini"), "[s]\r\nm=2\r\nk=1\r\n");
}

TEST_F(IniTest, ListsSectionsReadAnewFromDisk)
{
    constexpr char text[] = "\0\0 [a]\r\nk=1\r\n  [b c]\r\n[d\r\nx=[e]\r\n";
    file(std::string(text, sizeof text - 1));
    EXPECT_EQ(iniListSections("t.ini"), (std::vector<std::string> {"a", "b c", "d"}));
    folder.write("t.ini", "[z]\r\n");
    EXPECT_EQ(iniListSections("t.ini"), (std::vector<std::string> {"z"}));
    EXPECT_TRUE(iniListSections("missing.ini").empty());
}

TEST_F(IniTest, FindsFilesWhateverTheirCase)
{
    folder.write("DATA/Menu/Main.INI", "[m]\r\nk=ok\r\n");
    EXPECT_STREQ(iniGetString("data\\menu\\main.ini", "m", "k"), "ok");
}

}  // namespace

namespace {

TEST_F(IniTest, ReadsStayRightAcrossSectionsWritesAndFiles)
{
    file("[a]\r\nk=1\r\n[b]\r\nk=2\r\n");
    EXPECT_STREQ(iniGetString("t.ini", "a", "k"), "1");
    EXPECT_STREQ(iniGetString("t.ini", "A", "k"), "1");
    EXPECT_STREQ(iniGetString("t.ini", "b", "k"), "2");
    // a write moves the sections' bodies
    iniSetString("t.ini", "a", "long", "a value that shifts every later byte");
    EXPECT_STREQ(iniGetString("t.ini", "b", "k"), "2");
    iniSetString("t.ini", "c", "k", "3");
    EXPECT_STREQ(iniGetString("t.ini", "c", "k"), "3");
    // another file with the same section names
    folder.write("u.ini", "[b]\r\nk=9\r\n");
    EXPECT_STREQ(iniGetString("u.ini", "b", "k"), "9");
    EXPECT_STREQ(iniGetString("t.ini", "b", "k"), "2");
    iniClearFile("t.ini");
    EXPECT_STREQ(iniGetString("t.ini", "b", "k"), "");
}

}  // namespace
