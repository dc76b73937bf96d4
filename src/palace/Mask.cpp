#include "palace/Mask.hpp"

#include <algorithm>
#include <climits>
#include <fstream>

namespace GameLogic
{
namespace PalaceBuild
{

void Mask::load(const std::string& maskFileName)
{
    runs.reset();
    std::ifstream in(maskFileName);
    if (!in)
        return;

    auto read = std::make_shared<Runs>();
    int pictureWidth = 0;
    if (!(in >> pictureWidth))
        return;

    VideoEngine::OpenGL::Rectangl box;
    box.left = INT_MAX;
    box.right = INT_MIN;
    for (;;)
    {
        RowData run;
        in >> run.row >> run.first >> run.end;
        if (!in.good())
            break;
        box.left = std::min(box.left, run.first);
        box.right = std::max(box.right, run.end);
        read->push_back(run);
    }
    if (read->empty())
        return;

    box.top = read->front().row;
    box.bottom = read->back().row;
    width = pictureWidth;
    bounds = box;
    runs = std::move(read);
}

} // namespace PalaceBuild
} // namespace GameLogic
