#include "support/field_rig.h"

#include "foundation/gerr.h"
#include "foundation/ini.h"

#include <stdexcept>

LevelMap boardFromText(const std::vector<std::string>& rows)
{
    LevelMap map;
    map.originX = 250;
    map.originY = 70;
    map.height = static_cast<int>(rows.size());
    map.width = static_cast<int>(rows.front().size() / 3);
    map.gifts = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    for (const std::string& row : rows) {
        if (static_cast<int>(row.size()) != 3 * map.width)
            throw std::invalid_argument("board rows differ in length: " + row);
        for (std::size_t i = 0; i < row.size(); i += 3) {
            MapCell cell;
            if (row[i] == '#') {
                map.cells.push_back(cell);
                continue;
            }
            cell.present = 1;
            cell.background = static_cast<std::uint8_t>(row[i] - '0');
            const char gift = row[i + 1];
            const char lock = row[i + 2];
            if (gift == '.')
                cell.code = CODE_EMPTY;
            else if (gift == 'b')
                cell.code = 9;
            else if (gift == 'r')
                cell.code = CODE_RAINBOW;
            else if (lock == 't')
                cell.code = CODE_TELEPORT, cell.extra = static_cast<std::uint8_t>(gift - '0');
            else
                cell.code = static_cast<std::uint8_t>(gift - '0' + 1);
            if (lock >= '0' && lock <= '9' && cell.code != CODE_TELEPORT)
                cell.extra = static_cast<std::uint8_t>(lock - '0');
            map.cells.push_back(cell);
        }
    }
    return map;
}

int FieldRig::prepareFolder(TempFolder& folder)
{
    iniRelease();
    folder.write("data/common.ini", "[properties]\ngift_velocity=0.5\nfall_velocity=0.1\ndying_velocity=0.1\n");
    return 0;
}

FieldRig::FieldRig()
    : media([this](const std::string& line) { events.push_back(line); }),
      effects([this](const std::string& line) { events.push_back(line); }),
      game((prepareFolder(folder), media), effects, [this](const std::string& line) { events.push_back(line); })
{
}

FieldRig::~FieldRig()
{
    gerrClose();
    iniRelease();
}

void FieldRig::load(const std::vector<std::string>& rows, int mode) { load(boardFromText(rows), mode); }

void FieldRig::load(const LevelMap& map, int mode)
{
    if (writeLevelMap("data\\levels\\test.map", map) != 0)
        throw std::runtime_error("cannot write the test map");
    if (!game.startLevel("data\\levels\\test.map", mode, 1, false))
        throw std::runtime_error("cannot load the test map");
    events.clear();
}

void FieldRig::frames(int count)
{
    for (int n = 0; n < count; ++n) {
        media.newFrame();
        game.frame(20);
    }
}

void FieldRig::settle()
{
    for (int n = 0; n < 3000; ++n) {
        frames(1);
        if (game.resting() || game.won || game.failed)
            return;
    }
    throw std::runtime_error("the board did not come to rest");
}

void FieldRig::click(int index, int button)
{
    GameField& f = field();
    f.onMouseMove(f.centreX(index), f.centreY(index));
    f.onButtonDown(button, f.centreX(index), f.centreY(index));
    f.onButtonUp(button);
}

void FieldRig::swap(int a, int b)
{
    click(a);
    click(b);
}

void FieldRig::drag(int index, int dx, int dy)
{
    GameField& f = field();
    const int x = f.centreX(index), y = f.centreY(index);
    f.onMouseMove(x, y);
    f.onButtonDown(1, x, y);
    f.onMouseMove(x + dx, y + dy);
    f.onButtonUp(1);
}

std::string FieldRig::grid() const { return describeGrid(game.field.toLevelMap()); }

int FieldRig::count(const std::string& event) const
{
    int n = 0;
    for (const std::string& e : events)
        n += e == event;
    return n;
}

std::vector<std::string> FieldRig::starting(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& e : events) {
        if (e.rfind(prefix, 0) == 0)
            found.push_back(e);
    }
    return found;
}
