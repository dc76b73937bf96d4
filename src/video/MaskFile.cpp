// The ".mask" writer. A mask is rewritten unless it is strictly newer than
// its picture, so a picture edited within the same second is picked up.

#include "video/MaskFile.hpp"

#include "video/Image.hpp"

#include <FreeImage.h>
#include <boost/filesystem.hpp>
#include <fstream>
#include <stdexcept>

namespace VideoEngine
{
namespace OpenGL
{

namespace
{

// Writes one line "row first end" per run of pixels whose alpha is not 0.
// A run that reaches the right edge ends at width - 1, and ends its row.
void writeRuns(std::ostream& mask, FIBITMAP* bitmap)
{
    const unsigned width = FreeImage_GetWidth(bitmap);
    const unsigned height = FreeImage_GetHeight(bitmap);
    mask << width << '\n';
    for (unsigned row = 0; row < height; ++row)
    {
        const BYTE* line = FreeImage_GetScanLine(bitmap, int(height - 1 - row));
        auto opaque = [line](unsigned column) { return line[column * 4 + FI_RGBA_ALPHA] != 0; };
        unsigned column = 0;
        while (column < width)
        {
            while (column < width && !opaque(column))
                ++column;
            if (column == width)
                break;
            const unsigned first = column;
            while (column < width && opaque(column))
                ++column;
            const unsigned end = column == width ? width - 1 : column;
            mask << row << ' ' << first << ' ' << end << '\n';
        }
    }
}

} // namespace

void prepareMask(const std::string& fileName, FIBITMAP* bitmap)
{
    namespace fs = boost::filesystem;
    const std::string maskName = fileName + ".mask";
    if (!fs::exists(fileName))
        throw std::invalid_argument("File `" + fileName + "` does not exists");
    if (fs::exists(maskName) && fs::last_write_time(maskName) > fs::last_write_time(fileName))
        return;

    std::ofstream mask(maskName, std::ios::out | std::ios::trunc);
    const unsigned depth = FreeImage_GetBPP(bitmap);
    if (depth == 24)
        return;
    if (depth != 32)
        throw std::invalid_argument("Bad image format");
    writeRuns(mask, bitmap);
    mask.close();
    // A half-written mask would look up to date at the next start; remove it
    // so that the next start writes it again.
    if (!mask)
    {
        boost::system::error_code ignored;
        fs::remove(maskName, ignored);
    }
}

void prepareMasks(const std::vector<std::string>& fileNames)
{
    for (const std::string& fileName : fileNames)
    {
        const BitmapPtr bitmap = loadImage(fileName, 0);
        if (bitmap)
            prepareMask(fileName, bitmap.get());
    }
}

} // namespace OpenGL
} // namespace VideoEngine
