#pragma once

#include <string>

// With no session bus address, libdbus "autolaunches" a bus for whatever in the shell asks for
// one (Qt's accessibility and theme do): dbus-launch and a dbus-daemon that outlive the shell.
// The address to run with instead: empty to keep things as they are (an address is set, or the
// user's bus socket `runtimeDirectory`/bus is there for libdbus to find), otherwise one that
// connects nowhere and starts nothing.
std::string SessionBusAddress(const char* current, const char* runtimeDirectory);

// Applies SessionBusAddress to this process's environment; call before the Qt application exists.
void StartNoSessionBus();
