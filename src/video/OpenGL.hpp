#pragma once
// The video engine: pictures into textures, and pictures on screen.

#include "video/Array.hpp"
#include "video/ColorChanger.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/ITextureData.hpp"
#include "video/Image.hpp"
#include "video/MaskFile.hpp"
#include "video/Position.hpp"
#include "video/Rectangl.hpp"
#include "video/Texture.hpp"
#include "video/TextureData.hpp"
