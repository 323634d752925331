#pragma once

// The push button's five looks; the value indexes its colour table, always within 0..4.
enum class XPButtonState : int {
    Disabled = 0,
    Normal = 1,
    Focused = 2, // also the look of the container's default button
    Hot = 3,     // mouse over
    Pressed = 4,
};
