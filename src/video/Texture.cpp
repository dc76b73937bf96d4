// Placed, mirrored, scaled and tinted pictures. Copies of a Texture share
// their data; the tint factors change only through nextColor and
// previousColor.

#include "video/Texture.hpp"

#include "platform/GameLog.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/KeptGLState.hpp"

#include <GL/gl.h>
#include <cassert>
#include <stdexcept>
#include <type_traits>

namespace VideoEngine
{
namespace OpenGL
{

namespace
{

// The factor of a channel under its rule: full, dimmed by the step within
// its family, or (for any other rule) unchanged.
void applyRule(std::int32_t rule, std::int32_t step, float& factor)
{
    if (rule == 0)
        factor = 1.0f;
    else if (rule == 1)
        factor = static_cast<float>(9 - step % 10) * 0.1f;
}

// Picture data for the file: shared with every other picture of that file
// where the data can be (see sharedPicture), else a fresh load. Never loads
// over data someone else may hold.
template <class T> std::shared_ptr<T> pictureData(const std::string& fileName)
{
    if constexpr (std::is_same_v<T, FastTextureData>)
    {
        if (!fileName.empty())
            return sharedPicture(fileName);
    }
    auto data = std::make_shared<T>();
    data->loadFromFile(fileName, 0, 0, 0, 0);
    return data;
}

} // namespace

template <class T> Texture<T>::Texture() : data(std::make_shared<T>()) {}

template <class T> Texture<T>::Texture(const std::string& fileName) : Texture()
{
    data = pictureData<T>(fileName);
    red = green = blue = 1.0f;
}

template <class T> void Texture<T>::load(const std::string& fileName)
{
    data = pictureData<T>(fileName);
    position = Position{};
}

template <class T> void Texture<T>::draw() const
{
    drawAt(position.x, position.y);
}

template <class T> void Texture<T>::drawAt(int x, int y) const
{
    if (!data)
        return;
    const KeptGLState kept(GL_CURRENT_BIT);
    glColor4f(red, green, blue, 1.0f);
    data->draw(x, y, mirror, scale());
}

template <>
void Texture<FastTextureData>::drawPart(int sourceLeft, int sourceTop, int sourceRight,
                                        int sourceBottom, int destLeft, int destTop, int destRight,
                                        int destBottom) const
{
    if (!data)
        return;
    const KeptGLState kept(GL_CURRENT_BIT);
    glColor4f(red, green, blue, 1.0f);
    data->drawPart(sourceLeft, sourceTop, sourceRight, sourceBottom, destLeft, destTop, destRight,
                   destBottom, mirror);
}

template <class T> Rectangl Texture<T>::textureRect() const
{
    assert(data && "textureRect needs picture data: load the texture first");
    return Rectangl{position.x, position.y, position.x + std::int32_t(data->textureWidth),
                    position.y + std::int32_t(data->textureHeight)};
}

template <class T> Rectangl Texture<T>::imageRect() const
{
    assert(data && "imageRect needs picture data: load the texture first");
    return Rectangl{position.x, position.y, position.x + std::int32_t(data->imageWidth),
                    position.y + std::int32_t(data->imageHeight)};
}

template <class T> void Texture<T>::nextColor()
{
    tint(colorChanger.next(), 666, 682);
}

template <class T> void Texture<T>::previousColor()
{
    tint(colorChanger.previous(), 706, 722);
}

template <class T> void Texture<T>::tint(const ColorMode& rules, int rulesLine, int factorsLine)
{
    Platform::logLine("OpenGL", rulesLine)
        << " chg=(" << rules[0] << ", " << rules[1] << ", " << rules[2] << ")" << Platform::endLine;
    applyRule(rules[0], colorChanger.step, red);
    applyRule(rules[1], colorChanger.step, green);
    applyRule(rules[2], colorChanger.step, blue);
    Platform::logLine("OpenGL", factorsLine)
        << " color=(" << red << ", " << green << ", " << blue << ")" << Platform::endLine;
}

template class Texture<FastTextureData>;
template class Texture<FrameTextureData>;

} // namespace OpenGL
} // namespace VideoEngine
