#pragma once
// A tiny game folder for saved-game tests and the loader's fuzz target: a
// few small pictures under BMP/ (with their ".mask" files) and three scenes
// built from them with the game's own classes.

#include "palace/ImageManager.hpp"
#include "palace/Palace.hpp"
#include "savegame/SavedGame.hpp"

#include <string>

namespace SceneFiles
{

// Writes BMP/palace/1.arch.png, 1.tower.png, 2.flag.png (32-bit, partly
// transparent, with masks), BMP/background/a.png, b.png, c.jpg and
// BMP/frame/plain.png, gold.png under the working directory.
void writePictures();

// The level's three saved parts, made from the pictures above.
struct Scene
{
    Scene();
    GameLogic::PalaceBuild::Palace palace;
    GameLogic::PalaceBuild::BackgroundCatalogue backgrounds;
    GameLogic::PalaceBuild::FrameCatalogue frames;
};

// Fills the scene with the named example: "empty" (no bricks), "three"
// (three bricks: sized, mirrored, tinted, one clipped at the toolbar edge,
// second background and frame), "stack" (two copies of one picture).
void build(Scene& scene, const std::string& example);

// The examples, in the order the corpus files are numbered.
extern const char* const examples[3];

} // namespace SceneFiles
