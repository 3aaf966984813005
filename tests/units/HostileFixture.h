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
#include "support/BoardLevelFile.h"
#include "support/SoundLog.h"

namespace qn2::testing {

// A level played through the engine with the real player, drawn as a text board (see
// support/TextBoard.h); its units go into the level file as blocks. Further unit blocks can
// be added as text.
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

  static std::vector<std::string> SpiderBlock(int x, int y, const std::string& facing,
                                              const std::string& wall) {
    return UnitBlock("Spider", x, y, {"InitialDirection = " + facing, "WallFollowing = " + wall});
  }

  // Writes the level and starts it; unless told otherwise, lets the player warp in (two
  // turns, in which the other units already take their turns).
  void Play(const std::vector<std::string>& rows, const std::vector<std::string>& extraUnits = {},
            bool warpIn = true) {
    Write("Test.map", JoinLines(BoardLevelLines(rows, extraUnits)));
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
