#include "play/Steps.hpp"

#include "play/MouseHandler.hpp"
#include "model/Palace.hpp"

namespace GameLogic
{
namespace PalaceBuild
{

Steps::Steps(Palace& palace, MouseHandler& mouse, BackgroundCatalogue& backgrounds,
             FrameCatalogue& frames, PalaceInPlay& inPlay)
    : palace(palace), mouse(mouse), backgrounds(backgrounds), frames(frames), inPlay(inPlay),
      history(History::Scene{})
{
    history = History(now());
}

History::Scene Steps::now() const
{
    return history.capture(palace, backgrounds.currentFile(), frames.currentFile(), inPlay.name());
}

void Steps::record()
{
    const bool carrying = mouse.carried() != nullptr;
    if (!carrying)
        history.carryEnded();
    if (history.record(now(), !carrying))
        inPlay.changed();
}

void Steps::afterInput(const std::shared_ptr<Brick>& carriedBefore)
{
    if (mouse.carried() != carriedBefore)
    {
        history.carryEnded();
        if (mouse.carried())
            history.pickedUp(mouse.carried());
    }
    record();
}

void Steps::undo()
{
    if (cancelCarry())
        return;
    if (history.before() && history.before()->palace != inPlay.name())
        inPlay.keepNow();
    if (const History::Scene* scene = history.undo(palace))
        show(*scene);
}

void Steps::redo()
{
    cancelCarry();
    if (history.after() && history.after()->palace != inPlay.name())
        inPlay.keepNow();
    if (const History::Scene* scene = history.redo(palace))
        show(*scene);
}

bool Steps::canUndo() const
{
    return mouse.carried() || history.canUndo();
}

bool Steps::canRedo() const
{
    return history.canRedo();
}

bool Steps::cancelCarry()
{
    if (!mouse.letGo())
        return false;
    history.putBack(palace);
    return true;
}

void Steps::show(const History::Scene& scene)
{
    if (backgrounds.currentFile() != scene.background)
        backgrounds.select(scene.background);
    if (frames.currentFile() != scene.frame)
        frames.select(scene.frame);
    if (scene.palace == inPlay.name())
    {
        inPlay.changed();
        return;
    }
    const std::string wanted = scene.palace;
    inPlay.switchTo(wanted);
    // Another game has that palace or changed it: its steps here go on in
    // the copy, never back into the other game's palace.
    if (inPlay.name() != wanted)
        history.renamePalace(wanted, inPlay.name());
}

} // namespace PalaceBuild
} // namespace GameLogic
