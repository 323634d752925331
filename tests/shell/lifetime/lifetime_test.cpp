#include "tests/shell/controls/test_application.h"
#include "shell/lifetime/engine_process.h"
#include "shell/lifetime/instance_lock.h"
#include "shell/lifetime/output_rides.h"
#include "shell/lifetime/signal_watch.h"

#include "tests/support/wait_until.h"

#include <QSignalSpy>
#include <chrono>
#include <csignal>
#include <filesystem>
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

namespace {

// A stand-in engine at the process seam: what a real one does per output cannot be chosen from a
// test. The output's name says how it ends: "end-N" exits with status N at once, "killed" dies of
// SIGKILL (as when closing its X window would end it), anything else rides until SIGTERM. It writes its arguments to the file beside it first.
std::filesystem::path StandInEngine()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("output-rides-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path program = folder / "engine";
    std::ofstream(program) << "#!/bin/sh\n"
                              "echo \"$@\" >> \"$0.log\"\n"
                              "while [ $# -gt 1 ]; do [ \"$1\" = --output ] && output=$2; shift; done\n"
                              "case $output in end-*) exit \"${output#end-}\" ;; killed) kill -KILL $$ ;; esac\n"
                              "trap 'exit 0' TERM\n"
                              "while :; do sleep 0.05; done\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    std::filesystem::remove(program.string() + ".log");
    return program;
}

bool OverWithin(OutputRides& rides, std::chrono::seconds limit)
{
    return WaitUntil([&] { return rides.over(); }, limit);
}

}

TEST(OutputRides, AnOutputThatGoesEndsOnlyItsOwnRide)
{
    OutputRides rides(StandInEngine(), {"--wayland"});
    ASSERT_TRUE(rides.start("DP-1"));
    ASSERT_TRUE(rides.start("end-3"));
    ASSERT_TRUE(rides.start("end-1"));
    EXPECT_TRUE(rides.start("DP-1")) << "a second start on a riding output is no error";
    ASSERT_TRUE(WaitUntil([&] { rides.over(); return rides.outputs().size() == 1; }, std::chrono::seconds(10)));
    EXPECT_FALSE(rides.over());
    EXPECT_EQ(rides.outputs(), std::vector<std::string>{"DP-1"});
    // A new output that comes later gets a ride; the one that went may come back.
    EXPECT_TRUE(rides.start("end-3"));
    rides.endAll();
    EXPECT_TRUE(rides.over());
    EXPECT_FALSE(rides.start("DP-2")) << "nothing starts once the run is over";
}

TEST(OutputRides, KeysOrASignalOnOneOutputEndTheRun)
{
    for (const std::string ending : {"end-0", "end-2", "killed"}) {
        OutputRides rides(StandInEngine(), {"--wayland"});
        ASSERT_TRUE(rides.start("DP-1"));
        ASSERT_TRUE(rides.start(ending));
        EXPECT_TRUE(OverWithin(rides, std::chrono::seconds(10))) << ending;
        rides.endAll();
    }
}

TEST(OutputRides, EachEngineIsToldItsOutput)
{
    const std::filesystem::path engine = StandInEngine();
    {
        OutputRides rides(engine, {"--wayland", "--background"});
        ASSERT_TRUE(rides.start("end-3"));
        ASSERT_TRUE(OverWithin(rides, std::chrono::seconds(10))) << "none left is the end";
    }
    std::ifstream log(engine.string() + ".log");
    std::string line;
    std::getline(log, line);
    EXPECT_EQ(line, "--wayland --background --output end-3 --shell-pid " + std::to_string(getpid()));
}
