#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Starts the program at an absolute path as a new process without a shell, with the given
// arguments (none by default), the caller's environment and current folder. Returns its process
// id, or -1 when it could not be started.
int StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments = {});

// True once the process started by StartProgram has ended (it is reaped here, so it never
// lingers as a zombie), and for a process id of -1. Never waits. exitStatus, when given, gets
// the status the process ended with, 128 + the signal's number when a signal ended it, -1 when
// unknown (never started, reaped elsewhere).
bool ProgramHasEnded(int processId, int* exitStatus = nullptr);
