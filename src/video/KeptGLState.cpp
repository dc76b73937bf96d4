#include "video/KeptGLState.hpp"

#include <GL/gl.h>

namespace VideoEngine
{
namespace OpenGL
{

KeptGLState::KeptGLState(unsigned attributeGroups)
{
    glPushAttrib(attributeGroups);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
}

KeptGLState::~KeptGLState()
{
    glBindTexture(GL_TEXTURE_2D, GLuint(texture));
    glPopAttrib();
}

} // namespace OpenGL
} // namespace VideoEngine
