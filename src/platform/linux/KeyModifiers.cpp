#include "platform/KeyModifiers.hpp"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace Platform
{

KeyModifiers keyModifiers()
{
    const int reported = glutGetModifiers();
    KeyModifiers held;
    held.control = (reported & GLUT_ACTIVE_CTRL) != 0;
    held.shift = (reported & GLUT_ACTIVE_SHIFT) != 0;
    if (!held.shift)
        return held;
    // GLUT's Shift is the key event's own state, exact unless Caps Lock is
    // locked; only then is the keyboard asked which of the two it was.
    Display* display = glXGetCurrentDisplay();
    XkbStateRec state{};
    if (!display || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        held.shift = false;
    else if (state.locked_mods & LockMask)
        held.shift = (state.mods & ShiftMask) != 0;
    return held;
}

void keepShiftTab()
{
    Display* display = glXGetCurrentDisplay();
    if (!display)
        return;
    // Bound with no modifiers: the keyboard's map has used Shift up in
    // choosing ISO_Left_Tab, and GLUT still reports it held.
    static const unsigned char tab[] = "\t";
    XRebindKeysym(display, XK_ISO_Left_Tab, nullptr, 0, tab, 1);
}

} // namespace Platform
