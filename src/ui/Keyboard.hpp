#pragma once
// The keyboard as the game sees it: two handlers that the game level sets
// and clears. The GLUT keyboard callbacks of the run pass keys to them;
// Escape never reaches them: it ends the game phase.

#include <functional>
#include <utility>

namespace GameLogic
{

class Keyboard
{
public:
    // What a key and a special key run from now on; empty handlers drop the
    // keys.
    void setHandlers(std::function<void(unsigned char key)> onKey,
                     std::function<void(int key)> onSpecial)
    {
        keyHandler = std::move(onKey);
        specialHandler = std::move(onSpecial);
    }

    // Runs the handler of the key, if there is one.
    void key(unsigned char key) const
    {
        if (keyHandler)
            keyHandler(key);
    }
    void special(int key) const
    {
        if (specialHandler)
            specialHandler(key);
    }

private:
    std::function<void(unsigned char key)> keyHandler;
    std::function<void(int key)> specialHandler;
};

} // namespace GameLogic
