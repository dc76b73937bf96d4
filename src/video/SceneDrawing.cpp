#include "video/SceneDrawing.hpp"

#include "video/SceneSignature.hpp"

#include <GL/gl.h>
#include <utility>

namespace VideoEngine
{
namespace OpenGL
{

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
    // When only pieces changed, the kept layer stays as it is outside the box
    // around them.
    const std::uint64_t besidePieces = scene.besidePiecesSignature();
    Rectangl changed;
    if (still.fits() && scene.backgroundCovers && besidePieces == keptBesidePieces &&
        scene.pieces.changedArea(keptPieces, changed))
        still.redrawWithin(changed, [&] { drawStillOf(scene); });
    else
        drawStillOf(scene);
    still.keep(signature);
    keptPieces = std::move(scene.pieces);
    keptBesidePieces = besidePieces;
    scene.carried.draw();
}

// An opaque background covering the screen is drawn without blending: the
// same pixels, for less work.
void SceneDrawing::drawStillOf(const ScenePictures& scene)
{
    if (scene.backgroundCovers)
    {
        glDisable(GL_BLEND);
        scene.background.draw();
        glEnable(GL_BLEND);
    }
    else
        scene.background.draw();
    scene.pieces.draw();
    scene.over.draw();
}

} // namespace OpenGL
} // namespace VideoEngine
