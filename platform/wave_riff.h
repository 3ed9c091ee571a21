#pragma once
// Reading RIFF files chunk by chunk (the layout of WAVE files): an 8-byte
// header (four-character id, little-endian 32-bit size) before each chunk's
// data, a pad byte after data of odd size, and a form type as the first
// four bytes of a "RIFF" or "LIST" chunk. Reads go through a buffer of the
// reader's own and never pass the end of the file: a chunk that claims more
// bytes than its parent or the file holds is cut to what is there.

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace platform {

constexpr int kRiffErrNotOpen = 1;
constexpr int kRiffErrCannotRead = 256;
constexpr int kRiffErrChunkNotFound = 265;

constexpr std::uint32_t riffId(const char (&text)[5])
{
    return std::uint32_t(std::uint8_t(text[0])) | std::uint32_t(std::uint8_t(text[1])) << 8 |
           std::uint32_t(std::uint8_t(text[2])) << 16 | std::uint32_t(std::uint8_t(text[3])) << 24;
}

struct RiffChunk {
    std::uint32_t id = 0;
    std::uint32_t size = 0;        // bytes of data, cut to what the file holds
    std::uint32_t formType = 0;    // "RIFF" and "LIST" chunks only
    std::uint32_t dataOffset = 0;  // file offset of the data (of the form type for RIFF and LIST)
};

class RiffReader {
public:
    RiffReader() = default;
    ~RiffReader();
    RiffReader(const RiffReader&) = delete;
    RiffReader& operator=(const RiffReader&) = delete;

    // Opens a game file; false when it cannot be opened.
    bool open(std::string_view name);
    void close();
    bool isOpen() const { return file_ != nullptr; }

    // Reads the chunk header at the current position and moves to the
    // chunk's data (past the form type of RIFF and LIST chunks). With
    // findId, chunks whose id differs from chunk.id are skipped. Inside a
    // parent the search stops at the parent's end. 0 or an error code.
    int descend(RiffChunk& chunk, const RiffChunk* parent, bool findId);

    int seek(std::uint32_t offset);
    // Copies up to bytes from the current position; returns the number
    // copied, fewer at the end of the file.
    std::uint32_t read(void* destination, std::uint32_t bytes);

    std::uint32_t position() const { return position_; }
    std::uint32_t fileSize() const { return fileSize_; }

private:
    bool fill();
    bool readU32(std::uint32_t& value);

    std::FILE* file_ = nullptr;
    std::uint32_t fileSize_ = 0;
    std::uint32_t position_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::uint32_t bufferStart_ = 0;  // file offset of buffer_[0]
    std::uint32_t bufferLength_ = 0;
};

}  // namespace platform
