#include "fifo_probe.h"

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

bool ReturnsWithoutAWriter(const std::filesystem::path& fifo, const std::function<void()>& read)
{
    if (mkfifo(fifo.c_str(), 0600) != 0)
        return false;
    std::future<void> done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready)
        return true;
    // The reader waits in open() or read(): a writer that comes and goes releases either.
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            close(writer);
    }
    return false;
}
