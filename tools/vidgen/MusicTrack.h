#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vidgen {

// Plays a music module (or any sound file) into interleaved 16-bit stereo samples at the
// rate, as many as asked for: the piece starts again from the top when it ends early, and
// the last seconds fade out. Raises std::runtime_error when the file cannot be played.
std::vector<std::int16_t> RenderMusic(const std::string& fileName, int sampleRate,
                                      std::int64_t samples, double fadeSeconds);

}  // namespace vidgen
