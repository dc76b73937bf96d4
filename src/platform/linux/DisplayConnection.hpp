#pragma once
// A connection of the game's own to the X display, apart from GLUT's: closed
// when its owner lets it go.

#include <X11/Xlib.h>
#include <memory>

namespace Platform
{

struct DisplayCloser
{
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// A connection to the display named by DISPLAY, or null. A server refuses
// connections for a moment while it resets (after its last client left), so
// a refusal is retried for about half a second.
DisplayPtr openDisplay();

} // namespace Platform
