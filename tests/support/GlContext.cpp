#include "support/GlContext.hpp"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <stdexcept>

namespace TestSupport
{

GlContext::GlContext()
{
    static bool initialised = false;
    if (!initialised)
    {
        int argc = 1;
        char name[] = "tests";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        initialised = true;
    }
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    glutInitWindowSize(1024, 768);
    glutInitWindowPosition(0, 0);
    window = glutCreateWindow("tests");
    if (window <= 0)
        throw std::runtime_error("no GLUT window: is DISPLAY set?");
    glViewport(0, 0, 1024, 768);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, 1024, 768, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
}

GlContext::~GlContext()
{
    if (window > 0)
        glutDestroyWindow(window);
}

void GlContext::clear(float r, float g, float b)
{
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

Rgba GlContext::pixel(int x, int y) const
{
    glFinish();
    Rgba p{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, 767 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &p);
    return p;
}

} // namespace TestSupport
