#include "video/SceneTarget.hpp"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdlib>
#include <cstring>

namespace VideoEngine
{
namespace OpenGL
{

SceneTarget::~SceneTarget()
{
    if (framebuffer != 0)
        glDeleteFramebuffers(1, &framebuffer);
    if (colour != 0)
        glDeleteRenderbuffers(1, &colour);
}

bool SceneTarget::framebuffersOffered()
{
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version && std::atoi(version) >= 3)
        return true;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions && std::strstr(extensions, "GL_ARB_framebuffer_object");
}

bool SceneTarget::begin()
{
    if (failed)
        return false;
    if (framebuffer == 0)
    {
        if (!framebuffersOffered())
        {
            failed = true;
            return false;
        }
        GLint previousColour = 0;
        glGetIntegerv(GL_RENDERBUFFER_BINDING, &previousColour);
        glGenFramebuffers(1, &framebuffer);
        glGenRenderbuffers(1, &colour);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 1024, 768);
        glBindRenderbuffer(GL_RENDERBUFFER, GLuint(previousColour));
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousDraw);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
        glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  colour);
        failed = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE;
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(previousDraw));
        if (failed)
            return false;
    }
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousDraw);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glViewport(0, 0, 1024, 768);
    return true;
}

void SceneTarget::end()
{
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(previousDraw));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(previousRead));
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

} // namespace OpenGL
} // namespace VideoEngine
