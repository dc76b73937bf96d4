// Saving the finished frame as a picture file. The read-back buffer and the
// FreeImage bitmap are owned by this function's locals and freed on every
// path.

#include "output/ScreenCapture.hpp"

#include "platform/AtomicFile.hpp"
#include "platform/GameLog.hpp"
#include "platform/Image.hpp"
#include "video/KeptGLState.hpp"

#include <FreeImage.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

struct MemoryCloser
{
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

// The bitmap as the bytes of a file of the format; empty when FreeImage
// cannot write it.
std::string encode(FIBITMAP* bitmap, FREE_IMAGE_FORMAT format, int flags)
{
    const std::unique_ptr<FIMEMORY, MemoryCloser> memory(FreeImage_OpenMemory());
    BYTE* bytes = nullptr;
    DWORD size = 0;
    if (!memory || !FreeImage_SaveToMemory(format, bitmap, memory.get(), flags) ||
        !FreeImage_AcquireMemory(memory.get(), &bytes, &size))
        return std::string();
    return std::string(reinterpret_cast<const char*>(bytes), size);
}

// The fastest compression: a capture holds up one frame.
std::string encodePng(FIBITMAP* bitmap)
{
    return encode(bitmap, FIF_PNG, PNG_Z_BEST_SPEED);
}

// Writes the bytes as a new file named after stem (see
// Platform::writeNewFileAtomically), so that a picture viewer watching the
// folder never shows half a picture and no file is ever written over.
// Returns its name; empty when there are no bytes or it cannot be written.
std::string saveNew(const std::string& bytes, const std::string& stem, const char* extension)
{
    if (bytes.empty())
        return std::string();
    try
    {
        return Platform::writeNewFileAtomically(stem, extension, bytes);
    }
    catch (const std::runtime_error&)
    {
        return std::string();
    }
}

// Reads the viewport's pixels, rows from the bottom, three bytes each, and
// logs the GL error code. False, with the failure logged, when the read-back
// failed.
bool readViewport(std::vector<std::uint8_t>& pixels, int& width, int& height)
{
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    width = viewport[2];
    height = viewport[3];
    if (width <= 0 || height <= 0)
        return false;
    pixels.assign(std::size_t(width) * 3 * std::size_t(height), 0);
    GLint previousAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    const GLenum error = glGetError();
    glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);
    Platform::logLine("OpenGL", 19)
        << " errno=" << static_cast<unsigned>(error) << Platform::endLine;
    if (error == GL_NO_ERROR)
        return true;
    Platform::logLine("OpenGL", 20)
        << " Unable to read the frame back: no picture saved" << Platform::endLine;
    return false;
}

// A 24-bit bitmap of width x height whose pixel (column, row) is pixel(column,
// row, rgb); null when FreeImage cannot make one.
template <class Pixel> Platform::BitmapPtr makeBitmap(int width, int height, Pixel pixel)
{
    Platform::BitmapPtr bitmap(FreeImage_AllocateT(FIT_BITMAP, width, height, 24, 0, 0, 0));
    if (!bitmap)
        return bitmap;
    // Both OpenGL and FreeImage count rows from the bottom; only the byte
    // order within a pixel differs.
    for (int row = 0; row < height; ++row)
    {
        BYTE* target = FreeImage_GetScanLine(bitmap.get(), row);
        for (int column = 0; column < width; ++column, target += 3)
        {
            std::uint8_t rgb[3];
            pixel(column, row, rgb);
            target[FI_RGBA_RED] = rgb[0];
            target[FI_RGBA_GREEN] = rgb[1];
            target[FI_RGBA_BLUE] = rgb[2];
        }
    }
    return bitmap;
}

} // namespace

ScreenFiles saveScreen(const std::string& bmpStem, const std::string& pngStem)
{
    std::vector<std::uint8_t> pixels;
    int width = 0, height = 0;
    if (!readViewport(pixels, width, height))
        return ScreenFiles();
    const Platform::BitmapPtr bitmap = makeBitmap(
        width, height,
        [&](int column, int row, std::uint8_t* rgb)
        {
            std::copy_n(&pixels[(std::size_t(row) * std::size_t(width) + std::size_t(column)) * 3],
                        3, rgb);
        });
    if (!bitmap)
        return ScreenFiles();
    ScreenFiles files;
    if (!bmpStem.empty())
        files.bmp = saveNew(encode(bitmap.get(), FIF_BMP, BMP_DEFAULT), bmpStem, ".bmp");
    if (!pngStem.empty())
        files.png = saveNew(encodePng(bitmap.get()), pngStem, ".png");
    return files;
}

bool saveThumbnail(SceneTarget& target, const ScenePictures& scene, const std::string& pngFile,
                   int width, int height)
{
    if (!target.begin())
        return false;
    {
        const KeptGLState kept(GL_COLOR_BUFFER_BIT);
        glClearColor(1.0f, 1.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    scene.drawWhole();
    std::vector<std::uint8_t> pixels;
    int sourceWidth = 0, sourceHeight = 0;
    const bool read = readViewport(pixels, sourceWidth, sourceHeight);
    target.end();
    if (!read)
        return false;
    // Each pixel is the average of the block of the scene it stands for.
    const Platform::BitmapPtr bitmap = makeBitmap(
        width, height,
        [&](int column, int row, std::uint8_t* rgb)
        {
            const int left = column * sourceWidth / width;
            const int right = std::max(left + 1, (column + 1) * sourceWidth / width);
            const int bottom = row * sourceHeight / height;
            const int top = std::max(bottom + 1, (row + 1) * sourceHeight / height);
            unsigned sum[3] = {};
            for (int y = bottom; y < top; ++y)
                for (int x = left; x < right; ++x)
                    for (int c = 0; c < 3; ++c)
                        sum[c] +=
                            pixels[(std::size_t(y) * std::size_t(sourceWidth) + std::size_t(x)) *
                                       3 +
                                   std::size_t(c)];
            const unsigned count = unsigned((right - left) * (top - bottom));
            for (int c = 0; c < 3; ++c)
                rgb[c] = std::uint8_t((sum[c] + count / 2) / count);
        });
    const std::string png = bitmap ? encodePng(bitmap.get()) : std::string();
    if (png.empty())
        return false;
    try
    {
        // A stale thumbnail is replaced, whole.
        Platform::replaceFileAtomically(pngFile, png);
        return true;
    }
    catch (const std::runtime_error&)
    {
        return false;
    }
}

} // namespace OpenGL
} // namespace VideoEngine
