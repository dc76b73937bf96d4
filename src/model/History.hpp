#pragma once
// Undo and redo: the scenes the child made, one after each finished step, so
// that the game can go back through the last `depth` steps and forward again.
//
// A scene holds the laid pieces themselves, shared with the palace, each with
// a copy of its parameters taken when the scene was recorded; the copies
// share the picture data and the mask runs, so a step costs a few bytes per
// piece and never pixels. Consecutive scenes share the copies of the pieces
// that did not change.
//
// A piece picked up from the palace still lies where it lay, for the history,
// until its move ends: scenes recorded while it is carried show it there, as
// it was before the pick-up.

#include "model/Brick.hpp"

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

class Palace;

class History
{
public:
    // How many steps can be undone; older ones are forgotten.
    static constexpr std::size_t depth = 100;

    // One laid piece and its parameters as they were.
    struct Placement
    {
        std::shared_ptr<Brick> brick;
        Brick state;
    };

    // The scene at one moment: the pile, topmost piece first, the palace's
    // reserved value, the picture files of the background and frame, and
    // the name of the palace in play.
    struct Scene
    {
        std::vector<std::shared_ptr<const Placement>> pile;
        int reserved = 0;
        std::string background;
        std::string frame;
        std::string palace;
    };

    // Starts with the scene as its only one: nothing to undo or redo.
    explicit History(Scene start);

    // The scene as the palace shows it now, with a picked-up piece where it
    // lay. Pieces whose parameters equal the current scene's copies share
    // those copies.
    Scene capture(const Palace& palace, const std::string& background, const std::string& frame,
                  const std::string& palaceName) const;

    // When the scene differs from the current one in its pieces, their order
    // or parameters, or its background or frame, it becomes a new step: the
    // steps that could be redone are dropped, and the oldest beyond depth.
    // Else its palace name, and between steps its reserved value, are taken
    // into the current scene; during a carry the reserved value is left to
    // the step that ends the carry. Returns whether a step was added.
    bool record(Scene scene, bool betweenSteps);

    bool canUndo() const;
    bool canRedo() const;
    // The scene undo or redo would go to; null when there is none.
    const Scene* before() const;
    const Scene* after() const;

    // One step back (or forward), laid into the palace: the same pieces in
    // the same order with the parameters they had, and the reserved value.
    // The piece the step touched is selected when it is in the pile; else
    // the selection stays when its piece is still there, else the topmost
    // piece is selected. Returns the scene now current (whose background and
    // frame the caller shows), or null and changes nothing when there is no
    // step to go to.
    const Scene* undo(Palace& palace);
    const Scene* redo(Palace& palace);

    // Every scene of the palace named from is of the palace named to from
    // now on.
    void renamePalace(const std::string& from, const std::string& to);

    // Remembers where the brick lay in the current scene when it was just
    // picked up; a brick not in it (a new piece) is not remembered.
    void pickedUp(const std::shared_ptr<Brick>& brick);
    // Forgets the picked-up piece: its move ended with a drop or a throw.
    void carryEnded();
    // Puts the picked-up piece back into the palace where it lay, as it was,
    // and selects it; then forgets it. Returns whether there was one.
    bool putBack(Palace& palace);

private:
    // Lays the current scene into the palace after a move from scene from.
    void restore(Palace& palace, std::size_t from) const;

    std::deque<Scene> scenes;
    std::size_t now = 0;
    // The picked-up piece as it lay, and how many pieces lay below it.
    std::shared_ptr<const Placement> carried;
    std::size_t carriedBelow = 0;
};

} // namespace PalaceBuild
} // namespace GameLogic
