#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vidgen {

// A title card of the intro: a lantern-lit stone backdrop scattered with jewels, a big
// heading and a line under it, drawn with cairo. Returns 640 x 480 rows of red, green and
// blue bytes. The seed places the jewels.
std::vector<std::uint8_t> DrawTitleCard(const std::string& heading, const std::string& line,
                                        std::uint32_t seed);

}  // namespace vidgen
