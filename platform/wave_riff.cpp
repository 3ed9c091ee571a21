#include "platform/wave_riff.h"

#include "platform/paths.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr std::uint32_t kBufferSize = 16384;

bool hasFormType(std::uint32_t id) { return id == riffId("RIFF") || id == riffId("LIST"); }

}  // namespace

RiffReader::~RiffReader() { close(); }

bool RiffReader::open(std::string_view name)
{
    close();
    file_ = openForReading(name);
    if (!file_)
        return false;
    long end = -1;
    if (std::fseek(file_, 0, SEEK_END) == 0)
        end = std::ftell(file_);
    fileSize_ = end < 0 ? 0 : static_cast<std::uint32_t>(std::min<long>(end, UINT32_MAX));
    buffer_.resize(kBufferSize);
    return true;
}

void RiffReader::close()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    fileSize_ = position_ = bufferStart_ = bufferLength_ = 0;
}

int RiffReader::seek(std::uint32_t offset)
{
    if (!file_)
        return kRiffErrNotOpen;
    position_ = std::min(offset, fileSize_);
    return 0;
}

bool RiffReader::fill()
{
    bufferStart_ = position_;
    bufferLength_ = 0;
    if (std::fseek(file_, static_cast<long>(position_), SEEK_SET) != 0)
        return false;
    const std::uint32_t wanted = std::min(kBufferSize, fileSize_ - position_);
    bufferLength_ = static_cast<std::uint32_t>(std::fread(buffer_.data(), 1, wanted, file_));
    return bufferLength_ > 0;
}

std::uint32_t RiffReader::read(void* destination, std::uint32_t bytes)
{
    if (!file_)
        return 0;
    auto* out = static_cast<std::uint8_t*>(destination);
    std::uint32_t done = 0;
    while (done < bytes && position_ < fileSize_) {
        const bool inBuffer = position_ >= bufferStart_ && position_ < bufferStart_ + bufferLength_;
        if (!inBuffer && !fill())
            break;
        const std::uint32_t offset = position_ - bufferStart_;
        const std::uint32_t n = std::min(bytes - done, bufferLength_ - offset);
        std::memcpy(out + done, buffer_.data() + offset, n);
        done += n;
        position_ += n;
    }
    return done;
}

bool RiffReader::readU32(std::uint32_t& value)
{
    std::uint8_t bytes[4];
    if (read(bytes, 4) != 4)
        return false;
    value = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
            std::uint32_t(bytes[3]) << 24;
    return true;
}

int RiffReader::descend(RiffChunk& chunk, const RiffChunk* parent, bool findId)
{
    if (!file_)
        return kRiffErrNotOpen;
    const std::uint64_t limit = parent ? std::uint64_t(parent->dataOffset) + parent->size : fileSize_;
    for (;;) {
        if (std::uint64_t(position_) + 8 > limit)
            return findId ? kRiffErrChunkNotFound : kRiffErrCannotRead;
        std::uint32_t id = 0, size = 0;
        if (!readU32(id) || !readU32(size))
            return kRiffErrCannotRead;
        const std::uint32_t dataOffset = position_;
        const std::uint64_t declaredEnd = std::uint64_t(dataOffset) + size;
        if (!findId || id == chunk.id) {
            chunk.id = id;
            chunk.dataOffset = dataOffset;
            chunk.size = static_cast<std::uint32_t>(std::min<std::uint64_t>(declaredEnd, limit) - dataOffset);
            chunk.formType = 0;
            if (hasFormType(id) && !readU32(chunk.formType))
                return kRiffErrCannotRead;
            return 0;
        }
        // Skip this chunk and its pad byte.
        const std::uint64_t next = declaredEnd + (size & 1);
        if (next >= limit)
            return kRiffErrChunkNotFound;
        position_ = static_cast<std::uint32_t>(next);
    }
}

}  // namespace platform
