#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

namespace fs = std::filesystem;

ToolRun datacheck(const std::string& folder) { return runTool("datacheck", folder); }

// The generated data of the build, copied so that a test can damage it.
std::string copyOfRunData(const TempFolder& folder)
{
    fs::create_directories(folder.path() + "/run");
    fs::copy(std::string(GIFTFALL_RUN_DIR) + "/data", folder.path() + "/run/data", fs::copy_options::recursive);
    return folder.path() + "/run";
}

TEST(Datacheck, TheGeneratedDataPasses)
{
    ToolRun run = datacheck(GIFTFALL_RUN_DIR);
    EXPECT_EQ(run.code, 0) << run.all();
    EXPECT_NE(run.all().find(" 0 problems"), std::string::npos) << run.all();
}

TEST(Datacheck, ReportsEachKindOfDamage)
{
    struct Damage {
        const char* what;
        std::function<void(const std::string& run)> apply;
        const char* report;
    };
    const Damage damages[] = {
        {"a missing strip", [](const std::string& r) { fs::remove(r + "/data/select.tga"); },
         "data\\select.tga: missing"},
        {"a strip one row short",
         [](const std::string& r) {
             std::fstream f(r + "/data/gifts/NONE/active3.tga", std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(14);
             f.put(char(959 & 255));
             f.put(char(959 >> 8));
         },
         "does not divide into 20 frames"},
        {"a lost companion", [](const std::string& r) { fs::remove(r + "/data/fonts/_combo.tga"); },
         "_combo.tga: missing"},
        {"a broken metric file",
         [](const std::string& r) { std::ofstream(r + "/data/fonts/fontStatic.fh") << "no numbers"; },
         "fontStatic.fh: does not parse"},
        {"a damaged sound", [](const std::string& r) { std::ofstream(r + "/data/sound/swap0.wav") << "junk"; },
         "swap0.wav: not a RIFF WAVE file"},
    };
    for (const Damage& d : damages) {
        TempFolder folder;
        std::string run = copyOfRunData(folder);
        d.apply(run);
        ToolRun result = datacheck(run);
        EXPECT_NE(result.code, 0) << d.what;
        EXPECT_NE(result.all().find(d.report), std::string::npos) << d.what << "\n" << result.all();
    }
}

}  // namespace
