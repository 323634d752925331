#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The ride engine as a child of the shell. It is told the shell's process id, so it ends by
// itself if the shell is killed outright; the shell ends it with SIGTERM and reaps it, so none is
// ever left behind, running or as a zombie.
class EngineProcess {
public:
    EngineProcess() = default;
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Starts the program with these arguments and the shell's process id. False when it could
    // not be started (hasEnded() is then true).
    bool start(const std::filesystem::path& program, std::vector<std::string> arguments = {});
    // True once the process has ended (or never started); never waits.
    bool hasEnded();
    // Asks the process to end (SIGTERM) without waiting, so that several can end at once.
    void requestEnd();
    // Asks the process to end (SIGTERM), waits up to graceMilliseconds for it, then kills it
    // outright; returns once it has been reaped.
    void end(int graceMilliseconds = 1000);

    int processId() const { return m_processId; }
    // How the process ended by itself, as a shell reports it: its exit status, or 128 plus the
    // signal that ended it. -1 while it runs, when it was asked to end, or never started.
    int endStatus() const { return m_endStatus; }

private:
    int m_processId = -1;
    int m_endStatus = -1;
    bool m_endRequested = false;
};
