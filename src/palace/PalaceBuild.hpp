#pragma once
// Palace construction: bricks and the palace, the picture catalogues and the
// folder listings, drag and drop, the toolbar and the game level.

#include "palace/Brick.hpp"
#include "palace/GameLevel.hpp"
#include "palace/ImageManager.hpp"
#include "palace/Mask.hpp"
#include "palace/MouseHandler.hpp"
#include "palace/Palace.hpp"
#include "palace/PictureListing.hpp"
#include "palace/RowData.hpp"
#include "ui/Cell.hpp"
#include "ui/Toolbar.hpp"
