// Saving the finished frame as a picture file. The read-back buffer and the
// FreeImage bitmap are owned by this function's locals and freed on every
// path.

#include "video/ScreenCapture.hpp"

#include "platform/AtomicFile.hpp"
#include "platform/GameLog.hpp"
#include "platform/Image.hpp"

#include <FreeImage.h>
#include <GL/gl.h>

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

// Writes the bitmap as a PNG file that appears whole or not at all, so that
// a picture viewer watching the folder never shows half a picture. False
// when it cannot be written.
bool savePng(FIBITMAP* bitmap, const std::string& fileName)
{
    const std::unique_ptr<FIMEMORY, MemoryCloser> memory(FreeImage_OpenMemory());
    BYTE* bytes = nullptr;
    DWORD size = 0;
    // The fastest compression: the capture holds up one frame.
    if (!memory || !FreeImage_SaveToMemory(FIF_PNG, bitmap, memory.get(), PNG_Z_BEST_SPEED) ||
        !FreeImage_AcquireMemory(memory.get(), &bytes, &size))
        return false;
    try
    {
        Platform::replaceFileAtomically(fileName,
                                        std::string(reinterpret_cast<const char*>(bytes), size));
        return true;
    }
    catch (const std::runtime_error&)
    {
        return false;
    }
}

} // namespace

bool saveScreen(const std::string& bmpFile, const std::string& pngFile)
{
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2];
    const int height = viewport[3];
    if (width <= 0 || height <= 0)
        return pngFile.empty();

    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> pixels(rowBytes * static_cast<std::size_t>(height));

    GLint previousAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    const GLenum error = glGetError();
    glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);
    Platform::logLine("OpenGL", 19)
        << " errno=" << static_cast<unsigned>(error) << Platform::endLine;
    if (error != GL_NO_ERROR)
    {
        Platform::logLine("OpenGL", __LINE__)
            << " Unable to read the frame back: no picture saved" << Platform::endLine;
        return false;
    }

    const Platform::BitmapPtr bitmap(FreeImage_AllocateT(FIT_BITMAP, width, height, 24, 0, 0, 0));
    if (!bitmap)
        return pngFile.empty();
    // Both OpenGL and FreeImage count rows from the bottom; only the byte
    // order within a pixel differs.
    for (int row = 0; row < height; ++row)
    {
        const std::uint8_t* source = pixels.data() + rowBytes * static_cast<std::size_t>(row);
        BYTE* target = FreeImage_GetScanLine(bitmap.get(), row);
        for (int column = 0; column < width; ++column, source += 3, target += 3)
        {
            target[FI_RGBA_RED] = source[0];
            target[FI_RGBA_GREEN] = source[1];
            target[FI_RGBA_BLUE] = source[2];
        }
    }
    FreeImage_Save(FIF_BMP, bitmap.get(), bmpFile.c_str(), 0);
    return pngFile.empty() || savePng(bitmap.get(), pngFile);
}

} // namespace OpenGL
} // namespace VideoEngine
