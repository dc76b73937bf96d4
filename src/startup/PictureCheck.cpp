#include "startup/PictureCheck.hpp"

#include "startup/ControlExceptions.hpp"
#include "startup/SHA1.hpp"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <memory>

namespace StartUp
{
namespace
{

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

Digest fileDigest(const std::string& path)
{
    SHA1 sha;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (file)
    {
        std::uint8_t buffer[1024];
        for (;;)
        {
            const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
            if (n > 0)
            {
                const std::size_t rounded = (n + 7) / 8 * 8;
                for (std::size_t i = n; i < rounded; ++i)
                    buffer[i] = 0;
                sha.input(buffer, static_cast<std::uint32_t>(rounded));
            }
            if (std::feof(file.get()) || std::ferror(file.get()))
                break;
        }
    }
    Digest digest{};
    sha.result(digest.data());
    return digest;
}

void checkPictures(const std::vector<PictureDigest>& pictures)
{
    for (const PictureDigest& picture : pictures)
        if (!boost::filesystem::exists(picture.path) || fileDigest(picture.path) != picture.digest)
            throw StopApplication("Some file was corrupted");
}

} // namespace StartUp
