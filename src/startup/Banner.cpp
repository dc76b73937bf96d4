#include "startup/Banner.hpp"

#include "platform/Clock.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/Game.hpp"
#include "startup/PhaseLoop.hpp"
#include "video/KeptGLState.hpp"
#include "video/PictureBatch.hpp"
#include "video/SceneLayer.hpp"

#include <GL/freeglut.h>

namespace StartUp
{
namespace
{

std::int32_t (*secondsClock)() = Platform::wallSeconds;

// Stands for the display and idle callbacks between a banner's end and the
// next phase's callbacks (GLUT refuses a null display callback).
void nothing() {}

void releaseCallbacks()
{
    glutDisplayFunc(nothing);
    setIdleFunc(nullptr);
}

} // namespace

BannerImpl::BannerImpl(const std::string& picturePath, std::int32_t duration)
    : picture(picturePath), duration(duration)
{
    glutDisplayFunc(bannerDisplay);
    setIdleFunc(bannerIdle);
    glutMouseFunc(nullptr);
    glutMotionFunc(nullptr);
    glutPassiveMotionFunc(nullptr);
    glutEntryFunc(nullptr);
}

void warmRenderer(const VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>& picture)
{
    {
        const VideoEngine::OpenGL::KeptGLState kept(GL_ENABLE_BIT);
        glDisable(GL_BLEND);
        picture.draw();
    }
    VideoEngine::OpenGL::PictureBatch batch;
    batch.add(picture);
    batch.draw();
    VideoEngine::OpenGL::SceneLayer layer;
    layer.keep(0);
    layer.draw();
    glFinish();
}

void BannerImpl::draw()
{
    picture.draw();
}

void BannerImpl::idle()
{
    if (startTime == 0)
        startTime = secondsClock();
    if (!shown)
    {
        glutPostRedisplay();
        shown = true;
        return;
    }
    if (!prepared)
    {
        meanwhile();
        prepared = true;
    }
    if (secondsClock() - startTime <= duration)
        return;
    complete();
    // This banner is gone after the next line: nothing of it is touched again.
    dropCurrentBanner();
    throw InitCompleted();
}

void Banner::meanwhile()
{
    Game::current->prepareLevel();
    warmRenderer(picture);
}

void Banner::complete()
{
    Game::current->buildLevel();
}

ExitBanner::ExitBanner(const std::string& picturePath, std::int32_t duration)
    : BannerImpl(picturePath, duration)
{
    glutKeyboardFunc(bannerKeyboard);
}

ExitBanner::~ExitBanner()
{
    glutKeyboardFunc(nullptr);
}

void showStartupBanner(const std::string& picturePath)
{
    if (!Game::current->banner())
        Game::current->setBanner(std::make_shared<Banner>(picturePath, 0));
}

void showExitBanner(const std::string& picturePath)
{
    if (!Game::current->banner())
        Game::current->setBanner(std::make_shared<ExitBanner>(picturePath, 8));
}

void dropCurrentBanner()
{
    releaseCallbacks();
    Game::current->dropBanner();
}

void bannerDisplay()
{
    guardCallback(
        []
        {
            BannerImpl* banner = Game::current->banner();
            if (!banner)
                return;
            Game::current->sceneFit().clear(false, 0.0f, 0.0f, 0.0f);
            banner->draw();
            glFlush();
            glutSwapBuffers();
            glFinish();
        });
}

void bannerIdle()
{
    guardCallback(
        []
        {
            if (BannerImpl* banner = Game::current->banner())
                banner->idle();
        });
}

void bannerKeyboard(unsigned char key, int, int)
{
    guardCallback(
        [key]
        {
            if (BannerImpl* banner = Game::current->banner())
                banner->onKey(key);
        });
}

void setBannerClock(std::int32_t (*clock)())
{
    secondsClock = clock;
}

} // namespace StartUp
