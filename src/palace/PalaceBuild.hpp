#pragma once
// Palace construction: bricks and the palace, the picture catalogues and the
// folder listings.

#include "palace/Brick.hpp"
#include "palace/ImageManager.hpp"
#include "palace/Mask.hpp"
#include "palace/Palace.hpp"
#include "palace/PictureListing.hpp"
#include "palace/RowData.hpp"
