// The ".mask" writer. A mask is rewritten unless it is strictly newer than
// its picture, so a picture edited within the same second is picked up. A
// mask file is always complete: it is replaced whole, never rewritten in
// place.

#include "video/MaskFile.hpp"

#include "platform/AtomicFile.hpp"
#include "platform/Image.hpp"
#include "platform/Termination.hpp"

#include <FreeImage.h>
#include <boost/filesystem.hpp>
#include <sstream>
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

bool maskIsFresh(const std::string& fileName)
{
    namespace fs = boost::filesystem;
    const std::string maskName = fileName + ".mask";
    boost::system::error_code error;
    const auto maskTime = fs::last_write_time(maskName, error);
    if (error)
        return false;
    const auto pictureTime = fs::last_write_time(fileName, error);
    return !error && maskTime > pictureTime;
}

void prepareMask(const std::string& fileName, FIBITMAP* bitmap)
{
    if (!boost::filesystem::exists(fileName))
        throw std::invalid_argument("File `" + fileName + "` does not exists");
    if (maskIsFresh(fileName))
        return;
    const std::string maskName = fileName + ".mask";

    // Written whole under another name and renamed into place: a game ended
    // while writing, or another game writing at the same time, never leaves a
    // short mask that would look up to date. Pictures without alpha get an
    // empty mask, and so do pictures of another depth before they are
    // refused. A mask that cannot be written is left for the next start.
    std::ostringstream runs;
    const unsigned depth = FreeImage_GetBPP(bitmap);
    if (depth == 32)
        writeRuns(runs, bitmap);
    try
    {
        Platform::replaceFileAtomically(maskName, runs.str());
    }
    catch (const std::runtime_error&)
    {
    }
    if (depth != 24 && depth != 32)
        throw std::invalid_argument("Bad image format");
}

void prepareMasks(const std::vector<std::string>& fileNames)
{
    for (const std::string& fileName : fileNames)
    {
        Platform::throwIfTerminated();
        // Most starts find every mask written: no picture is decoded then.
        if (maskIsFresh(fileName))
            continue;
        std::string why;
        const Platform::BitmapPtr bitmap =
            Platform::loadImage(fileName, Platform::gamePicture, why);
        if (bitmap)
            prepareMask(fileName, bitmap.get());
    }
}

} // namespace OpenGL
} // namespace VideoEngine
