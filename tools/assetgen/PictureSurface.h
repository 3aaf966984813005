#pragma once

#include <cairo.h>

#include <string>

#include "render/PictureSource.h"

namespace assetgen {

// True for the names the game reads as pictures (".bmp" or ".jpg", any letter case).
bool IsPictureName(const std::string& name);

// A decoded picture as a cairo surface, for previews; the caller destroys it.
cairo_surface_t* PictureToSurface(const qn2::tPicture& picture);

}  // namespace assetgen
