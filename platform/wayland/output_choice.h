#pragma once

#include <string>
#include <vector>

// Which of the outputs, by name in the compositor's order, a ride asked for by name rides on:
// its index; -1 for no wish (empty name: the compositor chooses); -2 when no output has that
// name. Names match exactly: "DP-1" is not "DP-10".
int ChooseOutput(const std::vector<std::string>& names, const std::string& wanted);
