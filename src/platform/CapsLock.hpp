#pragma once
// Whether Caps Lock is on. GLUT reports Caps Lock as a held Shift key; the
// keyboard asks this to tell the two apart.

namespace Platform
{

// True when Caps Lock is locked on the X display named by DISPLAY; false
// when there is no display to ask.
bool capsLockOn();

} // namespace Platform
