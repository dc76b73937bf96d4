#pragma once
// The pointer as the game itself times and shows it. With the dwell access
// a pointer resting within restSlop units of where it came to rest, for the
// dwell time, falls due to act, once: it must then move farther than that
// before it acts again. While it rests a ring around it fills. With a
// pointer size of 2 or 3 the game draws its own pointer, that many times a
// desktop pointer's size, once the pointer has been seen over the window.
//
// Invariant: armed only after a move and until the rest has acted.

#include "play/Access.hpp"
#include "video/FastTextureData.hpp"
#include "video/PictureBatch.hpp"
#include "video/Position.hpp"
#include "video/Texture.hpp"

#include <cstdint>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

class Pointing
{
public:
    static constexpr int restSlop = 10;

    // Loads the ring's pictures for dwell and the pointer's for a size of 2
    // or 3 (loading failures pass on); nothing for the others.
    explicit Pointing(const AccessOptions& options);

    // The pointer is at the point now: a move beyond restSlop from the rest
    // starts a new rest there.
    void moved(VideoEngine::OpenGL::Position at);
    // The pointer has left the window: the rest ends without acting and the
    // game's pointer is not drawn until the pointer comes back.
    void left();

    // True once when the rest has lasted the dwell time: the caller then
    // acts where the pointer is. Milliseconds until the ring or the act
    // changes next; -1 when nothing waits.
    bool actIfDue();
    int msUntilChange() const;

    // Adds the ring and the game's pointer where the pointer is, as far as
    // either shows.
    void addTo(VideoEngine::OpenGL::PictureBatch& batch) const;

private:
    using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;

    // Milliseconds since the rest began.
    std::uint32_t resting() const;

    AccessOptions options;
    std::vector<Picture> ring;
    Picture pointer;
    VideoEngine::OpenGL::Position at;
    VideoEngine::OpenGL::Position restAt;
    std::uint32_t restSince = 0;
    bool armed = false;
    bool seen = false;
};

} // namespace PalaceBuild
} // namespace GameLogic
