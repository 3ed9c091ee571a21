#pragma once
// A fresh folder that a test works in; it becomes the working folder for
// the test's lifetime and is removed afterwards.

#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Writes a file below the folder (slashes separate folders).
    void write(const std::string& relative, const std::string& contents) const;
    void writeBytes(const std::string& relative, const std::vector<unsigned char>& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    // Names in the folder (relative, sorted), to spot stray files.
    std::vector<std::string> list(const std::string& relative = "") const;

private:
    std::string path_;
    std::string previous_;
};
