// The smallest GLUT program that does what every frame of a full-screen saver must: a window,
// a clear and a swap. Its peak memory is the baseline for the engine's.
#include <GL/freeglut.h>

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutCreateWindow("minimal");
    glutDisplayFunc([] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    });
    glutIdleFunc(glutPostRedisplay);
    glutKeyboardFunc([](unsigned char, int, int) { glutLeaveMainLoop(); });
    glutMainLoop();
    return 0;
}
