#pragma once
// One frame of the game screen, described once: the pictures it shows, in
// four batches in drawing order. The drawing and the signature that decides
// whether a frame must be drawn again both come from that description, so
// nothing can be drawn and left out of the comparison.
//
// SceneDrawing draws such frames over a kept still layer: a frame whose
// still part (all but the carried piece) is unchanged copies the layer back;
// one where only pieces, cells or controls changed redraws within the box
// around what changed; anything else is drawn whole and kept, its pieces
// from the kept pieces layer (PiecesLayer) where the GL can keep one. Owns
// the layers' GL objects through SceneLayer and PiecesLayer.

#include "video/PictureBatch.hpp"
#include "video/PiecesLayer.hpp"
#include "video/SceneLayer.hpp"

#include <cstdint>

namespace VideoEngine
{
namespace OpenGL
{

struct ScenePictures
{
    PictureBatch background;
    // True when the background is opaque and covers the whole screen: it is
    // then drawn without blending and needs no clearing under it.
    bool backgroundCovers = false;
    PictureBatch pieces;
    // The toolbar's pictures, the frame and the controls.
    PictureBatch over;
    PictureBatch carried;

    // The signature of the whole frame, of all but the carried piece, and of
    // all but the pieces and the carried piece.
    std::uint64_t signature() const;
    std::uint64_t stillSignature() const;
    std::uint64_t besidePiecesSignature() const;

    // Draws the four batches in order, leaving blending as it found it.
    void drawWhole() const;
};

class SceneDrawing
{
public:
    // Draws the frame into the current viewport (see the file's comment) and
    // keeps its still part. Leaves the GL state as it found it.
    void draw(ScenePictures scene);

    // Background, pieces and the pictures over them, whole.
    static void drawStillOf(const ScenePictures& scene);

private:
    // Background, the pieces layer over it (or the pieces themselves, where
    // the GL keeps no layer) and the pictures over them.
    void drawStillThroughLayer(const ScenePictures& scene);

    SceneLayer still;
    PiecesLayer pieces;
    // The pieces and the pictures over them that the still layer shows, and
    // the signature of its background.
    PictureBatch keptPieces;
    PictureBatch keptOver;
    std::uint64_t keptBackground = 0;
};

} // namespace OpenGL
} // namespace VideoEngine
