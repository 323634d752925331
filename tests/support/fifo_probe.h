#pragma once

#include <filesystem>
#include <functional>

// Makes a FIFO at the path and runs `read` on another thread. True when it returned within a
// generous limit with nobody writing; otherwise the FIFO is opened for writing and closed, so a
// reader blocked on it ends, and the answer is false.
bool ReturnsWithoutAWriter(const std::filesystem::path& fifo, const std::function<void()>& read);
