#include "palace/Toolbar.hpp"

#include "palace/PictureListing.hpp"
#include "platform/GameLog.hpp"
#include "video/MaskFile.hpp"
#include "video/Rectangl.hpp"

#include <stdexcept>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
using VideoEngine::OpenGL::Rectangl;

// The three pictures "BMP/button/<stem>01.png" to "...03.png".
Utils::Array<std::string, 3> buttonPictures(const std::string& stem)
{
    Utils::Array<std::string, 3> files;
    for (unsigned k = 0; k < files.size(); ++k)
        files[k] = "BMP/button/" + stem + "0" + std::to_string(k + 1) + ".png";
    return files;
}

std::shared_ptr<Button> makeButton(const std::string& stem, int x, int y, bool mirrored = false)
{
    return std::make_shared<Button>(buttonPictures(stem), x, y, mirrored);
}

Rectangl rectOf(const std::shared_ptr<Button>& button)
{
    return button->current->imageRect();
}

Utils::Array<std::string, 5> checkBoxPictures()
{
    Utils::Array<std::string, 5> files;
    for (unsigned k = 0; k < files.size(); ++k)
        files[k] = "BMP/button/checkbox 0" + std::to_string(k + 1) + ".png";
    return files;
}

// A toolbar row shows at most its first three pictures.
void cutToRow(std::vector<std::string>& pictures)
{
    constexpr std::size_t picturesPerRow = 3;
    if (pictures.size() > picturesPerRow)
        pictures.resize(picturesPerRow);
}
} // namespace

const char* const Toolbar::picturePattern = "^[1-3]\\.(.*)\\.(png|bmp)$";

Toolbar::Toolbar(std::vector<std::vector<std::string>>& firstFolder)
{
    backgroundButton = makeButton("background ", 26, 670);
    frameButton = makeButton("frame ", 91, 670);
    clearButton = makeButton("clear ", 156, 670);
    const Rectangl background = rectOf(backgroundButton);
    savePictureButton = makeButton("save picture ", background.left + 2, background.bottom + 2);
    const Rectangl savePicture = rectOf(savePictureButton);
    wallpaperButton = makeButton("wallpaper ", savePicture.right + 5, savePicture.top);
    saveButton = makeButton("save ", savePicture.left, savePicture.bottom + 3);
    const Rectangl wallpaper = rectOf(wallpaperButton);
    loadButton = makeButton("load ", wallpaper.left, wallpaper.bottom + 3);

    const Button rightArrow(buttonPictures("arrow "), 149, 159, false);
    const Button leftArrow(buttonPictures("arrow "), 149, 159, true);

    previousColorButton = makeButton("arrow color ", 25, 97, true);
    const Rectangl previousColor = rectOf(previousColorButton);
    nextColorButton = makeButton("arrow color ", previousColor.left + 90, previousColor.top);

    folders = {"BMP/palace/", "BMP/decoration/", "BMP/person/"};
    for (const std::string& folder : folders)
    {
        std::vector<std::vector<std::string>> lists;
        listPicturesByRow(folder, lists, picturePattern);
        for (const auto& list : lists)
            VideoEngine::OpenGL::prepareMasks(list);
    }
    rows.reserve(firstFolder.size());
    for (std::size_t i = 0; i < firstFolder.size(); ++i)
    {
        cutToRow(firstFolder[i]);
        rows.push_back(std::make_shared<Cell>(firstFolder[i], 23, 120 + 183 * static_cast<int>(i),
                                              leftArrow, rightArrow));
    }

    folder1Button = makeButton("folder 1.", 30, 26);
    const Rectangl folder1 = rectOf(folder1Button);
    folder2Button = makeButton("folder 2.", folder1.right + 8, folder1.top);
    const Rectangl folder2 = rectOf(folder2Button);
    folder3Button = makeButton("folder 3.", folder2.right + 8, folder2.top);
    exitButton = makeButton("exit ", 1000, 0);
    mirrorButton = makeButton("mirror ", 890, 5);
    undoButton = makeButton("undo ", 780, 5);
    redoButton = makeButton("redo ", 835, 5);
    undoButton->addInactivePicture("BMP/button/undo 04.png");
    redoButton->addInactivePicture("BMP/button/redo 04.png");
    undoButton->setActive(false);
    redoButton->setActive(false);
    smallerButton = makeButton("dec size ", folder1.left - 5, folder1.bottom + 5, true);
    const Rectangl smaller = rectOf(smallerButton);
    checkBox =
        std::make_shared<CheckBox>(checkBoxPictures(), smaller.right + 2, smaller.top - 3, false);
    const Rectangl box = checkBox->current->imageRect();
    largerButton = makeButton("dec size ", box.right + 2, box.top + 3);
}

std::vector<Button*> Toolbar::buttonsInOrder() const
{
    return {backgroundButton.get(),    frameButton.get(),     clearButton.get(),
            savePictureButton.get(),   folder1Button.get(),   folder2Button.get(),
            folder3Button.get(),       saveButton.get(),      loadButton.get(),
            previousColorButton.get(), nextColorButton.get(), exitButton.get(),
            wallpaperButton.get(),     mirrorButton.get(),    largerButton.get(),
            smallerButton.get(),       undoButton.get(),      redoButton.get()};
}

void Toolbar::handleMouse(const std::shared_ptr<MouseCursor>& cursor)
{
    for (Button* button : buttonsInOrder())
        button->handleMouse(cursor);
    checkBox->handleMouse(cursor);
    for (const auto& cell : rows)
        cell->handleMouse(cursor);
}

void Toolbar::drawCells() const
{
    for (const auto& cell : rows)
        cell->drawPicture();
}

void Toolbar::sign(VideoEngine::OpenGL::SceneSignature& signature) const
{
    for (const auto& cell : rows)
    {
        signature.add(cell->hasPicture());
        if (cell->hasPicture())
            cell->brick.sign(signature);
        signature.add(*cell->previousArrow.current);
        signature.add(*cell->nextArrow.current);
    }
    for (const Button* button : buttonsInOrder())
        signature.add(*button->current);
    signature.add(*checkBox->current);
}

void Toolbar::drawControls() const
{
    for (const Button* button : buttonsInOrder())
        button->current->draw();
    checkBox->current->draw();
    for (const auto& cell : rows)
        cell->drawArrows();
}

std::shared_ptr<Brick> Toolbar::startDrag(int x, int y, const std::string& name)
{
    for (const auto& cell : rows)
    {
        if (std::shared_ptr<Brick> brick = cell->startDrag(x, y, name))
            return brick;
    }
    return nullptr;
}

void Toolbar::setCellsSize(unsigned step)
{
    for (const auto& cell : rows)
        cell->setSize(step);
}

void Toolbar::lockExit()
{
    exitButton->addInactivePicture("BMP/button/exit 04.png");
    exitButton->setActive(false);
}

void Toolbar::selectFolder(const std::string& folder)
{
    try
    {
        std::vector<std::vector<std::string>> lists;
        listPicturesByRow(folder, lists, picturePattern);
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            if (i >= lists.size())
                throw std::out_of_range("invalid vector<T> subscript");
            cutToRow(lists[i]);
            rows[i]->setPictures(lists[i]);
        }
    }
    catch (const std::exception& failure)
    {
        Platform::logLine("PalaceBuild", 282) << " " << failure.what() << Platform::endLine;
        throw;
    }
    catch (const char* failure)
    {
        Platform::logLine("PalaceBuild", 288) << " " << failure << Platform::endLine;
        throw;
    }
}

void Toolbar::showFolder(std::size_t k)
{
    const std::string& folder = folders.at(k);
    current = k;
    selectFolder(folder);
}

void Toolbar::nextFolder()
{
    showFolder(current + 1 >= folders.size() ? 0 : current + 1);
}

} // namespace PalaceBuild
} // namespace GameLogic
