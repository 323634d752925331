#include "engine/glut_callbacks.h"

#include "engine/engine_state.h"
#include "engine/display_pacing.h"
#include "engine/frame_loop.h"
#include "engine/ride_window.h"
#include "platform/gl/swap_interval.h"

#include <GL/freeglut.h>

void onDisplay()
{
    nowMs = glutGet(GLUT_ELAPSED_TIME);
    frame();
    glutSwapBuffers();
}

void onIdle()
{
    keepRideWindow();
    waitForNextFrame();
    glutPostRedisplay();
}

void onReshape(int width, int height)
{
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
}

void onKeyboard(unsigned char key, int, int)
{
    if (key != 27 && key != 'Q' && key != 'q')
        return;
    // A press before the first frame finds rideTime still 0, which would read as "no request".
    if (exitRequestTime == 0)
        exitRequestTime = rideTime > 0 ? rideTime : 1e-6f;
}

void onPointerMotion(int, int)
{
}

int runEngine(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    // Ask for the window's final place from the start, so that not even the first frame is
    // drawn at a default size or off the corner.
    const Monitor place = rideWindowPlace();
    glutInitWindowPosition(place.x, place.y);
    glutInitWindowSize(place.width, place.height);
    glutCreateWindow("Tavrolin_VC");
    setUpRideWindow();
    RequestSwapInterval(1);
    startPacing(place.x, place.y, place.width, place.height);

    glutKeyboardFunc(onKeyboard);
    glutPassiveMotionFunc(onPointerMotion);
    glutMotionFunc(onPointerMotion);
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutIdleFunc(onIdle);

    if (!initEngine())
        return 0;
    glutMainLoop();
    return 0;
}
