#pragma once

#include <chrono>
#include <functional>

// Asks the condition every `step` until it holds or `limit` has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
               std::chrono::milliseconds step = std::chrono::milliseconds(20));
