#pragma once

// The engine's window and GLUT callbacks. runEngine opens the full-screen window
// "Tavrolin_VC" and runs frames until the ride ends the process; it never returns normally.
int runEngine(int argc, char** argv);

void onDisplay();
void onIdle();
void onReshape(int width, int height);

// Esc, "Q" and "q" ask for the end of the ride; every other key is ignored.
void onKeyboard(unsigned char key, int x, int y);

// The pointer never affects or ends the ride.
void onPointerMotion(int x, int y);
