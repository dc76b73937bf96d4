#pragma once
// Full-screen pictures that own the display and idle callbacks for a number
// of seconds and then end their run phase by throwing InitCompleted. At most
// one banner exists: the current Game's banner. Its show function puts it
// there, and its own idle step releases it when its time is up.

#include "startup/ControlExceptions.hpp"
#include "video/FastTextureData.hpp"
#include "video/Texture.hpp"

#include <cstdint>
#include <string>

namespace StartUp
{

class BannerImpl
{
public:
    // Loads the picture (a loading failure throws, and nothing else happens),
    // takes the display and idle callbacks and clears the mouse callbacks.
    BannerImpl(const std::string& picturePath, std::int32_t duration);

    // The work to do when the time is up.
    virtual void complete() = 0;
    // Called once, after the picture is shown and before complete, even when
    // the time ran out meanwhile.
    virtual void meanwhile() {}
    // A key pressed while the banner is shown.
    virtual void onKey(unsigned char key) = 0;
    virtual ~BannerImpl() = default;
    // Draws the picture at its position, untinted.
    virtual void draw();

    // The idle step: the first call requests the redraw that shows the
    // picture; once the seconds clock shows more than duration seconds since
    // the first call, runs complete, hands the callbacks to placeholders,
    // releases this banner and throws InitCompleted.
    // When complete throws, the banner stays current and the exception passes.
    void idle();

    BannerImpl(const BannerImpl&) = delete;
    BannerImpl& operator=(const BannerImpl&) = delete;

    VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData> picture;
    std::int32_t startTime = 0;
    bool shown = false;
    bool prepared = false;
    std::int32_t duration = 0;
};

// Draws the picture into the back buffer, unseen, the ways the game's frames
// draw (without blending, as a batch of pieces, copied as the still layer),
// so that the renderer has made that drawing code before the first frame.
void warmRenderer(
    const VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>& picture);

// The start-up banner: when its time is up it builds the game's level, so
// the picture stays on screen while the level loads.
class Banner : public BannerImpl
{
public:
    using BannerImpl::BannerImpl;

    // Builds the current game's level; failures pass on.
    void complete() override;
    void onKey(unsigned char) override {}
    // Makes the level's catalogues ahead and lets the renderer prepare the
    // game's drawing code unseen.
    void meanwhile() override;
};

// The shutdown banner: shown for its duration; swallows every key meanwhile.
class ExitBanner : public BannerImpl
{
public:
    ExitBanner(const std::string& picturePath, std::int32_t duration);
    ~ExitBanner() override;

    void complete() override {}
    void onKey(unsigned char) override {}
};

// Shows the start-up banner (0 seconds: until the seconds clock next ticks)
// unless a banner is current.
void showStartupBanner(const std::string& picturePath);

// Shows the shutdown banner for 8 seconds unless a banner is current.
void showExitBanner(const std::string& picturePath);

// Releases the current banner, if any, and hands the display and idle
// callbacks to placeholders.
void dropCurrentBanner();

// GLUT callbacks while a banner is current.
void bannerDisplay();
void bannerIdle();
void bannerKeyboard(unsigned char key, int x, int y);

// The seconds clock of the banners; tests put a faster one in.
void setBannerClock(std::int32_t (*clock)());

} // namespace StartUp
