#pragma once
// Drawing the game's frames: the level into the window, or offscreen while a
// picture capture needs the 1024 x 768 scene.

#include <cstdint>

namespace StartUp
{

// One game frame of the current game: clears the bars, if any, to black and
// the scene to opaque yellow (unless the level covers it anyway); with a
// level, draws it, lets the level capture the frame just drawn when a capture
// is due (the back buffer is undefined after the swap), swaps and waits for
// GL to finish. Where the run did not switch the display mode, the frames of
// a picture capture are drawn offscreen at 1024 x 768 instead and nothing is
// swapped. A frame of a picture capture asks for the next frame: the capture
// goes on, or the whole screen comes back. Without a level nothing is
// swapped. Returns the signature of the frame drawn, taken before drawing
// (a frame of a picture capture moves the capture on, and the next frame
// must differ); 0 without a level.
std::uint64_t drawGameFrame();

// Game-phase display callback: draws the current game's level, inside
// guardCallback, and notes the frame on screen for the pacing.
void onDisplay();

} // namespace StartUp
