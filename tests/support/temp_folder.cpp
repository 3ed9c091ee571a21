#include "support/temp_folder.h"

#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "giftfall-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = buffer.data();
    previous_ = fs::current_path().string();
    fs::current_path(path_);
    platform::forgetDirectoryListings();
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
    platform::forgetDirectoryListings();
}

void TempFolder::write(const std::string& relative, const std::string& contents) const
{
    writeBytes(relative, std::vector<unsigned char>(contents.begin(), contents.end()));
}

void TempFolder::writeBytes(const std::string& relative, const std::vector<unsigned char>& bytes) const
{
    fs::path target = fs::path(path_) / relative;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    platform::forgetDirectoryListings();
}

std::string TempFolder::read(const std::string& relative) const
{
    std::ifstream in(fs::path(path_) / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TempFolder::exists(const std::string& relative) const { return fs::exists(fs::path(path_) / relative); }

std::vector<std::string> TempFolder::list(const std::string& relative) const
{
    std::vector<std::string> names;
    fs::path root = fs::path(path_) / relative;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        names.push_back(fs::relative(entry.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}
