// A picture region as padded RGBA rows, and the one GL texture made from them.
// Invariant: pixels holds textureWidth x textureHeight x 4 bytes, every size
// times pixelsPerUnit (the texture's pixels; the sizes are units), or is null
// (before the first load, or once a drawable picture has handed them to the
// GL); textureId is either noTexture or a live GL texture that only
// releaseTexture deletes.

#include "video/TextureData.hpp"

#include "platform/Image.hpp"

#include <FreeImage.h>
#include <GL/gl.h>
#include <cstring>
#include <stdexcept>
#include <string>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{
// The smallest power of two from 2 to 65536 that is not below value; throws
// std::invalid_argument "Too large" above 65536.
std::uint32_t nextPowerOfTwo(std::uint32_t value)
{
    for (std::uint32_t candidate = 2; candidate <= 65536; candidate *= 2)
    {
        if (candidate >= value)
            return candidate;
    }
    throw std::invalid_argument("Too large");
}

// Copies one picture row (FreeImage order blue, green, red[, alpha]) into one
// buffer row (red, green, blue, alpha); 24-bit pixels become opaque.
void convertRow(const BYTE* source, std::uint8_t* target, unsigned width, unsigned bytesPerPixel)
{
    for (unsigned column = 0; column < width; ++column)
    {
        target[0] = source[FI_RGBA_RED];
        target[1] = source[FI_RGBA_GREEN];
        target[2] = source[FI_RGBA_BLUE];
        target[3] = bytesPerPixel == 4 ? source[FI_RGBA_ALPHA] : 255;
        source += bytesPerPixel;
        target += 4;
    }
}

const char* errorName(GLenum error)
{
    switch (error)
    {
    case GL_INVALID_ENUM:
        return "GL_INVALID_ENUM";
    case GL_INVALID_VALUE:
        return "GL_INVALID_VALUE";
    case GL_INVALID_OPERATION:
        return "GL_INVALID_OPERATION";
    case GL_OUT_OF_MEMORY:
        return "GL_OUT_OF_MEMORY";
    default:
        return "unknown GL error";
    }
}

} // namespace

void TextureData::loadFromBitmap(FIBITMAP* bitmap, int x, int y, int width, int height)
{
    generation = nextGeneration();
    opaque = false;
    const unsigned depth = FreeImage_GetBPP(bitmap);
    const unsigned pictureWidth = FreeImage_GetWidth(bitmap);
    const unsigned pictureHeight = FreeImage_GetHeight(bitmap);
    if (width < 1)
        width = static_cast<int>(pictureWidth);
    if (height < 1)
        height = static_cast<int>(pictureHeight);
    if (x < 0 || y < 0 || unsigned(x) + unsigned(width) > pictureWidth ||
        unsigned(y) + unsigned(height) > pictureHeight)
        throw std::invalid_argument("Region outside the picture");

    // Both sizes are checked before anything changes, so that "Too large"
    // leaves the sizes and the buffer consistent with each other.
    const unsigned perUnit = unsigned(pixelsPerUnit);
    const std::uint32_t newTextureWidth = nextPowerOfTwo(unsigned(width) / perUnit);
    const std::uint32_t newTextureHeight = nextPowerOfTwo(unsigned(height) / perUnit);

    imageWidth = unsigned(width) / perUnit;
    imageHeight = unsigned(height) / perUnit;
    textureWidth = newTextureWidth;
    textureHeight = newTextureHeight;
    const std::size_t rowPixels = std::size_t(textureWidth) * perUnit;
    const std::size_t bytes = rowPixels * textureHeight * perUnit * 4;
    pixels.reset(new std::uint8_t[bytes]());

    if (depth != 24 && depth != 32)
        throw std::invalid_argument("Bad image format");
    const unsigned bytesPerPixel = depth / 8;
    opaque = true;
    for (unsigned row = 0; row < imageHeight * perUnit; ++row)
    {
        // FreeImage counts scan lines from the bottom of the picture.
        const BYTE* line = FreeImage_GetScanLine(bitmap, int(pictureHeight - 1 - y - row));
        std::uint8_t* target = pixels.get() + row * rowPixels * 4;
        const unsigned columns = imageWidth * perUnit;
        convertRow(line + std::size_t(x) * bytesPerPixel, target, columns, bytesPerPixel);
        for (unsigned column = 0; column < columns && opaque; ++column)
            opaque = target[column * 4 + 3] == 255;
    }
}

void TextureData::upload()
{
    if (textureId != noTexture || !pixels)
        return;
    // Errors raised before this call are not ours to report.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    GLint previousBinding = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousBinding);

    GLuint name = 0;
    glGenTextures(1, &name);
    textureId = name;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    const GLsizei perUnit = pixelsPerUnit;
    glTexImage2D(GL_TEXTURE_2D, 0, 4, GLsizei(textureWidth) * perUnit,
                 GLsizei(textureHeight) * perUnit, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.get());
    const GLenum error = glGetError();
    glBindTexture(GL_TEXTURE_2D, GLuint(previousBinding));

    // A texture the GL could not take would draw as a blank quad; fail the
    // load instead, leaving no GL texture behind.
    if (error != GL_NO_ERROR)
    {
        releaseTexture();
        throw std::runtime_error(std::string("Unable to create a texture of ") +
                                 std::to_string(textureWidth * pixelsPerUnit) + " x " +
                                 std::to_string(textureHeight * pixelsPerUnit) +
                                 " pixels: " + errorName(error));
    }
}

void TextureData::releaseTexture()
{
    if (textureId != noTexture)
    {
        const GLuint name = textureId;
        glDeleteTextures(1, &name);
    }
    textureId = noTexture;
}

} // namespace OpenGL
} // namespace VideoEngine
