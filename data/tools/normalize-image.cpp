// Turns a rendered PNG into the exact file the game reads.
//
//   normalize-image png|jpg WIDTH HEIGHT INPUT OUTPUT
//
// "png" writes a 32-bit RGBA PNG (pieces, frames, controls); "jpg" flattens
// the picture onto white and writes a 24-bit baseline JPEG (banners,
// backgrounds). The picture must have the given size, so a drawing of the
// wrong size fails the build instead of reaching the game. No palette image
// ever leaves this tool. Exit code 0 on success, 1 with a message otherwise.

#include <FreeImage.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

namespace
{

struct BitmapDeleter
{
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

// Frees FreeImage's plugins when the tool ends.
struct Library
{
    Library() { FreeImage_Initialise(FALSE); }
    ~Library() { FreeImage_DeInitialise(); }
};

int fail(const std::string& message)
{
    std::cerr << "normalize-image: " << message << '\n';
    return 1;
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
    if (argc != 6)
        return fail("usage: normalize-image png|jpg WIDTH HEIGHT INPUT OUTPUT");
    const std::string format = argv[1];
    const unsigned width = static_cast<unsigned>(std::atoi(argv[2]));
    const unsigned height = static_cast<unsigned>(std::atoi(argv[3]));
    const std::string input = argv[4];
    const std::string output = argv[5];
    if (format != "png" && format != "jpg")
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
    if (format == "png")
    {
        saved = FreeImage_Save(FIF_PNG, rgba.get(), output.c_str(), PNG_Z_BEST_COMPRESSION);
    }
    else
    {
        Bitmap flat = flattenOntoWhite(rgba.get());
        if (!flat || FreeImage_GetBPP(flat.get()) != 24)
            return fail("cannot flatten " + input);
        saved = FreeImage_Save(FIF_JPEG, flat.get(), output.c_str(),
                               JPEG_QUALITYSUPERB | JPEG_BASELINE | JPEG_SUBSAMPLING_444);
    }
    if (!saved)
        return fail("cannot write " + output);
    return 0;
}
