#include "video/SceneFit.hpp"

#include "video/KeptGLState.hpp"

#include <GL/gl.h>
#include <algorithm>

namespace VideoEngine
{
namespace OpenGL
{

SceneFit fitScene(int windowWidth, int windowHeight)
{
    SceneFit fit;
    fit.windowWidth = std::max(windowWidth, 1);
    fit.windowHeight = std::max(windowHeight, 1);
    // 64-bit: a 4:3 test of the window's shape without rounding.
    if (std::int64_t(fit.windowWidth) * 3 <= std::int64_t(fit.windowHeight) * 4)
    {
        fit.width = fit.windowWidth;
        fit.height = std::max(fit.windowWidth * 3 / 4, 1);
    }
    else
    {
        fit.height = fit.windowHeight;
        fit.width = std::max(fit.windowHeight * 4 / 3, 1);
    }
    fit.left = (fit.windowWidth - fit.width) / 2;
    fit.top = (fit.windowHeight - fit.height) / 2;
    return fit;
}

WindowPlace placeWindow(int left, int top, int width, int height)
{
    const int step = std::clamp(std::min(width / 4, height / 3), 1, 256);
    WindowPlace place;
    place.width = step * 4;
    place.height = step * 3;
    place.left = left + std::max(width - place.width, 0) / 2;
    place.top = top + std::max(height - place.height, 0) / 2;
    return place;
}

Position SceneFit::toScene(int x, int y) const
{
    const auto scale = [](int pixel, int offset, int pixels, int units)
    { return std::clamp(int(std::int64_t(pixel - offset) * units / pixels), 0, units - 1); };
    return {scale(x, left, width, 1024), scale(y, top, height, 768)};
}

void SceneFit::setViewport() const
{
    glViewport(left, windowHeight - top - height, width, height);
}

void SceneFit::clear(bool scene, float red, float green, float blue) const
{
    const KeptGLState kept(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT);
    if (!fillsWindow())
    {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (!scene)
        return;
    glScissor(left, windowHeight - top - height, width, height);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(red, green, blue, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

} // namespace OpenGL
} // namespace VideoEngine
