#include "game/game_field.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

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

    ToolRun run = runTool("mapinfo", folder.path() + "/data/profiles/Annquest.map");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
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
    EXPECT_NE(runTool("mapinfo", folder.path() + "/none.map").code, 0);
    EXPECT_NE(runTool("mapinfo", "").code, 0);
}

TEST(Mklevel, CompilesTextThatMapinfoPrintsBack)
{
    TempFolder folder;
    const std::string text = "origin 10 20\nwidth 3\nheight 1\nmode 1\nGIFTS 1 1 0 0 0 0 0 0 0 0\n"
                             "BONUSES 0 0 0 0 0\ntime 0\n000#  41t\n";
    folder.write("level.txt", text);
    ToolRun compiled = runTool("mklevel", folder.path() + "/level.txt " + folder.path() + "/out/level.map");
    EXPECT_EQ(compiled.code, 0) << compiled.all();
    EXPECT_EQ(runTool("mapinfo", folder.path() + "/out/level.map").out, text);

    folder.write("bad.txt", "000\n0q0\n");
    ToolRun refused = runTool("mklevel", folder.path() + "/bad.txt " + folder.path() + "/bad.map");
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.all().find("line 2: gift must be"), std::string::npos) << refused.all();
    EXPECT_FALSE(folder.exists("bad.map"));
}

}  // namespace
