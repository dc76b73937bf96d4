#pragma once

#include <string>

namespace Platform
{

// Copies the picture out of the game folder into the user's backgrounds
// folder and installs the copy persistently as the desktop wallpaper with the
// desktop's own tool. Never blocks the game for long; failures are ignored.
// Without the tool on PATH, or when it fails, no copy is left behind.
void setDesktopWallpaper(const std::string& pictureFile);

} // namespace Platform
