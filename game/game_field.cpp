#include "game/game_field.h"

#include "foundation/gerr.h"
#include "foundation/ini.h"

#include <cstdio>

GameField::GameField(FieldMedia& fieldMedia, FieldScreen& fieldScreen) : media(fieldMedia), screen(fieldScreen)
{
    for (int i = 0; i < MAX_CELLS; ++i)
        cells[static_cast<std::size_t>(i)].index = i;
    loadPictures();
    loadTuning();
}

GameField::~GameField() = default;

void GameField::loadPictures()
{
    char name[64];
    pictures.field = media.loadPicture("data\\field.tga", 1, 0);
    const char* backgrounds[] = {"data\\cell0.tga", "data\\cell1.tga", "data\\cell_score.tga", "data\\cell_wand.tga"};
    for (std::size_t i = 0; i < pictures.backgrounds.size(); ++i)
        pictures.backgrounds[i] = media.loadPicture(backgrounds[i], 1, 0);
    pictures.locks[0] = media.loadPicture("data\\locked0.tga", 1, 0);
    pictures.locks[1] = media.loadPicture("data\\locked1.tga", 1, 0);
    pictures.select = media.loadPicture("data\\select.tga", 11, 800);
    pictures.teleport = media.loadPicture("data\\fx\\teleport.tga", 6, 600);
    for (int i = 0; i < GIFT_PICTURES; ++i) {
        std::snprintf(name, sizeof name, "data\\gifts\\NONE\\active%d.tga", i);
        pictures.gifts[static_cast<std::size_t>(i)] = media.loadPicture(name, 20, 500);
        std::snprintf(name, sizeof name, "data\\gifts\\HELP\\help%d.tga", i);
        pictures.help[static_cast<std::size_t>(i)] = media.loadPicture(name, 15, 750);
    }
    pictures.rainbow = media.loadPicture("data\\Gifts\\raduga.tga", 20, 500);
    for (int i = 0; i < BORDER_TILES; ++i) {
        std::snprintf(name, sizeof name, i < 10 ? "data\\tiles\\0%d.tga" : "data\\tiles\\%d.tga", i);
        pictures.tiles[static_cast<std::size_t>(i)] = media.loadPicture(name, 1, 0);
    }
}

void GameField::loadTuning()
{
    constexpr const char* common = "data\\common.ini";
    giftVelocity = iniGetFloat(common, "properties", "gift_velocity");
    fallVelocity = iniGetFloat(common, "properties", "fall_velocity");
    dyingVelocity = iniGetFloat(common, "properties", "dying_velocity");
}

bool GameField::loadMap(std::string_view path)
{
    if (path.empty())
        return false;
    LevelMap map;
    if (!readLevelMap(path, map))
        return false;
    applyMap(map);
    return true;
}

// A new board starts at rest with nothing selected: no state of the last
// level's moves carries over.
void GameField::resetPlayState()
{
    for (Cell& c : cells)
        c.selected = c.removed = false;
    selectedCell = -1;
    teleportSelected = rainbowSelected = false;
    busy = moveMade = buttonHeld = landed = false;
    removedSinceScoring = removedThisMove = scoringSteps = layersClearedThisFrame = 0;
    hintTimer = 0;
}

void GameField::applyMap(const LevelMap& map)
{
    removeAllGifts();
    resetPlayState();
    layers = 0;
    originX = map.originX;
    originY = map.originY;
    width = map.width;
    height = map.height;
    count = width * height;
    for (int i = 0; i < GIFT_SETTINGS; ++i)
        GIFTS[static_cast<std::size_t>(i)] = map.gifts[static_cast<std::size_t>(i)];
    badGiftsAllowed = GIFTS[COLOUR_BAD] != 0;
    noOrdinaryColour_ = true;
    for (int c = 0; c < ORDINARY_COLOURS; ++c)
        noOrdinaryColour_ = noOrdinaryColour_ && GIFTS[static_cast<std::size_t>(c)] == 0;
    if (noOrdinaryColour_) {
        // New gifts would be drawn forever; every ordinary colour stands in.
        GERR_REPORT("level map enables no ordinary gift colour: all eight are used");
    }
    for (int i = 0; i < BONUS_SETTINGS; ++i)
        BONUSES[static_cast<std::size_t>(i)] = map.bonuses[static_cast<std::size_t>(i)];
    if (map.timeSeconds != 0)
        timeLimit = timeLeft = map.timeSeconds * 1000;

    for (int i = 0; i < count; ++i) {
        const MapCell& record = map.cells[static_cast<std::size_t>(i)];
        Cell& c = cell(i);
        c.gift = nullptr;
        c.busy = false;
        c.swapPartner = -1;
        c.present = record.present;
        if (!record.present)
            continue;  // a hole keeps its former background and position
        c.background = record.background;
        layers += record.background;
        c.pendingLock = record.extra;
        c.x = originX + (i % width) * CELL_SIZE;
        c.y = originY + (i / width) * CELL_SIZE;
        if (record.code >= 1 && record.code <= 9) {
            Gift& gift = addGift();
            gift.colour = record.code - 1;
            placeGift(i, gift);
        } else if (record.code == CODE_RAINBOW) {
            Gift& gift = addGift();
            gift.colour = COLOUR_RAINBOW;
            gift.kind = KIND_RAINBOW;
            placeGift(i, gift);
        } else if (record.code == CODE_TELEPORT) {
            Gift& gift = addGift();
            gift.colour = record.extra;
            gift.kind = KIND_TELEPORT;
            c.pendingLock = 0;
            placeGift(i, gift);
        }
    }

    pendingSwapBack = -1;
    screen.redrawAll();
    undoHistory.clear();
    modalDialog = nullptr;
    colourTally.fill(0);
    colourMean.fill(0);
    screen.rebuildLevelBackground();
    markerVisible = false;
}

LevelMap GameField::toLevelMap() const
{
    LevelMap map;
    map.originX = originX;
    map.originY = originY;
    map.width = width;
    map.height = height;
    map.mode = mode;
    for (int i = 0; i < GIFT_SETTINGS; ++i)
        map.gifts[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(GIFTS[static_cast<std::size_t>(i)]);
    for (int i = 0; i < BONUS_SETTINGS; ++i)
        map.bonuses[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(BONUSES[static_cast<std::size_t>(i)]);
    map.timeSeconds = timeLimit / 1000;
    map.cells.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Cell& c = cell(i);
        MapCell& record = map.cells[static_cast<std::size_t>(i)];
        if (!c.present)
            continue;
        record.present = static_cast<std::uint8_t>(c.present);
        record.background = static_cast<std::uint8_t>(c.background);
        const Gift* gift = c.gift;
        if (!gift) {
            record.code = CODE_EMPTY;
        } else if (gift->kind == KIND_RAINBOW) {
            record.code = CODE_RAINBOW;
        } else if (gift->kind == KIND_TELEPORT) {
            record.extra = static_cast<std::uint8_t>(gift->colour);
            record.code = CODE_TELEPORT;
        } else {
            record.extra = static_cast<std::uint8_t>(gift->lock);
            record.code = static_cast<std::uint8_t>(gift->colour + 1);
        }
    }
    return map;
}

int GameField::saveMap(std::string_view path) const { return writeLevelMap(path, toLevelMap()); }

int GameField::cellAt(int x, int y) const
{
    if (x < originX || y < originY || x > originX + CELL_SIZE * width || y > originY + CELL_SIZE * height)
        return -1;
    int column = (x - originX - 1) / CELL_SIZE;
    int row = (y - originY) / CELL_SIZE;
    int index = row * width + column;
    return index < count ? index : -1;
}

Gift& GameField::addGift()
{
    gifts_.emplace_front();
    Gift& gift = gifts_.front();
    gift.owner = this;
    gift.self = gifts_.begin();
    return gift;
}

void GameField::removeGift(Gift* gift)
{
    if (gift && gift->owner == this)
        gifts_.erase(gift->self);
}

void GameField::removeAllGifts()
{
    for (Cell& c : cells)
        c.gift = nullptr;
    gifts_.clear();
}

void GameField::placeGift(int index, Gift& gift)
{
    gift.x = static_cast<float>(centreX(index));
    gift.y = static_cast<float>(centreY(index));
    cell(index).gift = &gift;
}

void GameField::fillEmptyCells()
{
    for (int i = 0; i < count; ++i) {
        if (cell(i).present && !cell(i).gift)
            placeGift(i, makeGift(true));
    }
}

void GameField::applyPendingLocks()
{
    for (int i = 0; i < count; ++i) {
        Cell& c = cell(i);
        if (c.present && c.gift && c.pendingLock != 0)
            c.gift->lock = c.pendingLock;
    }
}
