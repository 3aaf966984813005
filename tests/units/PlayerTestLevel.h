#pragma once

#include <string>
#include <vector>

#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "engine/EngineFixture.h"
#include "engine/units/ActualPlayer.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/Warp.h"
#include "support/BoardLevelFile.h"
#include "support/SoundLog.h"

namespace qn2::testing {

// Levels drawn as text boards (see support/TextBoard.h) and played with the real player;
// further unit blocks can be added as text.
class PlayerLevelTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    UnitRegistry.Add("Player", tActualPlayer::Class, nullptr);
    LookRandom.Seed(1234);
    Settings.Dialogs = false;
    SetSound(&Sounds);
  }
  void TearDown() override {
    SetSound(nullptr);
    EngineTest::TearDown();
  }

  void WriteBoard(const std::string& name, const std::vector<std::string>& board,
                  const std::vector<std::string>& moreUnits = {}) const {
    Write(name, JoinLines(BoardLevelLines(board, moreUnits)));
  }

  tActualPlayer* Player() const { return dynamic_cast<tActualPlayer*>(Engine->Level.Player); }

  // Loads the board and plays until the player has warped in (two turns after the intro).
  void StartOn(const std::vector<std::string>& board,
               const std::vector<std::string>& moreUnits = {}) {
    WriteBoard("Test.map", board, moreUnits);
    StartPlaying("Test.map");
    for (int turn = 0; turn < 2; ++turn) TickToTurnBoundary();
    ASSERT_NE(Player(), nullptr);
    ASSERT_EQ(Player()->PlayerState, tPlayerState::psPlaying);
  }

  // Plays frames until the next turn boundary has been handled.
  void TickToTurnBoundary() {
    do Tick();
    while (State().Clock.TurnPhase != 0);
  }

  void Press(std::uint16_t key) { Engine->LiveInput.KeyDown(key); }
  void Release(std::uint16_t key) { Engine->LiveInput.KeyUp(key); }

  // The step the player started at the last turn boundary: "U", "R", "D", "L" or ".".
  std::string StepTaken() const {
    const tActualPlayer& p = *Player();
    const int dx = p.TargetX - p.GridX;
    const int dy = p.TargetY - p.GridY;
    if (dx == 1) return "R";
    if (dx == -1) return "L";
    if (dy == 1) return "D";
    if (dy == -1) return "U";
    return ".";
  }

  // Taps one key per turn ("U", "R", "D", "L"; "." for none) and gives the steps taken.
  std::string Walk(const std::string& keys) {
    std::string steps;
    for (char k : keys) {
      const std::uint16_t key = KeyOf(k);
      if (key != 0) Press(key);
      TickToTurnBoundary();
      if (key != 0) Release(key);
      steps += StepTaken();
    }
    return steps;
  }

  static std::uint16_t KeyOf(char k) {
    switch (k) {
      case 'U':
        return vk::Up;
      case 'R':
        return vk::Right;
      case 'D':
        return vk::Down;
      case 'L':
        return vk::Left;
      default:
        return 0;
    }
  }

  // The units of the level of one class.
  template <class T>
  std::vector<T*> UnitsOf() const {
    std::vector<T*> found;
    for (const auto& unit : Engine->Level.Units)
      if (&unit->ClassType() == &T::Class) found.push_back(static_cast<T*>(unit.get()));
    return found;
  }

  tSoundLog Sounds;
};

}  // namespace qn2::testing
