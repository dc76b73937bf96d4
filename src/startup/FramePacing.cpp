#include "startup/FramePacing.hpp"

namespace StartUp
{

int FramePacing::msUntilRedraw(std::uint32_t now) const
{
    if (lastRedisplayMs == 0)
        return 0;
    const std::uint32_t since = now - lastRedisplayMs;
    return since > 25 ? 0 : static_cast<int>(26 - since);
}

bool FramePacing::redrawDue(std::uint32_t now)
{
    if (lastRedisplayMs == 0)
        lastRedisplayMs = now - 25;
    if (msUntilRedraw(now) > 0)
        return false;
    lastRedisplayMs = now;
    return true;
}

} // namespace StartUp
