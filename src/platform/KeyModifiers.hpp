#pragma once
// The modifier keys held with a key: the one place the game asks. GLUT
// reports a locked Caps Lock as a held Shift, which would turn undo into redo
// and let Ctrl+Escape pass the child lock; Caps Lock is never a modifier here.

namespace Platform
{

struct KeyModifiers
{
    bool shift = false;
    bool control = false;
};

// The Shift and Ctrl keys held with the key GLUT is handing over; to be
// called from a GLUT keyboard callback only. While Caps Lock is locked, Shift
// is read from the keyboard's state on GLUT's own X connection, asked once
// per call. When GLUT reports Shift and the keyboard cannot be asked, Shift
// counts as not held: the child lock stays shut.
KeyModifiers keyModifiers();

// Lets Shift+Tab reach GLUT as a Tab with Shift held. X names that key
// ISO_Left_Tab, which has no character, so GLUT would drop it. Binds the
// name on GLUT's own X connection, for this client only; to be called once
// the window is open. Without a connection it does nothing.
void keepShiftTab();

} // namespace Platform
