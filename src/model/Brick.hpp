#pragma once
// One picture laid on the palace (or held by a toolbar cell, or dragged): its
// placed, mirrored, sized and tinted picture, the rectangle it covers while
// clipped at the toolbar edge, and its pixel mask.
//
// All geometry uses the size factor s = size x 0.1f (the single-precision
// constant) evaluated in double precision; every result converted back to an
// integer is truncated toward zero.

#include "model/Mask.hpp"
#include "video/FastTextureData.hpp"
#include "video/PictureBatch.hpp"
#include "video/Rectangl.hpp"
#include "video/Texture.hpp"

#include <cstdint>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
{

class Brick
{
public:
    using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;

    static constexpr unsigned smallestSize = 4;
    static constexpr unsigned largestSize = 12;

    // An empty picture, empty rectangles, not clipped, an empty mask.
    Brick() = default;

    // A brick as the saved game keeps it: the picture, the rectangle it
    // covers, the part of the picture shown there when clipped, and the mask
    // (placed at the picture's position; no runs: hit by its rectangle).
    Brick(Picture picture, VideoEngine::OpenGL::Rectangl screenRect,
          VideoEngine::OpenGL::Rectangl sourceRect, bool clipped, Mask mask);

    // Shows the file's picture (size 10, white, at (0, 0); its data shared,
    // see sharedPicture) and reads its ".mask" file. Loading errors of the
    // picture pass on; a missing or bad mask does not.
    explicit Brick(const std::string& fileName);

    // Copies share the picture data and the mask runs.
    Brick(const Brick&) = default;
    Brick& operator=(const Brick&) = default;

    // The size factor of the picture's size step, in double precision.
    double scale() const;

    // Moves the brick so that its top-left corner is at (x, y).
    void setPosition(int x, int y);
    void moveBy(int dx, int dy);

    // Sets the right and bottom of screenRect to the scaled picture size.
    void fitScreenRect();

    // Sets clipped; switching it off makes the brick whole again, moving
    // screenRect back over the part that the clipping had cut away.
    void setClipped(bool on);
    // Clipped to show the source part of the picture in the screen rectangle.
    void clipTo(VideoEngine::OpenGL::Rectangl source, VideoEngine::OpenGL::Rectangl screen);
    // Cuts away the part of the scaled picture left of the edge (clipped),
    // or makes the brick whole when no part lies there. A brick lying wholly
    // left of the edge keeps an empty rectangle at the edge.
    void clipLeftOf(int edge);

    // The picture's mirror and tint steps (see Texture).
    void toggleMirror();
    void setMirrored(bool on);
    void nextColour();
    void previousColour();

    // Clamps the step to 4..12, sets it and rescales screenRect; returns the
    // step in force.
    unsigned setSize(unsigned step);
    // One size step up or down, staying within 4..12; return the new step.
    unsigned grow();
    unsigned shrink();

    // The rectangle it covers: clipped, or its picture's, scaled.
    VideoEngine::OpenGL::Rectangl box() const;

    // Whether (x, y) hits the brick, edges included: by the mask runs when it
    // has a mask, else by its (scaled or clipped) rectangle.
    bool hitTest(int x, int y) const;

    // Adds the picture to the batch: only its sourceRect part into
    // screenRect when the brick is clipped and clipping is allowed, else
    // whole.
    void addTo(VideoEngine::OpenGL::PictureBatch& batch, bool clippingAllowed) const;

    // Reads fileName + ".mask"; no usable file leaves the brick without a mask.
    void loadMask(const std::string& fileName);

    // Shows another file's picture at (0, 0), with its mask; loading errors
    // pass on.
    void reload(const std::string& fileName);

    const Picture& picture() const { return image; }
    // The rectangle the brick covers (scaled or clipped), the part of the
    // picture shown there while clipped, and whether it is.
    VideoEngine::OpenGL::Rectangl screenRect() const { return screen; }
    VideoEngine::OpenGL::Rectangl sourceRect() const { return source; }
    bool clipped() const { return cut; }
    const Mask& mask() const { return hitMask; }

private:
    Picture image;
    VideoEngine::OpenGL::Rectangl screen;
    bool cut = false;
    VideoEngine::OpenGL::Rectangl source;
    Mask hitMask;
};

// The rectangle with right and bottom scaled by factor about its top-left
// corner, truncated toward zero.
VideoEngine::OpenGL::Rectangl scaledRect(VideoEngine::OpenGL::Rectangl rect, double factor);

} // namespace PalaceBuild
} // namespace GameLogic
