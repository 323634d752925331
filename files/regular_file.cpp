#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int OpenRegularFile(const std::filesystem::path& file)
{
    // Without O_NONBLOCK the open of a FIFO waits for a writer that may never come.
    const int descriptor = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return -1;
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        return -1;
    }
    const int flags = fcntl(descriptor, F_GETFL);
    if (flags >= 0)
        fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);
    return descriptor;
}

std::FILE* OpenRegularFileStream(const std::filesystem::path& file)
{
    const int descriptor = OpenRegularFile(file);
    if (descriptor < 0)
        return nullptr;
    std::FILE* stream = fdopen(descriptor, "rb");
    if (!stream)
        close(descriptor);
    return stream;
}
