#pragma once

#include "idle_source.h"

#include <cstdint>
#include <memory>
#include <string>

// Probes the session for its idle sources in the order ChooseIdleSource takes them and opens
// the first on offer, watching for timeoutMilliseconds without input. Null, with the one line
// saying why in `problem`, when the session offers none that may be used. Needs Qt's core
// application for the session bus.
std::unique_ptr<IdleSource> OpenIdleSource(std::uint32_t timeoutMilliseconds, std::string& problem);
