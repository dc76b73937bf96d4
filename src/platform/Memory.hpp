#pragma once
// Giving memory back to the system. Drawing a large scene with the software
// renderer, loading and decoding leave tens of megabytes freed but still held
// by the allocator; a game that sits open all afternoon should not keep them.

namespace Platform
{

// Returns the pages of freed heap memory to the system. Takes a few
// milliseconds on a large heap: call it when the game falls idle, never per
// frame. Nothing the game holds is touched.
void releaseFreeMemory();

} // namespace Platform
