#pragma once
// A bounded walk over RIFF chunks: four-character id, little-endian size,
// data padded to an even length.

#include <cstdint>
#include <span>
#include <string_view>

struct RiffChunk {
    char id[4];
    std::span<const unsigned char> body;
    bool is(std::string_view name) const { return name.size() == 4 && std::string_view(id, 4) == name; }
    // For "RIFF" and "LIST": the list type and the chunks after it.
    bool isList(std::string_view type) const;
    std::span<const unsigned char> listBody() const { return body.size() >= 4 ? body.subspan(4) : body; }
};

class RiffReader {
public:
    explicit RiffReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    // The next chunk; false at the end or when a chunk claims more bytes
    // than remain (the walk stops there).
    bool next(RiffChunk& chunk);

private:
    std::span<const unsigned char> bytes_;
    std::size_t pos_ = 0;
};

std::uint32_t riffU32(std::span<const unsigned char> bytes, std::size_t at);
std::uint16_t riffU16(std::span<const unsigned char> bytes, std::size_t at);
