#pragma once
// The part of the game screen that stays the same from frame to frame
// (background, laid pieces, frame, cells and controls), kept as a copy of the
// window's pixels. A frame in which only the carried piece moves copies it
// back instead of drawing hundreds of pieces again. Owns one GL texture,
// deleted only by the destructor; needs the GL context it was made in.

#include "video/Rectangl.hpp"

#include <cstdint>
#include <functional>

namespace VideoEngine
{
namespace OpenGL
{

class SceneLayer
{
public:
    SceneLayer() = default;
    ~SceneLayer();
    SceneLayer(const SceneLayer&) = delete;
    SceneLayer& operator=(const SceneLayer&) = delete;

    // True when the layer holds the drawing with this signature (see
    // SceneSignature) at the current viewport's size.
    bool holds(std::uint64_t signature) const;

    // Copies the whole viewport of the back buffer, just drawn with this
    // signature, into the layer. When the GL cannot make the texture the
    // layer stays empty and holds nothing.
    void keep(std::uint64_t signature);

    // True when the layer holds a drawing at the current viewport's size.
    bool fits() const;

    // Draws the kept pixels over the whole viewport, texel for pixel, without
    // blending. Leaves the GL state as it found it.
    void draw() const;

    // Draws the kept pixels, then has drawScene draw the scene again over
    // every pixel that area (in the units of the 1024 x 768 scene) touches,
    // and nowhere else, and keeps the result under the signature: only those
    // pixels are copied into the layer. An empty area (right < left) draws
    // nothing more. Needs fits(); on a GL error the layer is left empty and
    // holds nothing. Leaves the GL state as it found it.
    void redrawWithin(const Rectangl& area, const std::function<void()>& drawScene,
                      std::uint64_t signature);

    // The pixels of the current viewport, counted from its top left, that an
    // area in the units of the 1024 x 768 scene touches, cut to the viewport:
    // empty (right <= left or bottom <= top) when there are none.
    static Rectangl pixelsOf(const Rectangl& area);

private:
    // Copies the box of the viewport (pixels from its lower-left corner) into
    // the bound layer texture at the same place; false on a GL error.
    static bool copyBox(int left, int bottom, int width, int height);

    unsigned texture = 0;
    int width = 0;
    int height = 0;
    int textureWidth = 0;
    int textureHeight = 0;
    std::uint64_t kept = 0;
    bool filled = false;
};

} // namespace OpenGL
} // namespace VideoEngine
