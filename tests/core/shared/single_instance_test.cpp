#include "core/shared/single_instance.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFile>

#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

// Starts a child process that takes the lock, tells the parent, and sleeps until it is killed.
pid_t ChildHoldingTheLock(const QString& file) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        SingleInstance lock(file);
        const char answer = lock.Acquire() ? 'y' : 'n';
        [[maybe_unused]] const ssize_t w = ::write(ready[1], &answer, 1);
        for (;;) ::pause();
    }
    ::close(ready[1]);
    char answer = 0;
    [[maybe_unused]] const ssize_t r = ::read(ready[0], &answer, 1);
    ::close(ready[0]);
    return answer == 'y' ? pid : -1;
}

TEST(SingleInstanceTest, ASecondCopyIsRefusedWhileTheFirstRuns) {
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("VelmoraWindows20_21.exe.lock"));
    const pid_t first = ChildHoldingTheLock(file);
    ASSERT_GT(first, 0);
    SingleInstance second(file);
    EXPECT_FALSE(second.Acquire());
    EXPECT_FALSE(second.held());

    // Killed, as a crash would: the lock goes with the process although its file stays.
    ::kill(first, SIGKILL);
    ::waitpid(first, nullptr, 0);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(second.Acquire());
    EXPECT_TRUE(second.held());
}

TEST(SingleInstanceTest, ALockFileLeftBehindDoesNotKeepTheProgramOut) {
    TempFolder folder;
    const QString file =
        folder.write(QStringLiteral("VelmoraWindows20_21.exe.lock"), "12345\nvelmora\n");
    SingleInstance lock(file);
    EXPECT_TRUE(lock.Acquire());
}

TEST(SingleInstanceTest, TheLockIsFreeAgainOnceItsHolderEnds) {
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("run/VelmoraWindows20_21.exe.lock"));
    {
        SingleInstance first(file);
        ASSERT_TRUE(first.Acquire());
        EXPECT_TRUE(first.Acquire());  // asking again keeps it
    }
    SingleInstance next(file);
    EXPECT_TRUE(next.Acquire());
}

TEST(SingleInstanceTest, TheDefaultLockCarriesTheProgramsName) {
    EXPECT_TRUE(
        SingleInstance::DefaultFile().endsWith(QStringLiteral("/VelmoraWindows20_21.exe.lock")));
}

}  // namespace
}  // namespace velmora
