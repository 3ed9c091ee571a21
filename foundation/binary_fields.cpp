#include "foundation/binary_fields.h"

#include "platform/paths.h"

#include <algorithm>
#include <cstdio>

int BinaryIn::readByte()
{
    if (pos_ >= bytes_.size()) {
        overrun_ = true;
        return 0;
    }
    return bytes_[pos_++];
}

void BinaryIn::skip(std::size_t count)
{
    if (count > remaining()) {
        overrun_ = true;
        pos_ = bytes_.size();
        return;
    }
    pos_ += count;
}

int writeString(std::string_view text, BinaryOut& out)
{
    for (char c : text)
        out.writeByte(static_cast<unsigned char>(c));
    out.writeByte(0);
    return 1;
}

std::string readString(BinaryIn& in)
{
    std::string text;
    while (text.size() < kMaxFieldText) {
        if (in.remaining() == 0) {
            in.readByte();  // marks the overrun
            break;
        }
        int c = in.readByte();
        if (c == 0)
            break;
        text.push_back(static_cast<char>(c));
    }
    return text;
}

void writeU16(std::int32_t value, BinaryOut& out)
{
    int clamped = std::clamp<std::int32_t>(value, 0, 65535);
    out.writeByte(clamped >> 8);
    out.writeByte(clamped & 0xff);
}

void writeU24(std::int32_t value, BinaryOut& out)
{
    std::uint32_t bits = value < 0 ? 0u : static_cast<std::uint32_t>(value);
    out.writeByte((bits >> 16) & 0xff);
    out.writeByte((bits >> 8) & 0xff);
    out.writeByte(bits & 0xff);
}

int readU16(BinaryIn& in)
{
    int high = in.readByte();
    return (high << 8) | in.readByte();
}

int readU24(BinaryIn& in)
{
    int high = in.readByte();
    int middle = in.readByte();
    return (high << 16) | (middle << 8) | in.readByte();
}

bool fileExists(std::string_view path)
{
    if (path.empty())
        return false;
    std::FILE* file = platform::openForReading(path);
    if (!file)
        return false;
    std::fclose(file);
    return true;
}
