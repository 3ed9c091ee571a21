#include "support/faulty_file_ops.h"

FaultyFileOps::FaultyFileOps() : real_(platform::systemFileOps()), previous_(platform::setFileOps(this)) {}

FaultyFileOps::~FaultyFileOps() { platform::setFileOps(previous_); }

void FaultyFileOps::failAt(Step step, int nth) { countdown_[step] = nth; }

bool FaultyFileOps::fails(Step step)
{
    auto it = countdown_.find(step);
    if (it == countdown_.end())
        return false;
    if (--it->second != 0)
        return false;
    countdown_.erase(it);
    return true;
}

int FaultyFileOps::createTemp(const std::string& dir, const std::string& tempPath, bool allowAnonymous,
                              bool& anonymous)
{
    if (fails(Step::createTemp))
        return -1;
    return real_.createTemp(dir, tempPath, allowAnonymous, anonymous);
}

long FaultyFileOps::write(int fd, const void* data, std::size_t size)
{
    if (fails(Step::write))
        return -1;
    // Half of the request at a time, so a save must loop over short writes.
    std::size_t part = size > 1 ? size / 2 : size;
    const auto* bytes = static_cast<const unsigned char*>(data);
    unsynced_[fd].insert(unsynced_[fd].end(), bytes, bytes + part);
    return static_cast<long>(part);
}

int FaultyFileOps::sync(int fd)
{
    if (fails(Step::sync))
        return -1;
    std::vector<unsigned char>& pending = unsynced_[fd];
    std::size_t done = 0;
    while (done < pending.size()) {
        long n = real_.write(fd, pending.data() + done, pending.size() - done);
        if (n <= 0)
            return -1;
        done += static_cast<std::size_t>(n);
    }
    pending.clear();
    return real_.sync(fd);
}

int FaultyFileOps::close(int fd)
{
    if (!dropUnsynced)
        sync(fd);
    unsynced_.erase(fd);
    return real_.close(fd);
}

int FaultyFileOps::link(int fd, const std::string& path)
{
    return fails(Step::link) ? -1 : real_.link(fd, path);
}

int FaultyFileOps::rename(const std::string& from, const std::string& to)
{
    return fails(Step::rename) ? -1 : real_.rename(from, to);
}

int FaultyFileOps::remove(const std::string& path) { return real_.remove(path); }

int FaultyFileOps::syncDir(const std::string& dir) { return fails(Step::syncDir) ? -1 : real_.syncDir(dir); }

int FaultyFileOps::makeDir(const std::string& path) { return real_.makeDir(path); }
