#include "tests/shell/controls/test_application.h"
#include "shell/lifetime/engine_process.h"
#include "shell/lifetime/instance_lock.h"
#include "shell/lifetime/signal_watch.h"

#include "tests/support/wait_until.h"

#include <QSignalSpy>
#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>

TEST(InstanceLock, OneHolderPerNameUntilItGoes)
{
    auto first = std::make_unique<InstanceLock>("lifetime-test");
    InstanceLock second("lifetime-test");
    InstanceLock other("lifetime-test-other");
    ASSERT_TRUE(first->take());
    EXPECT_TRUE(first->take());
    EXPECT_FALSE(second.take());
    EXPECT_TRUE(second.heldElsewhere());
    EXPECT_TRUE(other.take());
    first.reset();
    EXPECT_FALSE(second.heldElsewhere());
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(second.take());
}

TEST(InstanceLock, ScreenNumbersNameOneDisplay)
{
    EXPECT_EQ(InstanceLock::DisplayName(":0.0"), ":0");
    EXPECT_EQ(InstanceLock::DisplayName(":12"), ":12");
    EXPECT_EQ(InstanceLock::DisplayName("host.example:1.2"), "host.example:1");
    EXPECT_EQ(InstanceLock::DisplayName(nullptr), "");
}

namespace {

// True once process `processId` ignores SIGTERM, as its /proc status tells.
bool ignoresSigterm(int processId)
{
    std::ifstream status("/proc/" + std::to_string(processId) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigIgn:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

}

TEST(EngineProcess, EndKillsAChildThatIgnoresSigterm)
{
    EngineProcess process;
    // The shell's arguments follow the script and become its unused $0 and $1.
    ASSERT_TRUE(process.start("/bin/sh", {"-c", "trap '' TERM; exec sleep 30"}));
    ASSERT_TRUE(WaitUntil([&] { return ignoresSigterm(process.processId()); }, std::chrono::seconds(10)));
    const auto before = std::chrono::steady_clock::now();
    process.end(200);
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_TRUE(process.hasEnded());
    EXPECT_GE(took, std::chrono::milliseconds(200));
    EXPECT_LT(took, std::chrono::seconds(5));
}

TEST(EngineProcess, TellsHowItEndedByItselfButNotWhenAskedToEnd)
{
    EngineProcess exited;
    ASSERT_TRUE(exited.start("/bin/sh", {"-c", "exit 3"}));
    ASSERT_TRUE(WaitUntil([&] { return exited.hasEnded(); }, std::chrono::seconds(10)));
    EXPECT_EQ(exited.endStatus(), 3);

    EngineProcess killed;
    ASSERT_TRUE(killed.start("/bin/sh", {"-c", "kill -KILL $$"}));
    ASSERT_TRUE(WaitUntil([&] { return killed.hasEnded(); }, std::chrono::seconds(10)));
    EXPECT_EQ(killed.endStatus(), 128 + SIGKILL);

    EngineProcess ended;
    ASSERT_TRUE(ended.start("/bin/sh", {"-c", "exec sleep 30"}));
    EXPECT_EQ(ended.endStatus(), -1);
    ended.end();
    EXPECT_EQ(ended.endStatus(), -1);
}

TEST(EngineProcess, AProgramThatCannotStartHasEnded)
{
    EngineProcess process;
    EXPECT_FALSE(process.start("/nonexistent/Tavrolin.dll"));
    EXPECT_TRUE(process.hasEnded());
    process.end();
}

TEST(SignalWatch, StopSignalsReachTheEventLoop)
{
    EnsureApplication();
    SignalWatch watch;
    QSignalSpy stops(&watch, &SignalWatch::Stop);
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        stops.clear();
        raise(signalNumber);
        ASSERT_TRUE(stops.wait(5000)) << signalNumber;
        EXPECT_EQ(stops.takeFirst().at(0).toInt(), signalNumber);
    }
}
