#include "platform/CapsLock.hpp"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <memory>

namespace Platform
{

bool capsLockOn()
{
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    XkbStateRec state{};
    if (!display || XkbGetState(display.get(), XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & LockMask) != 0;
}

} // namespace Platform
