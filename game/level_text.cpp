#include "game/level_map.h"

#include <cstdio>
#include <sstream>

namespace {

char giftSymbol(const MapCell& cell)
{
    if (cell.code >= 1 && cell.code <= 8)
        return static_cast<char>('0' + cell.code - 1);
    if (cell.code == 9)
        return 'b';
    if (cell.code == CODE_RAINBOW)
        return 'r';
    if (cell.code == CODE_TELEPORT)
        return static_cast<char>('0' + cell.extra % 10);
    return '.';
}

char lockSymbol(const MapCell& cell)
{
    if (cell.code == CODE_TELEPORT)
        return 't';
    return static_cast<char>('0' + (cell.extra > 9 ? 9 : cell.extra));
}

}  // namespace

std::string describeGrid(const LevelMap& map)
{
    std::string text;
    for (int row = 0; row < map.height; ++row) {
        for (int column = 0; column < map.width; ++column) {
            const MapCell& cell = map.cells[static_cast<std::size_t>(row * map.width + column)];
            if (!cell.present) {
                text += "#  ";
                continue;
            }
            text += static_cast<char>('0' + cell.background);
            text += giftSymbol(cell);
            text += lockSymbol(cell);
        }
        text += '\n';
    }
    return text;
}

std::string describeLevelMap(const LevelMap& map)
{
    char line[160];
    std::string text;
    std::snprintf(line, sizeof line, "origin %d %d\nwidth %d\nheight %d\nmode %d\n", map.originX, map.originY,
                  map.width, map.height, map.mode);
    text += line;
    auto appendValues = [&text](const char* tag, const auto& values) {
        text += tag;
        for (std::uint8_t value : values)
            text.append(" ").append(std::to_string(value));
        text += '\n';
    };
    appendValues("GIFTS", map.gifts);
    appendValues("BONUSES", map.bonuses);
    text.append("time ").append(std::to_string(map.timeSeconds)).append("\n");
    return text + describeGrid(map);
}

namespace {

struct TextReader {
    LevelMap map;
    std::vector<std::string> rows;
    int declaredWidth = -1, declaredHeight = -1;
    std::string problem;

    bool fail(int line, const std::string& why)
    {
        problem = "line " + std::to_string(line) + ": " + why;
        return false;
    }

    // Reads count numbers in [low, high] after the keyword.
    bool numbers(std::istringstream& in, int line, int* out, int count, int low, int high)
    {
        for (int i = 0; i < count; ++i) {
            if (!(in >> out[i]) || out[i] < low || out[i] > high)
                return fail(line, "expected " + std::to_string(count) + " numbers from " + std::to_string(low) +
                                      " to " + std::to_string(high));
        }
        std::string rest;
        if (in >> rest)
            return fail(line, "unexpected \"" + rest + "\"");
        return true;
    }

    template <std::size_t N>
    bool settings(std::istringstream& in, int line, std::array<std::uint8_t, N>& out)
    {
        int values[N] = {};
        if (!numbers(in, line, values, static_cast<int>(N), 0, 255))
            return false;
        for (std::size_t i = 0; i < N; ++i)
            out[i] = static_cast<std::uint8_t>(values[i]);
        return true;
    }

    bool header(const std::string& keyword, std::istringstream& in, int line)
    {
        int values[GIFT_SETTINGS] = {};
        if (keyword == "origin") {
            if (!numbers(in, line, values, 2, 0, 65535))
                return false;
            map.originX = values[0];
            map.originY = values[1];
        } else if (keyword == "width" || keyword == "height") {
            if (!numbers(in, line, values, 1, 1, MAX_CELLS))
                return false;
            (keyword == "width" ? declaredWidth : declaredHeight) = values[0];
        } else if (keyword == "mode") {
            if (!numbers(in, line, values, 1, 0, 255))
                return false;
            map.mode = values[0];
        } else if (keyword == "GIFTS") {
            return settings(in, line, map.gifts);
        } else if (keyword == "BONUSES") {
            return settings(in, line, map.bonuses);
        } else if (keyword == "time") {
            if (!numbers(in, line, values, 1, 0, 65535))
                return false;
            map.timeSeconds = values[0];
        } else {
            return false;
        }
        return true;
    }

    static bool isHeader(const std::string& keyword)
    {
        for (const char* name : {"origin", "width", "height", "mode", "GIFTS", "BONUSES", "time"})
            if (keyword == name)
                return true;
        return false;
    }

    bool cell(const std::string& symbols, int line, MapCell& cell)
    {
        if (symbols[0] == '#') {
            if (symbols[1] != ' ' || symbols[2] != ' ')
                return fail(line, "a hole is '#' and two blanks");
            cell = {};
            return true;
        }
        if (symbols[0] < '0' || symbols[0] > '4')
            return fail(line, "background must be 0 to 4 or '#'");
        cell.present = 1;
        cell.background = static_cast<std::uint8_t>(symbols[0] - '0');
        char gift = symbols[1], lock = symbols[2];
        if (lock == 't') {
            if (gift < '0' || gift > '7')
                return fail(line, "a teleport gift needs a colour 0 to 7");
            cell.code = CODE_TELEPORT;
            cell.extra = static_cast<std::uint8_t>(gift - '0');
            return true;
        }
        if (lock < '0' || lock > '9')
            return fail(line, "lock must be a digit or 't'");
        cell.extra = static_cast<std::uint8_t>(lock - '0');
        if (gift == '.')
            cell.code = CODE_NONE;
        else if (gift >= '0' && gift <= '7')
            cell.code = static_cast<std::uint8_t>(gift - '0' + 1);
        else if (gift == 'b')
            cell.code = 9;
        else if (gift == 'r')
            cell.code = CODE_RAINBOW;
        else
            return fail(line, "gift must be '.', 0 to 7, 'b' or 'r'");
        return true;
    }

    bool grid(int firstLine)
    {
        if (rows.empty())
            return fail(firstLine, "the grid is missing");
        std::size_t longest = 0;
        for (const std::string& row : rows)
            longest = std::max(longest, row.size());
        map.width = declaredWidth > 0 ? declaredWidth : static_cast<int>((longest + 2) / 3);
        map.height = declaredHeight > 0 ? declaredHeight : static_cast<int>(rows.size());
        if (static_cast<int>(rows.size()) != map.height)
            return fail(firstLine, "the grid has " + std::to_string(rows.size()) + " rows, not " +
                                       std::to_string(map.height));
        if (map.width * map.height > MAX_CELLS)
            return fail(firstLine, "the board has more than 140 cells");
        map.cells.assign(static_cast<std::size_t>(map.width * map.height), MapCell {});
        for (std::size_t r = 0; r < rows.size(); ++r) {
            std::string row = rows[r];
            int line = firstLine + static_cast<int>(r);
            if (row.size() > static_cast<std::size_t>(map.width * 3))
                return fail(line, "the row is longer than " + std::to_string(map.width) + " cells");
            row.resize(static_cast<std::size_t>(map.width * 3), ' ');  // editors drop trailing blanks
            for (int c = 0; c < map.width; ++c) {
                MapCell& target = map.cells[r * static_cast<std::size_t>(map.width) + static_cast<std::size_t>(c)];
                if (!cell(row.substr(static_cast<std::size_t>(c) * 3, 3), line, target))
                    return false;
            }
        }
        return true;
    }
};

}  // namespace

bool parseLevelText(std::string_view text, LevelMap& map, std::string& problem)
{
    TextReader reader;
    reader.map.originX = 250;
    reader.map.originY = 70;
    std::istringstream lines {std::string(text)};
    int number = 0, gridStart = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';' || line.find_first_not_of(' ') == std::string::npos)
            continue;
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (TextReader::isHeader(keyword)) {
            if (!reader.rows.empty()) {
                problem = "line " + std::to_string(number) + ": settings come before the grid";
                return false;
            }
            if (!reader.header(keyword, words, number)) {
                problem = reader.problem;
                return false;
            }
            continue;
        }
        if (reader.rows.empty())
            gridStart = number;
        reader.rows.push_back(line);
    }
    if (!reader.grid(gridStart ? gridStart : number)) {
        problem = reader.problem;
        return false;
    }
    map = std::move(reader.map);
    return true;
}
