#include "platform/WindowClass.hpp"

#include <GL/glx.h>
#include <X11/Xutil.h>

namespace Platform
{

void setWindowClass(const std::string& name)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (!display || window == None)
        return;
    std::string instance = name;
    std::string className = name;
    XClassHint hint;
    hint.res_name = instance.data();
    hint.res_class = className.data();
    XSetClassHint(display, window, &hint);
    XFlush(display);
}

} // namespace Platform
