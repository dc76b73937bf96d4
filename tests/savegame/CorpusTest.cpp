// The fuzz seeds under corpus/ are saved games written by the game itself.
// This test writes them again and compares, so the seeds follow any change
// of the file layout; run with BRICKWORK_WRITE_CORPUS=1 to rewrite them.

#include "SceneFiles.hpp"

#include "savegame/SavedGame.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

TEST(CorpusTest, SeedsAreWhatTheGameWrites)
{
    TestSupport::GlContext gl;
    TestSupport::TempDir folder;
    TestSupport::WorkingDirectory inFolder(folder.path());
    SceneFiles::writePictures();
    const std::string corpus = std::string(SOURCE_DIR) + "/tests/savegame/corpus/";
    const bool rewrite = std::getenv("BRICKWORK_WRITE_CORPUS") != nullptr;

    for (const char* example : SceneFiles::examples)
    {
        SceneFiles::Scene scene;
        SceneFiles::build(scene, example);
        GameLogic::PalaceBuild::writeSavedGame("savegame.txt", scene.palace, scene.backgrounds,
                                               scene.frames);
        std::ifstream written("savegame.txt", std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(written)),
                               std::istreambuf_iterator<char>());
        const std::string seed = corpus + example + ".txt";
        if (rewrite)
            std::ofstream(seed, std::ios::binary) << text;
        std::ifstream stored(seed, std::ios::binary);
        EXPECT_EQ(
            std::string((std::istreambuf_iterator<char>(stored)), std::istreambuf_iterator<char>()),
            text)
            << seed;
    }
}
