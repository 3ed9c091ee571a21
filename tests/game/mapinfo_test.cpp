#include "game/game_field.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

struct ToolRun {
    std::string output;
    int status = -1;
};

ToolRun runMapinfo(const std::string& arguments)
{
    std::string command = std::string(GIFTFALL_TOOLS_DIR) + "/mapinfo " + arguments + " 2>&1";
    ToolRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> chunk {};
    std::size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        run.output.append(chunk.data(), n);
    run.status = pclose(pipe);
    return run;
}

TEST(Mapinfo, PrintsAMapThatTheFieldSaved)
{
    TempFolder folder;
    LevelMap map;
    map.originX = 64;
    map.originY = 80;
    map.width = 4;
    map.height = 2;
    map.gifts = {1, 1, 1, 0, 0, 0, 0, 0, 1, 0};
    map.bonuses = {10, 20, 0, 0, 0};
    map.timeSeconds = 75;
    map.cells = {{1, 0, 0, 1}, {1, 1, 2, 3}, {0, 0, 0, 0}, {1, 2, 5, 12},
                 {1, 3, 0, 9}, {1, 4, 0, 11}, {1, 0, 0, 0}, {1, 1, 0, 8}};
    ASSERT_EQ(writeLevelMap("source.map", map), 0);
    NoFieldMedia media;
    NoFieldScreen screen;
    GameField field(media, screen);
    field.mode = MODE_ACTION;
    ASSERT_TRUE(field.loadMap("source.map"));
    field.applyPendingLocks();
    ASSERT_EQ(field.saveMap("data\\profiles\\Annquest.map"), 0);

    ToolRun run = runMapinfo(folder.path() + "/data/profiles/Annquest.map");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output,
              "origin 64 80\n"
              "width 4\n"
              "height 2\n"
              "mode 2\n"
              "GIFTS 1 1 1 0 0 0 0 0 1 0\n"
              "BONUSES 10 20 0 0 0\n"
              "time 75\n"
              "000122#  25t\n"
              "3b04r00.0170\n");
}

TEST(Mapinfo, RefusesMissingFilesAndWrongArguments)
{
    TempFolder folder;
    EXPECT_NE(runMapinfo(folder.path() + "/none.map").status, 0);
    EXPECT_NE(runMapinfo("").status, 0);
}

}  // namespace
