#pragma once

#include <SDL.h>

#include <string>

namespace qn2 {

// Writes what the renderer has drawn so far (before it is presented) to an 8-bit RGB PNG.
// Raises EFileError when the pixels cannot be read or the file cannot be written.
void SaveRendererPng(SDL_Renderer* renderer, const std::string& path);

}  // namespace qn2
