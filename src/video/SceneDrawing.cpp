#include "video/SceneDrawing.hpp"

#include "video/KeptGLState.hpp"
#include "video/SceneSignature.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <utility>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

// The box around both; an empty box (right < left) adds nothing.
Rectangl unite(const Rectangl& a, const Rectangl& b)
{
    if (a.right < a.left)
        return b;
    if (b.right < b.left)
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// An opaque background covering the screen is drawn without blending: the
// same pixels, for less work.
void drawBackground(const ScenePictures& scene)
{
    const KeptGLState kept(GL_ENABLE_BIT);
    if (scene.backgroundCovers)
        glDisable(GL_BLEND);
    scene.background.draw();
}

} // namespace

std::uint64_t ScenePictures::signature() const
{
    SceneSignature signature;
    signature.add(stillSignature());
    signature.add(carried.signature());
    return signature.value();
}

std::uint64_t ScenePictures::stillSignature() const
{
    SceneSignature signature;
    signature.add(besidePiecesSignature());
    signature.add(pieces.signature());
    return signature.value();
}

std::uint64_t ScenePictures::besidePiecesSignature() const
{
    SceneSignature signature;
    signature.add(background.signature());
    signature.add(std::uint64_t(backgroundCovers));
    signature.add(over.signature());
    return signature.value();
}

void ScenePictures::drawWhole() const
{
    SceneDrawing::drawStillOf(*this);
    carried.draw();
}

void SceneDrawing::draw(ScenePictures scene)
{
    const std::uint64_t signature = scene.stillSignature();
    if (still.holds(signature))
    {
        still.draw();
        scene.carried.draw();
        return;
    }
    // When the background stays, the kept layer stays as it is outside the
    // box around the pieces and the pictures over them that changed.
    const std::uint64_t background = scene.background.signature();
    Rectangl changedPieces, changedOver;
    if (still.fits() && scene.backgroundCovers && background == keptBackground &&
        scene.pieces.changedArea(keptPieces, changedPieces) &&
        scene.over.changedArea(keptOver, changedOver))
        still.redrawWithin(unite(changedPieces, changedOver), [&] { drawStillOf(scene); },
                           signature);
    else
    {
        drawStillThroughLayer(scene);
        still.keep(signature);
    }
    keptPieces = std::move(scene.pieces);
    keptOver = std::move(scene.over);
    keptBackground = background;
    scene.carried.draw();
}

void SceneDrawing::drawStillOf(const ScenePictures& scene)
{
    drawBackground(scene);
    scene.pieces.draw();
    scene.over.draw();
}

// A scene without pieces (the gallery's) leaves the layer as it is, for the
// palace to come back to.
void SceneDrawing::drawStillThroughLayer(const ScenePictures& scene)
{
    drawBackground(scene);
    if (scene.pieces.empty() || !pieces.draw(scene.pieces))
        scene.pieces.draw();
    scene.over.draw();
}

} // namespace OpenGL
} // namespace VideoEngine
