#include "editor/LevelChecks.h"

#include "common/Exception.h"
#include "engine/board/Board.h"
#include "engine/board/Level.h"
#include "engine/board/UnitRegistry.h"
#include "engine/units/TriggerExpression.h"

namespace qn2 {

namespace {

std::string Place(const tUnit& unit) {
  return std::to_string(unit.InitialX) + "," + std::to_string(unit.InitialY);
}

}  // namespace

std::vector<std::string> CheckLevel(const tLevel& level) {
  std::vector<std::string> notes;
  int players = 0, exits = 0;
  for (const auto& unit : level.Units) {
    if (unit->Temporary) continue;
    const std::string name = UnitRegistry.NameOf(*unit);
    if (name == "Player") ++players;
    if (name == "Exit") ++exits;
    if (!InsideBoard(unit->InitialX, unit->InitialY))
      notes.push_back(name + " starts outside the grid at " + Place(*unit));
    const auto trigger = GetPropertyText(*unit, "Trigger");
    if (trigger) {
      try {
        ParseTrigger(*trigger);
      } catch (const Exception& e) {
        std::string why = e.message();
        for (char& c : why)
          if (c == '\r' || c == '\n') c = ' ';
        notes.push_back(name + " at " + Place(*unit) + ": " + why);
      }
    }
  }
  if (players == 0) notes.insert(notes.begin(), "No player start");
  if (players > 1)
    notes.insert(notes.begin(), std::to_string(players) + " players (one is played)");
  if (exits == 0) notes.push_back("No exit");
  return notes;
}

}  // namespace qn2
