#include "video/PixelSpace.hpp"

#include <GL/gl.h>

namespace VideoEngine
{
namespace OpenGL
{

PixelSpace::PixelSpace(int width, int height)
{
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

PixelSpace::~PixelSpace()
{
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GLenum(matrixMode));
}

} // namespace OpenGL
} // namespace VideoEngine
