#include "gallery/Gallery.hpp"

#include "model/Palace.hpp"
#include "platform/GameLog.hpp"
#include "platform/Sound.hpp"
#include "output/ScreenCapture.hpp"

#include <GL/freeglut.h>
#include <map>
#include <stdexcept>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
constexpr unsigned char escapeKey = 27;
constexpr unsigned char returnKey = 13;
constexpr unsigned char deleteKey = 127;
} // namespace

Gallery::Gallery(PalaceGallery& kept, Palace& palace, BackgroundCatalogue& backgrounds,
                 FrameCatalogue& frames, PalaceInPlay& inPlay, bool locked)
    : kept(kept), palace(palace), backgrounds(backgrounds), frames(frames), inPlay(inPlay),
      locked(locked)
{
}

void Gallery::toggle()
{
    if (screen)
    {
        screen.reset();
        thumbnails.reset();
        return;
    }
    inPlay.keepNow();
    try
    {
        screen = std::make_unique<GalleryScreen>(!locked);
    }
    catch (const std::exception& failure)
    {
        Platform::logLine("PalaceBuild", 915) << " " << failure.what() << Platform::endLine;
        return;
    }
    screen->show(kept.names());
    fillPage();
}

bool Gallery::begin(const std::string& name)
{
    Palace probed;
    if (!probe(name, probed))
        return false;
    kept.open(name, palace, backgrounds, frames);
    inPlay.switchTo(name);
    return true;
}

void Gallery::onKey(unsigned char key, bool galleryKey)
{
    if (key == escapeKey || galleryKey)
        toggle();
    else if (key == returnKey)
        act(GalleryScreen::Choice::open);
    else if (key == deleteKey)
        act(GalleryScreen::Choice::trash);
}

void Gallery::onSpecialKey(int key)
{
    const int dx = key == GLUT_KEY_LEFT ? -1 : key == GLUT_KEY_RIGHT ? 1 : 0;
    const int dy = key == GLUT_KEY_UP ? -1 : key == GLUT_KEY_DOWN ? 1 : 0;
    act(screen->move(dx, dy));
}

void Gallery::onMouse(const MouseCursor& cursor, const Targets& targets)
{
    targets.handleMouse(cursor, {Target::Group::pageArrows, Target::Group::bin,
                                 Target::Group::thumbnails});
}

void Gallery::addTargets(Targets& targets)
{
    screen->addTargets(targets, [this](GalleryScreen::Choice choice) { act(choice); });
}

void Gallery::describe(VideoEngine::OpenGL::ScenePictures& scene) const
{
    screen->addPanel(scene.background);
    scene.backgroundCovers = true;
    screen->addTo(scene.over);
}

void Gallery::act(GalleryScreen::Choice choice)
{
    switch (choice)
    {
    case GalleryScreen::Choice::page:
        fillPage();
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

void Gallery::fillPage()
{
    screen->setThumbnails({});
    // A damaged palace leaves the pages and the page closes up: its names
    // are gone through again, each thumbnail loaded once, however many
    // palaces are damaged.
    std::map<std::string, GalleryScreen::Picture> loaded;
    for (bool whole = false; !whole;)
    {
        whole = true;
        for (const std::string& name : screen->page())
        {
            if (loaded.count(name))
                continue;
            GalleryScreen::Picture picture;
            if (!loadThumbnail(name, picture))
            {
                screen->remove(name);
                whole = false;
                break;
            }
            loaded.emplace(name, std::move(picture));
        }
    }
    std::vector<GalleryScreen::Picture> pictures;
    for (const std::string& name : screen->page())
        pictures.push_back(std::move(loaded.at(name)));
    screen->setThumbnails(std::move(pictures));
}

bool Gallery::loadThumbnail(const std::string& name, GalleryScreen::Picture& picture)
{
    if (!kept.thumbnailCurrent(name) && !makeThumbnail(name))
        return false;
    try
    {
        picture.load(kept.thumbnail(name));
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
        picture.load(kept.thumbnail(name));
    }
    catch (const std::exception&)
    {
        // No thumbnail can be written: the slot stays empty.
    }
    return true;
}

bool Gallery::makeThumbnail(const std::string& name)
{
    // The scene picture, as a saved picture shows it: background and pieces.
    VideoEngine::OpenGL::ScenePictures scene;
    Palace probed;
    if (!probe(name, probed, [&] { scene.background.add(backgrounds.current); }))
        return false;
    scene.pieces = probed.batch(false);
    if (!thumbnails)
        thumbnails = std::make_unique<VideoEngine::OpenGL::SceneTarget>();
    if (!VideoEngine::OpenGL::saveThumbnail(*thumbnails, scene, kept.thumbnail(name),
                                            GalleryScreen::thumbnailWidth,
                                            GalleryScreen::thumbnailHeight))
        Platform::logLine("PalaceBuild", 913)
            << " Unable to write " << kept.thumbnail(name) << Platform::endLine;
    return true;
}

bool Gallery::probe(const std::string& name, Palace& into, const std::function<void()>& whileShown)
{
    const std::string background = backgrounds.currentFile();
    const std::string frame = frames.currentFile();
    bool read = true;
    try
    {
        kept.read(name, into, backgrounds, frames);
        if (whileShown)
            whileShown();
    }
    catch (const std::exception& failure)
    {
        kept.damaged(name, failure.what());
        read = false;
    }
    backgrounds.select(background);
    frames.select(frame);
    return read;
}

void Gallery::openChosen()
{
    const std::string name = screen->highlighted();
    if (name.empty() || name == inPlay.name())
    {
        toggle();
        return;
    }
    inPlay.keepNow();
    Palace probed;
    if (!probe(name, probed))
    {
        screen->remove(name);
        fillPage();
        return;
    }
    try
    {
        kept.open(name, palace, backgrounds, frames);
    }
    catch (const std::exception& failure)
    {
        kept.damaged(name, failure.what());
        palace.clear();
    }
    inPlay.switchTo(name);
    toggle();
}

void Gallery::trashChosen()
{
    const std::string name = screen->highlighted();
    if (locked || name.empty())
        return;
    try
    {
        kept.trash(name);
    }
    catch (const std::exception& failure)
    {
        // Nothing was thrown away: the scene stays as it is.
        Platform::logLine("PalaceBuild", 914) << " " << failure.what() << Platform::endLine;
        return;
    }
    // The palace in play goes from the scene too: else its next step would
    // bring its file back.
    if (name == inPlay.name())
    {
        palace.clear();
        inPlay.beginNew();
    }
    Platform::playSound("Sound/takeOff.wav");
    screen->remove(name);
    fillPage();
}

} // namespace PalaceBuild
} // namespace GameLogic
