#include "engine/glut_callbacks.h"

#include "engine/engine_clock.h"
#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "platform/gl/swap_interval.h"

#include <GL/freeglut.h>

void onDisplay()
{
    nowMs = EngineMilliseconds();
    frame();
    glutSwapBuffers();
}

void onIdle()
{
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
        exitRequestTime = rideTime > 0 ? rideTime : 1e-6;
}

void onPointerMotion(int, int)
{
}

int runEngine(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    // Without a window manager the full-screen request alone leaves the window off the corner
    // and at its default size for the first frame; ask for the whole screen from the start.
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutCreateWindow("Tavrolin_VC");
    glutFullScreen();
    RequestSwapInterval(1);

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
