#pragma once
// The field encodings of the binary files (maps, saved games, progress
// files): NUL-terminated texts and big-endian 16- and 24-bit numbers.
//
// Files are read whole and parsed from memory, and written to memory and
// saved whole, so a reader never reads outside its block and a save is
// atomic.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reads fields from a block of bytes. Reading past the end yields zero
// bytes and sets the overrun flag, which the owning format checks.
class BinaryIn {
public:
    explicit BinaryIn(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    int readByte();
    void skip(std::size_t count);

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool overrun() const { return overrun_; }

private:
    std::span<const unsigned char> bytes_;
    std::size_t pos_ = 0;
    bool overrun_ = false;
};

// Collects the fields of a file to be written.
class BinaryOut {
public:
    void writeByte(int value) { bytes_.push_back(static_cast<unsigned char>(value)); }
    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
};

// The longest text readString returns.
constexpr std::size_t kMaxFieldText = 256;

// Writes the text and its NUL; returns 1.
int writeString(std::string_view text, BinaryOut& out);
// Reads up to and including the first NUL, at most 256 characters; at the
// end of the block it returns what it read.
std::string readString(BinaryIn& in);
// Clamps to 0..65535, high byte first.
void writeU16(std::int32_t value, BinaryOut& out);
// Negative values as 0, then the low 24 bits, high byte first.
void writeU24(std::int32_t value, BinaryOut& out);
int readU16(BinaryIn& in);
int readU24(BinaryIn& in);

// True when the path is not empty and names a readable file.
bool fileExists(std::string_view path);
