#include "Pictures.hpp"

#include <FreeImage.h>
#include <stdexcept>

namespace VideoTests
{

VideoEngine::OpenGL::BitmapPtr makeBitmap(unsigned width, unsigned height, unsigned depth,
                                          const Painter& paint)
{
    VideoEngine::OpenGL::BitmapPtr bitmap(FreeImage_Allocate(int(width), int(height), int(depth)));
    if (!bitmap)
        throw std::runtime_error("FreeImage_Allocate failed");
    const unsigned bytesPerPixel = depth / 8;
    for (unsigned y = 0; y < height; ++y)
    {
        BYTE* line = FreeImage_GetScanLine(bitmap.get(), int(height - 1 - y));
        for (unsigned x = 0; x < width; ++x)
        {
            const Color c = paint(x, y);
            BYTE* pixel = line + x * bytesPerPixel;
            pixel[FI_RGBA_RED] = c.r;
            pixel[FI_RGBA_GREEN] = c.g;
            pixel[FI_RGBA_BLUE] = c.b;
            if (bytesPerPixel == 4)
                pixel[FI_RGBA_ALPHA] = c.a;
        }
    }
    return bitmap;
}

void writePicture(const std::string& fileName, unsigned width, unsigned height, unsigned depth,
                  const Painter& paint)
{
    const auto bitmap = makeBitmap(width, height, depth, paint);
    const bool bmp = fileName.size() > 4 && fileName.compare(fileName.size() - 4, 4, ".bmp") == 0;
    if (!FreeImage_Save(bmp ? FIF_BMP : FIF_PNG, bitmap.get(), fileName.c_str(), 0))
        throw std::runtime_error("cannot save " + fileName);
}

void writePalettisedPicture(const std::string& fileName, unsigned width, unsigned height)
{
    VideoEngine::OpenGL::BitmapPtr bitmap(FreeImage_Allocate(int(width), int(height), 8));
    RGBQUAD* palette = FreeImage_GetPalette(bitmap.get());
    for (unsigned i = 0; i < 256; ++i)
        palette[i] = RGBQUAD{BYTE(i), 0, BYTE(255 - i), 0};
    if (!FreeImage_Save(FIF_PNG, bitmap.get(), fileName.c_str(), 0))
        throw std::runtime_error("cannot save " + fileName);
}

Color quadrants(unsigned width, unsigned height, unsigned x, unsigned y)
{
    const bool right = x >= width / 2;
    const bool bottom = y >= height / 2;
    if (!bottom)
        return right ? Color{0, 255, 0, 255} : Color{255, 0, 0, 255};
    return right ? Color{255, 255, 0, 255} : Color{0, 0, 255, 255};
}

} // namespace VideoTests
