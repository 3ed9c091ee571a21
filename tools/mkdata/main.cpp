// mkdata RUN_FOLDER [--manifest FILE] [--preview DIR]
// Generates every picture, font, cursor, sound and music file of the game
// into RUN_FOLDER/data, deterministically; unchanged jobs are skipped.
// With --preview, also writes contact sheets (PNG) of what it made.
#include "tools/mkdata/job_runner.h"
#include "tools/mkdata/preview.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

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
    std::fprintf(stderr, "usage: mkdata RUN_FOLDER [--manifest FILE] [--preview DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    namespace fs = std::filesystem;
    fs::path runFolder = fs::absolute(argv[1]);
    fs::path manifest = runFolder / ".." / "mkdata.manifest";
    fs::path preview;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--manifest") && i + 1 < argc)
            manifest = fs::absolute(argv[++i]);
        else if (!std::strcmp(argv[i], "--preview") && i + 1 < argc)
            preview = fs::absolute(argv[++i]);
        else
            return usage();
    }
    try {
        auto start = std::chrono::steady_clock::now();
        // The program itself is an input of every job: a changed generator
        // remakes everything.
        std::uint64_t programKey = mkdata::hashFile(fs::canonical("/proc/self/exe"));
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
