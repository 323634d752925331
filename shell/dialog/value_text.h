#pragma once

#include <QString>

// The text under a slider for its position: "+v" above 0, "標準" at 0 (or its translation), "-v" below 0.
QString SliderValueText(int value);
