#pragma once
// Every control of the game screen and every key, listed once (Controls.cpp):
// its picture family, its place, the keys that run it, its command and when
// it is inactive. The toolbar builds, places, draws, lights and lists the
// controls as targets from this list; their commands act on the level
// through Commands, and the level routes the keys through the list. Adding a
// control is adding one entry.

#include "play/Commands.hpp"
#include "ui/Targets.hpp"

#include <optional>
#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

// Where a control stands: a point of the logical screen, or a point measured
// from a corner of the picture rectangle r of a control listed before it.
struct Place
{
    enum Corner
    {
        topLeft,
        bottomLeft,
        topRight
    };
    // The control measured from; null for the screen's origin.
    const char* from;
    Corner corner;
    int dx;
    int dy;
};

// (x, y); (r.left + dx, r.top + dy); (r.left + dx, r.bottom + dy);
// (r.right + dx, r.top + dy).
constexpr Place at(int x, int y)
{
    return {nullptr, Place::topLeft, x, y};
}
constexpr Place from(const char* control, int dx, int dy)
{
    return {control, Place::topLeft, dx, dy};
}
constexpr Place below(const char* control, int dx, int dy)
{
    return {control, Place::bottomLeft, dx, dy};
}
constexpr Place rightOf(const char* control, int dx, int dy)
{
    return {control, Place::topRight, dx, dy};
}

struct Control
{
    enum Kind
    {
        // Pictures 01 away, 02 under the mouse, 03 pressed, and 04 inactive
        // when the control can be inactive.
        button,
        // Pictures 01 to 05 (see CheckBox); it runs nothing itself.
        checkBox,
        // No picture: keys alone.
        key
    };

    // What players and tests call it.
    const char* name;
    Kind kind;
    // The group its target belongs to; none for keys.
    std::optional<Target::Group> group;
    // The pictures are "BMP/button/<pictures>01.png" and on.
    const char* pictures;
    Place place;
    bool mirrored;
    // The characters, and the GLUT special keys, that run the command.
    std::string keys;
    std::vector<int> specialKeys;
    // What a click or a key does; null for none.
    void (*command)(Commands& level);
    // True while the control shows its inactive picture and neither it nor
    // its keys do anything; null for never.
    bool (*inactive)(const Commands& level);
    // What a click or a key does while the control is inactive, for a
    // control that says why it does nothing; null for nothing.
    void (*whenInactive)(Commands& level) = nullptr;
};

// The list, in the order the controls are built, placed, lit and drawn.
const std::vector<Control>& controls();

} // namespace PalaceBuild
} // namespace GameLogic
