// Folder listings and the background and frame catalogues, on folders of
// their own in temporary directories.

#include "palace/ImageManager.hpp"
#include "PictureFiles.hpp"
#include "palace/PictureListing.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/Texture.hpp"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>
#include <stdexcept>

using GameLogic::PalaceBuild::ImageManager;
using GameLogic::PalaceBuild::listPictures;
using GameLogic::PalaceBuild::listPicturesByRow;
using PalaceTests::writePicture;
using PalaceTests::writeText;
using Backgrounds =
    ImageManager<VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>>;
using Frames = ImageManager<VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FrameTextureData>>;
using Names = std::vector<std::string>;

namespace
{

const std::string anyPicture = "(.*)\\.(png|bmp|jpg)$";
const std::string toolbarPicture = "^[1-3]\\.(.*)\\.(png|bmp)$";

// The message of the exception E thrown by the call, or "" when none is.
template <class E, class Call> std::string messageOf(Call call)
{
    try
    {
        call();
    }
    catch (const E& error)
    {
        return error.what();
    }
    return "";
}

} // namespace

TEST(PictureListing, MatchesWholeNamesCaseSensitivelySortedAndJoinedWithSlashes)
{
    TestSupport::TempDir dir;
    for (const char* name :
         {"zebra.png", "b.jpg", "c.gif", "SKY.PNG", ".png", "a.png.txt", "m.bmp"})
        writeText(dir.file(name), "x");
    boost::filesystem::create_directory(dir.file("sub.png"));

    Names files;
    listPictures(dir.path(), files, anyPicture);
    const std::string p = dir.path();
    EXPECT_EQ(files, (Names{p + "/.png", p + "/b.jpg", p + "/m.bmp", p + "/zebra.png"}));

    Names again;
    listPictures(p + "/", again, anyPicture);
    EXPECT_EQ(again, files) << "a trailing separator is dropped";

    // Backslashes count as separators.
    boost::filesystem::create_directories(dir.file("BMP/background"));
    writeText(dir.file("BMP/background/sky.jpg"), "x");
    Names joined;
    listPictures(p + "\\BMP\\background\\", joined, anyPicture);
    EXPECT_EQ(joined, (Names{p + "/BMP/background/sky.jpg"}));
}

TEST(PictureListing, RefusesMissingFoldersFilesAndFilledVectors)
{
    TestSupport::TempDir dir;
    writeText(dir.file("a.png"), "x");
    Names files;
    EXPECT_EQ(messageOf<std::invalid_argument>(
                  [&] { listPictures(dir.file("none"), files, anyPicture); }),
              "Path must be exists directory");
    EXPECT_EQ(messageOf<std::invalid_argument>(
                  [&] { listPictures(dir.file("a.png"), files, anyPicture); }),
              "Path must be exists directory");

    Names filled{"keep"};
    EXPECT_EQ(
        messageOf<std::invalid_argument>([&] { listPictures(dir.path(), filled, anyPicture); }),
        "Vector must be empty");
    EXPECT_EQ(filled, Names{"keep"});

    std::vector<Names> rows(1);
    EXPECT_EQ(messageOf<std::invalid_argument>(
                  [&] { listPicturesByRow(dir.path(), rows, toolbarPicture); }),
              "Vector must be empty");
}

TEST(PictureListing, SortsToolbarPicturesIntoThreeRowsByTheirFirstDigit)
{
    TestSupport::TempDir dir;
    for (const char* name : {"1.c.png", "2.b.bmp", "1.a.png", "4.d.png", "1.e.jpg", "3.Z.PNG"})
        writeText(dir.file(name), "x");
    boost::filesystem::create_directory(dir.file("1.x.png"));

    std::vector<Names> rows;
    listPicturesByRow(dir.path(), rows, toolbarPicture);
    const std::string p = dir.path();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Names{p + "/1.a.png", p + "/1.c.png"}));
    EXPECT_EQ(rows[1], (Names{p + "/2.b.bmp"}));
    EXPECT_TRUE(rows[2].empty());

    std::vector<Names> loose;
    EXPECT_THROW(listPicturesByRow(dir.path(), loose, anyPicture), std::out_of_range)
        << "4.d.png belongs to no row";
    EXPECT_TRUE(loose.empty()) << "nothing is handed out on failure";
}

TEST(ImageManager, StepsThroughTheListedPicturesWrappingAround)
{
    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
    writePicture(dir.file("b.jpg"), 64, 32, {0, 0, 255});
    writePicture(dir.file("a.png"), 16, 8, {255, 0, 0});
    writePicture(dir.file("c.bmp"), 32, 16, {0, 255, 0});
    writeText(dir.file("d.gif"), "not listed");

    Backgrounds backgrounds(dir.path() + "/");
    const std::string p = dir.path();
    ASSERT_EQ(backgrounds.files, (Names{p + "/a.png", p + "/b.jpg", p + "/c.bmp"}));
    EXPECT_EQ(backgrounds.index, 0u);
    EXPECT_EQ(backgrounds.current.data->fileName, p + "/a.png");
    EXPECT_EQ(backgrounds.current.data->imageWidth, 16u);

    backgrounds.previous();
    EXPECT_EQ(backgrounds.index, 2u);
    EXPECT_EQ(backgrounds.current.data->imageWidth, 32u);
    backgrounds.next();
    EXPECT_EQ(backgrounds.index, 0u);
    backgrounds.next();
    EXPECT_EQ(backgrounds.current.data->fileName, p + "/b.jpg");
    EXPECT_EQ(backgrounds.current.data->imageWidth, 64u);
    EXPECT_EQ(backgrounds.current.position.x, 0);

    backgrounds.select(p + "/c.bmp");
    EXPECT_EQ(backgrounds.index, 2u);
    backgrounds.select(p + "/A.PNG");
    EXPECT_EQ(backgrounds.index, 0u) << "a name differing in case selects the first picture";
    EXPECT_EQ(backgrounds.current.data->fileName, p + "/a.png");
}

TEST(ImageManager, FramesAreLoadedAsFourPiecesAndEmptyFoldersRefused)
{
    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
    boost::filesystem::create_directory(dir.file("frame"));
    writePicture(dir.file("frame/gold.png"), 1024, 768, {200, 160, 0},
                 [](int x, int y) { return x < 254 || x >= 964 || y < 60 || y >= 708; });
    Frames frames(dir.file("frame"));
    ASSERT_EQ(frames.files.size(), 1u);
    EXPECT_EQ(frames.current.data->pieces[3].imageWidth, 60u);
    frames.next();
    EXPECT_EQ(frames.index, 0u);

    boost::filesystem::create_directory(dir.file("empty"));
    writeText(dir.file("empty/SKY.PNG"), "x");
    EXPECT_EQ(messageOf<std::logic_error>([&] { Backgrounds none(dir.file("empty")); }),
              "Unable to find backround images");
    EXPECT_EQ(messageOf<std::invalid_argument>([&] { Backgrounds none(dir.file("missing")); }),
              "Path must be exists directory");

    writeText(dir.file("empty/broken.png"), "not a picture");
    EXPECT_THROW(Backgrounds broken(dir.file("empty")), std::exception);
}
