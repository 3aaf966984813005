#pragma once

#include <string>
#include <vector>

namespace qn2 {

class tLevel;

// What a level needs before it can be played, as notes for its designer; saving goes on
// whatever they say. Empty when nothing is wrong: a player start, only one player, an exit,
// every unit's start cell on the board, every info marker's trigger readable.
std::vector<std::string> CheckLevel(const tLevel& level);

}  // namespace qn2
