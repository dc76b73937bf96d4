#pragma once
// The game's two clocks: a steady millisecond counter for the redraw pacing
// and the wall clock in whole seconds for the banners.

#include <cstdint>

namespace Platform
{

// Milliseconds of a steady clock, low 32 bits: wraps after about 49.7 days,
// so callers compare with unsigned differences.
std::uint32_t steadyMilliseconds();

// Whole seconds since 1970.
std::int32_t wallSeconds();

} // namespace Platform
