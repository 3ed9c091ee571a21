// mkdata RUN_FOLDER [--manifest FILE] [--code FILE]... [--preview DIR]
// Generates every picture, font, cursor, sound and music file of the game
// into RUN_FOLDER/data, deterministically; unchanged jobs are skipped.
// The --code files (the generator's libraries) are what its output
// depends on; without them the program file itself stands for them.
// With --preview, also writes contact sheets (PNG) of what it made.
#include "tools/mkdata/job_runner.h"
#include "tools/mkdata/preview.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

mkdata::JobList allJobs()
{
    mkdata::JobList jobs;
    mkdata::addBoardJobs(jobs);
    mkdata::addTileJobs(jobs);
    mkdata::addGiftJobs(jobs);
    mkdata::addFontJobs(jobs);
    mkdata::addLetterJobs(jobs);
    mkdata::addEffectJobs(jobs);
    mkdata::addControlJobs(jobs);
    mkdata::addScreenJobs(jobs);
    mkdata::addCursorJobs(jobs);
    mkdata::addSoundJobs(jobs);
    mkdata::addMusicJobs(jobs);
    return jobs;
}

int usage()
{
    std::fprintf(stderr, "usage: mkdata RUN_FOLDER [--manifest FILE] [--code FILE]... [--preview DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-')
        return usage();
    namespace fs = std::filesystem;
    fs::path runFolder = fs::absolute(argv[1]);
    fs::path manifest = runFolder / ".." / "mkdata.manifest";
    fs::path preview;
    std::vector<fs::path> code;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--manifest") && i + 1 < argc)
            manifest = fs::absolute(argv[++i]);
        else if (!std::strcmp(argv[i], "--code") && i + 1 < argc)
            code.push_back(fs::absolute(argv[++i]));
        else if (!std::strcmp(argv[i], "--preview") && i + 1 < argc)
            preview = fs::absolute(argv[++i]);
        else
            return usage();
    }
    try {
        auto start = std::chrono::steady_clock::now();
        // The generator's code is an input of every job: changed drawing or
        // synthesis remakes everything.
        if (code.empty())
            code.push_back(fs::canonical("/proc/self/exe"));
        std::uint64_t programKey = 0;
        for (const fs::path& file : code)
            programKey = mkdata::hashText(std::to_string(mkdata::hashFile(file)), programKey);
        fs::create_directories(runFolder);
        fs::current_path(runFolder);
        mkdata::JobRunner runner(runFolder, manifest, programKey);
        mkdata::RunFigures figures = runner.run(allJobs());
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("mkdata: %d jobs made (%d files), %d up to date, %.1f s\n", figures.made, figures.files,
                    figures.skipped, seconds);
        if (!preview.empty())
            mkdata::writePreviews(preview);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkdata: %s\n", e.what());
        return 1;
    }
    return 0;
}
