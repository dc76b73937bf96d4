// The stand-in is composed in a 32-bit bitmap, top row first in our
// coordinates (FreeImage counts scan lines from the bottom).

#include "video/StandInPicture.hpp"

#include "platform/Image.hpp"

#include <FreeImage.h>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

constexpr int corner = 16;
constexpr int period = 16;

// The 32-bit picture of the file; throws when it cannot be read.
Platform::BitmapPtr readPicture(const std::string& fileName)
{
    std::string why;
    const Platform::BitmapPtr loaded =
        Platform::loadImage(fileName, Platform::gamePicture, why);
    Platform::BitmapPtr picture(loaded ? FreeImage_ConvertTo32Bits(loaded.get()) : nullptr);
    if (!picture)
        throw std::invalid_argument("Unable to load " + fileName);
    return picture;
}

BYTE* pixel(FIBITMAP* bitmap, int x, int y)
{
    const int height = int(FreeImage_GetHeight(bitmap));
    return FreeImage_GetScanLine(bitmap, height - 1 - y) + 4 * x;
}

// Where a coordinate of a side of length size takes its pixel from on the
// source's side of length source: each half from its own corner, the edges
// repeated from there.
int sourceAt(int at, int size, int source)
{
    const bool nearHalf = at < size / 2;
    const int d = nearHalf ? at : size - 1 - at;
    const int from = d < corner ? d : corner + (d - corner) % period;
    return nearHalf ? from : source - 1 - from;
}

// Lays the top picture over the one below, by the top's alpha.
void over(BYTE* below, const BYTE* top)
{
    const int a = top[FI_RGBA_ALPHA];
    const int b = below[FI_RGBA_ALPHA] * (255 - a) / 255;
    const int alpha = a + b;
    if (alpha == 0)
        return;
    for (int channel : {FI_RGBA_RED, FI_RGBA_GREEN, FI_RGBA_BLUE})
        below[channel] = BYTE((top[channel] * a + below[channel] * b) / alpha);
    below[FI_RGBA_ALPHA] = BYTE(alpha);
}

} // namespace

std::shared_ptr<FastTextureData> standInPicture(const std::string& fileName, int width, int height,
                                                bool mirrored)
{
    if (width < 1 || height < 1 || width > largestStandIn || height > largestStandIn)
        throw std::invalid_argument("No stand-in of " + std::to_string(width) + " x " +
                                    std::to_string(height) + " for " + fileName);
    const Platform::BitmapPtr box = readPicture("BMP/gallery/standin-box.png");
    const Platform::BitmapPtr mark = readPicture("BMP/gallery/standin-mark.png");
    const int boxWidth = int(FreeImage_GetWidth(box.get()));
    const int boxHeight = int(FreeImage_GetHeight(box.get()));
    if (boxWidth < 2 * corner + period || boxHeight < 2 * corner + period)
        throw std::invalid_argument("Unable to load BMP/gallery/standin-box.png: too small");

    const Platform::BitmapPtr picture(FreeImage_Allocate(width, height, 32));
    if (!picture)
        throw std::runtime_error("Out of memory for a stand-in of " + fileName);
    std::vector<int> columns(std::size_t(width), 0);
    for (int x = 0; x < width; ++x)
        columns[std::size_t(x)] = sourceAt(x, width, boxWidth);
    for (int y = 0; y < height; ++y)
    {
        const BYTE* from = pixel(box.get(), 0, sourceAt(y, height, boxHeight));
        BYTE* to = pixel(picture.get(), 0, y);
        for (int x = 0; x < width; ++x)
            std::copy_n(from + 4 * columns[std::size_t(x)], 4, to + 4 * x);
    }

    const int side = std::min(width, height) * 3 / 4;
    const Platform::BitmapPtr sized(
        side > 0 ? FreeImage_Rescale(mark.get(), side, side, FILTER_BILINEAR) : nullptr);
    if (sized)
    {
        const int left = (width - side) / 2;
        const int top = (height - side) / 2;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                over(pixel(picture.get(), left + x, top + y),
                     pixel(sized.get(), mirrored ? side - 1 - x : x, y));
    }

    auto data = std::make_shared<FastTextureData>();
    data->loadFromBitmap(picture.get(), 0, 0, 0, 0);
    data->fileName = fileName;
    return data;
}

} // namespace OpenGL
} // namespace VideoEngine
