#pragma once

#include <filesystem>

// The folder that holds the running program's executable (from /proc/self/exe), never found
// through PATH; the shell looks for the engine here. Empty when the kernel cannot tell.
std::filesystem::path ProgramFolder();
