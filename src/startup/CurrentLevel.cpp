#include "startup/CurrentLevel.hpp"

#include "startup/Game.hpp"

namespace StartUp
{

GameLogic::PalaceBuild::GameLevel* currentLevel()
{
    return Game::current ? Game::current->level.get() : nullptr;
}

} // namespace StartUp
