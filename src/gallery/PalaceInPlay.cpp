#include "gallery/PalaceInPlay.hpp"

#include "model/Palace.hpp"
#include "platform/Clock.hpp"
#include "platform/GameLog.hpp"

#include <stdexcept>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
constexpr std::uint32_t writeEvery = 1000;
} // namespace

PalaceInPlay::PalaceInPlay(PalaceGallery& gallery, const Palace& palace,
                           const BackgroundCatalogue& backgrounds, const FrameCatalogue& frames)
    : gallery(gallery), palace(palace), backgrounds(backgrounds), frames(frames),
      current(gallery.begin()), lastWrite(Platform::steadyMilliseconds() - writeEvery)
{
}

void PalaceInPlay::beginNew()
{
    current = gallery.begin();
    pending = false;
}

void PalaceInPlay::switchTo(const std::string& name)
{
    if (name == current)
        return;
    if (gallery.take(name))
        current = name;
    else
        current = gallery.begin();
    changed();
}

void PalaceInPlay::changed()
{
    if (pending)
        return;
    pending = true;
    const std::uint32_t now = Platform::steadyMilliseconds();
    dueAt = now - lastWrite >= writeEvery ? now : lastWrite + writeEvery;
}

int PalaceInPlay::msUntilDue() const
{
    if (!pending)
        return -1;
    const std::uint32_t now = Platform::steadyMilliseconds();
    const std::int32_t left = std::int32_t(dueAt - now);
    return left > 0 ? left : 0;
}

void PalaceInPlay::keepIfDue()
{
    if (pending && msUntilDue() == 0)
        write();
}

void PalaceInPlay::keepNow()
{
    if (pending)
        write();
}

void PalaceInPlay::write()
{
    const std::uint32_t now = Platform::steadyMilliseconds();
    lastWrite = now;
    pending = false;
    if (palace.bricks().empty())
        return;
    try
    {
        gallery.keep(current, palace, backgrounds, frames);
        failing = false;
    }
    catch (const std::exception& failure)
    {
        if (!failing)
            Platform::logLine("PalaceBuild", 912) << " Unable to keep palace " << current << ": "
                                                  << failure.what() << Platform::endLine;
        failing = true;
        pending = true;
        dueAt = now + writeEvery;
    }
}

} // namespace PalaceBuild
} // namespace GameLogic
