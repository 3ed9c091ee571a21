#include "game/level_map.h"

#include "foundation/binary_fields.h"
#include "foundation/gerr.h"
#include "platform/paths.h"


namespace {

constexpr int MAX_BACKGROUND = 4;
constexpr int TELEPORT_COLOURS = 8;

void readBytes(BinaryIn& in, std::uint8_t* out, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<std::uint8_t>(in.readByte());
}

// A record the rules cannot use safely: backgrounds index the cell
// pictures and a teleport gift keeps an ordinary colour.
bool cellIsValid(const MapCell& cell)
{
    if (!cell.present)
        return true;
    if (cell.background > MAX_BACKGROUND)
        return false;
    return cell.code != CODE_TELEPORT || cell.extra < TELEPORT_COLOURS;
}

}  // namespace

bool decodeLevelMap(std::span<const unsigned char> bytes, LevelMap& map, std::string& problem)
{
    BinaryIn in(bytes);
    LevelMap read;
    // Tags are read but not checked: their text never decided anything.
    readString(in);
    read.originX = readU16(in);
    read.originY = readU16(in);
    read.width = in.readByte();
    read.height = in.readByte();
    read.mode = in.readByte();
    readString(in);
    readBytes(in, read.gifts.data(), read.gifts.size());
    readString(in);
    readBytes(in, read.bonuses.data(), read.bonuses.size());
    read.timeSeconds = readU16(in);
    in.skip(8);
    readString(in);
    if (in.overrun()) {
        problem = "the header is cut short";
        return false;
    }
    if (read.width == 0 || read.height == 0) {
        problem = "the board has no cells";
        return false;
    }
    const int count = read.width * read.height;
    if (count > MAX_CELLS) {
        problem = "the board has more than 140 cells";
        return false;
    }
    read.cells.resize(static_cast<std::size_t>(count));
    for (MapCell& cell : read.cells) {
        cell.present = static_cast<std::uint8_t>(in.readByte());
        if (!cell.present) {
            in.skip(3);
            continue;
        }
        cell.background = static_cast<std::uint8_t>(in.readByte());
        cell.extra = static_cast<std::uint8_t>(in.readByte());
        cell.code = static_cast<std::uint8_t>(in.readByte());
        if (!cellIsValid(cell)) {
            problem = "a cell record holds an impossible value";
            return false;
        }
    }
    if (in.overrun()) {
        problem = "the body is cut short";
        return false;
    }
    map = std::move(read);
    return true;
}

std::vector<unsigned char> encodeLevelMap(const LevelMap& map)
{
    BinaryOut out;
    writeString("GEM", out);
    writeU16(map.originX, out);
    writeU16(map.originY, out);
    out.writeByte(map.width);
    out.writeByte(map.height);
    out.writeByte(map.mode);
    writeString("GIFTS", out);
    for (std::uint8_t value : map.gifts)
        out.writeByte(value);
    writeString("BONUSES", out);
    for (std::uint8_t value : map.bonuses)
        out.writeByte(value);
    writeU16(map.timeSeconds, out);
    for (int i = 0; i < 8; ++i)
        out.writeByte(0);
    writeString("BODY", out);
    for (const MapCell& cell : map.cells) {
        out.writeByte(cell.present);
        out.writeByte(cell.present ? cell.background : 0);
        out.writeByte(cell.present ? cell.extra : 0);
        out.writeByte(cell.present ? cell.code : 0);
    }
    return out.bytes();
}

bool readLevelMap(std::string_view path, LevelMap& map)
{
    std::vector<unsigned char> bytes;
    std::string problem = "the file cannot be read";
    if (platform::readWholeFile(path, bytes) && decodeLevelMap(bytes, map, problem))
        return true;
    std::string report = "level map \"" + std::string(path) + "\" not loaded: " + problem;
    GERR_REPORT(report.c_str());
    return false;
}

int writeLevelMap(std::string_view path, const LevelMap& map)
{
    std::vector<unsigned char> bytes = encodeLevelMap(map);
    return platform::writeWholeFile(path, bytes.data(), bytes.size());
}
