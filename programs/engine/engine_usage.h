#pragma once

#include <optional>

// Answers --help and --version, the only arguments the engine itself reads: prints the text and
// gives the exit status. Empty for anything else, which is left to the ride (and to GLUT) as is.
std::optional<int> AnswerEngineUsage(int argc, const char* const* argv);
