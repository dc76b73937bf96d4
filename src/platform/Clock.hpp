#pragma once
// The game's two clocks: a steady millisecond counter for the redraw pacing
// and the wall clock, in whole seconds for the banners and as the local date
// and time that names saved pictures and palaces.

#include <cstdint>
#include <string>

namespace Platform
{

// Milliseconds of a steady clock, low 32 bits: wraps after about 49.7 days,
// so callers compare with unsigned differences.
std::uint32_t steadyMilliseconds();

// Whole seconds since 1970.
std::int32_t wallSeconds();

// The local date and time now, in a strftime format, and as saved pictures
// and palaces are named: "YYYY-MM-DD HH-MM-SS".
std::string localTime(const char* format);
std::string localTimeStamp();

} // namespace Platform
