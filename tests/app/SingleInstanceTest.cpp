#include "app/SingleInstance.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace torvane;

TEST(SingleInstance, SecondRunSeesTheFirstAndACrashLeavesNoStaleLock) {
    TempDir dir;
    const auto lock = dir / "EX_Torvane.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        SingleInstance first(lock);
        char c = first.anotherRuns() ? 'n' : 'y';
        (void)!::write(ready[1], &c, 1);
        ::pause(); // holds the lock until killed
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    EXPECT_EQ(c, 'y');
    {
        SingleInstance second(lock);
        EXPECT_TRUE(second.anotherRuns());
    }
    ::kill(child, SIGKILL); // a crash: the lock file stays behind
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(std::filesystem::exists(lock));
    SingleInstance third(lock);
    EXPECT_FALSE(third.anotherRuns());
}
