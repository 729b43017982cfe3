#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "StoreTestSupport.h"
#include "store/sto_ModelFile.h"

using namespace storetest;

// A process saving in a loop is killed at pseudo-random moments: every time, the file
// holds one of the two databases whole.
TEST(ModelFileKill, KilledSaveLeavesOneWholeVersion) {
    TempDir dir;
    std::string path = dir / "model.stw";
    auto const a = LargeDatabase(20000, 0);
    auto const b = LargeDatabase(20000, 1);
    auto start = std::chrono::steady_clock::now();
    sto_ModelFile::Save(a, path);
    auto saveTime = std::chrono::steady_clock::now() - start;

    std::mt19937 random(20240601);
    std::uniform_int_distribution<long> delay(0, 2 * std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count());
    int sawA = 0, sawB = 0;
    for (int round = 0; round < 30; ++round) {
        // The child reports each finished save, so that every round kills it during a later
        // save whatever the machine's load: the first one (B) is always complete.
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            try {
                for (int i = 0;; ++i) {
                    sto_ModelFile::Save(i % 2 ? a : b, path);
                    char done = 1;
                    if (write(pipeFds[1], &done, 1) != 1) _exit(1);
                }
            } catch (...) {
                _exit(1);
            }
        }
        close(pipeFds[1]);
        char done = 0;
        ASSERT_EQ(read(pipeFds[0], &done, 1), 1) << "the saving process failed on its own in round " << round;
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(pipeFds[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process failed on its own in round " << round;
        auto db = sto_ModelFile::Open(path);
        bool isA = db == a, isB = db == b;
        ASSERT_TRUE(isA || isB) << "round " << round;
        sawA += isA, sawB += isB;
    }
    // Which version a kill leaves depends on timing; both whole is what counts.
    EXPECT_EQ(sawA + sawB, 30);
    // The killed saves' temporary files go with the next save; the target stays whole.
    sto_ModelFile::Save(b, path);
    EXPECT_EQ(TempFiles(path), 0);
    EXPECT_EQ(sto_ModelFile::Open(path), b);
}
