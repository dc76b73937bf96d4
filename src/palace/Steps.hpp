#pragma once
// The player's steps as undo and redo see them: after each input the scene
// is compared with the history's current one, and a change is a new step. A
// picked-up piece counts as lying where it lay until its move ends, so a
// pick-up and its drop make one step. The palace, the mouse handler and the
// catalogues belong to the level.

#include "palace/History.hpp"
#include "palace/SceneStore.hpp"

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
          FrameCatalogue& frames);

    // Records the step the scene now shows, if it differs from the last one:
    // a change made other than by input is a step of its own.
    void record();
    // After input: notes a carry that began or ended (carriedBefore is what
    // was carried before the input), then records the step, if any.
    void afterInput(const std::shared_ptr<Brick>& carriedBefore);

    // One step back or forward. While a piece is carried, undo only cancels
    // the carry: a new piece vanishes, a picked-up one goes back where it
    // lay, as it was; redo cancels the carry before it steps forward.
    void undo();
    void redo();

    // Whether undo would do anything (a carry counts), and redo.
    bool canUndo() const;
    bool canRedo() const;

private:
    // Drops the carried piece, putting a picked-up one back; returns whether
    // a piece was carried.
    bool cancelCarry();
    // Shows the background and frame of a scene undone or redone.
    void show(const History::Scene& scene);

    Palace& palace;
    MouseHandler& mouse;
    BackgroundCatalogue& backgrounds;
    FrameCatalogue& frames;
    History history;
};

} // namespace PalaceBuild
} // namespace GameLogic
