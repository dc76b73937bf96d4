#pragma once
// The game folder of the saved-game fuzz target: the pictures the seeds in
// corpus/ name, and the level's three saved parts made from them.

#include "content/ImageManager.hpp"
#include "model/Palace.hpp"
#include "savegame/SavedGame.hpp"
#include "support/Pictures.hpp"

namespace SceneFiles
{

// Writes the test game folder into the working directory.
inline void writePictures()
{
    TestSupport::writeGameFolder();
}

struct Scene
{
    GameLogic::PalaceBuild::Palace palace;
    GameLogic::PalaceBuild::BackgroundCatalogue backgrounds{"BMP/background"};
    GameLogic::PalaceBuild::FrameCatalogue frames{"BMP/frame"};
};

} // namespace SceneFiles
