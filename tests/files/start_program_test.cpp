#include "files/end_by_signal.h"
#include "files/program_folder.h"
#include "files/start_program.h"
#include "tests/support/temporary_folder.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Waits for the process to end; the bound only keeps a broken start from hanging the test.
bool endsSoon(int processId)
{
    for (int i = 0; i < 500; ++i) {
        if (ProgramHasEnded(processId))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(StartProgramTest, RunsTheProgramWithoutArgumentsInTheCallersFolder)
{
    TemporaryFolder folder;
    const auto report = folder.path() / "report";
    const auto program = folder.write("probe", "#!/bin/sh\necho \"$# $(pwd)\" > '" + report.string() + "'\n");
    chmod(program.c_str(), 0700);

    const int processId = StartProgram(program);
    ASSERT_GT(processId, 0);
    ASSERT_TRUE(endsSoon(processId));
    EXPECT_EQ(TemporaryFolder::read(report), "0 " + std::filesystem::current_path().string() + "\n");
    // Reaped once: asking again still says it has ended.
    EXPECT_TRUE(ProgramHasEnded(processId));
}

TEST(StartProgramTest, ProgramThatCannotRunIsNotStarted)
{
    TemporaryFolder folder;
    EXPECT_EQ(StartProgram(folder.path() / "missing"), -1);
    const auto notExecutable = folder.write("plain", "text");
    EXPECT_EQ(StartProgram(notExecutable), -1);
    EXPECT_TRUE(ProgramHasEnded(-1));
}

TEST(StartProgramTest, RunningProgramHasNotEnded)
{
    TemporaryFolder folder;
    const auto program = folder.write("sleeper", "#!/bin/sh\nexec sleep 30\n");
    chmod(program.c_str(), 0700);
    const int processId = StartProgram(program);
    ASSERT_GT(processId, 0);
    EXPECT_FALSE(ProgramHasEnded(processId));
    kill(processId, SIGTERM);
    EXPECT_TRUE(endsSoon(processId));
}

TEST(EndBySignalTest, DiesByThatSignalEvenWhereItWasCaughtOrBlocked)
{
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // As a program that listens for stop signals leaves things, and blocked as well.
            std::signal(signalNumber, [](int) {});
            sigset_t blocked;
            sigemptyset(&blocked);
            sigaddset(&blocked, signalNumber);
            sigprocmask(SIG_BLOCK, &blocked, nullptr);
            EndBySignal(signalNumber);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << signalNumber << " ended with status " << WEXITSTATUS(status);
        EXPECT_EQ(WTERMSIG(status), signalNumber);
    }
}

TEST(ProgramFolderTest, IsTheFolderOfTheRunningExecutable)
{
    EXPECT_TRUE(std::filesystem::exists(ProgramFolder() / "files_tests"));
}

}
