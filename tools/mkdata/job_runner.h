#pragma once
// Runs jobs into a run folder. A manifest beside the build remembers, per
// job, the key of its inputs (this program and the files it reads) and the
// files it wrote with their sizes; a job whose key matches and whose files
// are all there unchanged in size is skipped.

#include "tools/mkdata/job.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mkdata {

struct RunFigures {
    int made = 0;
    int skipped = 0;
    int files = 0;
};

class JobRunner {
public:
    JobRunner(std::filesystem::path runFolder, std::filesystem::path manifest, std::uint64_t programKey);
    RunFigures run(const JobList& jobs);

private:
    struct Record {
        std::uint64_t key = 0;
        std::vector<std::pair<std::string, std::uintmax_t>> files;
    };

    bool upToDate(const Record& record, std::uint64_t key) const;
    void write(const std::string& name, const Bytes& bytes) const;
    void loadManifest();
    void saveManifest() const;

    std::filesystem::path runFolder_;
    std::filesystem::path manifest_;
    std::uint64_t programKey_;
    std::map<std::string, Record> records_;
};

// FNV-1a over a file's bytes (0 when unreadable), for input keys.
std::uint64_t hashFile(const std::filesystem::path& path);
std::uint64_t hashText(const std::string& text, std::uint64_t seed);

}  // namespace mkdata
