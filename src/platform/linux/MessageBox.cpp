#include "platform/MessageBox.hpp"

#include <SDL.h>
#include <iostream>

namespace Platform
{

void showErrorMessage(const std::string& caption, const std::string& text)
{
    // SDL's simple box makes OK the default for both Enter and Escape.
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr) != 0)
        std::cerr << caption << ": " << text << " (" << SDL_GetError() << ")\n";
}

} // namespace Platform
