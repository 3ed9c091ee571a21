#include "tools/mkdata/job_runner.h"

#include "platform/paths.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace {

using namespace mkdata;

struct Counted {
    int runs = 0;
};

JobList twoJobs(Counted& a, Counted& b)
{
    return {{"a", [&a](FileSet& out) { ++a.runs; out.add("data\\a.txt", Bytes{'a'}); }, {}},
            {"b", [&b](FileSet& out) { ++b.runs; out.add("data\\sub\\b.txt", Bytes{'b', 'b'}); }, {}}};
}

TEST(JobRunner, SkipsUnchangedJobsAndRemakesMissingFiles)
{
    TempFolder folder;
    platform::forgetDirectoryListings();
    Counted a, b;
    const std::string manifest = folder.path() + "/manifest";
    {
        JobRunner runner(folder.path(), manifest, 7);
        EXPECT_EQ(runner.run(twoJobs(a, b)).made, 2);
    }
    EXPECT_EQ(folder.read("data/sub/b.txt"), "bb");
    {
        JobRunner runner(folder.path(), manifest, 7);
        EXPECT_EQ(runner.run(twoJobs(a, b)).skipped, 2);
    }
    std::filesystem::remove(folder.path() + "/data/a.txt");
    {
        JobRunner runner(folder.path(), manifest, 7);
        RunFigures f = runner.run(twoJobs(a, b));
        EXPECT_EQ(f.made, 1);
        EXPECT_EQ(f.skipped, 1);
    }
    EXPECT_EQ(a.runs, 2);
    EXPECT_EQ(b.runs, 1);
    {
        // A changed program remakes everything.
        JobRunner runner(folder.path(), manifest, 8);
        EXPECT_EQ(runner.run(twoJobs(a, b)).made, 2);
    }
}

TEST(JobRunner, NeverWritesThePlayersFiles)
{
    TempFolder folder;
    platform::forgetDirectoryListings();
    for (const char* name : {"game.ini", "PROFILES.INI", "data\\Profiles\\ann.sav", "data/profiles/x.map"}) {
        JobRunner runner(folder.path(), folder.path() + "/manifest", 1);
        JobList jobs = {{"bad", [name](FileSet& out) { out.add(name, Bytes{'x'}); }, {}}};
        EXPECT_THROW(runner.run(jobs), std::logic_error) << name;
    }
    EXPECT_FALSE(folder.exists("game.ini"));
    EXPECT_FALSE(folder.exists("data/profiles/x.map"));
}

}  // namespace
