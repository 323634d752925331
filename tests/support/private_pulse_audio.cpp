#include "tests/support/private_pulse_audio.h"

#include "tests/support/wait_until.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using namespace std::chrono_literals;

constexpr const char* SinkName = "tavrolin_test";

// Starts a program with its output going to the file; returns its process id or -1.
pid_t Start(const std::vector<std::string>& arguments, const std::filesystem::path& output)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t child = -1;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// Runs a program to its end (at most ten seconds) and returns what it printed.
std::string Output(const std::vector<std::string>& arguments, const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / "output.txt";
    std::vector<std::string> bounded{"timeout", "10"};
    bounded.insert(bounded.end(), arguments.begin(), arguments.end());
    const pid_t child = Start(bounded, file);
    if (child < 0)
        return {};
    int status = 0;
    waitpid(child, &status, 0);
    return TemporaryFolder::read(file);
}

int CountLines(const std::string& text, const std::string& start)
{
    int count = 0;
    std::size_t at = 0;
    while ((at = text.find(start, at)) != std::string::npos) {
        ++count;
        at += start.size();
    }
    return count;
}

}

PrivatePulseAudio::PrivatePulseAudio()
{
    const std::filesystem::path socket = m_folder.path() / "native";
    m_server = Start({"pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                      "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket.string(),
                      std::string("--load=module-null-sink sink_name=") + SinkName},
                     m_folder.path() / "server.log");
    if (m_server < 0)
        throw std::runtime_error("cannot start pulseaudio");
    setenv("PULSE_SERVER", ("unix:" + socket.string()).c_str(), 1);
    bool up = false;
    for (int attempt = 0; attempt < 100 && !up; ++attempt) {
        up = Output({"pactl", "info"}, m_folder.path()).find("Server String") != std::string::npos;
        if (!up)
            std::this_thread::sleep_for(100ms);
    }
    const std::filesystem::path recording = m_folder.path() / "recording.raw";
    if (up) {
        m_listener = Start({"parec", "--latency-msec=20", "--device=" + std::string(SinkName) + ".monitor", "--raw",
                            "--format=s16le", "--rate=8000", "--channels=1"},
                           recording);
    }
    for (int attempt = 0; attempt < 100 && m_listener >= 0; ++attempt) {
        std::error_code error;
        if (std::filesystem::file_size(recording, error) > 0 && !error)
            return;
        std::this_thread::sleep_for(100ms);
    }
    const std::string log = TemporaryFolder::read(m_folder.path() / "server.log");
    stop(m_listener);
    stop(m_server);
    throw std::runtime_error("pulseaudio did not come up: " + log);
}

PrivatePulseAudio::~PrivatePulseAudio()
{
    stop(m_listener);
    stop(m_server);
}

void PrivatePulseAudio::stop(pid_t process) const
{
    if (process < 0)
        return;
    kill(process, SIGTERM);
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (waitpid(process, nullptr, WNOHANG) == process)
            return;
        std::this_thread::sleep_for(100ms);
    }
    kill(process, SIGKILL);
    waitpid(process, nullptr, 0);
}

int PrivatePulseAudio::streamCount() const
{
    return CountLines(Output({"pactl", "list", "sink-inputs"}, m_folder.path()), "Sink Input #");
}

int PrivatePulseAudio::playingStreamCount() const
{
    return CountLines(Output({"pactl", "list", "sink-inputs"}, m_folder.path()), "Corked: no");
}

std::vector<int> PrivatePulseAudio::streamNumbers() const
{
    const std::string listing = Output({"pactl", "list", "short", "sink-inputs"}, m_folder.path());
    std::vector<int> numbers;
    std::size_t line = 0;
    while (line < listing.size()) {
        const std::size_t end = std::min(listing.find('\n', line), listing.size());
        if (end > line)
            numbers.push_back(std::atoi(listing.c_str() + line));
        line = end + 1;
    }
    return numbers;
}

bool PrivatePulseAudio::waitForPlayingStreams(int count, std::chrono::milliseconds limit) const
{
    return WaitUntil([&] { return playingStreamCount() == count; }, limit, 50ms);
}

std::vector<short> PrivatePulseAudio::record(std::chrono::milliseconds duration) const
{
    const std::filesystem::path file = m_folder.path() / "recording.raw";
    std::error_code error;
    const std::uintmax_t start = std::filesystem::file_size(file, error);
    std::this_thread::sleep_for(duration);
    const std::string bytes = TemporaryFolder::read(file);
    const std::size_t from = error ? bytes.size() : std::min<std::size_t>(start & ~std::uintmax_t{1}, bytes.size());
    std::vector<short> samples((bytes.size() - from) / 2);
    for (std::size_t index = 0; index < samples.size(); ++index)
        samples[index] = static_cast<short>(static_cast<unsigned char>(bytes[from + 2 * index])
                                            | static_cast<unsigned char>(bytes[from + 2 * index + 1]) << 8);
    return samples;
}

double SoundShare(const std::vector<short>& samples)
{
    constexpr std::size_t Stretch = 400; // 50 ms at 8000 samples a second
    constexpr double Quiet = 300.0;      // well above the noise of silence, far below a test tone
    const std::size_t stretches = samples.size() / Stretch;
    if (stretches == 0)
        return 0.0;
    std::size_t loud = 0;
    for (std::size_t stretch = 0; stretch < stretches; ++stretch) {
        double energy = 0.0;
        for (std::size_t index = stretch * Stretch; index < (stretch + 1) * Stretch; ++index)
            energy += static_cast<double>(samples[index]) * samples[index];
        if (std::sqrt(energy / Stretch) > Quiet)
            ++loud;
    }
    return static_cast<double>(loud) / static_cast<double>(stretches);
}
