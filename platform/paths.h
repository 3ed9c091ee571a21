#pragma once
// The one path layer every file access of the program goes through.
//
// Names are the game's own: components separated by backslashes (slashes
// work too), relative to the working folder unless they start with '/'.
// Each component is matched against the directory's entries without regard
// to ASCII case; an exact match wins. Components that match nothing keep the
// case given, so new files and folders are created as named.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The largest file readWholeFile takes in; larger files read as unreadable.
constexpr std::size_t kMaxReadSize = 256u << 20;

// The on-disk path for a game name, existing or not.
std::string resolvePath(std::string_view name);

// Opens an existing file for binary reading; nullptr when it cannot.
std::FILE* openForReading(std::string_view name);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(std::string_view name, std::vector<unsigned char>& out);

// Replaces a file atomically: the new contents are written beside it,
// synced and renamed over the old file. Missing folders are created.
// Returns 0, or -1 with the old file (or its absence) left as it was.
int writeWholeFile(std::string_view name, const void* data, std::size_t size);

// Opens a file for appending text, creating it and its folders when missing.
std::FILE* openForAppending(std::string_view name);

// Deletes a file; 0 on success, -1 when it could not be deleted.
int deleteFile(std::string_view name);

// True when the name resolves to an existing regular file.
bool fileExistsOnDisk(std::string_view name);

// Forgets the cached directory listings (after changes made by others).
void forgetDirectoryListings();

}  // namespace platform
