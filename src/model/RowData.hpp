#pragma once

namespace GameLogic
{

// One run of non-transparent pixels in one row of a picture, as read from its
// ".mask" file. end is the column after the run, or the last column when the
// run reaches the right edge.
struct RowData
{
    int row = 0;
    int first = 0;
    int end = 0;
};

} // namespace GameLogic
