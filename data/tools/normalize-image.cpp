// Turns a rendered PNG into the exact file the game reads.
//
//   normalize-image png|trim|jpg WIDTH HEIGHT INPUT OUTPUT [SMALLER]
//
// "png" writes a 32-bit RGBA PNG (palace pieces, frames, controls), even when
// every pixel is opaque; "trim" does the same after cutting away the fully
// transparent margins, so that a decoration or person snaps with its visible
// edges; "jpg" flattens the picture onto white and writes a 24-bit baseline
// JPEG (banners, backgrounds). The input must have the given size, so a
// drawing of the wrong size fails the build instead of reaching the game. No
// palette image ever leaves this tool, and no output carries a time stamp:
// the same input gives the same bytes. SMALLER, a rendering of the same
// drawing at a whole fraction of the size, makes "trim" cut the margins of
// that rendering, scaled up, instead of the input's own, so that a picture
// and its larger twin cover exactly one area. Exit code 0 on success, 1 with
// a message otherwise.
//
// FreeImage reads every input and writes the JPEGs. PNGs are written with
// libpng because FreeImage stores a fully opaque 32-bit picture as 24-bit.

#include <FreeImage.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace
{

struct BitmapDeleter
{
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Frees FreeImage's plugins when the tool ends.
struct Library
{
    Library() { FreeImage_Initialise(FALSE); }
    ~Library() { FreeImage_DeInitialise(); }
};

// A region of a 32-bit bitmap, in top-down coordinates; right and bottom exclusive.
struct Region
{
    unsigned left, top, right, bottom;
};

int fail(const std::string& message)
{
    std::cerr << "normalize-image: " << message << '\n';
    return 1;
}

// The smallest region holding every pixel whose alpha is not 0; empty (right
// == left) when the picture is fully transparent.
Region opaqueBounds(FIBITMAP* rgba)
{
    const unsigned width = FreeImage_GetWidth(rgba);
    const unsigned height = FreeImage_GetHeight(rgba);
    Region r{width, height, 0, 0};
    for (unsigned row = 0; row < height; ++row)
    {
        // FreeImage counts scan lines from the bottom.
        const BYTE* line = FreeImage_GetScanLine(rgba, height - 1 - row);
        for (unsigned x = 0; x < width; ++x)
        {
            if (line[x * 4 + FI_RGBA_ALPHA] == 0)
                continue;
            r.left = std::min(r.left, x);
            r.right = std::max(r.right, x + 1);
            r.top = std::min(r.top, row);
            r.bottom = std::max(r.bottom, row + 1);
        }
    }
    if (r.right <= r.left)
        r = Region{0, 0, 0, 0};
    return r;
}

// Writes the region of a 32-bit bitmap as an 8-bit RGBA PNG. False on any
// failure; a partly written file may remain, and the build then fails.
bool writeRgbaPng(FIBITMAP* rgba, const Region& region, const std::string& output)
{
    File file(std::fopen(output.c_str(), "wb"));
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info)
    {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    const unsigned width = region.right - region.left;
    const unsigned height = region.bottom - region.top;
    std::vector<png_byte> rows(std::size_t(width) * height * 4);
    for (unsigned y = 0; y < height; ++y)
    {
        const BYTE* line =
            FreeImage_GetScanLine(rgba, FreeImage_GetHeight(rgba) - 1 - (region.top + y));
        for (unsigned x = 0; x < width; ++x)
        {
            const BYTE* in = line + (region.left + x) * 4;
            png_byte* out = &rows[(std::size_t(y) * width + x) * 4];
            out[0] = in[FI_RGBA_RED];
            out[1] = in[FI_RGBA_GREEN];
            out[2] = in[FI_RGBA_BLUE];
            out[3] = in[FI_RGBA_ALPHA];
        }
    }
    std::vector<png_bytep> rowPointers(height);
    for (unsigned y = 0; y < height; ++y)
        rowPointers[y] = &rows[std::size_t(y) * width * 4];

    // libpng reports errors by longjmp; nothing with a destructor is created
    // between here and the end of the writing.
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rowPointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

// Blends every pixel of a 32-bit bitmap onto white; the result is 24-bit.
Bitmap flattenOntoWhite(FIBITMAP* rgba)
{
    RGBQUAD white = {255, 255, 255, 0};
    return Bitmap(FreeImage_Composite(rgba, FALSE, &white, nullptr));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 7)
        return fail("usage: normalize-image png|trim|jpg WIDTH HEIGHT INPUT OUTPUT [SMALLER]");
    const std::string format = argv[1];
    const unsigned width = static_cast<unsigned>(std::atoi(argv[2]));
    const unsigned height = static_cast<unsigned>(std::atoi(argv[3]));
    const std::string input = argv[4];
    const std::string output = argv[5];
    if (format != "png" && format != "trim" && format != "jpg")
        return fail("unknown format " + format);

    Library library;
    Bitmap loaded(FreeImage_Load(FIF_PNG, input.c_str(), PNG_DEFAULT));
    if (!loaded)
        return fail("cannot read " + input);
    if (FreeImage_GetWidth(loaded.get()) != width || FreeImage_GetHeight(loaded.get()) != height)
        return fail(input + " is " + std::to_string(FreeImage_GetWidth(loaded.get())) + "x" +
                    std::to_string(FreeImage_GetHeight(loaded.get())) + ", expected " +
                    std::to_string(width) + "x" + std::to_string(height));

    Bitmap rgba(FreeImage_ConvertTo32Bits(loaded.get()));
    if (!rgba)
        return fail("cannot convert " + input + " to 32 bits");

    bool saved = false;
    if (format == "jpg")
    {
        Bitmap flat = flattenOntoWhite(rgba.get());
        if (!flat || FreeImage_GetBPP(flat.get()) != 24)
            return fail("cannot flatten " + input);
        saved = FreeImage_Save(FIF_JPEG, flat.get(), output.c_str(),
                               JPEG_QUALITYSUPERB | JPEG_BASELINE | JPEG_SUBSAMPLING_444);
    }
    else
    {
        Region region{0, 0, width, height};
        if (format == "trim" && argc == 7)
        {
            const Bitmap smaller(FreeImage_Load(FIF_PNG, argv[6], PNG_DEFAULT));
            const Bitmap smallerRgba(smaller ? FreeImage_ConvertTo32Bits(smaller.get()) : nullptr);
            if (!smallerRgba || width % FreeImage_GetWidth(smaller.get()) != 0)
                return fail(std::string("cannot read ") + argv[6] + " as a smaller rendering");
            const unsigned factor = width / FreeImage_GetWidth(smaller.get());
            const Region small = opaqueBounds(smallerRgba.get());
            region = Region{small.left * factor, small.top * factor, small.right * factor,
                            small.bottom * factor};
        }
        else if (format == "trim")
            region = opaqueBounds(rgba.get());
        if (region.right == region.left)
            return fail(input + " is fully transparent");
        saved = writeRgbaPng(rgba.get(), region, output);
    }
    if (!saved)
        return fail("cannot write " + output);
    return 0;
}
