#pragma once
// What can be acted on in one frame: each control, each picture cell and its
// two arrows, each laid piece, each gallery thumbnail, page arrow and the
// bin, listed once with its box on the 1024 x 768 logical screen and what a
// left click on it does. The level makes the list from the screen as it is,
// beside the frame's description of what is drawn; the mouse finds what it
// hits there, and a player without a mouse can walk the same list by group.

#include "video/Position.hpp"
#include "video/Rectangl.hpp"

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace GameLogic
{

class MouseCursor;

struct Target
{
    // The groups, each a region a player moves through as one.
    enum class Group
    {
        pieces,
        cellArrows,
        laidPieces,
        folders,
        topControls,
        bottomControls,
        thumbnails,
        pageArrows,
        bin
    };

    Group group;
    // A control's name; else "piece", "previous picture", "next picture",
    // "laid piece", "thumbnail", "previous page", "next page" or "bin".
    std::string name;
    // The cell's row, the laid piece's place from the top, the thumbnail's
    // place on the page; 0 for the others.
    std::size_t index = 0;
    // Every edge included.
    VideoEngine::OpenGL::Rectangl box;
    // The finer test within the box, a picture's mask; null where the box
    // alone decides.
    std::function<bool(int x, int y)> inside;
    // What a left click on it does, run without a mouse position.
    std::function<void()> act;
    // Shows it lit while over is set, pressed while the left button is
    // down too; null for a target that does not light.
    std::function<void(bool over, bool leftDown)> light;

    // The box first, then the finer test where there is one.
    bool contains(VideoEngine::OpenGL::Position point) const;
};

class Targets
{
public:
    void add(Target target);

    // The targets in the order they were added.
    const std::vector<Target>& all() const { return list; }
    // Every target at the point, in the list's order.
    std::vector<const Target*> at(VideoEngine::OpenGL::Position point) const;
    // The first target of the group at the point; null for none.
    const Target* first(Target::Group group, VideoEngine::OpenGL::Position point) const;
    // Whether the target of that name and index is at the point.
    bool hits(VideoEngine::OpenGL::Position point, const std::string& name,
              std::size_t index = 0) const;

    // The cursor over the targets of the groups: lights each by whether the
    // cursor is over it; on a fresh left press then runs the click of each
    // one at the cursor, in the list's order. What a click throws ends the
    // pass.
    void handleMouse(const MouseCursor& cursor, std::initializer_list<Target::Group> groups) const;

private:
    std::vector<Target> list;
};

} // namespace GameLogic
