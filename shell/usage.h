#pragma once

#include <string>

// What the shell's arguments ask for, before anything else runs.
enum class CommandKind { Help, Version, Known, Unknown };

// --help or -h alone asks for the usage, --version alone for the version. Known: no arguments, a
// mode letter the shell acts on (P, C or S as the second character), or a hosted switch (-root,
// -window-id, each also with two dashes) anywhere; --stop or --background (with --output NAME)
// alone; --x11 and --output NAME beside the others. Anything else is Unknown.
CommandKind ClassifyCommand(int argc, const char* const* argv);

// The usage the shell prints for --help, in English, ending with a line break.
std::string ShellUsage();

// "Tavrolin <version>" and a line break.
std::string VersionLine();

// The one line on stderr for a text the shell does not know, pointing at --help.
std::string UnknownCommandLine(const std::string& commandText);

// The one line on stderr for ride options beside a command that is no ride (/c, /p, --stop,
// --help, --version), pointing at --help.
std::string MisplacedOptionLine(const std::string& commandText);
