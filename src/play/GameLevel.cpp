#include "play/GameLevel.hpp"

#include "play/Controls.hpp"
#include "play/MouseHandler.hpp"
#include "model/Palace.hpp"
#include "content/PictureListing.hpp"
#include "play/Toolbar.hpp"
#include "platform/GameLog.hpp"
#include "platform/Termination.hpp"
#include "play/Scanning.hpp"
#include "video/SceneSignature.hpp"

#include <GL/freeglut.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
std::vector<std::vector<std::string>> listPalaceFolder()
{
    std::vector<std::vector<std::string>> lists;
    try
    {
        listPicturesByRow("BMP/palace/", lists, Toolbar::picturePattern);
    }
    catch (const std::out_of_range& failure)
    {
        Platform::logLine("PalaceBuild", 639) << " " << failure.what() << Platform::endLine;
        throw;
    }
    return lists;
}
} // namespace

GameLevel::Catalogues GameLevel::makeCatalogues()
{
    Catalogues made;
    made.frames = std::make_unique<ImageManager<Frame>>("BMP/frame/");
    made.backgrounds = std::make_unique<ImageManager<Background>>("BMP/background/");
    return made;
}

GameLevel::GameLevel(GameLogic::Keyboard& keyboard, SceneStore& savedGame, PalaceGallery& kept,
                     Options options)
    : keyboard(keyboard), savedGame(savedGame), kept(kept), locked(options.exitLocked),
      backgroundCatalogue(std::move(options.catalogues.backgrounds)),
      frameCatalogue(options.catalogues.frames ? std::move(*options.catalogues.frames)
                                               : ImageManager<Frame>("BMP/frame/")),
      pointing(options.access), pictureCapture(options.pictureCopies), printing(options.printing, options.printWaitSeconds)
{
    if (!backgroundCatalogue)
        backgroundCatalogue = std::make_unique<ImageManager<Background>>("BMP/background/");
    Platform::throwIfTerminated();
    std::vector<std::vector<std::string>> firstFolder = listPalaceFolder();
    Platform::logLine("PalaceBuild", 649) << " GameLevel::init" << Platform::endLine;
    bar = std::make_unique<Toolbar>(controls(), firstFolder, *this);
    Platform::throwIfTerminated();
    pile = std::make_unique<Palace>();
    handler = std::make_shared<MouseHandler>(*bar, *pile);
    inPlay = std::make_unique<PalaceInPlay>(kept, *pile, *backgroundCatalogue, frameCatalogue);
    gallery = std::make_unique<Gallery>(kept, *pile, *backgroundCatalogue, frameCatalogue, *inPlay,
                                        locked);
    const std::string last = options.startWithLast ? kept.lastInPlay() : std::string();
    if (!last.empty())
        gallery->begin(last);
    steps = std::make_unique<Steps>(*pile, *handler, *backgroundCatalogue, frameCatalogue, *inPlay);
    bar->refresh(*this);
    scanning = std::make_unique<Scanning>(
        options.access, *handler, *pile, [this] { return targets(); },
        [this] { steps->cancelCarry(); });
    scanning->follow();
    handler->setHandlers([this] { onMouseButton(); }, [this] { onMouseMove(); });
    keyboard.setHandlers([this](unsigned char key) { onKey(key); },
                         [this](int key) { onSpecialKey(key); });
    Platform::logLine("PalaceBuild", 703) << "GameLevel::init" << Platform::endLine;
}

GameLevel::~GameLevel()
{
    keyboard.setHandlers(nullptr, nullptr);
}

VideoEngine::OpenGL::ScenePictures GameLevel::describe() const
{
    VideoEngine::OpenGL::ScenePictures scene;
    if (gallery->shown())
    {
        gallery->describe(scene);
        bar->addControl(scene.over, "gallery");
        scanning->addTo(scene.carried);
        pointing.addTo(scene.carried);
        return scene;
    }
    scene.background.add(backgroundCatalogue->current);
    scene.backgroundCovers = coversWindow();
    const bool capturing = pictureCapture.pending();
    scene.pieces = pile->batch(!capturing);
    if (capturing)
        return scene;
    bar->addCells(scene.over);
    scene.over.add(frameCatalogue.current);
    bar->addControls(scene.over);
    handler->addTo(scene.carried);
    scanning->addTo(scene.carried);
    pointing.addTo(scene.carried);
    return scene;
}

std::uint64_t GameLevel::draw()
{
    VideoEngine::OpenGL::ScenePictures scene = describe();
    const std::uint64_t shown = signatureOf(scene);
    if (!pictureCapture.pending())
    {
        drawing.draw(std::move(scene));
        return shown;
    }
    scene.drawWhole();
    pictureCapture.frameDrawn();
    if (const std::optional<std::string> printed = pictureCapture.takePrinted())
        printing.send(*printed);
    return shown;
}

std::uint64_t GameLevel::frameSignature() const
{
    return signatureOf(describe());
}

std::uint64_t GameLevel::signatureOf(const VideoEngine::OpenGL::ScenePictures& scene) const
{
    VideoEngine::OpenGL::SceneSignature signature;
    signature.add(scene.signature());
    signature.add(std::uint64_t(pictureCapture.state()));
    return signature.value();
}

bool GameLevel::coversWindow() const
{
    if (gallery->shown())
        return true;
    const Background& background = backgroundCatalogue->current;
    return background.data && background.data->opaque &&
           background.data->textureId != VideoEngine::OpenGL::TextureData::noTexture &&
           background.position.x <= 0 && background.position.y <= 0 &&
           background.position.x + background.data->imageWidth * background.scale() >= 1024 &&
           background.position.y + background.data->imageHeight * background.scale() >= 768;
}

void GameLevel::nextBackground()
{
    backgroundCatalogue->next();
}

void GameLevel::previousBackground()
{
    backgroundCatalogue->previous();
}

void GameLevel::nextFrame()
{
    frameCatalogue.next();
}

void GameLevel::previousFrame()
{
    frameCatalogue.previous();
}

void GameLevel::clearPalace()
{
    inPlay->keepNow();
    pile->clear();
    inPlay->beginNew();
}

void GameLevel::nextColour()
{
    pile->nextColor();
}

void GameLevel::previousColour()
{
    pile->previousColor();
}

void GameLevel::mirrorSelected()
{
    pile->toggleMirror();
}

void GameLevel::growPieces()
{
    bar->setCellsSize(pile->increaseSize(bar->sizeBoxTicked()));
}

void GameLevel::shrinkPieces()
{
    bar->setCellsSize(pile->decreaseSize(bar->sizeBoxTicked()));
}

void GameLevel::nextColourCarried()
{
    handler->nextColorDragged();
}

void GameLevel::previousColourCarried()
{
    handler->previousColorDragged();
}

void GameLevel::mirrorCarried()
{
    handler->mirrorDragged();
}

void GameLevel::growCarried()
{
    handler->growDragged();
}

void GameLevel::shrinkCarried()
{
    handler->shrinkDragged();
}

void GameLevel::showFolder(unsigned k)
{
    bar->showFolder(k);
}

void GameLevel::nextFolder()
{
    bar->nextFolder();
}

void GameLevel::savePicture()
{
    pictureCapture.request();
}

void GameLevel::savePlainPicture()
{
    pictureCapture.requestPlain();
}

void GameLevel::setWallpaper()
{
    pictureCapture.requestWallpaper();
}

void GameLevel::print()
{
    if (printing.ask())
        pictureCapture.requestPrint(Printing::pictureStem);
}

void GameLevel::undo()
{
    steps->undo();
}

void GameLevel::redo()
{
    steps->redo();
}

bool GameLevel::canUndo() const
{
    return steps->canUndo();
}

bool GameLevel::canRedo() const
{
    return steps->canRedo();
}

void GameLevel::saveGame()
{
    try
    {
        savedGame.save(*pile, *backgroundCatalogue, frameCatalogue);
    }
    catch (const std::exception& failure)
    {
        Platform::logLine("PalaceBuild", 620) << " " << failure.what() << Platform::endLine;
    }
}

void GameLevel::loadGame()
{
    inPlay->keepNow();
    try
    {
        savedGame.load(*pile, *backgroundCatalogue, frameCatalogue);
    }
    catch (...)
    {
        pile->clear();
    }
    inPlay->beginNew();
}

void GameLevel::toggleGallery()
{
    if (!gallery->shown())
        steps->cancelCarry();
    gallery->toggle();
}

void GameLevel::keepIfDue()
{
    inPlay->keepIfDue();
}

int GameLevel::msUntilKeep() const
{
    return inPlay->msUntilDue();
}

bool GameLevel::followPrinter()
{
    if (!printing.poll())
        return false;
    bar->refresh(*this);
    return true;
}

int GameLevel::msUntilPrinter() const
{
    return printing.msUntilDue();
}

bool GameLevel::followAccess()
{
    if (pointing.actIfDue())
    {
        const VideoEngine::OpenGL::Position at = handler->position();
        handler->press(MouseCursor::leftButton, true, at);
        handler->press(MouseCursor::leftButton, false, at);
        return true;
    }
    // The ring fills while the pointer rests.
    if (pointing.msUntilChange() >= 0)
        return true;
    const std::shared_ptr<Brick> carried = handler->carried();
    if (!scanning->moveIfDue())
        return false;
    afterInput(carried);
    return true;
}

int GameLevel::msUntilAccess() const
{
    const int scan = scanning->msUntilMove();
    const int rest = pointing.msUntilChange();
    return scan < 0 ? rest : rest < 0 ? scan : std::min(scan, rest);
}

void GameLevel::endPlay()
{
    inPlay->keepNow();
    kept.noteInPlay(pile->bricks().empty() ? std::string() : inPlay->name());
}

MouseCursor& GameLevel::mouse()
{
    return *handler;
}

void GameLevel::afterInput(const std::shared_ptr<Brick>& carriedBefore)
{
    steps->afterInput(carriedBefore);
    bar->refresh(*this);
    if (scanning && scanning->shown())
        scanning->follow();
}

void GameLevel::run(const Control& control)
{
    if (control.inactive && control.inactive(*this))
    {
        if (control.whenInactive)
            control.whenInactive(*this);
        return;
    }
    if (control.command)
        control.command(*this);
}

bool GameLevel::isGalleryKey(unsigned char key)
{
    for (const Control& control : controls())
        if (std::string(control.name) == "gallery")
            return control.keys.find(char(key)) != std::string::npos;
    return false;
}

Targets GameLevel::targets()
{
    Targets list;
    if (gallery->shown())
    {
        gallery->addTargets(list);
        bar->addTarget(list, "gallery");
        return list;
    }
    bar->addTargets(list, [this](std::size_t row) { handler->take(row); });
    std::size_t place = 0;
    for (const std::shared_ptr<Brick>& laid : pile->bricks())
    {
        const Brick* brick = laid.get();
        list.add({Target::Group::laidPieces, "laid piece", place, brick->box(),
                  [brick](int x, int y) { return brick->hitTest(x, y); },
                  [this, place] { handler->pickUp(place); }, nullptr});
        ++place;
    }
    return list;
}

std::shared_ptr<const Brick> GameLevel::carried() const
{
    return handler->carried();
}

void GameLevel::onGalleryMouse()
{
    const Targets now = targets();
    gallery->onMouse(*handler, now);
    if (gallery->shown())
        now.handleMouse(*handler, {Target::Group::topControls});
}

void GameLevel::onMouseButton()
{
    if (onScanButton())
        return;
    if (gallery->shown())
    {
        const std::shared_ptr<Brick> carried = handler->carried();
        onGalleryMouse();
        afterInput(carried);
        return;
    }
    // A change made other than by input is a step of its own, so that a
    // pick-up finds the pile as the history has it.
    steps->record();
    const std::shared_ptr<Brick> carried = handler->carried();
    // Presses on the undo and redo buttons are theirs alone: they neither
    // drop nor pick up a piece. A drag released over them ends as anywhere.
    const Targets before = targets();
    const VideoEngine::OpenGL::Position at = handler->position();
    const bool dragEnds = handler->leftReleased() && handler->dragging();
    if (dragEnds || (!before.hits(at, "undo") && !before.hits(at, "redo")))
        handler->handleButton(before);
    afterInput(carried);
    const std::shared_ptr<Brick> carriedNow = handler->carried();
    targets().handleMouse(*handler, Toolbar::controlGroups);
    afterInput(carriedNow);
}

void GameLevel::onMouseMove()
{
    pointing.moved(handler->position());
    // Switches press buttons; where the pointer is does not count.
    const Access access = scanning->access();
    if (access == Access::oneSwitch || access == Access::twoSwitches)
        return;
    if (gallery->shown())
    {
        onGalleryMouse();
        return;
    }
    const std::shared_ptr<Brick> carried = handler->carried();
    handler->handleMove();
    targets().handleMouse(*handler, Toolbar::controlGroups);
    // Of the moves only a throw makes a step.
    if (handler->carried() != carried)
        afterInput(carried);
}

void GameLevel::onKey(unsigned char key)
{
    const std::shared_ptr<Brick> carried = handler->carried();
    if (onScanKey(key))
    {
        afterInput(carried);
        return;
    }
    if (gallery->shown())
    {
        gallery->onKey(key, isGalleryKey(key));
        afterInput(carried);
        return;
    }
    for (const Control& control : controls())
        if (control.keys.find(char(key)) != std::string::npos)
        {
            run(control);
            break;
        }
    afterInput(carried);
}

void GameLevel::onSpecialKey(int key)
{
    const std::shared_ptr<Brick> carried = handler->carried();
    if (onScanSpecialKey(key))
    {
        afterInput(carried);
        return;
    }
    if (gallery->shown())
    {
        gallery->onSpecialKey(key);
        afterInput(carried);
        return;
    }
    for (const Control& control : controls())
        if (std::count(control.specialKeys.begin(), control.specialKeys.end(), key) != 0)
        {
            run(control);
            break;
        }
    afterInput(carried);
}

bool GameLevel::onScanKey(unsigned char key)
{
    const bool space = key == ' ', enter = key == '\r';
    switch (scanning->access())
    {
    case Access::keys:
        if (key == '\t')
            scanning->next();
        else if (key == backTabKey)
            scanning->previous();
        else if (space || enter)
            scanning->choose();
        else if (key == '\b' && steps->cancelCarry())
            scanning->restart();
        else
            return false;
        return true;
    case Access::oneSwitch:
        if (!space && !enter)
            return false;
        scanning->choose();
        return true;
    case Access::twoSwitches:
        if (space)
            scanning->next();
        else if (enter)
            scanning->choose();
        return space || enter;
    default:
        return false;
    }
}

bool GameLevel::onScanSpecialKey(int key)
{
    if (scanning->access() != Access::keys)
        return false;
    const int dx = key == GLUT_KEY_LEFT ? -1 : key == GLUT_KEY_RIGHT ? 1 : 0;
    const int dy = key == GLUT_KEY_UP ? -1 : key == GLUT_KEY_DOWN ? 1 : 0;
    if (dx == 0 && dy == 0)
        return false;
    scanning->toward(dx, dy);
    return true;
}

bool GameLevel::onScanButton()
{
    const Access access = scanning->access();
    if (access != Access::oneSwitch && access != Access::twoSwitches)
        return false;
    // A switch box may send either button; only the press counts.
    const std::shared_ptr<Brick> carried = handler->carried();
    if (handler->leftPressed())
        scanning->choose();
    else if (access == Access::twoSwitches && handler->rightPressed())
        scanning->next();
    afterInput(carried);
    return true;
}

} // namespace PalaceBuild
} // namespace GameLogic
