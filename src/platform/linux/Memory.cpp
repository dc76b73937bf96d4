#include "platform/Memory.hpp"

#include <malloc.h>

namespace Platform
{

void releaseFreeMemory()
{
    // Every arena, also those of the renderer's threads.
    malloc_trim(0);
}

} // namespace Platform
