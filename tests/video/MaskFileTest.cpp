// The ".mask" files: runs of non-transparent pixels on crafted pictures, and
// when an existing mask is kept.

#include "Pictures.hpp"
#include "support/TempDir.hpp"
#include "video/OpenGL.hpp"

#include <boost/filesystem.hpp>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace VideoEngine::OpenGL;
using VideoTests::Color;
namespace fs = boost::filesystem;

namespace
{

std::string contentOf(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Opaque where the row's string has '#', transparent where it has '.'; a
// digit gives that alpha (any alpha from 1 counts as non-transparent).
VideoTests::Painter fromRows(std::vector<std::string> rows)
{
    return [rows](unsigned x, unsigned y)
    {
        const char c = rows[y][x];
        const std::uint8_t alpha = c == '.' ? 0 : c == '#' ? 255 : std::uint8_t(c - '0');
        return Color{200, 100, 50, alpha};
    };
}

void writeMaskFile(const std::string& fileName, const std::string& content)
{
    std::ofstream(fileName, std::ios::binary) << content;
}

// Sets the mask's write time relative to its picture's.
void ageMask(const std::string& picture, std::time_t secondsAfterPicture)
{
    fs::last_write_time(picture + ".mask", fs::last_write_time(picture) + secondsAfterPicture);
}

class Masks : public ::testing::Test
{
protected:
    // Writes the picture and prepares its mask through prepareMasks.
    std::string maskOf(const std::string& name, const std::vector<std::string>& rows)
    {
        const std::string picture = dir.file(name);
        VideoTests::writePicture(picture, unsigned(rows[0].size()), unsigned(rows.size()), 32,
                                 fromRows(rows));
        prepareMasks({picture});
        return contentOf(picture + ".mask");
    }

    TestSupport::TempDir dir;
};

} // namespace

TEST_F(Masks, RunsByRowFromTheLeftEndingAtTheFirstTransparentPixel)
{
    EXPECT_EQ("10\n"
              "0 2 5\n"
              "0 8 9\n"
              "1 0 1\n"
              "3 0 9\n"
              "4 9 9\n"
              "5 0 1\n"
              "5 2 3\n"
              "5 4 5\n"
              "5 6 9\n",
              maskOf("runs.png", {
                                     "..###...##",
                                     "1.........",
                                     "..........",
                                     "##########",
                                     ".........#",
                                     "#.#.#.####",
                                 }));
}

TEST_F(Masks, TransparentPictureGivesTheWidthOnly)
{
    EXPECT_EQ("7\n", maskOf("clear.png", {".......", "......."}));
}

TEST_F(Masks, TwentyFourBitPictureGivesAnEmptyMask)
{
    const std::string picture = dir.file("plain.bmp");
    VideoTests::writePicture(picture, 4, 4, 24, [](unsigned, unsigned) { return Color{}; });
    writeMaskFile(picture + ".mask", "old content");
    ageMask(picture, -10);
    prepareMasks({picture});
    EXPECT_TRUE(fs::exists(picture + ".mask"));
    EXPECT_EQ("", contentOf(picture + ".mask"));
}

TEST_F(Masks, OnlyAStrictlyNewerMaskIsKept)
{
    const std::string picture = dir.file("kept.png");
    VideoTests::writePicture(picture, 3, 1, 32, fromRows({"#.#"}));

    writeMaskFile(picture + ".mask", "newer");
    ageMask(picture, 10);
    prepareMasks({picture});
    EXPECT_EQ("newer", contentOf(picture + ".mask"));

    writeMaskFile(picture + ".mask", "same time");
    ageMask(picture, 0);
    prepareMasks({picture});
    EXPECT_EQ("3\n0 0 1\n0 2 2\n", contentOf(picture + ".mask"));

    writeMaskFile(picture + ".mask", "older");
    ageMask(picture, -10);
    prepareMasks({picture});
    EXPECT_EQ("3\n0 0 1\n0 2 2\n", contentOf(picture + ".mask"));
}

TEST_F(Masks, PalettisedPictureTruncatesTheMaskAndStopsTheList)
{
    const std::string first = dir.file("1.first.png");
    const std::string palettised = dir.file("2.palette.png");
    const std::string last = dir.file("3.last.png");
    // A transparent pixel each, so that FreeImage keeps the alpha channel.
    VideoTests::writePicture(first, 2, 1, 32, fromRows({"#."}));
    VideoTests::writePalettisedPicture(palettised, 4, 4);
    VideoTests::writePicture(last, 2, 1, 32, fromRows({"#."}));
    writeMaskFile(palettised + ".mask", "stale");
    ageMask(palettised, -10);

    try
    {
        prepareMasks({first, palettised, last});
        FAIL() << "a palettised picture must fail";
    }
    catch (const std::invalid_argument& e)
    {
        EXPECT_STREQ("Bad image format", e.what());
    }
    EXPECT_EQ("2\n0 0 1\n", contentOf(first + ".mask"));
    EXPECT_TRUE(fs::exists(palettised + ".mask"));
    EXPECT_EQ("", contentOf(palettised + ".mask"));
    EXPECT_FALSE(fs::exists(last + ".mask"));

    writeMaskFile(palettised + ".mask", "newer");
    ageMask(palettised, 10);
    EXPECT_NO_THROW(prepareMasks({palettised}));
    EXPECT_EQ("newer", contentOf(palettised + ".mask"));
}

TEST_F(Masks, UnreadablePicturesAreSkippedAndMissingOnesRefused)
{
    const std::string garbage = dir.file("garbage.png");
    std::ofstream(garbage) << "not a picture";
    const std::string good = dir.file("good.png");
    VideoTests::writePicture(good, 2, 1, 32, fromRows({".#"}));
    prepareMasks({garbage, dir.file("missing.png"), good});
    EXPECT_FALSE(fs::exists(garbage + ".mask"));
    EXPECT_EQ("2\n0 1 1\n", contentOf(good + ".mask"));

    const auto bitmap = VideoTests::makeBitmap(2, 2, 32, fromRows({"##", "##"}));
    const std::string missing = dir.file("missing.png");
    try
    {
        prepareMask(missing, bitmap.get());
        FAIL() << "a missing picture must be refused";
    }
    catch (const std::invalid_argument& e)
    {
        EXPECT_EQ("File `" + missing + "` does not exists", std::string(e.what()));
    }
    EXPECT_FALSE(fs::exists(missing + ".mask"));
}
