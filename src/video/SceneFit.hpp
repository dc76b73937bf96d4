#pragma once
// Where the 1024 x 768 scene lies in a window: as large as the window allows
// without changing its shape, centred, with bars on the two sides left over.
// A window of the scene's shape is filled whole, as the scene was always
// drawn. Also where a window of the game's own goes on a screen.

#include "video/Position.hpp"

namespace VideoEngine
{
namespace OpenGL
{

struct SceneFit
{
    // The scene's rectangle in window pixels, from the window's top left.
    int left = 0;
    int top = 0;
    int width = 1024;
    int height = 768;
    int windowWidth = 1024;
    int windowHeight = 768;

    // True when the scene leaves no bars.
    bool fillsWindow() const { return width == windowWidth && height == windowHeight; }

    // The scene point under a window pixel; pixels on the bars give the
    // nearest point of the scene's edge.
    Position toScene(int x, int y) const;

    // Sets the GL viewport to the scene's rectangle.
    void setViewport() const;

    // Clears the bars to black and, when scene is true, the scene to the
    // colour (red, green and blue from 0 to 1). Leaves the clear colour and
    // the scissor as it found them.
    void clear(bool scene, float red, float green, float blue) const;
};

// The fit of the scene into a window of this size (at least one pixel each
// way).
SceneFit fitScene(int windowWidth, int windowHeight);

// A window for the scene, in screen pixels from the screen's top left.
struct WindowPlace
{
    int left = 0;
    int top = 0;
    int width = 1024;
    int height = 768;
};

// A window of 1024 x 768, or of the largest exact 4:3 size that fits where
// the area (a work area of the screen) is smaller, centred in the area; at
// least 4 x 3.
WindowPlace placeWindow(int left, int top, int width, int height);

} // namespace OpenGL
} // namespace VideoEngine
