// The start-up check of the banners, on copies of the built game's banners
// against the digests the game was built with.

#include "startup/BannerDigests.hpp"
#include "startup/ControlExceptions.hpp"
#include "support/TempDir.hpp"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// Flips a bit of the byte at the given share of the file's length.
static void flipByte(const std::string& file, double where)
{
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    const auto at = static_cast<std::streamoff>(where * (fs::file_size(file) - 1));
    char c = 0;
    f.seekg(at).get(c);
    f.seekp(at).put(static_cast<char>(c ^ 1));
}

TEST(PictureCheck, AcceptsTheBuiltBannersAndNothingElse)
{
    const std::string s = "BMP/startup.jpg", e = "BMP/shutdown.jpg";
    const std::pair<std::string, std::function<void()>> damages[] = {
        {"none", [] {}},
        {"first byte", [&] { flipByte(s, 0); }},
        {"middle byte", [&] { flipByte(e, 0.5); }},
        {"last byte", [&] { flipByte(e, 1); }},
        {"byte appended", [&] { std::ofstream(s, std::ios::app) << 'x'; }},
        {"start-up banner missing", [&] { fs::remove(s); }},
        {"shutdown banner missing", [&] { fs::remove(e); }},
    };
    for (const auto& [damage, apply] : damages)
    {
        SCOPED_TRACE(damage);
        TestSupport::TempDir dir;
        TestSupport::WorkingDirectory inside(dir.path());
        fs::create_directory("BMP");
        for (const std::string& banner : {s, e})
            fs::copy_file(GAME_DIR "/" + banner, banner);
        apply();
        if (damage == "none")
            EXPECT_NO_THROW(StartUp::checkPictures(StartUp::bannerDigests()));
        else
            EXPECT_THROW(StartUp::checkPictures(StartUp::bannerDigests()),
                         StartUp::StopApplication);
    }
}
