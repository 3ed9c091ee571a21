#pragma once
// The binary level map: one board with its level settings. Numbers are
// big-endian; tags are NUL-terminated texts.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr int MAX_CELLS = 140;  // 14 x 10
constexpr int GIFT_SETTINGS = 10;
constexpr int BONUS_SETTINGS = 5;

// Gift codes of a cell record.
constexpr int CODE_NONE = 0;
constexpr int CODE_EMPTY = 10;  // what a present cell without a gift is saved as
constexpr int CODE_RAINBOW = 11;
constexpr int CODE_TELEPORT = 12;

// One 4-byte cell record as stored.
struct MapCell {
    std::uint8_t present = 0;
    std::uint8_t background = 0;
    std::uint8_t extra = 0;  // lock count, or a teleport gift's colour
    std::uint8_t code = 0;
};

struct LevelMap {
    int originX = 0, originY = 0;
    int width = 0, height = 0;
    int mode = 0;
    std::array<std::uint8_t, GIFT_SETTINGS> gifts {};
    std::array<std::uint8_t, BONUS_SETTINGS> bonuses {};
    int timeSeconds = 0;
    std::vector<MapCell> cells;  // width x height, row by row
};

// Decodes a map; false with the reason in problem for a damaged one.
bool decodeLevelMap(std::span<const unsigned char> bytes, LevelMap& map, std::string& problem);
std::vector<unsigned char> encodeLevelMap(const LevelMap& map);

// Reads and decodes a map file; a missing or damaged file is reported to
// the error log and gives false.
bool readLevelMap(std::string_view path, LevelMap& map);
// Saves a map file atomically; 0 or -1.
int writeLevelMap(std::string_view path, const LevelMap& map);

// The grid as level designers read it: one line per row, each cell three
// characters: background digit (or '#' and two blanks for a hole), gift
// ('.' none, '0'-'7' colour, 'b' bad, 'r' rainbow), lock digit ('t' for a
// teleport gift).
std::string describeGrid(const LevelMap& map);
// The header and the grid.
std::string describeLevelMap(const LevelMap& map);
// Reads the text describeLevelMap writes (lines starting with ';' and blank
// lines are skipped); false with the line and the reason in problem.
bool parseLevelText(std::string_view text, LevelMap& map, std::string& problem);
