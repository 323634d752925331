#pragma once

// The one QApplication that widget tests need, made on first use and kept for the whole run.
// Tests run on Qt's offscreen platform, so nothing reaches a real display. Text is drawn in DejaVu
// Sans, never the machine's default face, which changes with the fonts installed.
void EnsureApplication();
