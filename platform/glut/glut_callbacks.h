#pragma once

// The ride on X11 through freeglut and GLX: the full-screen window "Tavrolin_VC" (or a window
// inside the manager's --window-id host), its GLUT callbacks and frame pacing. Runs frames until
// the ride ends the process; returns only when the ride could not start (the process status).
int RunGlutRide(int argc, char** argv);
