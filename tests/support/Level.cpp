#include "support/Level.hpp"

#include "play/Toolbar.hpp"
#include "platform/GameLog.hpp"
#include "platform/Sound.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/GameCallbacks.hpp"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>

namespace TestSupport
{

GlContext::GlContext()
{
    int argc = 1;
    char name[] = "tests";
    char* argv[] = {name, nullptr};
    if (!glutGet(GLUT_INIT_STATE))
        glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    glutInitWindowSize(1024, 768);
    window = glutCreateWindow("tests");
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    gluOrtho2D(0, 1024, 768, 0);
    glMatrixMode(GL_MODELVIEW);
    glReadBuffer(GL_BACK);
}

GlContext::~GlContext()
{
    glutDestroyWindow(window);
}

void GlContext::clear(const Rgba& c) const
{
    glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

Rgba GlContext::pixel(int x, int y) const
{
    Rgba p{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, 767 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &p);
    return p;
}

std::vector<Rgba> GlContext::screen() const
{
    std::vector<Rgba> pixels(1024 * 768);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

SoundRecorder::SoundRecorder()
{
    Platform::setSoundSink(
        [this](const std::string& file)
        {
            const auto name = file.substr(file.rfind('/') + 1);
            played += (played.empty() ? "" : " ") + name.substr(0, name.rfind('.'));
        });
}

SoundRecorder::~SoundRecorder()
{
    Platform::setSoundSink(nullptr);
}

LevelTest::LevelTest()
{
    game.screenWidth = 1024;
    game.screenHeight = 768;
    Platform::gameLog.open("gameLog.txt");
    writeGameFolder();
    game.buildLevel();
}

LevelTest::~LevelTest()
{
    level.reset();
    Platform::gameLog.close();
}

void LevelTest::play(const std::string& script)
{
    std::istringstream steps(script);
    for (std::string step; steps >> step;)
    {
        int x = archInCellX, y = archInCellY;
        std::sscanf(step.c_str() + 1, "%d,%d", &x, &y);
        auto button = [&](int which, int state) { StartUp::onMouse(which, state, x, y); };
        auto click = [&](int which) { button(which, GLUT_DOWN), button(which, GLUT_UP); };
        const std::map<char, std::function<void()>> actions = {
            {'t', [&] { click(GLUT_LEFT_BUTTON); }},
            {'l', [&] { click(GLUT_LEFT_BUTTON); }},
            {'r', [&] { click(GLUT_RIGHT_BUTTON); }},
            {'p', [&] { button(GLUT_LEFT_BUTTON, GLUT_DOWN); }},
            {'u', [&] { button(GLUT_LEFT_BUTTON, GLUT_UP); }},
            {'m', [&] { StartUp::onPassiveMotion(x, y); }},
            {'d', [&] { StartUp::onMotion(x, y); }},
            {'k', [&] { StartUp::onKeyboard(step.at(1), 0, 0); }},
            {'z', [&] { game.keyboard.key(GameLogic::PalaceBuild::GameLevel::undoKey); }},
            {'y', [&] { game.keyboard.key(GameLogic::PalaceBuild::GameLevel::redoKey); }},
            {'<', [&] { StartUp::onSpecial(GLUT_KEY_LEFT, 0, 0); }},
            {'>', [&] { StartUp::onSpecial(GLUT_KEY_RIGHT, 0, 0); }},
            {'^', [&] { StartUp::onSpecial(GLUT_KEY_UP, 0, 0); }},
            {'v', [&] { StartUp::onSpecial(GLUT_KEY_DOWN, 0, 0); }},
        };
        actions.at(step[0])();
        StartUp::rethrowPending();
    }
}

void LevelTest::click(const std::string& name, std::size_t index)
{
    const GameLogic::Targets targets = level->targets();
    for (const GameLogic::Target& target : targets.all())
        if (target.name == name && target.index == index)
            return target.act();
    ADD_FAILURE() << "no target " << name << " " << index;
}

std::string LevelTest::shownInRow(int row) const
{
    return level->toolbar().cell(std::size_t(row)).shownFile();
}

} // namespace TestSupport
