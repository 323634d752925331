#pragma once

#include <chrono>
#include <filesystem>

// Sound files made on the spot with GStreamer's command-line tool: a steady test tone of about
// the given length, rounded up to whole buffers of 1024 samples at 44.1 kHz (about 23 ms each);
// a length of 0 gives a file with no sound in it at all. Throws when the file cannot be made.
void MakeWavTone(const std::filesystem::path& file, std::chrono::milliseconds length);
void MakeMp3Tone(const std::filesystem::path& file, std::chrono::milliseconds length);
