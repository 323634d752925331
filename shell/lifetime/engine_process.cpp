#include "engine_process.h"

#include "contract/engine_contract.h"

#include "files/start_program.h"

#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

EngineProcess::~EngineProcess()
{
    end();
}

bool EngineProcess::start(const std::filesystem::path& program, std::vector<std::string> arguments)
{
    arguments.push_back(std::string(ShellProcessSwitch));
    arguments.push_back(std::to_string(getpid()));
    m_processId = StartProgram(program, arguments);
    m_endStatus = -1;
    m_endRequested = false;
    return m_processId > 0;
}

bool EngineProcess::hasEnded()
{
    if (m_processId <= 0)
        return true;
    int status = -1;
    if (!ProgramHasEnded(m_processId, &status))
        return false;
    if (!m_endRequested)
        m_endStatus = status;
    m_processId = -1;
    return true;
}

void EngineProcess::requestEnd()
{
    if (hasEnded())
        return;
    m_endRequested = true;
    kill(m_processId, SIGTERM);
}

void EngineProcess::end(int graceMilliseconds)
{
    if (hasEnded())
        return;
    m_endRequested = true;
    kill(m_processId, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMilliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (hasEnded())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(m_processId, SIGKILL);
    waitpid(m_processId, nullptr, 0);
    m_processId = -1;
}
