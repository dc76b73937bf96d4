// Feeds arbitrary bytes to the reader of a family's pictures, as the file
// own/palace/1.input.png is read at every start: its header alone, then the
// whole picture. A picture is decoded only when its header passed, and then
// it is within a family's limits and of the size its header gave; crashes,
// overflows, leaks, large allocations and slow inputs are what the fuzzer
// reports.

#include "platform/Image.hpp"

#include <FreeImage.h>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

static std::string picture;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/tmp/own-picture-fuzzer-XXXXXX";
    picture = std::string(mkdtemp(folder)) + "/1.input.png";
    std::atexit(
        []
        {
            unlink(picture.c_str());
            rmdir(picture.substr(0, picture.rfind('/')).c_str());
        });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ofstream(picture, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    Platform::ImageHeader header;
    const std::string refused = Platform::readImageHeader(picture, Platform::familyPicture, header);
    std::string why;
    const Platform::BitmapPtr bitmap = Platform::loadImage(picture, Platform::familyPicture, why);
    if (bitmap ? !refused.empty() || FreeImage_GetWidth(bitmap.get()) != header.width ||
                     FreeImage_GetHeight(bitmap.get()) != header.height || header.width > 1024 ||
                     header.height > 768 || FreeImage_GetBPP(bitmap.get()) < 24
               : why.empty())
        std::abort();
    return 0;
}
