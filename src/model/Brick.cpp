#include "model/Brick.hpp"

#include "video/FastTextureData.hpp"

namespace GameLogic
{
namespace PalaceBuild
{

using VideoEngine::OpenGL::Rectangl;

namespace
{

// Conversion back to screen units: truncation toward zero, never rounding.
std::int32_t truncated(double value)
{
    return static_cast<std::int32_t>(value);
}

void offset(Rectangl& rect, int dx, int dy)
{
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
}

} // namespace

Rectangl scaledRect(Rectangl rect, double factor)
{
    rect.right = truncated((rect.right - rect.left) * factor + rect.left);
    rect.bottom = truncated((rect.bottom - rect.top) * factor + rect.top);
    return rect;
}

Brick::Brick(const std::string& fileName) : picture(fileName)
{
    screenRect = picture.textureRect();
    sourceRect = Rectangl{0, 0, static_cast<std::int32_t>(picture.data->imageWidth),
                          static_cast<std::int32_t>(picture.data->imageHeight)};
    loadMask(fileName);
}

double Brick::scale() const
{
    return static_cast<double>(picture.size) * static_cast<double>(0.1f);
}

void Brick::setPosition(int x, int y)
{
    offset(screenRect, x - screenRect.left, y - screenRect.top);
    picture.position = {x, y};
    if (mask.runs)
        mask.position = picture.position;
}

void Brick::moveBy(int dx, int dy)
{
    offset(screenRect, dx, dy);
    picture.position.x += dx;
    picture.position.y += dy;
    if (mask.runs)
        mask.position = picture.position;
}

void Brick::fitScreenRect()
{
    const Rectangl image = picture.imageRect();
    const double s = scale();
    screenRect.right = truncated((image.right - image.left) * s + screenRect.left);
    screenRect.bottom = truncated((image.bottom - image.top) * s + screenRect.top);
}

void Brick::setClipped(bool on)
{
    clipped = on;
    if (on)
        return;
    const double s = scale();
    screenRect.left = truncated(screenRect.left - sourceRect.left * s);
    screenRect.top = truncated(screenRect.top - sourceRect.top * s);
    const Rectangl texture = picture.textureRect();
    screenRect.right = screenRect.left + (texture.right - texture.left);
    screenRect.bottom = screenRect.top + (texture.bottom - texture.top);
    const Rectangl image = picture.imageRect();
    sourceRect = Rectangl{0, 0, image.right - image.left, image.bottom - image.top};
}

unsigned Brick::setSize(unsigned step)
{
    if (step > largestSize)
        step = largestSize;
    else if (step < smallestSize)
        step = smallestSize;
    picture.size = step;
    screenRect = scaledRect(picture.textureRect(), scale());
    return picture.size;
}

unsigned Brick::grow()
{
    return setSize(picture.size < largestSize ? picture.size + 1 : largestSize);
}

unsigned Brick::shrink()
{
    return setSize(picture.size > smallestSize ? picture.size - 1 : smallestSize);
}

bool Brick::hitTest(int x, int y) const
{
    const double s = scale();
    if (!mask.runs)
    {
        const Rectangl area = clipped ? screenRect : scaledRect(picture.imageRect(), s);
        return contains(area, x, y);
    }
    if (clipped && !contains(screenRect, x, y))
        return false;

    const int dx = x - mask.position.x;
    const int dy = y - mask.position.y;
    const Mask::Runs& runs = *mask.runs;
    auto run = runs.begin();
    while (run != runs.end() && truncated(run->row * s) < dy)
        ++run;
    for (; run != runs.end() && truncated(run->row * s) == dy; ++run)
    {
        const int a = picture.mirror ? mask.width - run->end : run->first;
        const int b = picture.mirror ? mask.width - run->first : run->end;
        if (a * s <= dx && dx <= b * s)
            return true;
    }
    return false;
}

void Brick::addTo(VideoEngine::OpenGL::PictureBatch& batch, bool clippingAllowed) const
{
    if (clipped && clippingAllowed)
        batch.addPart(picture, sourceRect.left, sourceRect.top, sourceRect.right, sourceRect.bottom,
                      screenRect.left, screenRect.top, screenRect.right, screenRect.bottom);
    else
        batch.add(picture);
}

void Brick::loadMask(const std::string& fileName)
{
    mask.load(fileName + ".mask", picture.data->imageWidth, picture.data->imageHeight);
    if (mask.runs)
        mask.position = picture.position;
}

void Brick::reload(const std::string& fileName)
{
    picture.load(fileName);
    loadMask(fileName);
}

} // namespace PalaceBuild
} // namespace GameLogic
