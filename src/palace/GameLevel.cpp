#include "palace/GameLevel.hpp"

#include "palace/Controls.hpp"
#include "palace/MouseHandler.hpp"
#include "palace/Palace.hpp"
#include "palace/PictureListing.hpp"
#include "palace/Toolbar.hpp"
#include "platform/GameLog.hpp"
#include "platform/Sound.hpp"
#include "platform/Termination.hpp"
#include "video/SceneSignature.hpp"
#include "video/ScreenCapture.hpp"

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
    catch (const char* failure)
    {
        Platform::logLine("PalaceBuild", 645) << " " << failure << Platform::endLine;
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

GameLevel::GameLevel(GameLogic::Keyboard& keyboard, SceneStore& savedGame,
                     PalaceGallery& gallery, Options options)
    : keyboard(keyboard), savedGame(savedGame), gallery(gallery), locked(options.exitLocked),
      backgroundCatalogue(std::move(options.catalogues.backgrounds)),
      frameCatalogue(options.catalogues.frames ? std::move(*options.catalogues.frames)
                                               : ImageManager<Frame>("BMP/frame/")),
      pictureCapture(options.pictureCopies),
      printing(options.printing, options.printWaitSeconds)
{
    if (!backgroundCatalogue)
        backgroundCatalogue = std::make_unique<ImageManager<Background>>("BMP/background/");
    Platform::throwIfTerminated();
    std::vector<std::vector<std::string>> firstFolder = listPalaceFolder();
    Platform::logLine("PalaceBuild", 649) << " GameLevel::init" << Platform::endLine;
    bar = std::make_unique<Toolbar>(controls(), firstFolder);
    Platform::throwIfTerminated();
    pile = std::make_unique<Palace>();
    handler = std::make_shared<MouseHandler>("", *bar, *pile);
    inPlay = std::make_unique<PalaceInPlay>(gallery, *pile, *backgroundCatalogue, frameCatalogue);
    const std::string last = options.startWithLast ? gallery.lastInPlay() : std::string();
    Palace lastPalace;
    if (!last.empty() && probe(last, lastPalace))
    {
        gallery.open(last, *pile, *backgroundCatalogue, frameCatalogue);
        inPlay->switchTo(last);
    }
    steps = std::make_unique<Steps>(*pile, *handler, *backgroundCatalogue, frameCatalogue, *inPlay);

    for (const Toolbar::Shown& shown : bar->controls())
        if (shown.button && shown.control->command)
        {
            shown.button->onClick = [this, command = shown.control->command] { command(*this); };
            if (shown.control->whenInactive)
                shown.button->onInactiveClick = [this, command = shown.control->whenInactive]
                { command(*this); };
        }
    bar->refresh(*this);
    handler->onButton = [this] { onMouseButton(); };
    handler->onMove = [this] { onMouseMove(); };
    keyboard.keyFunc = [this](unsigned char key) { onKey(key); };
    keyboard.specialFunc = [this](int key) { onSpecialKey(key); };
    Platform::logLine("PalaceBuild", 703) << "GameLevel::init" << Platform::endLine;
}

GameLevel::~GameLevel()
{
    keyboard.keyFunc = nullptr;
    keyboard.specialFunc = nullptr;
}

VideoEngine::OpenGL::ScenePictures GameLevel::describe() const
{
    VideoEngine::OpenGL::ScenePictures scene;
    if (screen)
    {
        screen->addPanel(scene.background);
        scene.backgroundCovers = true;
        screen->addTo(scene.over);
        scene.over.add(*bar->button("gallery").current);
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
    return scene;
}

void GameLevel::draw()
{
    if (!pictureCapture.pending())
    {
        drawing.draw(describe());
        return;
    }
    describe().drawWhole();
    pictureCapture.frameDrawn();
    if (const std::optional<std::string> printed = pictureCapture.takePrinted())
        printing.send(*printed);
}

std::uint64_t GameLevel::frameSignature() const
{
    VideoEngine::OpenGL::SceneSignature signature;
    signature.add(describe().signature());
    signature.add(std::uint64_t(pictureCapture.state()));
    return signature.value();
}

bool GameLevel::coversWindow() const
{
    if (screen)
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

void GameLevel::growPieces()
{
    bar->setCellsSize(pile->increaseSize(bar->checkBox->checked));
}

void GameLevel::shrinkPieces()
{
    bar->setCellsSize(pile->decreaseSize(bar->checkBox->checked));
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
        pictureCapture.requestPrint(Printing::pictureFile);
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
    if (screen)
    {
        screen.reset();
        thumbnails.reset();
        return;
    }
    steps->cancelCarry();
    // The palace in play is shown among the others as it is now.
    inPlay->keepNow();
    screen = std::make_unique<GalleryScreen>(!locked);
    screen->show(gallery.names());
    fillGalleryPage();
}

bool GameLevel::probe(const std::string& name, Palace& into)
{
    const std::string background = backgroundCatalogue->currentFile();
    const std::string frame = frameCatalogue.currentFile();
    bool read = true;
    try
    {
        gallery.open(name, into, *backgroundCatalogue, frameCatalogue);
    }
    catch (const std::exception& failure)
    {
        gallery.damaged(name, failure.what());
        read = false;
    }
    backgroundCatalogue->select(background);
    frameCatalogue.select(frame);
    return read;
}

bool GameLevel::makeThumbnail(const std::string& name)
{
    const std::string background = backgroundCatalogue->currentFile();
    const std::string frame = frameCatalogue.currentFile();
    Palace kept;
    // The scene picture, as a saved picture shows it: background and pieces.
    VideoEngine::OpenGL::ScenePictures scene;
    bool read = true;
    try
    {
        gallery.open(name, kept, *backgroundCatalogue, frameCatalogue);
        scene.background.add(backgroundCatalogue->current);
        scene.pieces = kept.batch(false);
    }
    catch (const std::exception& failure)
    {
        gallery.damaged(name, failure.what());
        read = false;
    }
    backgroundCatalogue->select(background);
    frameCatalogue.select(frame);
    if (!read)
        return false;
    if (!thumbnails)
        thumbnails = std::make_unique<VideoEngine::OpenGL::SceneTarget>();
    if (!VideoEngine::OpenGL::saveThumbnail(*thumbnails, scene, gallery.thumbnail(name),
                                            GalleryScreen::thumbnailWidth,
                                            GalleryScreen::thumbnailHeight))
        Platform::logLine("PalaceBuild", 913)
            << " Unable to write " << gallery.thumbnail(name) << Platform::endLine;
    return true;
}

void GameLevel::fillGalleryPage()
{
    screen->setThumbnails({});
    std::vector<GalleryScreen::Picture> pictures;
    const std::vector<std::string> page = screen->page();
    for (const std::string& name : page)
    {
        GalleryScreen::Picture picture;
        if (!loadThumbnail(name, picture))
        {
            // Damaged: the page closes up, and is filled again.
            screen->remove(name);
            fillGalleryPage();
            return;
        }
        pictures.push_back(std::move(picture));
    }
    screen->setThumbnails(std::move(pictures));
}

bool GameLevel::loadThumbnail(const std::string& name, GalleryScreen::Picture& picture)
{
    if (!gallery.thumbnailCurrent(name) && !makeThumbnail(name))
        return false;
    try
    {
        picture.load(gallery.thumbnail(name));
        return true;
    }
    catch (const std::exception&)
    {
        // A damaged thumbnail is made again from its palace.
    }
    if (!makeThumbnail(name))
        return false;
    try
    {
        picture.load(gallery.thumbnail(name));
    }
    catch (const std::exception&)
    {
        // No thumbnail can be written: the slot stays empty.
    }
    return true;
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

void GameLevel::endPlay()
{
    inPlay->keepNow();
    gallery.noteInPlay(pile->bricks().empty() ? std::string() : inPlay->name());
}

MouseCursor& GameLevel::mouse()
{
    return *handler;
}

void GameLevel::afterInput(const std::shared_ptr<Brick>& carriedBefore)
{
    steps->afterInput(carriedBefore);
    bar->refresh(*this);
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

void GameLevel::openChosen()
{
    const std::string name = screen->highlighted();
    Palace probed;
    if (name.empty() || name == inPlay->name())
    {
        toggleGallery();
        return;
    }
    inPlay->keepNow();
    if (!probe(name, probed))
    {
        screen->remove(name);
        fillGalleryPage();
        return;
    }
    try
    {
        gallery.open(name, *pile, *backgroundCatalogue, frameCatalogue);
    }
    catch (const std::exception& failure)
    {
        gallery.damaged(name, failure.what());
        pile->clear();
    }
    inPlay->switchTo(name);
    toggleGallery();
}

void GameLevel::trashChosen()
{
    const std::string name = screen->highlighted();
    if (locked || name.empty())
        return;
    // The palace in play goes from the scene too: else its next step would
    // bring its file back.
    if (name == inPlay->name())
    {
        pile->clear();
        inPlay->beginNew();
    }
    try
    {
        gallery.trash(name);
    }
    catch (const std::exception& failure)
    {
        Platform::logLine("PalaceBuild", 914) << " " << failure.what() << Platform::endLine;
        return;
    }
    Platform::playSound("Sound/takeOff.wav");
    screen->remove(name);
    fillGalleryPage();
}

void GameLevel::act(GalleryScreen::Choice choice)
{
    switch (choice)
    {
    case GalleryScreen::Choice::page:
        fillGalleryPage();
        break;
    case GalleryScreen::Choice::open:
        openChosen();
        break;
    case GalleryScreen::Choice::trash:
        trashChosen();
        break;
    case GalleryScreen::Choice::none:
        break;
    }
}

void GameLevel::onGalleryKey(unsigned char key)
{
    const Control* gallery = nullptr;
    for (const Control& control : controls())
        if (std::string(control.name) == "gallery")
            gallery = &control;
    if (key == escapeKey || (gallery && gallery->keys.find(char(key)) != std::string::npos))
        toggleGallery();
    else if (key == returnKey)
        act(GalleryScreen::Choice::open);
    else if (key == deleteKey)
        act(GalleryScreen::Choice::trash);
}

void GameLevel::onGalleryMouse()
{
    const GalleryScreen::Choice choice = screen->handleMouse(handler);
    act(choice);
    if (screen)
        bar->button("gallery").handleMouse(handler);
}

void GameLevel::onMouseButton()
{
    if (screen)
    {
        const std::shared_ptr<Brick> carried = handler->dragged;
        onGalleryMouse();
        afterInput(carried);
        return;
    }
    // A change made other than by input is a step of its own, so that a
    // pick-up finds the pile as the history has it.
    steps->record();
    const std::shared_ptr<Brick> carried = handler->dragged;
    // Presses on the undo and redo buttons are theirs alone: they neither
    // drop nor pick up a piece.
    const VideoEngine::OpenGL::Position at = handler->position;
    if (!bar->button("undo").contains(at.x, at.y) && !bar->button("redo").contains(at.x, at.y))
        handler->handleButton();
    afterInput(carried);
    const std::shared_ptr<Brick> carriedNow = handler->dragged;
    bar->handleMouse(handler);
    afterInput(carriedNow);
}

void GameLevel::onMouseMove()
{
    if (screen)
    {
        onGalleryMouse();
        return;
    }
    const std::shared_ptr<Brick> carried = handler->dragged;
    handler->handleMove();
    bar->handleMouse(handler);
    // Of the moves only a throw makes a step.
    if (handler->dragged != carried)
        afterInput(carried);
}

void GameLevel::onKey(unsigned char key)
{
    const std::shared_ptr<Brick> carried = handler->dragged;
    if (screen)
    {
        onGalleryKey(key);
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
    const std::shared_ptr<Brick> carried = handler->dragged;
    if (screen)
    {
        const int dx = key == GLUT_KEY_LEFT ? -1 : key == GLUT_KEY_RIGHT ? 1 : 0;
        const int dy = key == GLUT_KEY_UP ? -1 : key == GLUT_KEY_DOWN ? 1 : 0;
        act(screen->move(dx, dy));
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

} // namespace PalaceBuild
} // namespace GameLogic
