#include "play/Controls.hpp"

#include "play/GameLevel.hpp"
#include "play/MouseHandler.hpp"
#include "model/Palace.hpp"
#include "play/Toolbar.hpp"
#include "ui/ExitRequest.hpp"

#include <GL/freeglut.h>

namespace GameLogic
{
namespace PalaceBuild
{

const std::vector<Control>& controls()
{
    using L = GameLevel;
    const auto button = Control::button;
    const auto key = Control::key;
    // clang-format off
    static const std::vector<Control> list = {
        // name, kind, pictures, place, mirrored, keys, special keys, command, inactive when
        {"background", button, "background ", at(26, 670), false, "b", {},
         [](L& l) { l.nextBackground(); }, nullptr},
        {"frame", button, "frame ", at(91, 670), false, "f", {},
         [](L& l) { l.nextFrame(); }, nullptr},
        {"clear", button, "clear ", at(156, 670), false, "", {},
         [](L& l) { l.clearPalace(); }, nullptr},
        {"save picture", button, "save picture ", below("background", 2, 2), false, "", {},
         [](L& l) { l.savePicture(); }, nullptr},
        {"wallpaper", button, "wallpaper ", rightOf("save picture", 5, 0), false, "wW", {},
         [](L& l) { l.setWallpaper(); }, nullptr},
        {"save", button, "save ", below("save picture", 0, 3), false, "s", {},
         [](L& l) { l.saveGame(); }, nullptr},
        {"load", button, "load ", below("wallpaper", 0, 3), false, "l", {},
         [](L& l) { l.loadGame(); }, nullptr},
        {"previous colour", button, "arrow color ", at(25, 97), true, "", {},
         [](L& l) { l.palace().previousColor(); }, nullptr},
        {"next colour", button, "arrow color ", from("previous colour", 90, 0), false, "", {},
         [](L& l) { l.palace().nextColor(); }, nullptr},
        // The folder buttons stand in the order person, palace, decoration.
        {"person", button, "folder 1.", at(30, 26), false, "", {},
         [](L& l) { l.toolbar().showFolder(2); }, nullptr},
        {"palace", button, "folder 2.", rightOf("person", 8, 0), false, "", {},
         [](L& l) { l.toolbar().showFolder(0); }, nullptr},
        {"decoration", button, "folder 3.", rightOf("palace", 8, 0), false, "", {},
         [](L& l) { l.toolbar().showFolder(1); }, nullptr},
        {"exit", button, "exit ", at(1000, 0), false, "", {},
         [](L&) { requestExit(); }, [](const L& l) { return l.exitLocked(); }},
        {"mirror", button, "mirror ", at(890, 5), false, "", {},
         [](L& l) { l.palace().toggleMirror(); }, nullptr},
        // Ctrl+P; an inactive print control logs why, and may look again.
        {"print", button, "print ", at(670, 5), false, std::string(1, L::printKey), {},
         [](L& l) { l.print(); }, [](const L& l) { return !l.canPrint(); },
         [](L& l) { l.print(); }},
        {"gallery", button, "gallery ", at(725, 5), false, "g", {},
         [](L& l) { l.toggleGallery(); }, nullptr},
        {"undo", button, "undo ", at(780, 5), false, std::string(1, L::undoKey), {},
         [](L& l) { l.undo(); }, [](const L& l) { return !l.canUndo(); }},
        {"redo", button, "redo ", at(835, 5), false, std::string(1, L::redoKey), {},
         [](L& l) { l.redo(); }, [](const L& l) { return !l.canRedo(); }},
        {"smaller", button, "dec size ", below("person", -5, 5), true, "", {},
         [](L& l) { l.shrinkPieces(); }, nullptr},
        {"check box", Control::checkBox, "checkbox ", rightOf("smaller", 2, -3), false, "", {},
         nullptr, nullptr},
        {"larger", button, "dec size ", rightOf("check box", 2, 3), false, "", {},
         [](L& l) { l.growPieces(); }, nullptr},
        // Keys alone.
        {"previous background", key, "", {}, false, "B", {},
         [](L& l) { l.previousBackground(); }, nullptr},
        {"previous frame", key, "", {}, false, "F", {},
         [](L& l) { l.previousFrame(); }, nullptr},
        {"next folder", key, "", {}, false, "nN", {},
         [](L& l) { l.toolbar().nextFolder(); }, nullptr},
        // The key p makes a plain picture, even after w.
        {"picture", key, "", {}, false, "pP", {},
         [](L& l) { l.savePlainPicture(); }, nullptr},
        {"tint carried", key, "", {}, false, "i", {},
         [](L& l) { l.mouseHandler().nextColorDragged(); }, nullptr},
        {"tint carried back", key, "", {}, false, "u", {},
         [](L& l) { l.mouseHandler().previousColorDragged(); }, nullptr},
        {"mirror carried", key, "", {}, false, "", {GLUT_KEY_LEFT, GLUT_KEY_RIGHT},
         [](L& l) { l.mouseHandler().mirrorDragged(); }, nullptr},
        {"grow carried", key, "", {}, false, "", {GLUT_KEY_UP},
         [](L& l) { l.mouseHandler().growDragged(); }, nullptr},
        {"shrink carried", key, "", {}, false, "", {GLUT_KEY_DOWN},
         [](L& l) { l.mouseHandler().shrinkDragged(); }, nullptr},
    };
    // clang-format on
    return list;
}

} // namespace PalaceBuild
} // namespace GameLogic
