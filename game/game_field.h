#pragma once
// The board: a grid of cells, each holding at most one gift, with the
// level's settings, the pictures and sounds the rules use, and the gift
// list that owns every gift.

#include "game/cell.h"
#include "game/field_media.h"
#include "game/field_screen.h"
#include "game/gift.h"
#include "game/level_map.h"

#include <array>
#include <list>
#include <string_view>
#include <vector>

class Sprite;

// Mode numbers.
constexpr int MODE_QUEST = 0;
constexpr int MODE_PUZZLE = 1;
constexpr int MODE_ACTION = 2;
constexpr int MODE_CUBE = 4;

constexpr int BORDER_TILES = 20;
constexpr int GIFT_PICTURES = 9;  // colours 0..8

// The pictures the field draws with; null when absent.
struct FieldPictures {
    Sprite* field = nullptr;
    std::array<Sprite*, 4> backgrounds {};  // backgrounds 1..4
    std::array<Sprite*, 2> locks {};  // one chain, two or more
    Sprite* select = nullptr;
    Sprite* teleport = nullptr;
    std::array<Sprite*, GIFT_PICTURES> gifts {};
    Sprite* rainbow = nullptr;
    std::array<Sprite*, GIFT_PICTURES> help {};
    std::array<Sprite*, BORDER_TILES> tiles {};
};

// A pair of cells (a move, a hint) as one number: first * 1000 + second;
// 0 for none.
constexpr int pairOf(int first, int second) { return first * 1000 + second; }
constexpr int pairFirst(int pair) { return pair / 1000; }
constexpr int pairSecond(int pair) { return pair % 1000; }

constexpr int MAX_UNDO = 50;
constexpr int HINT_DELAY_MS = 10000;

// One undo step of the puzzle mode: per cell the gift's colour (0xff for an
// empty cell) and its lock count.
struct UndoSnapshot {
    std::array<unsigned char, MAX_CELLS> colours {};
    std::array<unsigned char, MAX_CELLS> locks {};
};

class GameField {
public:
    GameField(FieldMedia& media, FieldScreen& screen);
    ~GameField();
    GameField(const GameField&) = delete;
    GameField& operator=(const GameField&) = delete;

    // Replaces the board with the map's; a missing or damaged file leaves
    // the field as it was and returns false.
    bool loadMap(std::string_view path);
    // Writes the board and its settings; 0 or -1.
    int saveMap(std::string_view path) const;
    // The board as a map, as saveMap writes it.
    LevelMap toLevelMap() const;

    // The cell under a screen point, or -1.
    int cellAt(int x, int y) const;

    // Links a new gift into the gift list (newest first) and returns it.
    Gift& addGift();
    // Unlinks and frees a gift.
    void removeGift(Gift* gift);
    // Frees every gift.
    void removeAllGifts();
    const std::list<Gift>& giftList() const { return gifts_; }

    // A new gift with a random colour and kind, in the gift list.
    Gift& makeGift(bool initial);
    // Gives every present cell without a gift a new initial gift.
    void fillEmptyCells();
    void applyPendingLocks();

    // Input from the game screen (button 1 left, 2 right).
    void onButtonDown(int button, int x, int y);
    void onButtonUp(int button);
    void onMouseMove(int x, int y);
    // The per-frame step.
    void update(int ms);

    // Moves and matches.
    void swapCells(int a, int b);
    bool findMatches();
    void clearCell(int index, bool immediate);
    bool hasLine() const;
    // The first possible move as a cell pair, or 0.
    int findMove() const;

    // Falling and refill.
    void gravityAnimated();
    void gravityInstant();
    void prepareBoard();
    void ensureMove();
    void recolourGrowing();

    // Special gifts, special cells and the wand.
    void applyRainbow(int target, int rainbow);
    void teleport(int from, int target);
    void strikeWithWand(int index);
    void collectScoreCell(int index, bool byLine);
    void collectWandCell(int index, bool byLine);
    void removeLayer(int index);

    // The puzzle mode's undo history.
    void pushSnapshot();
    void dropSnapshot();
    void undo();

    // Sounds of the field, at full volume without pan.
    void playSound(std::string_view name);
    FieldEffects& effects() { return screen.effects(); }

    bool isSelectable(int index) const;
    bool isUnlocked(int index) const;
    bool areNeighbours(int a, int b) const;
    int colourAt(int index) const;
    int row(int index) const { return index / width; }
    int column(int index) const { return index % width; }

    Cell& cell(int index) { return cells[static_cast<std::size_t>(index)]; }
    const Cell& cell(int index) const { return cells[static_cast<std::size_t>(index)]; }
    int centreX(int index) const { return cell(index).x + CELL_SIZE / 2; }
    int centreY(int index) const { return cell(index).y + CELL_SIZE / 2; }
    // Places a gift at the centre of a cell and gives it to the cell.
    void placeGift(int index, Gift& gift);

    // Grid.
    int width = 14, height = 10, count = MAX_CELLS;
    int originX = 250, originY = 70;
    std::array<Cell, MAX_CELLS> cells;

    // Level settings from the map.
    std::array<int, GIFT_SETTINGS> GIFTS {};
    std::array<int, BONUS_SETTINGS> BONUSES {};
    bool badGiftsAllowed = false;
    int timeLimit = 60000, timeLeft = 60000;
    int mode = MODE_QUEST;
    int layers = 0;  // background layers left on present cells

    // Tuning from "data\common.ini".
    float giftVelocity = 0.0f;
    float fallVelocity = 0.0f;
    float dyingVelocity = 0.0f;

    // Play and drawing state.
    int selectedCell = -1, hoverCell = -1;
    int pendingSwapBack = -1;
    bool busy = false;
    bool moveMade = false;
    int pressX = 0, pressY = 0;
    bool buttonHeld = false;
    bool teleportSelected = false, rainbowSelected = false;
    int mouseX = -1, mouseY = -1;
    int removedSinceScoring = 0;
    int removedThisMove = 0;
    int scoringSteps = 0;
    int layersClearedThisFrame = 0;
    bool done = false;
    bool rested = false;  // the last update found the board at rest
    bool landed = false;  // a falling gift came to rest since the last frame
    int hintTimer = 0;
    int elapsed = 0;  // ms of play in this level
    bool redraw = false;
    int markerX = 0, markerY = 0;
    bool markerVisible = false;
    FieldDialog* modalDialog = nullptr;
    std::vector<UndoSnapshot> undoHistory;
    std::array<int, ORDINARY_COLOURS> colourTally {};
    std::array<int, ORDINARY_COLOURS> colourMean {};  // x + 1000 * y

    FieldPictures pictures;
    FieldMedia& media;
    FieldScreen& screen;

private:
    void resetPlayState();
    void selectCell(int index);
    void deselectCell(int index);
    void clearSelection();
    void setSpecialFlags(int index);
    void strikeArmedWand(int index);
    void dragTo(int x, int y);
    void swapMotion(int a, int b);
    void swapBack();
    bool scanLines(bool immediate);
    bool scanLine(int first, int step, int length, bool immediate);
    bool scanSquares(bool immediate);
    bool anyLineOfThree() const;
    bool anySquare() const;
    int findLineMove() const;
    int findCubeMove() const;
    void runHint(int move, int ms);
    void tallyColour(int colour, int index);
    bool updateCell(int index, int ms);
    void advanceTime(int ms);
    bool goalMet() const;
    void checkGoal();
    void resolveBusyBoard(int ms);
    void rest(int ms);
    void refillAfterMove();
    bool replaceRandomGift();
    void loadPictures();
    void loadTuning();
    void applyMap(const LevelMap& map);
    bool colourEnabled(int colour) const;
    int drawChoice(int outcomes);
    bool drawChance(int perThousand);

    std::list<Gift> gifts_;
    bool noOrdinaryColour_ = false;  // the map enables none: all are used
};
