#pragma once
// How a child plays: with the mouse (or a touch screen), the keyboard, one
// switch, two switches, or a pointer that rests instead of clicking; and the
// times and pointer size that go with it. The run's settings give it; the
// level's scanning of its targets follows it.

namespace GameLogic
{
namespace PalaceBuild
{

enum class Access
{
    mouse,
    keys,
    oneSwitch,
    twoSwitches,
    dwell
};

struct AccessOptions
{
    Access access = Access::mouse;
    // With one switch, how long the highlight stays on each choice.
    int scanMs = 1500;
    // With dwell, how long the pointer must rest to act.
    int dwellMs = 1000;
    // 1: the desktop's pointer; 2 or 3: the game's own, that many times larger.
    int pointerSize = 1;
};

} // namespace PalaceBuild
} // namespace GameLogic
