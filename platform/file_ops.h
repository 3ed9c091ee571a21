#pragma once
// The low-level file operations beneath the path layer. The default set
// calls the operating system; tests install their own to fail a chosen
// write, sync or rename, or to drop data that was never synced.

#include <cstddef>
#include <string>

namespace platform {

class FileOps {
public:
    virtual ~FileOps() = default;
    // Creates a file for writing in dir that has no name yet (when
    // allowAnonymous and the file system can), or else the named file
    // tempPath. Returns a descriptor or -1; anonymous tells which it made.
    virtual int createTemp(const std::string& dir, const std::string& tempPath,
                           bool allowAnonymous, bool& anonymous) = 0;
    virtual long write(int fd, const void* data, std::size_t size) = 0;
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    // Gives an anonymous file the name path.
    virtual int link(int fd, const std::string& path) = 0;
    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;
    virtual int syncDir(const std::string& dir) = 0;
    virtual int makeDir(const std::string& path) = 0;
};

// The operating system's file operations.
FileOps& systemFileOps();

// The operations in use; tests swap them and restore the previous set.
FileOps& fileOps();
FileOps* setFileOps(FileOps* ops);

}  // namespace platform
