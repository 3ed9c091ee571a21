#include "tools/datacheck/checks.h"

#include "foundation/ini.h"
#include "platform/paths.h"
#include "tools/common/font_metrics.h"
#include "tools/common/image_files.h"

#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace datacheck {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string companionOf(const std::string& name)
{
    std::size_t slash = name.find_last_of('\\');
    std::string folder = slash == std::string::npos ? "" : name.substr(0, slash);
    std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    std::size_t dot = file.find_last_of('.');
    return folder + "\\_" + (dot == std::string::npos ? file : file.substr(0, dot)) + ".tga";
}

bool readPicture(const std::string& name, mkdata::DecodedPicture& out, Problems& problems)
{
    Bytes bytes;
    if (!platform::readWholeFile(name, bytes)) {
        problems.push_back(name + ": missing");
        return false;
    }
    if (!mkdata::decodePicture(name, bytes, out) || out.image.width == 0 || out.image.height == 0) {
        problems.push_back(name + ": does not decode");
        return false;
    }
    return true;
}

void checkCompanion(const std::string& name, const mkdata::Image& image, Problems& problems)
{
    mkdata::DecodedPicture companion;
    std::string companionName = companionOf(name);
    if (readPicture(companionName, companion, problems) &&
        (companion.image.width != image.width || companion.image.height != image.height))
        problems.push_back(companionName + ": not the size of " + name);
}

// Opaque pixels of a colour-keyed picture must not turn into the key.
void checkOffKey(const std::string& name, const mkdata::Image& image, Problems& problems)
{
    for (std::uint32_t p : image.pixels)
        if (mkdata::alphaOf(p) >= 240 && !(mkdata::redOf(p) >> 3) && !(mkdata::greenOf(p) >> 2) &&
            !(mkdata::blueOf(p) >> 3)) {
            problems.push_back(name + ": opaque pixels that the colour key would drop");
            return;
        }
}

void checkPicture(const Expected& e, Problems& problems)
{
    mkdata::DecodedPicture picture;
    if (!readPicture(e.name, picture, problems))
        return;
    const mkdata::Image& image = picture.image;
    if (image.height % e.frames != 0)
        problems.push_back(e.name + ": height " + std::to_string(image.height) + " does not divide into " +
                           std::to_string(e.frames) + " frames");
    if (e.maxSide && (image.width > e.maxSide || image.height / e.frames > e.maxSide))
        problems.push_back(e.name + ": larger than " + std::to_string(e.maxSide) + " pixels");
    if (e.maxSide)
        checkOffKey(e.name, image, problems);
    if (e.companion)
        checkCompanion(e.name, image, problems);
}

void checkFont(const Expected& e, Problems& problems)
{
    mkdata::DecodedPicture picture;
    if (!readPicture(e.name, picture, problems))
        return;
    checkCompanion(e.name, picture.image, problems);
    std::string fh = e.name.substr(0, e.name.find_last_of('.')) + ".fh";
    Bytes text;
    mkdata::FontMetrics metrics;
    if (!platform::readWholeFile(fh, text)) {
        problems.push_back(fh + ": missing");
        return;
    }
    if (!mkdata::parseFontMetrics(std::string(text.begin(), text.end()), metrics) || metrics.lineHeight <= 0) {
        problems.push_back(fh + ": does not parse");
        return;
    }
    const mkdata::Image& image = picture.image;
    if (image.height % metrics.lineHeight != 0 || image.height / metrics.lineHeight != e.bands)
        problems.push_back(e.name + ": not " + std::to_string(e.bands) + " bands of the line height");
    for (int code = 33; code < 256; ++code) {
        const mkdata::Glyph& g = metrics.glyphs[std::size_t(code)];
        if (!g.present) {
            if (code < 127)
                problems.push_back(fh + ": no glyph for code " + std::to_string(code));
            continue;
        }
        if (g.x < 0 || g.y < 0 || g.width < 0 || g.x + g.width > image.width || g.y + metrics.lineHeight > image.height)
            problems.push_back(fh + ": glyph " + std::to_string(code) + " lies outside the image");
    }
}

void checkCursor(const Expected& e, Problems& problems)
{
    Bytes file;
    if (!platform::readWholeFile(e.name, file)) {
        problems.push_back(e.name + ": missing");
        return;
    }
    auto u16 = [&](std::size_t at) { return unsigned(file[at] | (file[at + 1] << 8)); };
    auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at) | (u16(at + 2) << 16)); };
    if (file.size() < 62 || u16(0) != 0 || u16(2) != 2 || u16(4) < 1) {
        problems.push_back(e.name + ": not a cursor file");
        return;
    }
    std::uint32_t size = u32(14), offset = u32(18);
    if (std::uint64_t(offset) + size > file.size() || offset + 40 > file.size() || u32(offset) != 40)
        problems.push_back(e.name + ": its image lies outside the file");
}

// A RIFF WAVE of 16-bit PCM; the peak must stay below full scale.
void checkWave(const std::string& name, Problems& problems)
{
    Bytes file;
    if (!platform::readWholeFile(name, file)) {
        problems.push_back(name + ": missing");
        return;
    }
    if (file.size() < 44 || std::memcmp(file.data(), "RIFF", 4) || std::memcmp(file.data() + 8, "WAVE", 4)) {
        problems.push_back(name + ": not a RIFF WAVE file");
        return;
    }
    std::size_t at = 12;
    bool pcm16 = false;
    while (at + 8 <= file.size()) {
        std::uint32_t length = std::uint32_t(file[at + 4] | (file[at + 5] << 8) | (file[at + 6] << 16) |
                                             (std::uint32_t(file[at + 7]) << 24));
        const std::uint8_t* body = file.data() + at + 8;
        if (at + 8 + length > file.size())
            break;
        if (!std::memcmp(file.data() + at, "fmt ", 4) && length >= 16)
            pcm16 = body[0] == 1 && body[1] == 0 && body[14] == 16;
        if (!std::memcmp(file.data() + at, "data", 4)) {
            if (!pcm16) {
                problems.push_back(name + ": not 16-bit PCM");
                return;
            }
            int peak = 0;
            for (std::uint32_t i = 0; i + 1 < length; i += 2)
                peak = std::max(peak, std::abs(int(std::int16_t(body[i] | (body[i + 1] << 8)))));
            if (length == 0 || peak == 0)
                problems.push_back(name + ": silent");
            if (peak >= 32767)
                problems.push_back(name + ": clips");
            return;
        }
        at += 8 + length + (length & 1);
    }
    problems.push_back(name + ": no sound data");
}

// An Ogg Vorbis stream; returns its length in seconds (0 when bad).
double checkOgg(const std::string& name, Problems& problems)
{
    std::FILE* fp = platform::openForReading(name);
    if (!fp) {
        problems.push_back(name + ": missing");
        return 0;
    }
    OggVorbis_File vf;
    if (ov_open_callbacks(fp, &vf, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
        std::fclose(fp);
        problems.push_back(name + ": not an Ogg Vorbis stream");
        return 0;
    }
    double seconds = ov_time_total(&vf, -1);
    ov_clear(&vf);
    return seconds;
}

bool endsWithIgnoringCase(const std::string& s, const char* tail)
{
    std::size_t n = std::strlen(tail);
    if (s.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - n + i])) != tail[i])
            return false;
    return true;
}

}  // namespace

Problems checkExpected(const Expected& expected)
{
    Problems problems;
    switch (expected.kind) {
    case Kind::Picture: checkPicture(expected, problems); break;
    case Kind::Font: checkFont(expected, problems); break;
    case Kind::Cursor: checkCursor(expected, problems); break;
    }
    return problems;
}

Problems checkSoundBank(int& filesChecked)
{
    Problems problems;
    if (!platform::fileExistsOnDisk(kSoundBank))
        return {std::string(kSoundBank) + ": missing"};
    for (const std::string& section : soundSections()) {
        int files = 0;
        for (int i = 0; i < 10; ++i) {
            std::string key = "name" + std::to_string(i);
            std::string file = iniGetString(kSoundBank, section.c_str(), key.c_str());
            if (file.empty())
                break;
            ++files;
            ++filesChecked;
            if (endsWithIgnoringCase(file, ".ogg"))
                checkOgg(file, problems);
            else
                checkWave(file, problems);
        }
        if (files == 0)
            problems.push_back(std::string(kSoundBank) + ": no files for \"" + section + "\"");
        std::string radius = iniGetString(kSoundBank, section.c_str(), "r");
        if ((radius.empty() ? iniGetFloat(kSoundBank, "main", "r") : std::atof(radius.c_str())) < 1)
            problems.push_back(std::string(kSoundBank) + ": \"" + section + "\" cannot be heard (no radius)");
    }
    return problems;
}

Problems checkMusic(int& filesChecked)
{
    Problems problems;
    for (const char* key : {"menu", "game"}) {
        std::string file = iniGetString(kMusicList, "main", key);
        if (file.empty()) {
            problems.push_back(std::string(kMusicList) + ": no \"" + key + "\" track");
            continue;
        }
        ++filesChecked;
        double seconds = checkOgg(file, problems);
        if (seconds > 0 && seconds < 60)
            problems.push_back(file + ": shorter than a minute");
    }
    return problems;
}

}  // namespace datacheck
