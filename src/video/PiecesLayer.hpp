#pragma once
// The laid pieces alone, kept in a picture of their own at the viewport's
// size over a transparent ground, with premultiplied alpha: a new background
// or frame then costs one picture drawn between them instead of every piece
// again. Its pixels differ from the pieces drawn one by one over the
// background by rounding only: a level per channel, and now and then two
// where the soft edges of pieces overlap. Owns a GL
// framebuffer and its texture, made on first use and deleted only by the
// destructor; needs the GL context it was made in.

#include "video/PictureBatch.hpp"

namespace VideoEngine
{
namespace OpenGL
{

class PiecesLayer
{
public:
    PiecesLayer() = default;
    ~PiecesLayer();
    PiecesLayer(const PiecesLayer&) = delete;
    PiecesLayer& operator=(const PiecesLayer&) = delete;

    // Brings the layer up to these pieces at the current viewport's size
    // (drawing again only where they differ from the pieces it holds) and
    // draws it over what the viewport shows, as the pieces themselves would
    // be drawn there. False, with nothing drawn, when the GL cannot make or
    // fill the layer: the caller draws the pieces itself. Leaves the GL
    // state as it found it.
    bool draw(const PictureBatch& pieces);

private:
    // Makes the framebuffer and a texture for it that reaches the viewport
    // kept: pixels are drawn at the very place they take in the window, so
    // that the edges of pieces fall on the same pixels. False when the GL
    // refuses.
    bool make();
    // Draws the pieces into the layer, over transparent pixels, within the
    // box of the viewport's pixels (from its top left).
    void fill(const PictureBatch& pieces, const Rectangl& box) const;
    // Draws the layer texel for pixel over the box of the viewport's pixels
    // (from its top left).
    void compose(const Rectangl& box) const;

    unsigned framebuffer = 0;
    unsigned texture = 0;
    // The viewport the layer is drawn for.
    int left = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    // The pieces the layer shows, when filled.
    PictureBatch kept;
    bool filled = false;
    bool failed = false;
};

} // namespace OpenGL
} // namespace VideoEngine
