#include "video/ITextureData.hpp"

#include "platform/Image.hpp"

#include <stdexcept>

namespace VideoEngine
{
namespace OpenGL
{

std::uint64_t ITextureData::nextGeneration()
{
    static std::uint64_t last = 0;
    return ++last;
}

void ITextureData::loadFromFile(const std::string& name, int x, int y, int width, int height)
{
    Platform::BitmapPtr bitmap = Platform::loadImage(name, 0);
    if (!bitmap)
        throw std::invalid_argument("Unable to load " + name);
    loadFromBitmap(bitmap.get(), x, y, width, height);
    fileName = name;
}

} // namespace OpenGL
} // namespace VideoEngine
