#pragma once
// The pacing of the game phase's redraws: at most one every 26 ms, and only
// when what the level would draw differs from what the screen shows. Holds
// the time of the last redraw (milliseconds, wrapping; 0 means none yet) and
// the signature of the frame on screen (0 for none, or one to draw again).

#include <cstdint>

namespace StartUp
{

class FramePacing
{
public:
    // How long until the next redraw is due at now: more than 25 ms after the
    // last; 0 when it is due now or none was yet.
    int msUntilRedraw(std::uint32_t now) const;
    // True when a redraw is due at now, which is then remembered as the last.
    // The first call only primes the pacing and is never due.
    bool redrawDue(std::uint32_t now);

    // True when the screen shows the frame of this signature.
    bool shows(std::uint64_t signature) const { return signature == shownSignature; }
    // The frame of this signature is on screen.
    void drawn(std::uint64_t signature) { shownSignature = signature; }
    // What the screen shows is no longer known: the next frame is drawn.
    void forgetShown() { shownSignature = 0; }

private:
    std::uint32_t lastRedisplayMs = 0;
    std::uint64_t shownSignature = 0;
};

} // namespace StartUp
