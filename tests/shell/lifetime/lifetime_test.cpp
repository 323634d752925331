#include "tests/support/test_application.h"
#include "shell/lifetime/engine_process.h"
#include "shell/lifetime/instance_lock.h"
#include "shell/lifetime/lock_folder.h"
#include "shell/lifetime/output_rides.h"
#include "shell/lifetime/ride_stop.h"
#include "shell/lifetime/session_bus.h"
#include "shell/lifetime/signal_watch.h"
#include "shell/lifetime/stop_stamp.h"

#include "tests/support/temporary_folder.h"
#include "tests/support/wait_until.h"

#include <QSignalSpy>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t OtherUser = 65534;

// Points XDG_RUNTIME_DIR at a fresh private folder for as long as the object lives.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder() { setenv("XDG_RUNTIME_DIR", m_folder.path().c_str(), 1); }
    ~PrivateRuntimeFolder() { unsetenv("XDG_RUNTIME_DIR"); }
    const std::filesystem::path& path() const { return m_folder.path(); }

private:
    TemporaryFolder m_folder;
};

// Runs `work` in a child process that then waits to be killed; returns the child's id once
// `work` has given its answer, in `answer`.
template <typename Work>
pid_t childThatAnswered(Work work, bool& answer)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        const char said = work() ? 'y' : 'n';
        (void)!write(pipeEnds[1], &said, 1);
        pause();
        _exit(0);
    }
    char said = 0;
    answer = read(pipeEnds[0], &said, 1) == 1 && said == 'y';
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return child;
}

}

TEST(InstanceLock, OneHolderPerNameUntilItGoes)
{
    PrivateRuntimeFolder runtime;
    auto first = std::make_unique<InstanceLock>("lifetime-test");
    InstanceLock second("lifetime-test");
    InstanceLock other("lifetime-test-other");
    EXPECT_EQ(second.holder(), 0);
    ASSERT_TRUE(first->take());
    EXPECT_TRUE(first->take());
    EXPECT_FALSE(second.take());
    EXPECT_TRUE(second.heldElsewhere());
    EXPECT_EQ(second.holder(), getpid());
    EXPECT_TRUE(other.take());
    first.reset();
    EXPECT_FALSE(second.heldElsewhere());
    EXPECT_EQ(second.holder(), 0);
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(second.take());
}

TEST(InstanceLock, AKilledHolderIsNamedUntilTheKernelReleasesItsLock)
{
    PrivateRuntimeFolder runtime;
    bool taken = false;
    const pid_t child = childThatAnswered([] { return (new InstanceLock("lifetime-test"))->take(); }, taken);
    ASSERT_TRUE(taken);
    InstanceLock lock("lifetime-test");
    EXPECT_EQ(lock.holder(), child);
    EXPECT_FALSE(lock.take());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(lock.holder(), 0);
    EXPECT_TRUE(lock.take());
}

TEST(InstanceLock, AnotherUserCannotTakeOrBlockTheLocks)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    PrivateRuntimeFolder runtime;
    setenv("DISPLAY", ":47", 1);
    // The other account binds every name a socket lock of ours could have, and tries our folder.
    bool usedOurFolder = true;
    const pid_t child = childThatAnswered([&] {
        if (setgid(OtherUser) != 0 || setuid(OtherUser) != 0)
            return true;
        for (const std::string purpose : {"run", "music", "lifetime-test"}) {
            const int bound = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            const std::string name = "tavrolin/0/:47/" + purpose;
            name.copy(address.sun_path + 1, name.size());
            bind(bound, reinterpret_cast<const sockaddr*>(&address),
                 static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
        }
        return OpenLockFolder(runtime.path().c_str(), runtime.path()) >= 0;
    }, usedOurFolder);
    EXPECT_FALSE(usedOurFolder);
    InstanceLock lock("lifetime-test");
    EXPECT_FALSE(lock.heldElsewhere());
    EXPECT_TRUE(lock.take());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    unsetenv("DISPLAY");
}

TEST(LockFolder, OnlyAPrivateFolderOfThisUserHoldsTheLocks)
{
    TemporaryFolder temporary;
    const std::filesystem::path runtime = temporary.path() / "runtime";
    const std::filesystem::path fallback = temporary.path() / ("tavrolin-" + std::to_string(geteuid()));
    std::filesystem::create_directory(runtime);
    chmod(runtime.c_str(), 0700);
    const auto opensIn = [&](const char* runtimeDirectory) {
        const int folder = OpenLockFolder(runtimeDirectory, temporary.path());
        if (folder < 0)
            return std::filesystem::path();
        struct stat opened {};
        fstat(folder, &opened);
        close(folder);
        for (const auto& place : {runtime / "tavrolin", fallback}) {
            struct stat status {};
            if (stat(place.c_str(), &status) == 0 && status.st_ino == opened.st_ino)
                return place;
        }
        return std::filesystem::path("elsewhere");
    };

    EXPECT_EQ(opensIn(runtime.c_str()), runtime / "tavrolin");
    // Unset, relative, shared with the group, linked: the per-user folder in the temporary one.
    EXPECT_EQ(opensIn(nullptr), fallback);
    EXPECT_EQ(opensIn("runtime"), fallback);
    chmod(runtime.c_str(), 0770);
    EXPECT_EQ(opensIn(runtime.c_str()), fallback);
    chmod(runtime.c_str(), 0700);
    std::filesystem::create_directory_symlink(runtime, temporary.path() / "link");
    EXPECT_EQ(opensIn((temporary.path() / "link").c_str()), fallback);

    // Folders someone else made or opened up, or a link in their place, are never used.
    std::filesystem::remove(fallback);
    if (geteuid() == 0) {
        mkdir(fallback.c_str(), 0777);
        chmod(fallback.c_str(), 0777);
        ASSERT_EQ(chown(fallback.c_str(), OtherUser, OtherUser), 0);
        EXPECT_EQ(opensIn(nullptr), std::filesystem::path());
        ASSERT_EQ(chown(runtime.c_str(), OtherUser, OtherUser), 0);
        EXPECT_EQ(opensIn(runtime.c_str()), std::filesystem::path());
        std::filesystem::remove(fallback);
    }
    std::filesystem::create_directory_symlink(runtime, fallback);
    EXPECT_EQ(opensIn(nullptr), std::filesystem::path());
    std::filesystem::remove(fallback);
    mkdir(fallback.c_str(), 0755);
    EXPECT_EQ(opensIn(nullptr), std::filesystem::path());
}

TEST(InstanceLock, EverySpellingOfALocalDisplayNamesOneDisplay)
{
    for (const char* local : {":30", ":30.0", "unix:30", "unix:30.1", "unix/:30", "unix/unix:30.0",
                              "/tmp/.X11-unix/X30", ":030"})
        EXPECT_EQ(InstanceLock::DisplayName(local), ":30") << local;
    EXPECT_EQ(InstanceLock::DisplayName(":0.0"), ":0");
    EXPECT_EQ(InstanceLock::DisplayName("host.example:1.2"), "host.example:1");
    EXPECT_EQ(InstanceLock::DisplayName("host:30"), "host:30");
    EXPECT_EQ(InstanceLock::DisplayName("tcp/host:30.0"), "host:30");
    EXPECT_EQ(InstanceLock::DisplayName(nullptr), "");
}

TEST(InstanceLock, AWaylandDisplayIsNamedByItsSocket)
{
    EXPECT_EQ(InstanceLock::WaylandDisplayName(nullptr, "/run/user/5"), "/run/user/5/wayland-0");
    EXPECT_EQ(InstanceLock::WaylandDisplayName("wayland-1", "/run/user/5/"), "/run/user/5/wayland-1");
    EXPECT_EQ(InstanceLock::WaylandDisplayName("/tmp/sock", "/run/user/5"), "/tmp/sock");
}

TEST(SessionBus, TheUsersBusIsKeptAndNoneIsStartedWhereThereIsNone)
{
    TemporaryFolder runtime;
    EXPECT_EQ(SessionBusAddress("unix:path=/elsewhere", runtime.path().c_str()), "");
    const std::string nowhere = SessionBusAddress(nullptr, runtime.path().c_str());
    EXPECT_FALSE(nowhere.empty());
    EXPECT_EQ(nowhere.find("autolaunch"), std::string::npos);
    EXPECT_EQ(SessionBusAddress("", nullptr), nowhere);

    const int bus = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string path = (runtime.path() / "bus").string();
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(bus, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(SessionBusAddress(nullptr, runtime.path().c_str()), "");
    close(bus);
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
    EXPECT_FALSE(rides.failed()) << "a ride ran on end-3 before its output went";
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
        EXPECT_FALSE(rides.failed());
    }
    {
        OutputRides rides(engine, {"--wayland"});
        ASSERT_TRUE(rides.start("end-1"));
        ASSERT_TRUE(OverWithin(rides, std::chrono::seconds(10)));
        EXPECT_TRUE(rides.failed()) << "no engine could start";
    }
    std::ifstream log(engine.string() + ".log");
    std::string line;
    std::getline(log, line);
    EXPECT_EQ(line, "--wayland --background --output end-3 --shell-pid " + std::to_string(getpid()));
}

TEST(InstanceLock, ALinkFifoOrFolderAtTheNameIsRefusedAndLeftAlone)
{
    PrivateRuntimeFolder runtime;
    setenv("DISPLAY", ":47", 1);
    InstanceLock other("lifetime-test-other");
    ASSERT_TRUE(other.take()) << "makes the lock folder";
    const std::filesystem::path name = runtime.path() / "tavrolin" / ":47@lifetime-test";
    const std::filesystem::path target = runtime.path() / "target";
    std::ofstream(target) << "kept";
    const std::vector<std::pair<const char*, std::function<void()>>> intruders{
        {"link", [&] { std::filesystem::create_symlink(target, name); }},
        {"fifo", [&] { mkfifo(name.c_str(), 0600); }},
        {"folder", [&] { std::filesystem::create_directory(name); }},
    };
    for (const auto& [kind, make] : intruders) {
        InstanceLock lock("lifetime-test");
        std::filesystem::remove(name);
        make();
        EXPECT_FALSE(lock.take()) << kind;
        EXPECT_NE(lock.problem(), "") << kind;
        EXPECT_TRUE(lock.heldElsewhere()) << kind << ": a preview must not show beside what it cannot see";
        EXPECT_EQ(lock.holder(), 0) << kind;
    }
    std::filesystem::remove(name);
    std::ifstream kept(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");
    unsetenv("DISPLAY");
}

TEST(RideStop, OnlyTheProcessHoldingTheMarkIsSignalled)
{
    PrivateRuntimeFolder runtime;
    setenv("DISPLAY", ":47", 1);
    // A bystander whose id stands in the mark's file, as a previous ride's once did.
    const pid_t bystander = fork();
    if (bystander == 0) {
        pause();
        _exit(0);
    }
    bool taken = false;
    std::string problem;
    const pid_t ride = childThatAnswered([&] { return TakeRideMark(problem) == RideMark::Taken; }, taken);
    ASSERT_TRUE(taken);
    std::ofstream(runtime.path() / "tavrolin" / ":47@ride") << bystander << "\n";
    EXPECT_EQ(StopRide(std::chrono::milliseconds(200)), 0);
    int status = 0;
    const bool rideEnded = waitpid(ride, &status, WNOHANG) == ride;
    EXPECT_TRUE(rideEnded && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    if (!rideEnded) {
        kill(ride, SIGKILL);
        waitpid(ride, nullptr, 0);
    }
    EXPECT_EQ(waitpid(bystander, nullptr, WNOHANG), 0) << "the bystander was signalled";
    // A start after a stop returned rides, even in the clock tick the stop came in.
    for (int attempt = 0; attempt < 5; ++attempt) {
        EXPECT_EQ(StopRide(std::chrono::milliseconds(200)), 0);
        bool rides = false;
        const pid_t next = childThatAnswered([&] { return TakeRideMark(problem) == RideMark::Taken; }, rides);
        EXPECT_TRUE(rides) << "attempt " << attempt;
        kill(next, SIGKILL);
        waitpid(next, nullptr, 0);
    }
    // This process started before that stop: it must not ride now.
    EXPECT_EQ(TakeRideMark(problem), RideMark::Stopped);
    kill(bystander, SIGKILL);
    waitpid(bystander, nullptr, 0);
    unsetenv("DISPLAY");
}

TEST(StopStamp, AProcessStartIsReadPastANameWithBlanksAndBrackets)
{
    EXPECT_EQ(StartTicksOfStat("4242 (a) b (c)) S 1 4242 4242 0 -1 4194560 100 0 0 0 1 2 0 0 20 0 1 0 987654 12 34"),
              987654);
    EXPECT_EQ(StartTicksOfStat("4242 (short) S 1 2 3"), -1);
}
