#pragma once
// The exit request: how the player ends the game phase, by Escape or by the
// exit button. It is a std::runtime_error whose message is "exit"; the run
// logs the message and goes on to the shutdown picture.

#include <stdexcept>

namespace GameLogic
{

[[noreturn]] inline void requestExit()
{
    throw std::runtime_error("exit");
}

} // namespace GameLogic
