#include "platform/paths.h"
#include "support/faulty_file_ops.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Step = FaultyFileOps::Step;

int save(const std::string& name, const std::string& text)
{
    return platform::writeWholeFile(name, text.data(), text.size());
}

struct FaultCase {
    Step step;
    int nth;
};

TEST(AtomicSave, AnyFailedStepLeavesTheOldFileAndNoTemporary)
{
    const FaultCase cases[] = {{Step::createTemp, 1}, {Step::write, 1}, {Step::write, 3},
                               {Step::sync, 1},       {Step::link, 1},  {Step::rename, 1}};
    for (const FaultCase& c : cases) {
        TempFolder folder;
        folder.write("game.ini", "old contents");
        FaultyFileOps ops;
        ops.failAt(c.step, c.nth);
        const std::string text(10000, 'n');
        int result = save("game.ini", text);
        if (c.step == Step::link) {
            // A refused link falls back to a named temporary file.
            EXPECT_EQ(result, 0);
            EXPECT_EQ(folder.read("game.ini"), text);
        } else {
            EXPECT_EQ(result, -1) << static_cast<int>(c.step);
            EXPECT_EQ(folder.read("game.ini"), "old contents") << static_cast<int>(c.step);
        }
        EXPECT_EQ(folder.list(), std::vector<std::string> {"game.ini"});
    }
}

TEST(AtomicSave, AFailedFolderSyncIsReportedNotRetriedAsSuccess)
{
    TempFolder folder;
    folder.write("profiles.ini", "old");
    FaultyFileOps ops;
    ops.failAt(Step::syncDir, 1);
    EXPECT_EQ(save("profiles.ini", "new"), -1);
    EXPECT_EQ(folder.list(), std::vector<std::string> {"profiles.ini"});
}

TEST(AtomicSave, DataIsSyncedBeforeItReplacesTheOldFile)
{
    TempFolder folder;
    folder.write("a.sav", "old");
    FaultyFileOps ops;  // loses whatever was written but not synced
    ASSERT_EQ(save("a.sav", "complete new contents"), 0);
    EXPECT_EQ(folder.read("a.sav"), "complete new contents");
}

TEST(AtomicSave, AFileSizeLimitLeavesTheOldFile)
{
    TempFolder folder;
    folder.write("big.map", "old");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit {1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(save("big.map", std::string(5000, 'x')) == -1 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(folder.read("big.map"), "old");
    EXPECT_EQ(folder.list(), std::vector<std::string> {"big.map"});
}

// A saver killed at random moments always leaves one whole version.
TEST(AtomicSave, KilledSaversLeaveTheOldOrTheNewFile)
{
    TempFolder folder;
    const std::string versions[] = {std::string(200000, 'a'), std::string(150000, 'b')};
    ASSERT_EQ(save("record.sav", versions[0]), 0);
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 1;; ++i)
                save("record.sav", versions[i % 2]);
        }
        usleep(static_cast<useconds_t>(random() % 3000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::string now = folder.read("record.sav");
        ASSERT_TRUE(now == versions[0] || now == versions[1]) << "round " << round << ": " << now.size();
    }
    // A save interrupted between naming and renaming its file leaves a
    // hidden temporary; the next save of the same file takes it away.
    ASSERT_EQ(save("record.sav", versions[0]), 0);
    EXPECT_EQ(folder.list(), std::vector<std::string> {"record.sav"});
}

}  // namespace
