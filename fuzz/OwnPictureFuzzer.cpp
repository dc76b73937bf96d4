// Feeds arbitrary bytes to the reader of a family's pictures, as an own
// picture is read at every start: its header alone, then the whole picture.
// A picture is decoded only when its header passed, and then it is within a
// family's limits and of the size its header gave; crashes, overflows,
// leaks, large allocations and slow inputs are what the fuzzer reports.

#include "platform/Image.hpp"

#include <FreeImage.h>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

// The input lives in memory, a regular file to the reader: no disk write
// holds the fuzzer up.
static int input = -1;
static std::string picture;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    input = memfd_create("1.input.png", 0);
    picture = "/proc/self/fd/" + std::to_string(input);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (ftruncate(input, 0) != 0 || pwrite(input, data, size, 0) != ssize_t(size))
        std::abort();
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
