#pragma once
// File operations that fail on request and hold written data back until it
// is synced, as a power cut would lose it.

#include "platform/file_ops.h"

#include <map>
#include <string>
#include <vector>

class FaultyFileOps final : public platform::FileOps {
public:
    enum class Step { write, sync, link, rename, syncDir, createTemp };

    FaultyFileOps();
    ~FaultyFileOps() override;

    // The nth call (1 = next) of step fails.
    void failAt(Step step, int nth);
    // Unsynced data is lost on close, as if the machine stopped there.
    bool dropUnsynced = true;

    int createTemp(const std::string& dir, const std::string& tempPath, bool allowAnonymous,
                   bool& anonymous) override;
    long write(int fd, const void* data, std::size_t size) override;
    int sync(int fd) override;
    int close(int fd) override;
    int link(int fd, const std::string& path) override;
    int rename(const std::string& from, const std::string& to) override;
    int remove(const std::string& path) override;
    int syncDir(const std::string& dir) override;
    int makeDir(const std::string& path) override;

private:
    bool fails(Step step);

    platform::FileOps& real_;
    platform::FileOps* previous_;
    std::map<Step, int> countdown_;
    std::map<int, std::vector<unsigned char>> unsynced_;
};
