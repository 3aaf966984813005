#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/VideoSource.h"

namespace qn2 {

// Opens a video among the game's files (on disk or in the package). With sound, its sound
// track plays through the mixer in place of the music while the video lives; without, only
// the pictures are decoded. Raises EVideoFailed when the file is missing or cannot be
// played.
std::unique_ptr<tVideoSource> OpenGameVideo(const std::string& fileName, bool withSound);

// The same over a file's bytes already read.
std::unique_ptr<tVideoSource> OpenVideoBytes(std::vector<std::uint8_t> bytes, bool withSound);

}  // namespace qn2
