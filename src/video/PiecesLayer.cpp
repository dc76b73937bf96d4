// Invariant: filled implies that framebuffer draws into texture, of
// (left + width) x (bottom + height) texels, whose top right width x height
// texels hold the pieces kept, drawn into the viewport of that place and
// size over transparent black with premultiplied alpha. failed is for good:
// the layer is never tried again.

#include "video/PiecesLayer.hpp"

#include "video/KeptGLState.hpp"
#include "video/PixelSpace.hpp"
#include "video/SceneLayer.hpp"
#include "video/SceneTarget.hpp"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace VideoEngine
{
namespace OpenGL
{

PiecesLayer::~PiecesLayer()
{
    if (framebuffer != 0)
        glDeleteFramebuffers(1, &framebuffer);
    if (texture != 0)
        glDeleteTextures(1, &texture);
}

bool PiecesLayer::draw(const PictureBatch& pieces)
{
    if (failed)
        return false;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] <= 0 || viewport[3] <= 0)
        return false;
    const KeptGLState state(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_SCISSOR_BIT |
                            GL_TEXTURE_BIT | GL_TRANSFORM_BIT);
    while (glGetError() != GL_NO_ERROR)
    {
    }
    if (framebuffer == 0 || viewport[0] != left || viewport[1] != bottom ||
        viewport[2] != width || viewport[3] != height)
    {
        filled = false;
        left = viewport[0];
        bottom = viewport[1];
        width = viewport[2];
        height = viewport[3];
        if (!make())
        {
            failed = true;
            return false;
        }
    }
    // Only where the pieces came, went or changed, when they keep their order.
    Rectangl area;
    if (!filled || !pieces.changedArea(kept, area))
        fill(pieces, {0, 0, width, height});
    else if (area.left <= area.right)
    {
        const Rectangl box = SceneLayer::pixelsOf(area);
        if (box.left < box.right && box.top < box.bottom)
            fill(pieces, box);
    }
    if (glGetError() != GL_NO_ERROR)
    {
        failed = true;
        filled = false;
        return false;
    }
    kept = pieces;
    filled = true;
    // The box around all pieces: where they differ from no pieces at all.
    Rectangl all;
    pieces.changedArea(PictureBatch(), all);
    compose(SceneLayer::pixelsOf(all));
    return true;
}

bool PiecesLayer::make()
{
    if (!SceneTarget::framebuffersOffered())
        return false;
    if (texture == 0)
        glGenTextures(1, &texture);
    if (framebuffer == 0)
        glGenFramebuffers(1, &framebuffer);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, left + width, bottom + height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    GLint previousDraw = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousDraw);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    const bool complete =
        glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(previousDraw));
    return complete && glGetError() == GL_NO_ERROR;
}

// Premultiplied: each piece adds its colour times its alpha and covers that
// much of what lies under it, in colour and in alpha alike.
void PiecesLayer::fill(const PictureBatch& pieces, const Rectangl& box) const
{
    GLint previousDraw = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousDraw);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glEnable(GL_SCISSOR_TEST);
    // GL counts rows from the bottom.
    glScissor(left + box.left, bottom + height - box.bottom, box.right - box.left,
              box.bottom - box.top);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    pieces.draw();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(previousDraw));
}

void PiecesLayer::compose(const Rectangl& box) const
{
    if (box.right <= box.left || box.bottom <= box.top)
        return;
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    // Transparent texels leave the pixels under them as they are.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const PixelSpace pixels(width, height);
    // GL counts rows from the bottom.
    const int x[] = {box.left, box.right}, y[] = {height - box.bottom, height - box.top};
    glBegin(GL_QUADS);
    for (int corner : {0, 1, 3, 2})
    {
        const int across = x[corner % 2], up = y[corner / 2];
        glTexCoord2f(float(left + across) / float(left + width),
                     float(bottom + up) / float(bottom + height));
        glVertex2i(across, up);
    }
    glEnd();
}

} // namespace OpenGL
} // namespace VideoEngine
