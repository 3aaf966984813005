#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "engine/EngineFixture.h"
#include "engine/units/ActualPlayer.h"
#include "engine/units/Boulder.h"
#include "engine/units/CherryBomb.h"
#include "engine/units/Dirt.h"
#include "engine/units/Explosion.h"
#include "engine/units/FireBall.h"
#include "engine/units/ForceField.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/PushButton.h"
#include "engine/units/SeekerDroid.h"
#include "engine/units/Snake.h"
#include "engine/units/Spider.h"
#include "engine/units/Water.h"
#include "support/SoundLog.h"

namespace qn2::testing {

// A level played through the engine with the real player, drawn as rows of characters:
//   '#' wall, '.' floor, 'P' player, 'S' snake, 'B' boulder, 'R' dirt (rubble),
//   'W' water, 'F' force field (blue), 'u' blue push button, 'C' cherry bomb,
//   'D' seeker droid, and spiders keeping their left hand on the wall, facing
//   '^' up, '>' right, 'v' down, '<' left.
// Rows not given are floor. Further unit blocks can be added as text.
class HostileTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    State().Clock.OOTEnabled = false;
    SetSound(&Sounds);
    LookRandom.Seed(2024);
    AddTerrainCycleProcedure();
    UnitRegistry.Add("Player", tActualPlayer::Class, nullptr);
    UnitRegistry.Add("Boulder", tBoulder::Class, nullptr);
    UnitRegistry.Add("Snake", tSnake::Class, nullptr);
    UnitRegistry.Add("Dirt", tDirt::Class, nullptr);
    UnitRegistry.Add("Water", tWater::Class, nullptr);
    UnitRegistry.Add("Spider", tSpider::Class, nullptr);
    UnitRegistry.Add("CherryBomb", tCherryBomb::Class, nullptr);
    UnitRegistry.Add("ForceField", tForceField::Class, nullptr);
    UnitRegistry.Add("PushButton", tPushButton::Class, nullptr);
    UnitRegistry.Add("SeekerDroid", tSeekerDroid::Class, nullptr);
  }
  void TearDown() override {
    EngineTest::TearDown();  // frees the units, which may still stop their sounds
    SetSound(nullptr);
    CycleProcedures.Clear();
  }

  static std::vector<std::string> Block(const std::string& name, int x, int y,
                                        const std::vector<std::string>& properties = {}) {
    std::vector<std::string> lines{"Begin " + name, "   InitialX = " + std::to_string(x),
                                   "   InitialY = " + std::to_string(y)};
    for (const std::string& p : properties) lines.push_back("   " + p);
    lines.push_back("End " + name);
    return lines;
  }
  static std::vector<std::string> SpiderBlock(int x, int y, const std::string& facing,
                                              const std::string& wall) {
    return Block("Spider", x, y, {"InitialDirection = " + facing, "WallFollowing = " + wall});
  }

  // Writes the level and starts it; unless told otherwise, lets the player warp in (two
  // turns, in which the other units already take their turns).
  void Play(const std::vector<std::string>& rows, const std::vector<std::string>& extraUnits = {},
            bool warpIn = true) {
    std::vector<std::string> lines{
        "[Misc]", "Background=Back.bmp", "TileSet=Tiles.bmp", "OverlayTileSet=Over.bmp", "Music=",
        "[Tiles]"};
    std::vector<std::string> units;
    for (int y = 0; y < BoardRows; ++y) {
      std::string line;
      for (int x = 0; x < BoardColumns; ++x) {
        const char c = y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())
                           ? rows[y][x]
                           : '.';
        if (x > 0) line += ",";
        line += c == '#' ? "100" : "000";
        const auto add = [&](const std::vector<std::string>& block) {
          units.insert(units.end(), block.begin(), block.end());
        };
        switch (c) {
          case 'P':
            add(Block("Player", x, y));
            break;
          case 'S':
            add(Block("Snake", x, y));
            break;
          case 'B':
            add(Block("Boulder", x, y));
            break;
          case 'R':
            add(Block("Dirt", x, y));
            break;
          case 'W':
            add(Block("Water", x, y));
            break;
          case 'F':
            add(Block("ForceField", x, y));
            break;
          case 'u':
            add(Block("PushButton", x, y));
            break;
          case 'C':
            add(Block("CherryBomb", x, y));
            break;
          case 'D':
            add(Block("SeekerDroid", x, y));
            break;
          case '^':
            add(SpiderBlock(x, y, "Up", "LeftWall"));
            break;
          case '>':
            add(SpiderBlock(x, y, "Right", "LeftWall"));
            break;
          case 'v':
            add(SpiderBlock(x, y, "Down", "LeftWall"));
            break;
          case '<':
            add(SpiderBlock(x, y, "Left", "LeftWall"));
            break;
          default:
            break;
        }
      }
      lines.push_back(line);
    }
    lines.push_back("[Units]");
    lines.insert(lines.end(), units.begin(), units.end());
    lines.insert(lines.end(), extraUnits.begin(), extraUnits.end());
    Write("Test.map", JoinLines(lines));
    StartPlaying("Test.map");
    Sounds.Clear();
    if (!warpIn) return;
    Turns("..");
    ASSERT_EQ(Hero()->PlayerState, tPlayerState::psPlaying);
    Sounds.Clear();
  }

  // One turn: the key of the move ('U', 'R', 'D', 'L'; 'X' drops the oldest carried item;
  // '.' nothing) goes down before the turn boundary and up after it; the turn's frames are
  // played out up to the next boundary, which is handled too.
  void Turn(char move = '.') {
    tInputDevice& input = Engine->LiveInput;
    tInputAction action = iaNone;
    switch (move) {
      case 'U':
        action = iaUp;
        break;
      case 'R':
        action = iaRight;
        break;
      case 'D':
        action = iaDown;
        break;
      case 'L':
        action = iaLeft;
        break;
      case 'X':
        action = iaAction;
        break;
      default:
        break;
    }
    if (action != iaNone) input.Press(action);
    TickToBoundary();
    if (action != iaNone) input.Release(action);
  }
  void Turns(const std::string& moves) {
    for (char move : moves) Turn(move);
  }
  // Ticks until the next turn boundary has been handled (at most one turn's worth of
  // ticks, as the turn clock stands still once the player is dead).
  void TickToBoundary() {
    for (int i = 0; i < State().Clock.FramesPerTurn; ++i) {
      Tick();
      if (State().Clock.TurnPhase == 0) return;
    }
  }

  tActualPlayer* Hero() const { return static_cast<tActualPlayer*>(Engine->Level.Player); }
  tLevel& Board() const { return Engine->Level; }

  // The first unit of the class that started on the cell.
  template <class T>
  T* At(int x, int y) const {
    for (const auto& unit : Board().Units)
      if (auto* t = dynamic_cast<T*>(unit.get()); t && t->InitialX == x && t->InitialY == y)
        return t;
    return nullptr;
  }
  template <class T>
  std::vector<T*> All() const {
    std::vector<T*> found;
    for (const auto& unit : Board().Units)
      if (auto* t = dynamic_cast<T*>(unit.get())) found.push_back(t);
    return found;
  }
  // The player has been killed, and by what.
  bool Killed(const tUnitClass& killer) const {
    return Hero()->PlayerState != tPlayerState::psPlaying &&
           Hero()->PlayerState != tPlayerState::psWarpingIn && Hero()->Killer == &killer;
  }

  tSoundLog Sounds;
};

}  // namespace qn2::testing
