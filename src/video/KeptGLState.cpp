#include "video/KeptGLState.hpp"

#include <GL/gl.h>

namespace VideoEngine
{
namespace OpenGL
{

KeptGLState::KeptGLState(unsigned attributeGroups)
{
    glPushAttrib(attributeGroups);
}

KeptGLState::~KeptGLState()
{
    glPopAttrib();
}

} // namespace OpenGL
} // namespace VideoEngine
