#pragma once
// The player's steps as undo and redo see them: after each input the scene
// is compared with the history's current one, and a change is a new step. A
// picked-up piece counts as lying where it lay until its move ends, so a
// pick-up and its drop make one step. Each scene remembers which palace was
// in play, so that undo and redo follow the palace: undoing a clear brings
// the old palace back as itself, unless another game has it in play or
// changed it since, when it comes back as a new palace with its steps. The
// palace, the mouse handler, the catalogues and the palace in play belong to
// the level.

#include "model/History.hpp"
#include "gallery/PalaceInPlay.hpp"
#include "model/SceneStore.hpp"

#include <memory>

namespace GameLogic
{
namespace PalaceBuild
{

class Brick;
class MouseHandler;
class Palace;

class Steps
{
public:
    // Starts with the scene as it is as the only one.
    Steps(Palace& palace, MouseHandler& mouse, BackgroundCatalogue& backgrounds,
          FrameCatalogue& frames, PalaceInPlay& inPlay);

    // Records the step the scene now shows, if it differs from the last one
    // (a change made other than by input is a step of its own); a step is
    // kept in the gallery.
    void record();
    // After input: notes a carry that began or ended (carriedBefore is what
    // was carried before the input), then records the step, if any.
    void afterInput(const std::shared_ptr<Brick>& carriedBefore);

    // One step back or forward. While a piece is carried, undo only cancels
    // the carry: a new piece vanishes, a picked-up one goes back where it
    // lay, as it was; redo cancels the carry before it steps forward. A step
    // to another palace keeps the one in play first.
    void undo();
    void redo();
    // Drops the carried piece, putting a picked-up one back; returns whether
    // a piece was carried.
    bool cancelCarry();

    // Whether undo would do anything (a carry counts), and redo.
    bool canUndo() const;
    bool canRedo() const;

private:
    History::Scene now() const;
    // Shows the background, frame and palace of a scene undone or redone.
    void show(const History::Scene& scene);

    Palace& palace;
    MouseHandler& mouse;
    BackgroundCatalogue& backgrounds;
    FrameCatalogue& frames;
    PalaceInPlay& inPlay;
    History history;
};

} // namespace PalaceBuild
} // namespace GameLogic
