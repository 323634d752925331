#include "tests/support/test_media.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

void Make(const std::filesystem::path& file, std::chrono::milliseconds length, const std::string& encoder)
{
    const long long buffers = (length.count() * 44100 / 1000 + 1023) / 1024;
    const std::string command = "gst-launch-1.0 -q audiotestsrc num-buffers=" + std::to_string(buffers) + " ! "
        + encoder + " ! filesink location='" + file.string() + "' >/dev/null 2>&1";
    if (file.string().find('\'') != std::string::npos || std::system(command.c_str()) != 0
        || !std::filesystem::exists(file))
        throw std::runtime_error("cannot make the test sound " + file.string());
}

}

void MakeWavTone(const std::filesystem::path& file, std::chrono::milliseconds length)
{
    Make(file, length, "wavenc");
}

void MakeMp3Tone(const std::filesystem::path& file, std::chrono::milliseconds length)
{
    Make(file, length, "audioconvert ! lamemp3enc ! id3v2mux");
}
