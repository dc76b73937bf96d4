// The drawable picture. Invariant: textureId, when set, holds exactly the
// current pixels; every load releases it before filling the pixels anew.

#include "video/FastTextureData.hpp"

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

struct Corner
{
    float s, t, x, y;
};

// Sends the quad A, B, C, D as the two triangles A, B, C and C, D, A.
void drawQuad(std::uint32_t textureId, const Corner& a, const Corner& b, const Corner& c,
              const Corner& d)
{
    glBindTexture(GL_TEXTURE_2D, textureId);
    glBegin(GL_TRIANGLES);
    for (const Corner* corner : {&a, &b, &c, &c, &d, &a})
    {
        glTexCoord2f(corner->s, corner->t);
        glVertex2f(corner->x, corner->y);
    }
    glEnd();
}

} // namespace

FastTextureData::~FastTextureData()
{
    releaseTexture();
}

void FastTextureData::loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height)
{
    releaseTexture();
    TextureData::loadFromBitmap(bitmap, x, y, width, height);
    upload();
}

void FastTextureData::loadFromFile(const std::string& name, int x, int y, int width, int height)
{
    generation = nextGeneration();
    releaseTexture();
    if (name.empty())
        return;
    ITextureData::loadFromFile(name, x, y, width, height);
    upload();
}

void FastTextureData::drawPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom,
                               int destLeft, int destTop, int destRight, int destBottom,
                               bool mirror, float)
{
    if (textureId == noTexture)
        return;
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
    drawQuad(textureId, {s0, t0, left, top}, {s1, t0, right, top}, {s1, t1, right, bottom},
             {s0, t1, left, bottom});
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

void FastTextureData::draw(int x, int y, bool mirror, float scale)
{
    if (textureId == noTexture)
        return;
    float sLeft = 0.0f;
    float sRight = float(imageWidth) / float(textureWidth);
    if (mirror)
        std::swap(sLeft, sRight);
    const float left = float(x);
    const float top = float(y);
    const float right = left + float(imageWidth) * scale;
    const float bottom = top + float(textureHeight) * scale;
    drawQuad(textureId, {sLeft, 0.0f, left, top}, {sRight, 0.0f, right, top},
             {sRight, 1.0f, right, bottom}, {sLeft, 1.0f, left, bottom});
}

} // namespace OpenGL
} // namespace VideoEngine
