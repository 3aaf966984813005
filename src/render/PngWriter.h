#pragma once

#include <string>

namespace qn2 {

class tDib16;

// Writes the surface to a PNG file, 8-bit RGB, each pixel as SplitPixel gives it (so
// white in 5-6-5 is written as 248, 252, 248). Raises EFileError when the surface has no
// pixels or the file cannot be written; no partial file is left behind. Reading the
// pixels goes through ScanLine (a surface in other storage may need locking, hence the
// non-const surface), but the surface's RowTouched and RowChanged marks are left as they were.
void SavePng(tDib16& dib, const std::string& path);

}  // namespace qn2
