#include "PictureFiles.hpp"

#include <FreeImage.h>
#include <fstream>
#include <stdexcept>

namespace PalaceTests
{

void writePicture(const std::string& fileName, int width, int height, Colour colour,
                  const Opaque& opaque)
{
    const int bpp = opaque ? 32 : 24;
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, bpp);
    if (!bitmap)
        throw std::runtime_error("cannot allocate a picture");
    for (int y = 0; y < height; ++y)
    {
        // FreeImage counts scan lines from the bottom.
        BYTE* line = FreeImage_GetScanLine(bitmap, height - 1 - y);
        for (int x = 0; x < width; ++x)
        {
            BYTE* pixel = line + x * bpp / 8;
            pixel[FI_RGBA_RED] = colour.r;
            pixel[FI_RGBA_GREEN] = colour.g;
            pixel[FI_RGBA_BLUE] = colour.b;
            if (opaque)
                pixel[FI_RGBA_ALPHA] = opaque(x, y) ? 255 : 0;
        }
    }
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(fileName.c_str());
    const bool saved =
        FreeImage_Save(format == FIF_UNKNOWN ? FIF_PNG : format, bitmap, fileName.c_str(), 0) != 0;
    FreeImage_Unload(bitmap);
    if (!saved)
        throw std::runtime_error("cannot write " + fileName);
}

void writeText(const std::string& fileName, const std::string& text)
{
    std::ofstream out(fileName, std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + fileName);
}

SoundRecorder::SoundRecorder()
{
    Platform::setSoundSink([this](const std::string& fileName) { played.push_back(fileName); });
}

SoundRecorder::~SoundRecorder()
{
    Platform::setSoundSink({});
}

} // namespace PalaceTests
