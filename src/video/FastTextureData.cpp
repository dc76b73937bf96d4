// The drawable picture. Invariant: textureId, when set, holds exactly the
// current pixels; every load releases it before filling the pixels anew.

#include "video/FastTextureData.hpp"

#include <algorithm>

#include <GL/gl.h>
#include <initializer_list>
#include <iterator>
#include <map>
#include <utility>

namespace VideoEngine
{
namespace OpenGL
{

namespace
{

void drawQuad(std::uint32_t textureId, const Quad& quad)
{
    glBindTexture(GL_TEXTURE_2D, textureId);
    glBegin(GL_TRIANGLES);
    sendQuad(quad);
    glEnd();
}

} // namespace

void sendQuad(const Quad& quad)
{
    for (int corner : {0, 1, 2, 2, 3, 0})
    {
        glTexCoord2f(quad[corner].s, quad[corner].t);
        glVertex2f(quad[corner].x, quad[corner].y);
    }
}

FastTextureData::~FastTextureData()
{
    releaseTexture();
}

void FastTextureData::loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height)
{
    releaseTexture();
    TextureData::loadFromBitmap(bitmap, x, y, width, height);
    upload();
    // The GL keeps its own copy; nothing reads these again.
    pixels.reset();
}

void FastTextureData::loadFromFile(const std::string& name, int x, int y, int width, int height)
{
    generation = nextGeneration();
    if (name.empty())
    {
        releaseTexture();
        return;
    }
    // Filling the pixels releases the old texture; a file that cannot be
    // read leaves it.
    ITextureData::loadFromFile(name, x, y, width, height);
    upload();
}

std::shared_ptr<FastTextureData> sharedPicture(const std::string& fileName)
{
    static std::map<std::string, std::weak_ptr<FastTextureData>> held;
    if (std::shared_ptr<FastTextureData> data = held[fileName].lock())
        return data;
    for (auto it = held.begin(); it != held.end();)
        it = it->second.expired() && it->first != fileName ? held.erase(it) : std::next(it);
    auto data = std::make_shared<FastTextureData>();
    data->loadFromFile(fileName, 0, 0, 0, 0);
    held[fileName] = data;
    return data;
}

void FastTextureData::drawPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom,
                               int destLeft, int destTop, int destRight, int destBottom,
                               bool mirror)
{
    Quad quad;
    if (partQuad(sourceLeft, sourceTop, sourceRight, sourceBottom, destLeft, destTop, destRight,
                 destBottom, mirror, quad))
        drawQuad(textureId, quad);
}

void FastTextureData::draw(int x, int y, bool mirror, float scale)
{
    Quad quad;
    if (wholeQuad(x, y, mirror, scale, quad))
        drawQuad(textureId, quad);
}

bool FastTextureData::partQuad(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom,
                               int destLeft, int destTop, int destRight, int destBottom,
                               bool mirror, Quad& quad) const
{
    if (textureId == noTexture)
        return false;
    const float width = float(textureWidth);
    const float height = float(textureHeight);
    float s0 = float(sourceLeft) / width;
    float s1 = float(sourceRight) / width;
    if (mirror)
    {
        s0 = (float(imageWidth) - float(sourceLeft)) / width;
        s1 = (float(imageWidth) - float(sourceRight)) / width;
    }
    const float t0 = float(sourceTop) / height;
    const float t1 = float(sourceBottom) / height;
    const float left = float(destLeft);
    const float top = float(destTop);
    const float right = float(destRight);
    const float bottom = float(destBottom);
    quad = {{{s0, t0, left, top},
             {s1, t0, right, top},
             {s1, t1, right, bottom},
             {s0, t1, left, bottom}}};
    return true;
}

bool FastTextureData::wholeQuad(int x, int y, bool mirror, float scale, Quad& quad) const
{
    if (textureId == noTexture)
        return false;
    float sLeft = 0.0f;
    float sRight = float(imageWidth) / float(textureWidth);
    if (mirror)
        std::swap(sLeft, sRight);
    // The picture's rows and the one transparent row under them that its
    // bottom edge blends with; the rows further down are transparent and
    // would only cost the renderer work.
    const std::uint32_t rows = std::min(imageHeight + 1, textureHeight);
    const float tBottom = float(rows) / float(textureHeight);
    const float left = float(x);
    const float top = float(y);
    const float right = left + float(imageWidth) * scale;
    const float bottom = top + float(rows) * scale;
    quad = {{{sLeft, 0.0f, left, top},
             {sRight, 0.0f, right, top},
             {sRight, tBottom, right, bottom},
             {sLeft, tBottom, left, bottom}}};
    return true;
}

} // namespace OpenGL
} // namespace VideoEngine
