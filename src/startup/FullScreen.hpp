#pragma once
// F11: the window filling the screen and back, where the display mode was
// kept.

#include "startup/Game.hpp"

namespace StartUp
{

// F11 where the display mode was kept ("display = window" or "keep", or a
// switch that did not happen): the window fills the screen, or becomes the
// window again at its size and place (at first the window "display =
// window" would open), the display mode never changing. Nothing happens
// under the child lock, nor on a switched mode.
void toggleFullScreen(Game& game);

} // namespace StartUp
