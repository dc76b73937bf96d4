#include "play/Pointing.hpp"

#include "platform/Clock.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{

// The ring's pictures, one for each eighth filled, from empty up.
constexpr int ringSteps = 8;
// A desktop pointer's size, and where the arrow's tip stands in it.
constexpr int pointerWidth = 16;
constexpr int pointerHeight = 24;
constexpr int tip = 1;

} // namespace

Pointing::Pointing(const AccessOptions& options) : options(options)
{
    if (options.access == Access::dwell)
        for (int step = 0; step < ringSteps; ++step)
            ring.emplace_back("BMP/access/ring" + std::to_string(step) + ".png");
    if (options.pointerSize > 1)
        pointer = Picture("BMP/access/pointer.png");
}

void Pointing::moved(VideoEngine::OpenGL::Position to)
{
    at = to;
    seen = true;
    const std::int64_t dx = std::int64_t(to.x) - restAt.x;
    const std::int64_t dy = std::int64_t(to.y) - restAt.y;
    if (options.access != Access::dwell || dx * dx + dy * dy <= std::int64_t(restSlop) * restSlop)
        return;
    restAt = to;
    restSince = Platform::steadyMilliseconds();
    armed = true;
}

void Pointing::left()
{
    armed = false;
    seen = false;
}

std::uint32_t Pointing::resting() const
{
    return Platform::steadyMilliseconds() - restSince;
}

bool Pointing::actIfDue()
{
    if (!armed || resting() < std::uint32_t(options.dwellMs))
        return false;
    armed = false;
    return true;
}

int Pointing::msUntilChange() const
{
    if (!armed)
        return -1;
    // The ring moves on every eighth of the dwell time.
    const std::uint32_t step = std::uint32_t(std::max(1, options.dwellMs / ringSteps));
    const std::uint32_t since = resting();
    const std::uint32_t toAct = since >= std::uint32_t(options.dwellMs) ? 0 : options.dwellMs - since;
    return int(std::min(toAct, step - since % step));
}

void Pointing::addTo(VideoEngine::OpenGL::PictureBatch& batch) const
{
    if (armed && !ring.empty())
    {
        const std::size_t step =
            std::min<std::size_t>(ring.size() - 1, std::size_t(resting()) * ringSteps / options.dwellMs);
        const Picture& shown = ring[step];
        const int half = int(shown.data->imageWidth) / 2;
        batch.addPart(shown, 0, 0, half * 2, half * 2, at.x - half, at.y - half, at.x + half,
                      at.y + half);
    }
    if (!seen || !pointer.data)
        return;
    const int size = options.pointerSize;
    const int width = int(pointer.data->imageWidth);
    const int height = int(pointer.data->imageHeight);
    batch.addPart(pointer, 0, 0, width, height, at.x - tip * size, at.y - tip * size,
                  at.x + (pointerWidth - tip) * size, at.y + (pointerHeight - tip) * size);
}

} // namespace PalaceBuild
} // namespace GameLogic
