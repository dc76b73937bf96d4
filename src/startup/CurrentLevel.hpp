#pragma once
// The level of the game now running, as the game phase's callbacks reach it.

#include "play/GameLevel.hpp"

namespace StartUp
{

// The current game's level; null without a game or a level.
GameLogic::PalaceBuild::GameLevel* currentLevel();

} // namespace StartUp
