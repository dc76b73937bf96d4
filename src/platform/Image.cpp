// Invariant: no pixel is decoded before the file passed every check its
// header allows, and the decoder only ever sees the bytes read here, with
// the format fixed by them.

#include "platform/Image.hpp"

#include "platform/SmallFile.hpp"

#include <FreeImage.h>
#include <cstdint>

namespace Platform
{
namespace
{

// A PNG's signature and header chunk, or a BMP's file and info headers.
constexpr std::size_t headerBytes = 64;

struct MemoryCloser
{
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};
using MemoryPtr = std::unique_ptr<FIMEMORY, MemoryCloser>;

std::uint32_t byteAt(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t bigEndian32(const std::string& bytes, std::size_t at)
{
    return byteAt(bytes, at) << 24 | byteAt(bytes, at + 1) << 16 | byteAt(bytes, at + 2) << 8 |
           byteAt(bytes, at + 3);
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int k = count - 1; k >= 0; --k)
        value = value << 8 | byteAt(bytes, at + std::size_t(k));
    return value;
}

// The format the bytes begin with; FIF_UNKNOWN for any other.
FREE_IMAGE_FORMAT formatOf(const std::string& bytes)
{
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n", 8) == 0)
        return FIF_PNG;
    if (bytes.compare(0, 2, "BM") == 0)
        return FIF_BMP;
    if (bytes.compare(0, 3, "\xff\xd8\xff") == 0)
        return FIF_JPEG;
    return FIF_UNKNOWN;
}

// The PNG header chunk, which must come first. False when there is none.
bool pngHeader(const std::string& bytes, ImageHeader& header)
{
    if (bytes.size() < 29 || bytes.compare(12, 4, "IHDR") != 0)
        return false;
    const std::uint32_t depth = byteAt(bytes, 24);
    const std::uint32_t colour = byteAt(bytes, 25);
    // Samples a pixel of each colour type: grey, -, RGB, palette, grey and
    // alpha, -, RGBA.
    const unsigned samples[] = {1, 0, 3, 1, 2, 0, 4};
    if (colour >= sizeof samples / sizeof *samples || samples[colour] == 0)
        return false;
    header.width = bigEndian32(bytes, 16);
    header.height = bigEndian32(bytes, 20);
    header.bitsPerPixel = depth * samples[colour];
    return true;
}

// The BMP info header (not the old 12-byte one); its pixels uncompressed,
// run-length coded or with colour masks. False for any other.
bool bmpHeader(const std::string& bytes, ImageHeader& header)
{
    if (bytes.size() < 54 || littleEndian(bytes, 14, 4) < 40 || littleEndian(bytes, 30, 4) > 3)
        return false;
    const auto width = std::int32_t(littleEndian(bytes, 18, 4));
    const auto height = std::int32_t(littleEndian(bytes, 22, 4));
    // A negative height stands for rows from the top.
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return false;
    header.width = std::uint32_t(width);
    header.height = std::uint32_t(height < 0 ? -height : height);
    header.bitsPerPixel = littleEndian(bytes, 28, 2);
    return true;
}

// The header of any other format, as its decoder reads it without the
// pixels.
bool decoderHeader(std::string& bytes, FREE_IMAGE_FORMAT format, ImageHeader& header)
{
    const MemoryPtr memory(
        FreeImage_OpenMemory(reinterpret_cast<BYTE*>(&bytes[0]), DWORD(bytes.size())));
    const BitmapPtr bitmap(
        memory ? FreeImage_LoadFromMemory(format, memory.get(), FIF_LOAD_NOPIXELS) : nullptr);
    if (!bitmap)
        return false;
    header.width = FreeImage_GetWidth(bitmap.get());
    header.height = FreeImage_GetHeight(bitmap.get());
    header.bitsPerPixel = FreeImage_GetBPP(bitmap.get());
    return true;
}

// The reason a picture is refused, from a problem of readFileStart.
std::string fileProblem(const std::string& problem)
{
    return problem.compare(0, 6, "cannot") == 0 ? "it " + problem : "it is " + problem;
}

bool withinRules(const ImageHeader& header, const PictureRules& rules)
{
    return !rules.limited ||
           ((header.bitsPerPixel == 24 || header.bitsPerPixel == 32) &&
            header.width <= rules.largestWidth && header.height <= rules.largestHeight);
}

// Reads the file (the whole of it when whole, else only as much as a PNG or
// BMP header takes) into bytes and checks its format and header against the
// rules. Returns the empty string, with format and header set, or why the
// file is refused.
std::string examine(const std::string& fileName, const PictureRules& rules, bool whole,
                    std::string& bytes, FREE_IMAGE_FORMAT& format, ImageHeader& header)
{
    std::string problem;
    bytes = readFileStart(fileName, whole || rules.jpeg ? rules.largestFileBytes : headerBytes,
                          rules.largestFileBytes, problem);
    if (!problem.empty())
        return fileProblem(problem);
    format = formatOf(bytes);
    if (format == FIF_UNKNOWN || (format != FIF_PNG && format != FIF_BMP && !rules.jpeg))
        return rules.jpeg ? "it cannot be read (PNG, BMP or JPEG are needed)"
                          : "it cannot be read (PNG or BMP are needed)";
    const bool read = format == FIF_PNG   ? pngHeader(bytes, header)
                      : format == FIF_BMP ? bmpHeader(bytes, header)
                                          : decoderHeader(bytes, format, header);
    if (!read || header.width == 0 || header.height == 0)
        return "it cannot be read";
    if (withinRules(header, rules))
        return "";
    if (header.bitsPerPixel != 24 && header.bitsPerPixel != 32)
        return "it cannot be read (24 or 32 bits a pixel are needed)";
    return "it is larger than " + std::to_string(rules.largestWidth) + "x" +
           std::to_string(rules.largestHeight);
}

} // namespace

void BitmapDeleter::operator()(FIBITMAP* bitmap) const
{
    FreeImage_Unload(bitmap);
}

std::string readImageHeader(const std::string& fileName, const PictureRules& rules,
                            ImageHeader& header)
{
    std::string bytes;
    FREE_IMAGE_FORMAT format = FIF_UNKNOWN;
    ImageHeader read;
    const std::string why = examine(fileName, rules, false, bytes, format, read);
    if (why.empty())
        header = read;
    return why;
}

BitmapPtr loadImage(const std::string& fileName, const PictureRules& rules, std::string& why)
{
    std::string bytes;
    FREE_IMAGE_FORMAT format = FIF_UNKNOWN;
    ImageHeader header;
    why = examine(fileName, rules, true, bytes, format, header);
    if (!why.empty())
        return nullptr;
    const MemoryPtr memory(
        FreeImage_OpenMemory(reinterpret_cast<BYTE*>(&bytes[0]), DWORD(bytes.size())));
    BitmapPtr bitmap(memory ? FreeImage_LoadFromMemory(format, memory.get(), 0) : nullptr);
    // The decoder must agree with the header it was checked by.
    ImageHeader decoded;
    if (bitmap)
        decoded = {FreeImage_GetWidth(bitmap.get()), FreeImage_GetHeight(bitmap.get()),
                   FreeImage_GetBPP(bitmap.get())};
    if (!bitmap || decoded.width != header.width || decoded.height != header.height ||
        !withinRules(decoded, rules))
    {
        why = "it cannot be read";
        return nullptr;
    }
    return bitmap;
}

} // namespace Platform
