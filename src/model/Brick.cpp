#include "model/Brick.hpp"

#include "video/FastTextureData.hpp"

#include <algorithm>
#include <utility>

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

Brick::Brick(const std::string& fileName) : image(fileName)
{
    screen = image.textureRect();
    source = Rectangl{0, 0, static_cast<std::int32_t>(image.data->imageWidth),
                      static_cast<std::int32_t>(image.data->imageHeight)};
    loadMask(fileName);
}

Brick::Brick(Picture picture, Rectangl screenRect, Rectangl sourceRect, bool clipped, Mask mask)
    : image(std::move(picture)), screen(screenRect), cut(clipped), source(sourceRect),
      hitMask(std::move(mask))
{
    if (hitMask.runs)
        hitMask.position = image.position;
}

double Brick::scale() const
{
    return static_cast<double>(image.size) * static_cast<double>(0.1f);
}

void Brick::setPosition(int x, int y)
{
    offset(screen, x - screen.left, y - screen.top);
    image.position = {x, y};
    if (hitMask.runs)
        hitMask.position = image.position;
}

void Brick::moveBy(int dx, int dy)
{
    offset(screen, dx, dy);
    image.position.x += dx;
    image.position.y += dy;
    if (hitMask.runs)
        hitMask.position = image.position;
}

void Brick::fitScreenRect()
{
    const Rectangl whole = image.imageRect();
    const double s = scale();
    screen.right = truncated((whole.right - whole.left) * s + screen.left);
    screen.bottom = truncated((whole.bottom - whole.top) * s + screen.top);
}

void Brick::setClipped(bool on)
{
    cut = on;
    if (on)
        return;
    const double s = scale();
    screen.left = truncated(screen.left - source.left * s);
    screen.top = truncated(screen.top - source.top * s);
    const Rectangl texture = image.textureRect();
    screen.right = screen.left + (texture.right - texture.left);
    screen.bottom = screen.top + (texture.bottom - texture.top);
    const Rectangl whole = image.imageRect();
    source = Rectangl{0, 0, whole.right - whole.left, whole.bottom - whole.top};
}

void Brick::clipTo(Rectangl shownPart, Rectangl shownIn)
{
    cut = true;
    source = shownPart;
    screen = shownIn;
}

void Brick::clipLeftOf(int edge)
{
    const double s = scale();
    const int d = edge - scaledRect(image.imageRect(), s).left;
    if (d < 0)
    {
        setClipped(false);
        return;
    }
    screen.left += d;
    source.left = static_cast<std::int32_t>(d / s + source.left);
    cut = true;
    // An empty rectangle at the edge instead of a reversed one, so that the
    // brick neither draws over what lies left of the edge nor reads picture
    // columns beyond its width.
    screen.right = std::max(screen.right, screen.left);
    source.left = std::min(source.left, source.right);
}

void Brick::toggleMirror()
{
    image.mirror = !image.mirror;
}

void Brick::setMirrored(bool on)
{
    image.mirror = on;
}

void Brick::nextColour()
{
    image.nextColor();
}

void Brick::previousColour()
{
    image.previousColor();
}

unsigned Brick::setSize(unsigned step)
{
    if (step > largestSize)
        step = largestSize;
    else if (step < smallestSize)
        step = smallestSize;
    image.size = step;
    screen = scaledRect(image.textureRect(), scale());
    return image.size;
}

unsigned Brick::grow()
{
    return setSize(image.size < largestSize ? image.size + 1 : largestSize);
}

unsigned Brick::shrink()
{
    return setSize(image.size > smallestSize ? image.size - 1 : smallestSize);
}

Rectangl Brick::box() const
{
    return cut ? screen : scaledRect(image.imageRect(), scale());
}

bool Brick::hitTest(int x, int y) const
{
    const double s = scale();
    if (!hitMask.runs)
        return contains(box(), x, y);
    if (cut && !contains(screen, x, y))
        return false;

    const int dx = x - hitMask.position.x;
    const int dy = y - hitMask.position.y;
    const Mask::Runs& runs = *hitMask.runs;
    auto run = runs.begin();
    while (run != runs.end() && truncated(run->row * s) < dy)
        ++run;
    for (; run != runs.end() && truncated(run->row * s) == dy; ++run)
    {
        const int a = image.mirror ? hitMask.width - run->end : run->first;
        const int b = image.mirror ? hitMask.width - run->first : run->end;
        if (a * s <= dx && dx <= b * s)
            return true;
    }
    return false;
}

void Brick::addTo(VideoEngine::OpenGL::PictureBatch& batch, bool clippingAllowed) const
{
    if (cut && clippingAllowed)
        batch.addPart(image, source.left, source.top, source.right, source.bottom, screen.left,
                      screen.top, screen.right, screen.bottom);
    else
        batch.add(image);
}

void Brick::loadMask(const std::string& fileName)
{
    hitMask.load(fileName + ".mask", image.data->imageWidth, image.data->imageHeight);
    if (hitMask.runs)
        hitMask.position = image.position;
}

void Brick::reload(const std::string& fileName)
{
    image.load(fileName);
    loadMask(fileName);
}

} // namespace PalaceBuild
} // namespace GameLogic
