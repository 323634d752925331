#pragma once

#include <optional>

// Answers --help and --version given alone: prints the text and gives the exit status. Empty for
// any other command line, which the engine's options take.
std::optional<int> AnswerEngineUsage(int argc, const char* const* argv);
