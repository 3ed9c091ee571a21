#include "platform/paths.h"

#include "platform/file_ops.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <memory>

namespace platform {
namespace {

// Directory listings by on-disk folder path. A miss refreshes the listing
// once, so files created by other programs are still found.
class ListingCache {
public:
    const std::vector<std::string>& entries(const std::string& dir, bool refresh)
    {
        auto it = listings_.find(dir);
        if (it == listings_.end() || refresh)
            it = listings_.insert_or_assign(dir, readListing(dir)).first;
        return it->second;
    }

    void forget(const std::string& dir) { listings_.erase(dir); }
    void clear() { listings_.clear(); }

private:
    static std::vector<std::string> readListing(const std::string& dir)
    {
        std::vector<std::string> names;
        std::unique_ptr<DIR, int (*)(DIR*)> handle(::opendir(dir.c_str()), ::closedir);
        if (!handle)
            return names;
        while (const dirent* entry = ::readdir(handle.get()))
            names.emplace_back(entry->d_name);
        return names;
    }

    std::map<std::string, std::vector<std::string>> listings_;
};

ListingCache& listingCache()
{
    static ListingCache cache;
    return cache;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// The entry of dir that matches component: exact first, then ignoring case.
const std::string* findEntry(const std::vector<std::string>& entries, std::string_view component)
{
    const std::string* folded = nullptr;
    for (const std::string& entry : entries) {
        if (entry == component)
            return &entry;
        if (!folded && equalsIgnoringCase(entry, component))
            folded = &entry;
    }
    return folded;
}

std::string matchComponent(const std::string& dir, std::string_view component)
{
    if (component == "." || component == "..")
        return std::string(component);
    std::string listed = dir.empty() ? "." : dir;
    if (const std::string* hit = findEntry(listingCache().entries(listed, false), component))
        return *hit;
    if (const std::string* hit = findEntry(listingCache().entries(listed, true), component))
        return *hit;
    return std::string(component);
}

std::string joinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + "/" + name;
}

std::string parentOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Creates the missing folders above path.
int makeParents(const std::string& path)
{
    std::string dir = parentOf(path);
    if (dir == "." || dir == "/")
        return 0;
    struct stat info {};
    if (::stat(dir.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : -1;
    if (makeParents(dir) != 0 || fileOps().makeDir(dir) != 0)
        return -1;
    listingCache().forget(parentOf(dir));
    return 0;
}

// The name a save takes until it replaces path: hidden, beside it.
std::string tempNameFor(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, start) + "." + path.substr(start) + ".saving";
}

enum class SaveStep { done, failed, linkFailed };

SaveStep writeThroughTemp(const std::string& path, const unsigned char* data, std::size_t size,
                          bool allowAnonymous)
{
    FileOps& ops = fileOps();
    const std::string dir = parentOf(path);
    const std::string temp = tempNameFor(path);
    bool anonymous = false;
    int fd = ops.createTemp(dir, temp, allowAnonymous, anonymous);
    if (fd < 0)
        return SaveStep::failed;

    bool ok = true;
    std::size_t done = 0;
    while (ok && done < size) {
        long n = ops.write(fd, data + done, size - done);
        if (n <= 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    ok = ok && ops.sync(fd) == 0;
    bool linkFailed = false;
    if (ok && anonymous) {
        ops.remove(temp);  // a stale file of an earlier, interrupted save
        linkFailed = ops.link(fd, temp) != 0;
        ok = !linkFailed;
    }
    ok = (ops.close(fd) == 0) && ok;
    if (ok)
        ok = ops.rename(temp, path) == 0;
    if (!ok) {
        if (!anonymous || !linkFailed)
            ops.remove(temp);
        return linkFailed ? SaveStep::linkFailed : SaveStep::failed;
    }
    // The rename is durable only once the folder is synced; a failure here
    // leaves the new file in place, but it is reported all the same.
    return ops.syncDir(dir) == 0 ? SaveStep::done : SaveStep::failed;
}

}  // namespace

std::string resolvePath(std::string_view name)
{
    const bool absolute = !name.empty() && (name[0] == '/' || name[0] == '\\');
    std::string path(absolute ? 1 : 0, '/');
    std::size_t pos = absolute ? 1 : 0;
    while (pos <= name.size()) {
        std::size_t end = name.find_first_of("\\/", pos);
        if (end == std::string_view::npos)
            end = name.size();
        std::string_view component = name.substr(pos, end - pos);
        if (!component.empty())
            path = joinPath(path, matchComponent(path, component));
        pos = end + 1;
    }
    return path;
}

std::FILE* openForReading(std::string_view name)
{
    if (name.empty())
        return nullptr;
    std::string path = resolvePath(name);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return nullptr;
    return std::fopen(path.c_str(), "rb");
}

bool readWholeFile(std::string_view name, std::vector<unsigned char>& out)
{
    out.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openForReading(name), std::fclose);
    if (!file)
        return false;
    unsigned char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (out.size() + n > kMaxReadSize) {
            out.clear();
            return false;
        }
        out.insert(out.end(), chunk, chunk + n);
    }
    if (std::ferror(file.get())) {
        out.clear();
        return false;
    }
    return true;
}

int writeWholeFile(std::string_view name, const void* data, std::size_t size)
{
    if (name.empty())
        return -1;
    std::string path = resolvePath(name);
    if (makeParents(path) != 0)
        return -1;
    const auto* bytes = static_cast<const unsigned char*>(data);
    SaveStep step = writeThroughTemp(path, bytes, size, true);
    if (step == SaveStep::linkFailed)
        step = writeThroughTemp(path, bytes, size, false);
    listingCache().forget(parentOf(path));
    return step == SaveStep::done ? 0 : -1;
}

std::FILE* openForAppending(std::string_view name)
{
    if (name.empty())
        return nullptr;
    std::string path = resolvePath(name);
    if (makeParents(path) != 0)
        return nullptr;
    std::FILE* file = std::fopen(path.c_str(), "a");
    listingCache().forget(parentOf(path));
    return file;
}

int deleteFile(std::string_view name)
{
    if (name.empty())
        return -1;
    std::string path = resolvePath(name);
    int result = fileOps().remove(path);
    listingCache().forget(parentOf(path));
    return result == 0 ? 0 : -1;
}

bool fileExistsOnDisk(std::string_view name)
{
    if (name.empty())
        return false;
    struct stat info {};
    return ::stat(resolvePath(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void forgetDirectoryListings() { listingCache().clear(); }

}  // namespace platform
