#pragma once
// A job makes a group of data files (a picture with its companion, a font
// with its metrics, the variations of a sound). Jobs are run by the
// JobRunner, which skips a job whose inputs and files are unchanged.

#include "tools/mkdata/file_writers.h"
#include "tools/mkdata/image.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mkdata {

// The files one job produced, by game name ("data\\fx\\spark0.tga").
class FileSet {
public:
    void add(std::string name, Bytes bytes) { files_.emplace_back(std::move(name), std::move(bytes)); }
    const std::vector<std::pair<std::string, Bytes>>& files() const { return files_; }

private:
    std::vector<std::pair<std::string, Bytes>> files_;
};

// Adds a picture in the format its name asks for: a ".tga" becomes a 32-bit
// TGA with its alpha, a ".jpg" a JPEG over black.
void addPicture(FileSet& out, const std::string& name, const Image& image);
// Adds a picture whose alpha lives in its companion file: the straight
// colour as a 24-bit TGA or a JPEG, the alpha as an 8-bit grey TGA named as the sprite
// loader derives it (an underscore before the file name, extension tga).
void addPictureWithCompanion(FileSet& out, const std::string& name, const Image& image);
// The companion name the sprite loader derives for a picture name.
std::string companionName(const std::string& name);

struct Job {
    std::string id;
    std::function<void(FileSet&)> make;
    std::vector<std::string> inputFiles;  // files outside the program it reads (fonts)
};

using JobList = std::vector<Job>;

// The picture, font, sound and music families.
void addBoardJobs(JobList& jobs);
void addTileJobs(JobList& jobs);
void addGiftJobs(JobList& jobs);
void addFontJobs(JobList& jobs);
void addLetterJobs(JobList& jobs);
void addEffectJobs(JobList& jobs);
void addControlJobs(JobList& jobs);
void addScreenJobs(JobList& jobs);
void addCursorJobs(JobList& jobs);
void addSoundJobs(JobList& jobs);
void addMusicJobs(JobList& jobs);

}  // namespace mkdata
