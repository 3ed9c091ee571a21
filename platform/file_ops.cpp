#include "platform/file_ops.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

class SystemFileOps final : public FileOps {
public:
    int createTemp(const std::string& dir, const std::string& tempPath, bool allowAnonymous,
                   bool& anonymous) override
    {
#ifdef O_TMPFILE
        if (allowAnonymous) {
            int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
            if (fd >= 0) {
                anonymous = true;
                return fd;
            }
        }
#else
        (void)dir;
        (void)allowAnonymous;
#endif
        anonymous = false;
        return ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    }

    long write(int fd, const void* data, std::size_t size) override
    {
        long n;
        do {
            n = ::write(fd, data, size);
        } while (n < 0 && errno == EINTR);
        return n;
    }

    int sync(int fd) override { return ::fsync(fd); }
    int close(int fd) override { return ::close(fd); }

    int link(int fd, const std::string& path) override
    {
        std::string proc = "/proc/self/fd/" + std::to_string(fd);
        return ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
    }

    int rename(const std::string& from, const std::string& to) override
    {
        return ::rename(from.c_str(), to.c_str());
    }

    int remove(const std::string& path) override { return ::unlink(path.c_str()); }

    int syncDir(const std::string& dir) override
    {
        int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return -1;
        int result = ::fsync(fd);
        ::close(fd);
        return result;
    }

    int makeDir(const std::string& path) override
    {
        if (::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST)
            return 0;
        return -1;
    }
};

FileOps* current = nullptr;

}  // namespace

FileOps& systemFileOps()
{
    static SystemFileOps ops;
    return ops;
}

FileOps& fileOps() { return current ? *current : systemFileOps(); }

FileOps* setFileOps(FileOps* ops)
{
    FileOps* previous = current;
    current = ops;
    return previous;
}

}  // namespace platform
