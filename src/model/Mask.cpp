#include "model/Mask.hpp"

#include <fstream>

namespace GameLogic
{
namespace PalaceBuild
{

void Mask::load(const std::string& maskFileName, std::uint32_t pictureWidth,
                std::uint32_t pictureHeight)
{
    runs.reset();
    std::ifstream in(maskFileName);
    if (!in)
        return;

    long long fileWidth = 0;
    if (!(in >> fileWidth) || fileWidth != pictureWidth || pictureWidth == 0)
        return;

    auto read = std::make_shared<Runs>();
    long long row = 0, first = 0, end = 0;
    for (;;)
    {
        // The file may end only after a whole line; a line cut short or
        // holding anything but three numbers is damage.
        if ((in >> std::ws).eof())
            break;
        if (!(in >> row >> first >> end) || in.get() != '\n')
            return;
        const bool inPicture =
            row >= 0 && row < pictureHeight && first >= 0 && first <= end && end < pictureWidth;
        const bool inOrder = read->empty() || row > read->back().row ||
                             (row == read->back().row && first > read->back().end);
        if (!inPicture || !inOrder)
            return;
        read->push_back(RowData{int(row), int(first), int(end)});
    }
    if (read->empty())
        return;
    width = int(pictureWidth);
    runs = std::move(read);
}

} // namespace PalaceBuild
} // namespace GameLogic
