#include "gallery/Gallery.hpp"

#include "model/Palace.hpp"
#include "platform/GameLog.hpp"
#include "platform/Sound.hpp"
#include "output/ScreenCapture.hpp"

#include <GL/freeglut.h>
#include <algorithm>
#include <set>
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
        toMake.clear();
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
    screen->dropThumbnailsOffPage();
    const std::vector<std::string> listed = std::move(toMake);
    toMake.clear();
    // A damaged palace leaves the pages and the page closes up: its names
    // are gone through again, each palace looked at once, however many
    // palaces are damaged. The list stays in the page's order, so the slots
    // fill in from the top left.
    std::set<std::string> seen;
    for (bool whole = false; !whole;)
    {
        whole = true;
        for (const std::string& name : screen->page())
        {
            if (!seen.insert(name).second || screen->hasThumbnail(name))
                continue;
            const bool known = std::find(listed.begin(), listed.end(), name) != listed.end();
            if (!known && kept.thumbnailCurrent(name) && showThumbnail(name))
                continue;
            Palace probed;
            if (!known && !probe(name, probed))
            {
                screen->remove(name);
                whole = false;
                break;
            }
            toMake.push_back(name);
        }
    }
}

bool Gallery::fillSome()
{
    if (!filling())
        return false;
    const std::string name = toMake.front();
    toMake.erase(toMake.begin());
    if (!makeThumbnail(name))
    {
        // Changed since it was listed, and damaged now.
        screen->remove(name);
        fillPage();
        return true;
    }
    // A thumbnail that cannot be written or read leaves its slot waiting.
    showThumbnail(name);
    return true;
}

bool Gallery::showThumbnail(const std::string& name)
{
    try
    {
        GalleryScreen::Picture picture;
        picture.load(kept.thumbnail(name));
        screen->setThumbnail(name, std::move(picture));
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
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
    writeThumbnail(name, scene, *thumbnails);
    return true;
}

void Gallery::keepThumbnailInPlay()
{
    const std::string& name = inPlay.name();
    if (screen || inPlay.msUntilDue() >= 0 || palace.bricks().empty() ||
        kept.thumbnailCurrent(name))
        return;
    VideoEngine::OpenGL::ScenePictures scene;
    scene.background.add(backgrounds.current);
    scene.pieces = palace.batch(false);
    // Made for this once: at rest the game holds no offscreen picture.
    VideoEngine::OpenGL::SceneTarget target;
    writeThumbnail(name, scene, target);
}

void Gallery::writeThumbnail(const std::string& name,
                             const VideoEngine::OpenGL::ScenePictures& scene,
                             VideoEngine::OpenGL::SceneTarget& target)
{
    if (!VideoEngine::OpenGL::saveThumbnail(target, scene, kept.thumbnail(name),
                                            GalleryScreen::thumbnailWidth,
                                            GalleryScreen::thumbnailHeight))
        Platform::logLine("PalaceBuild", 913)
            << " Unable to write " << kept.thumbnail(name) << Platform::endLine;
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
