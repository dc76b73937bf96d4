#pragma once
// The display mode of the run: read the user's mode, switch to the best 4:3
// mode of a candidate width, and switch back at the end.

#include "platform/DisplayMode.hpp"

#include <vector>

namespace StartUp
{

using DisplayMode = Platform::DisplayMode;

// The mode in force; stores its pixel size in width and height. Throws
// std::logic_error "Unable to get display settings" when it cannot be read.
DisplayMode getDisplaySettings(int& width, int& height);

// Switches the display to its best 4:3 mode of a candidate width (1024x768,
// never 1024x600); true when it did. When no mode fits or all are refused,
// the display stays as it is. An empty candidate list looks at nothing.
bool setDisplayMode(const std::vector<int>& widths);

// Switches back to a mode read by getDisplaySettings. Returns whether the
// display accepted it.
bool restoreDisplaySettings(DisplayMode mode);

} // namespace StartUp
