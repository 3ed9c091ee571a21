#include "foundation/game_random.h"
#include "foundation/gerr.h"
#include "foundation/ini.h"
#include "game/game_field.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CountingScreen final : public FieldScreen {
public:
    void redrawAll() override { ++redraws; }
    void rebuildLevelBackground() override { ++backgrounds; }
    int redraws = 0, backgrounds = 0;
};

// A 14 x 10 board of plain present cells without gifts.
LevelMap plainMap()
{
    LevelMap map;
    map.originX = 100;
    map.originY = 50;
    map.width = 14;
    map.height = 10;
    map.gifts = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    map.cells.assign(MAX_CELLS, MapCell {1, 0, 0, 0});
    return map;
}

class GameFieldTest : public ::testing::Test {
protected:
    void TearDown() override { gerrClose(); }

    bool load(const LevelMap& map, const char* name = "data\\levels\\test.map")
    {
        EXPECT_EQ(writeLevelMap(name, map), 0);
        return field.loadMap(name);
    }

    TempFolder folder;
    NoFieldMedia media;
    CountingScreen screen;
    GameField field {media, screen};
};

TEST_F(GameFieldTest, StartsWithTheDefaultBoard)
{
    EXPECT_EQ(field.count, 140);
    EXPECT_EQ(field.originX, 250);
    EXPECT_EQ(field.originY, 70);
    EXPECT_EQ(field.timeLimit, 60000);
    EXPECT_EQ(field.selectedCell, -1);
    EXPECT_EQ(field.hoverCell, -1);
    for (int i = 0; i < MAX_CELLS; ++i) {
        EXPECT_EQ(field.cell(i).index, i);
        EXPECT_TRUE(field.cell(i).present);
        EXPECT_EQ(field.cell(i).background, 1);
        EXPECT_EQ(field.cell(i).swapPartner, -1);
    }
    EXPECT_TRUE(field.giftList().empty());
}

TEST_F(GameFieldTest, ReadsTuningFromTheCommonFile)
{
    folder.write("DATA/Common.ini", "[properties]\r\ngift_velocity=0.5\r\nfall_velocity=0.25\r\n");
    iniGetString("other.ini", "", "");  // the fixture's field cached the file while it was missing
    GameField tuned(media, screen);
    EXPECT_FLOAT_EQ(tuned.giftVelocity, 0.5f);
    EXPECT_FLOAT_EQ(tuned.fallVelocity, 0.25f);
    EXPECT_FLOAT_EQ(tuned.dyingVelocity, 0.0f);
}

TEST_F(GameFieldTest, LoadsCellsGiftsAndSettings)
{
    LevelMap map = plainMap();
    map.bonuses = {5, 6, 7, 8, 9};
    map.timeSeconds = 90;
    map.cells[0] = {1, 3, 0, 1};  // score cell, colour 0
    map.cells[1] = {1, 3, 2, 9};  // score cell, bad gift with two chains pending
    map.cells[2] = {1, 2, 3, 12};  // teleport gift of colour 3
    map.cells[3] = {1, 0, 4, 11};  // rainbow gift; byte 2 is its pending lock
    map.cells[4] = {0, 4, 4, 4};  // a hole
    map.cells[5] = {7, 0, 0, 13};  // code 13 reads as no gift
    ASSERT_TRUE(load(map));
    EXPECT_EQ(field.timeLimit, 90000);
    EXPECT_EQ(field.timeLeft, 90000);
    EXPECT_EQ(field.layers, 3 + 3 + 2);
    EXPECT_EQ(field.BONUSES[4], 9);
    EXPECT_EQ(field.giftList().size(), 4u);

    EXPECT_EQ(field.cell(0).gift->colour, 0);
    EXPECT_EQ(field.cell(1).gift->colour, COLOUR_BAD);
    EXPECT_EQ(field.cell(1).gift->lock, 0);
    EXPECT_EQ(field.cell(1).pendingLock, 2);
    const Gift& teleport = *field.cell(2).gift;
    EXPECT_EQ(teleport.kind, KIND_TELEPORT);
    EXPECT_EQ(teleport.colour, 3);
    EXPECT_EQ(field.cell(2).pendingLock, 0);
    EXPECT_EQ(field.cell(3).gift->kind, KIND_RAINBOW);
    EXPECT_EQ(field.cell(3).gift->colour, COLOUR_RAINBOW);
    EXPECT_EQ(field.cell(3).pendingLock, 4);
    EXPECT_FALSE(field.cell(4).present);
    EXPECT_EQ(field.cell(4).gift, nullptr);
    EXPECT_EQ(field.cell(5).present, 7);
    EXPECT_EQ(field.cell(5).gift, nullptr);

    EXPECT_EQ(field.cell(15).x, 100 + 48);
    EXPECT_EQ(field.cell(15).y, 50 + 48);
    EXPECT_FLOAT_EQ(field.cell(2).gift->x, 100 + 2 * 48 + 24);
    EXPECT_FLOAT_EQ(field.cell(2).gift->y, 50 + 24);
    EXPECT_EQ(screen.redraws, 1);
    EXPECT_EQ(screen.backgrounds, 1);

    field.applyPendingLocks();
    EXPECT_EQ(field.cell(1).gift->lock, 2);
    EXPECT_EQ(field.cell(3).gift->lock, 4);
    EXPECT_EQ(field.cell(2).gift->lock, 0);
}

TEST_F(GameFieldTest, AHoleKeepsItsFormerBackgroundAndConsumesFourBytes)
{
    LevelMap map = plainMap();
    map.cells[20].background = 2;
    ASSERT_TRUE(load(map));
    map.cells[20] = {0, 0, 0, 0};
    map.cells[21] = {1, 1, 0, 2};
    ASSERT_TRUE(load(map));
    EXPECT_EQ(field.cell(20).background, 2);
    EXPECT_EQ(field.cell(21).gift->colour, 1);
    EXPECT_EQ(field.layers, 1);
}

TEST_F(GameFieldTest, ATimeOfZeroKeepsTheLimitOfTheMapBefore)
{
    LevelMap map = plainMap();
    ASSERT_TRUE(load(map));
    EXPECT_EQ(field.timeLimit, 60000);
    map.timeSeconds = 45;
    ASSERT_TRUE(load(map));
    map.timeSeconds = 0;
    ASSERT_TRUE(load(map));
    EXPECT_EQ(field.timeLimit, 45000);
}

TEST_F(GameFieldTest, SavingAFreshlyLoadedMapWritesItBack)
{
    LevelMap map = plainMap();
    map.mode = 0;
    map.gifts[9] = 1;
    map.bonuses = {1, 2, 3, 4, 5};
    map.timeSeconds = 120;
    map.cells[0] = {1, 1, 2, 3};
    map.cells[1] = {0, 0, 0, 0};
    map.cells[2] = {1, 4, 6, 12};
    map.cells[3] = {1, 0, 0, 11};
    map.cells[4] = {1, 0, 5, 0};  // present, no gift, a stray byte 2
    ASSERT_TRUE(load(map));
    field.applyPendingLocks();  // the gift's own lock is what is saved
    field.mode = MODE_CUBE;
    ASSERT_EQ(field.saveMap("saved.map"), 0);

    std::vector<unsigned char> expected = encodeLevelMap(map);
    expected[10] = MODE_CUBE;
    for (std::size_t i = 4; i < MAX_CELLS; ++i) {
        std::size_t at = 55 + 4 * i + 3;
        expected[at] = CODE_EMPTY;
    }
    expected[55 + 16 + 2] = 0;
    expected[55 + 16 + 3] = CODE_EMPTY;
    std::string saved = folder.read("saved.map");
    ASSERT_EQ(saved.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(static_cast<unsigned char>(saved[i]), expected[i]) << "byte " << i;
}

TEST_F(GameFieldTest, FindsTheCellUnderAPoint)
{
    ASSERT_TRUE(load(plainMap()));
    struct Point {
        int x, y, cell;
    };
    const Point points[] = {
        {100, 50, 0},     {148, 50, 0},      {149, 50, 1},    {99, 50, -1},   {100, 49, -1},
        {100 + 672, 50, 13}, {101 + 672, 50, -1}, {120, 50 + 48, 14}, {120, 50 + 479, 126},
        {120, 50 + 480, -1}, {120, 50 + 481, -1},
    };
    for (const Point& p : points)
        EXPECT_EQ(field.cellAt(p.x, p.y), p.cell) << p.x << "," << p.y;
}

TEST_F(GameFieldTest, FillsEveryPresentEmptyCellWithInitialGifts)
{
    LevelMap map = plainMap();
    map.gifts = {0, 1, 0, 1, 0, 0, 0, 0, 1, 0};
    map.bonuses = {250, 250, 0, 0, 0};
    map.cells[7] = {0, 0, 0, 0};
    map.cells[8] = {1, 0, 0, 6};
    ASSERT_TRUE(load(map));
    gameRandom.seed(77);
    field.fillEmptyCells();
    EXPECT_EQ(field.giftList().size(), 139u);
    for (int i = 0; i < field.count; ++i) {
        const Gift* gift = field.cell(i).gift;
        if (i == 7) {
            EXPECT_EQ(gift, nullptr);
            continue;
        }
        ASSERT_NE(gift, nullptr);
        if (i != 8) {
            EXPECT_TRUE(gift->colour == 1 || gift->colour == 3) << gift->colour;
        }
        EXPECT_EQ(gift->kind, KIND_ORDINARY);
        EXPECT_FLOAT_EQ(gift->x, static_cast<float>(field.centreX(i)));
    }
}

TEST_F(GameFieldTest, MakesTheSameGiftsFromTheSameSeed)
{
    LevelMap map = plainMap();
    map.gifts = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    map.bonuses = {100, 100, 0, 0, 0};
    ASSERT_TRUE(load(map));
    auto run = [this] {
        gameRandom.seed(2024);
        std::vector<std::pair<int, int>> made;
        for (int i = 0; i < 500; ++i) {
            Gift& gift = field.makeGift(false);
            made.emplace_back(gift.colour, gift.kind);
            field.removeGift(&gift);
        }
        return made;
    };
    auto first = run();
    EXPECT_EQ(first, run());
    auto has = [&first](int colour, int kind) {
        return std::count(first.begin(), first.end(), std::pair {colour, kind}) > 0;
    };
    EXPECT_TRUE(has(COLOUR_BAD, KIND_ORDINARY));
    EXPECT_TRUE(has(COLOUR_RAINBOW, KIND_RAINBOW));
    EXPECT_FALSE(has(COLOUR_BAD, KIND_TELEPORT));
    EXPECT_TRUE(field.giftList().empty());
}

TEST_F(GameFieldTest, AMapWithoutOrdinaryColoursStillMakesGifts)
{
    LevelMap map = plainMap();
    map.gifts = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    ASSERT_TRUE(load(map));
    field.fillEmptyCells();
    EXPECT_EQ(field.giftList().size(), 140u);
    gerrClose();
    std::string log = folder.read("gerr.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3) << log;
}

struct Damage {
    const char* what;
    std::size_t keepBytes;  // 0 keeps all
    int width, height;
    std::size_t byteOffset = 0;  // a byte to overwrite, 0 for none
    unsigned char byteValue = 0;
};

TEST_F(GameFieldTest, ADamagedMapLoadsNothingAndIsReported)
{
    LevelMap good = plainMap();
    good.cells[0] = {1, 1, 0, 1};
    ASSERT_TRUE(load(good));
    const Damage damages[] = {
        {"missing", 1, 14, 10},       {"header cut", 30, 14, 10}, {"body cut", 55 + 4 * 139 + 2, 14, 10},
        {"no columns", 0, 0, 10},     {"no rows", 0, 14, 0},      {"too many cells", 0, 15, 10},
        {"background 5", 0, 14, 10, 55 + 4 * 3 + 1, 5}, {"teleport colour 9", 0, 14, 10, 55 + 4 * 3 + 2, 9},
    };
    int reports = 0;
    for (const Damage& d : damages) {
        LevelMap map = plainMap();
        map.width = d.width;
        map.height = d.height;
        map.cells.assign(static_cast<std::size_t>(d.width * d.height), MapCell {1, 1, 0, 2});
        map.cells[3] = {1, 1, 0, CODE_TELEPORT};
        std::vector<unsigned char> bytes = encodeLevelMap(map);
        if (d.keepBytes)
            bytes.resize(d.keepBytes - 1);
        if (d.byteOffset)
            bytes[d.byteOffset] = d.byteValue;
        if (std::string(d.what) != "missing")
            folder.writeBytes("bad.map", bytes);
        EXPECT_FALSE(field.loadMap("bad.map")) << d.what;
        ++reports;
        EXPECT_EQ(field.count, 140) << d.what;
        EXPECT_EQ(field.cell(0).gift->colour, 0) << d.what;
        EXPECT_EQ(field.giftList().size(), 1u) << d.what;
        EXPECT_EQ(screen.redraws, 1) << d.what;
    }
    gerrClose();
    std::string log = folder.read("gerr.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2 + reports);
    EXPECT_FALSE(field.loadMap(""));
}

}  // namespace
