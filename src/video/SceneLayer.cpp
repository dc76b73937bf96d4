// Invariant: filled implies that texture is a live GL texture of
// textureWidth x textureHeight texels whose lower-left width x height texels
// are the viewport as drawn with the signature kept.

#include "video/SceneLayer.hpp"

#include "video/KeptGLState.hpp"
#include "video/PixelSpace.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

struct Viewport
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

Viewport currentViewport()
{
    GLint box[4] = {};
    glGetIntegerv(GL_VIEWPORT, box);
    return {box[0], box[1], box[2], box[3]};
}

int powerOfTwoAtLeast(int size)
{
    int result = 1;
    while (result < size)
        result *= 2;
    return result;
}

} // namespace

SceneLayer::~SceneLayer()
{
    if (texture != 0)
        glDeleteTextures(1, &texture);
}

bool SceneLayer::holds(std::uint64_t signature) const
{
    return fits() && kept == signature;
}

bool SceneLayer::fits() const
{
    const Viewport viewport = currentViewport();
    return filled && viewport.width == width && viewport.height == height;
}

void SceneLayer::redrawWithin(const Rectangl& area, const std::function<void()>& drawScene,
                              std::uint64_t signature)
{
    draw();
    kept = signature;
    const Viewport viewport = currentViewport();
    const auto [left, top, right, bottom] = pixelsOf(area);
    if (right <= left || bottom <= top)
        return;
    glPushAttrib(GL_SCISSOR_BIT);
    glEnable(GL_SCISSOR_TEST);
    // GL counts window rows from the bottom.
    glScissor(viewport.x + left, viewport.y + viewport.height - bottom, right - left, bottom - top);
    drawScene();
    glPopAttrib();
    GLint previousBinding = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousBinding);
    glBindTexture(GL_TEXTURE_2D, texture);
    filled = copyBox(left, viewport.height - bottom, right - left, bottom - top);
    glBindTexture(GL_TEXTURE_2D, GLuint(previousBinding));
}

Rectangl SceneLayer::pixelsOf(const Rectangl& area)
{
    if (area.right < area.left || area.bottom < area.top)
        return {};
    const Viewport viewport = currentViewport();
    const double across = viewport.width / 1024.0;
    const double down = viewport.height / 768.0;
    // Pieces may reach past the scene's edges; the box must not.
    return {std::max(0, int(std::floor(area.left * across))),
            std::max(0, int(std::floor(area.top * down))),
            std::min(viewport.width, int(std::ceil(area.right * across))),
            std::min(viewport.height, int(std::ceil(area.bottom * down)))};
}

bool SceneLayer::copyBox(int left, int bottom, int width, int height)
{
    while (glGetError() != GL_NO_ERROR)
    {
    }
    const Viewport viewport = currentViewport();
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, left, bottom, viewport.x + left, viewport.y + bottom,
                        width, height);
    return glGetError() == GL_NO_ERROR;
}

void SceneLayer::keep(std::uint64_t signature)
{
    filled = false;
    const Viewport viewport = currentViewport();
    if (viewport.width <= 0 || viewport.height <= 0)
        return;
    GLint previousBinding = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousBinding);
    if (texture == 0)
        glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (viewport.width > textureWidth || viewport.height > textureHeight)
    {
        textureWidth = powerOfTwoAtLeast(viewport.width);
        textureHeight = powerOfTwoAtLeast(viewport.height);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, textureWidth, textureHeight, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, nullptr);
    }
    const bool copied = copyBox(0, 0, viewport.width, viewport.height);
    glBindTexture(GL_TEXTURE_2D, GLuint(previousBinding));
    if (!copied)
    {
        textureWidth = textureHeight = 0;
        return;
    }
    width = viewport.width;
    height = viewport.height;
    kept = signature;
    filled = true;
}

void SceneLayer::draw() const
{
    if (!filled)
        return;
    const KeptGLState keptState(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const PixelSpace pixels(width, height);
    const float s = float(width) / float(textureWidth);
    const float t = float(height) / float(textureHeight);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2i(0, 0);
    glTexCoord2f(s, 0);
    glVertex2i(width, 0);
    glTexCoord2f(s, t);
    glVertex2i(width, height);
    glTexCoord2f(0, t);
    glVertex2i(0, height);
    glEnd();
}

} // namespace OpenGL
} // namespace VideoEngine
