#include "play/Controls.hpp"

#include "ui/ExitRequest.hpp"

#include <GL/freeglut.h>

namespace GameLogic
{
namespace PalaceBuild
{

const std::vector<Control>& controls()
{
    using L = Commands;
    const auto button = Control::button;
    const auto key = Control::key;
    const auto folder = Target::Group::folders;
    const auto top = Target::Group::topControls;
    const auto bottom = Target::Group::bottomControls;
    // clang-format off
    static const std::vector<Control> list = {
        // name, kind, group, pictures, place, mirrored, keys, special keys, command, inactive when
        {"background", button, bottom, "background ", at(26, 670), false, "b", {},
         [](L& l) { l.nextBackground(); }, nullptr},
        {"frame", button, bottom, "frame ", at(91, 670), false, "f", {},
         [](L& l) { l.nextFrame(); }, nullptr},
        {"clear", button, bottom, "clear ", at(156, 670), false, "", {},
         [](L& l) { l.clearPalace(); }, nullptr},
        {"save picture", button, bottom, "save picture ", below("background", 2, 2), false, "", {},
         [](L& l) { l.savePicture(); }, nullptr},
        {"wallpaper", button, bottom, "wallpaper ", rightOf("save picture", 5, 0), false, "wW", {},
         [](L& l) { l.setWallpaper(); }, nullptr},
        {"save", button, bottom, "save ", below("save picture", 0, 3), false, "s", {},
         [](L& l) { l.saveGame(); }, nullptr},
        {"load", button, bottom, "load ", below("wallpaper", 0, 3), false, "l", {},
         [](L& l) { l.loadGame(); }, nullptr},
        {"previous colour", button, top, "arrow color ", at(25, 97), true, "", {},
         [](L& l) { l.previousColour(); }, nullptr},
        {"next colour", button, top, "arrow color ", from("previous colour", 90, 0), false, "", {},
         [](L& l) { l.nextColour(); }, nullptr},
        // The folder buttons stand in the order person, palace, decoration.
        {"person", button, folder, "folder 1.", at(30, 26), false, "", {},
         [](L& l) { l.showFolder(2); }, nullptr},
        {"palace", button, folder, "folder 2.", rightOf("person", 8, 0), false, "", {},
         [](L& l) { l.showFolder(0); }, nullptr},
        {"decoration", button, folder, "folder 3.", rightOf("palace", 8, 0), false, "", {},
         [](L& l) { l.showFolder(1); }, nullptr},
        {"exit", button, top, "exit ", at(1000, 0), false, "", {},
         [](L&) { requestExit(); }, [](const L& l) { return l.exitLocked(); }},
        {"mirror", button, top, "mirror ", at(890, 5), false, "", {},
         [](L& l) { l.mirrorSelected(); }, nullptr},
        // Ctrl+P; an inactive print control logs why, and may look again.
        {"print", button, top, "print ", at(670, 5), false, std::string(1, L::printKey), {},
         [](L& l) { l.print(); }, [](const L& l) { return !l.canPrint(); },
         [](L& l) { l.print(); }},
        {"gallery", button, top, "gallery ", at(725, 5), false, "g", {},
         [](L& l) { l.toggleGallery(); }, nullptr},
        {"undo", button, top, "undo ", at(780, 5), false, std::string(1, L::undoKey), {},
         [](L& l) { l.undo(); }, [](const L& l) { return !l.canUndo(); }},
        {"redo", button, top, "redo ", at(835, 5), false, std::string(1, L::redoKey), {},
         [](L& l) { l.redo(); }, [](const L& l) { return !l.canRedo(); }},
        {"smaller", button, top, "dec size ", below("person", -5, 5), true, "", {},
         [](L& l) { l.shrinkPieces(); }, nullptr},
        {"check box", Control::checkBox, top, "checkbox ", rightOf("smaller", 2, -3), false, "", {},
         nullptr, nullptr},
        {"larger", button, top, "dec size ", rightOf("check box", 2, 3), false, "", {},
         [](L& l) { l.growPieces(); }, nullptr},
        // Keys alone.
        {"previous background", key, {}, "", {}, false, "B", {},
         [](L& l) { l.previousBackground(); }, nullptr},
        {"previous frame", key, {}, "", {}, false, "F", {},
         [](L& l) { l.previousFrame(); }, nullptr},
        {"next folder", key, {}, "", {}, false, "nN", {},
         [](L& l) { l.nextFolder(); }, nullptr},
        // The key p makes a plain picture, even after w.
        {"picture", key, {}, "", {}, false, "pP", {},
         [](L& l) { l.savePlainPicture(); }, nullptr},
        {"tint carried", key, {}, "", {}, false, "i", {},
         [](L& l) { l.nextColourCarried(); }, nullptr},
        {"tint carried back", key, {}, "", {}, false, "u", {},
         [](L& l) { l.previousColourCarried(); }, nullptr},
        {"mirror carried", key, {}, "", {}, false, "", {GLUT_KEY_LEFT, GLUT_KEY_RIGHT},
         [](L& l) { l.mirrorCarried(); }, nullptr},
        {"grow carried", key, {}, "", {}, false, "", {GLUT_KEY_UP},
         [](L& l) { l.growCarried(); }, nullptr},
        {"shrink carried", key, {}, "", {}, false, "", {GLUT_KEY_DOWN},
         [](L& l) { l.shrinkCarried(); }, nullptr},
    };
    // clang-format on
    return list;
}

} // namespace PalaceBuild
} // namespace GameLogic
