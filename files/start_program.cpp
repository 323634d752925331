#include "start_program.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

int StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments)
{
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return -1;
    // The child must not inherit an ignored SIGCHLD or a blocked signal mask from its starter.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGCHLD);
    sigaddset(&defaults, SIGPIPE);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    std::string path = program.string();
    std::vector<std::string> words = arguments;
    std::vector<char*> argumentVector{path.data()};
    for (std::string& word : words)
        argumentVector.push_back(word.data());
    argumentVector.push_back(nullptr);
    pid_t processId = -1;
    const int result = posix_spawn(&processId, path.c_str(), nullptr, &attributes, argumentVector.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return result == 0 ? processId : -1;
}

bool ProgramHasEnded(int processId, int* exitStatus)
{
    int unused = 0;
    int& ending = exitStatus ? *exitStatus : unused;
    ending = -1;
    if (processId <= 0)
        return true;
    int status = 0;
    const pid_t result = waitpid(processId, &status, WNOHANG);
    if (result == 0)
        return false;
    if (result == processId) {
        ending = WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
        return true;
    }
    // ECHILD: already reaped, or not ours to wait for.
    return errno != EINTR;
}
