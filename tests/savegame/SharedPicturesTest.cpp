// Loading a saved game reads each picture file once: the bricks that show it
// share one picture data object, one GL texture and one mask, while each keeps
// its own tint, mirror, size and position.

#include "SceneFiles.hpp"

#include "palace/Brick.hpp"
#include "savegame/SavedGame.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

using namespace GameLogic::PalaceBuild;

namespace
{

class SharedPicturesTest : public ::testing::Test
{
protected:
    SharedPicturesTest() : folder(), inFolder(folder.path())
    {
        SceneFiles::writePictures();
        scene = std::make_unique<SceneFiles::Scene>();
        // Three towers, each with picture data of its own as a drop from the
        // toolbar leaves it, told apart by tint, mirror and size; one arch.
        for (int i = 0; i < 3; ++i)
        {
            auto tower = std::make_shared<Brick>("BMP/palace/1.tower.png");
            tower->setPosition(300 + 100 * i, 200);
            if (i == 2)
            {
                tower->picture.mirror = true;
                tower->setSize(11);
            }
            scene->palace.addBrick(tower);
            for (int step = 0; step < 7 * i; ++step)
                scene->palace.nextColor();
        }
        auto arch = std::make_shared<Brick>("BMP/palace/1.arch.png");
        arch->setPosition(300, 400);
        scene->palace.addBrick(arch);
        writeSavedGame("savegame.txt", scene->palace, scene->backgrounds, scene->frames);
    }

    // The loaded bricks, lowest first (the order they were added above).
    std::vector<std::shared_ptr<Brick>> load(Palace& palace)
    {
        readSavedGame("savegame.txt", palace, scene->backgrounds, scene->frames);
        return std::vector<std::shared_ptr<Brick>>(palace.bricks.rbegin(), palace.bricks.rend());
    }

    TestSupport::GlContext gl;
    TestSupport::TempDir folder;
    TestSupport::WorkingDirectory inFolder;
    // Made once the pictures exist: its catalogues list them.
    std::unique_ptr<SceneFiles::Scene> scene;
};

// The colour drawn at (x, y) by the brick alone on a black screen.
TestSupport::Rgba drawnAlone(TestSupport::GlContext& gl, const Brick& brick, int x, int y)
{
    gl.clear(0, 0, 0);
    brick.picture.draw();
    return gl.pixel(x, y);
}

} // namespace

TEST_F(SharedPicturesTest, BricksOfOneFileShareDataTextureAndMask)
{
    Palace palace;
    const auto bricks = load(palace);
    ASSERT_EQ(bricks.size(), 4u);
    const Brick& tower = *bricks[0];
    const Brick& arch = *bricks[3];
    for (int i = 1; i < 3; ++i)
    {
        EXPECT_EQ(bricks[i]->picture.data, tower.picture.data);
        EXPECT_EQ(bricks[i]->mask.runs, tower.mask.runs);
        EXPECT_EQ(bricks[i]->mask.position, bricks[i]->picture.position);
    }
    EXPECT_NE(tower.picture.data->textureId, VideoEngine::OpenGL::TextureData::noTexture);
    EXPECT_NE(arch.picture.data, tower.picture.data);
    EXPECT_NE(arch.picture.data->textureId, tower.picture.data->textureId);
    EXPECT_NE(arch.mask.runs, tower.mask.runs);
    // Four references: the three bricks and this test's copy.
    const auto shared = tower.picture.data;
    EXPECT_EQ(shared.use_count(), 4);

    // What each brick keeps of its own came back unshared.
    EXPECT_NE(bricks[0]->picture.colorChanger.step, bricks[2]->picture.colorChanger.step);
    EXPECT_NE(bricks[1]->picture.green, bricks[2]->picture.green);
    EXPECT_TRUE(bricks[2]->picture.mirror);
    EXPECT_FALSE(bricks[1]->picture.mirror);
    EXPECT_EQ(bricks[2]->picture.size, 11u);
    EXPECT_EQ(bricks[0]->picture.size, 10u);

    // Saving the loaded scene gives the same file.
    std::ifstream file("savegame.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    EXPECT_EQ(savedGameText(palace, scene->backgrounds, scene->frames), text);
}

TEST_F(SharedPicturesTest, SharedTextureLivesUntilTheLastBrickGoes)
{
    Palace palace;
    auto bricks = load(palace);
    const GLuint texture = bricks[0]->picture.data->textureId;
    const std::shared_ptr<Brick> last = bricks[1];
    bricks.clear();
    palace.clear();
    ASSERT_EQ(last.use_count(), 1);
    EXPECT_TRUE(glIsTexture(texture));
    // The tower's opaque left part, in its own tint.
    const TestSupport::Rgba drawn = drawnAlone(gl, *last, 402, 220);
    EXPECT_NEAR(drawn.r, 40 * last->picture.red, 2);
    EXPECT_NEAR(drawn.g, 200 * last->picture.green, 2);
    EXPECT_GT(drawn.g, 0);
    EXPECT_EQ(drawn.a, 255);
}

TEST_F(SharedPicturesTest, EachLoadReadsThePicturesAfresh)
{
    Palace first;
    const auto before = load(first);
    // The tower's file now holds the red arch picture.
    std::filesystem::copy_file("BMP/palace/1.arch.png", "BMP/palace/1.tower.png",
                               std::filesystem::copy_options::overwrite_existing);
    Palace second;
    const auto after = load(second);
    EXPECT_NE(after[0]->picture.data, before[0]->picture.data);
    EXPECT_EQ(after[0]->picture.data->imageWidth, 30u);
    EXPECT_EQ(before[0]->picture.data->imageWidth, 12u);
    const TestSupport::Rgba drawn = drawnAlone(gl, *after[0], 302, 205);
    EXPECT_EQ(drawn.r, 200);
    EXPECT_EQ(drawn.g, 40);
}
