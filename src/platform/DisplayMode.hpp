#pragma once
// The display modes of the X screen the game runs on (the display named by
// DISPLAY): read the mode in force, list the modes offered, switch to one.
// A mode is a plain record copied by value; it names its mode to the display
// server, so a record read earlier can be switched back to later.
// Without the RandR extension, or where it refuses, the current mode is still
// read (the screen's size) but nothing is listed and nothing is switched.

#include <cstdint>
#include <vector>

namespace Platform
{

struct DisplayMode
{
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t depth = 0;   // bits per pixel
    std::uint32_t refresh = 0; // Hz, 0 when unknown
    int sizeIndex = -1;        // the server's index of this size; -1: cannot be switched to
};

// Fills mode with the mode in force. False when no display can be opened.
bool readCurrentMode(DisplayMode& mode);

// Every mode of the primary output, one record per size and refresh rate.
// Empty when there is no display, no RandR, or the server is XWayland.
std::vector<DisplayMode> listModes();

// Switches the primary output to mode for this session (nothing is stored as
// the user's setting). False when the server refuses or the mode is unknown.
bool switchMode(const DisplayMode& mode);

} // namespace Platform
