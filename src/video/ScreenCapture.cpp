// Saving the finished frame as a picture file. The read-back buffer and the
// FreeImage bitmap are owned by this function's locals and freed on every
// path.

#include "video/ScreenCapture.hpp"

#include "platform/GameLog.hpp"
#include "platform/Image.hpp"

#include <FreeImage.h>
#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace VideoEngine
{
namespace OpenGL
{

void saveScreen(const std::string& fileName, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;

    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> pixels(rowBytes * static_cast<std::size_t>(height));

    GLint previousAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    const GLenum error = glGetError();
    glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);
    Platform::logLine("OpenGL", 19)
        << " errno=" << static_cast<unsigned>(error) << Platform::endLine;

    const Platform::BitmapPtr bitmap(FreeImage_AllocateT(FIT_BITMAP, width, height, 24, 0, 0, 0));
    if (!bitmap)
        return;
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
    FreeImage_Save(FIF_BMP, bitmap.get(), fileName.c_str(), 0);
}

} // namespace OpenGL
} // namespace VideoEngine
