#include "tools/mkdata/job_runner.h"

#include "platform/paths.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace mkdata {
namespace {

constexpr std::uint64_t kFnvOffset = 1469598103934665603ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::string lowered(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

// The player's files in the run folder are never written by the generator.
bool isPlayersFile(const std::string& name)
{
    std::string n = lowered(name);
    for (char& c : n)
        if (c == '/')
            c = '\\';
    return n == "game.ini" || n == "profiles.ini" || n.rfind("data\\profiles\\", 0) == 0 || n == "data\\profiles";
}

}  // namespace

std::uint64_t hashText(const std::string& text, std::uint64_t seed)
{
    std::uint64_t h = seed;
    for (unsigned char c : text)
        h = (h ^ c) * kFnvPrime;
    return h;
}

std::uint64_t hashFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return 0;
    std::uint64_t h = kFnvOffset;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            h = (h ^ static_cast<unsigned char>(buffer[i])) * kFnvPrime;
    }
    return h;
}

JobRunner::JobRunner(std::filesystem::path runFolder, std::filesystem::path manifest, std::uint64_t programKey)
    : runFolder_(std::move(runFolder)), manifest_(std::move(manifest)), programKey_(programKey)
{
    loadManifest();
}

RunFigures JobRunner::run(const JobList& jobs)
{
    RunFigures figures;
    for (const Job& job : jobs) {
        std::uint64_t key = hashText(job.id, programKey_);
        for (const std::string& input : job.inputFiles)
            key = hashText(std::to_string(hashFile(input)), key);
        auto found = records_.find(job.id);
        if (found != records_.end() && upToDate(found->second, key)) {
            ++figures.skipped;
            continue;
        }
        FileSet files;
        job.make(files);
        Record record;
        record.key = key;
        for (const auto& [name, bytes] : files.files()) {
            write(name, bytes);
            record.files.emplace_back(name, bytes.size());
        }
        figures.files += int(files.files().size());
        records_[job.id] = std::move(record);
        ++figures.made;
    }
    saveManifest();
    return figures;
}

bool JobRunner::upToDate(const Record& record, std::uint64_t key) const
{
    if (record.key != key)
        return false;
    for (const auto& [name, size] : record.files) {
        std::error_code error;
        auto onDisk = std::filesystem::file_size(runFolder_ / platform::resolvePath(name), error);
        if (error || onDisk != size)
            return false;
    }
    return true;
}

void JobRunner::write(const std::string& name, const Bytes& bytes) const
{
    if (isPlayersFile(name))
        throw std::logic_error("refusing to write the player's file " + name);
    // Names resolve against the run folder, the current folder of the run.
    if (platform::writeWholeFile(name, bytes.data(), bytes.size()) != 0)
        throw std::runtime_error("cannot write " + name);
}

void JobRunner::loadManifest()
{
    std::ifstream in(manifest_);
    std::string line;
    Record* current = nullptr;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind, name;
        std::getline(fields, kind, '\t');
        std::getline(fields, name, '\t');
        std::string number;
        std::getline(fields, number);
        if (kind == "job") {
            current = &records_[name];
            current->key = std::stoull(number);
        } else if (kind == "file" && current) {
            current->files.emplace_back(name, std::stoull(number));
        }
    }
}

void JobRunner::saveManifest() const
{
    std::filesystem::create_directories(manifest_.parent_path());
    std::ofstream out(manifest_, std::ios::trunc);
    for (const auto& [id, record] : records_) {
        out << "job\t" << id << '\t' << record.key << '\n';
        for (const auto& [name, size] : record.files)
            out << "file\t" << name << '\t' << size << '\n';
    }
}

}  // namespace mkdata
