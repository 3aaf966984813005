#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/SoundPort.h"
#include "data/ConfigFile.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/CycleProcedures.h"
#include "engine/board/Level.h"
#include "engine/board/PlayState.h"
#include "engine/units/Boulder.h"
#include "engine/units/Dirt.h"
#include "engine/units/Exit.h"
#include "engine/units/ForceField.h"
#include "engine/units/Jewel.h"
#include "engine/units/Key.h"
#include "engine/units/Pillar.h"
#include "engine/units/Player.h"
#include "engine/units/PushButton.h"
#include "engine/units/Water.h"
#include "support/SoundLog.h"
#include "support/TextBoard.h"

namespace qn2::terrain_test {

using qn2::testing::ReadBoard;
using qn2::testing::tBoardCell;
using qn2::testing::tBoardSymbol;
using qn2::testing::tSoundLog;

inline std::optional<tDirection> DirectionOf(char c) {
  switch (c) {
    case 'U':
      return tDirection::Up;
    case 'R':
      return tDirection::Right;
    case 'D':
      return tDirection::Down;
    case 'L':
      return tDirection::Left;
    default:
      return std::nullopt;
  }
}

// A player that walks a script, one letter per turn ("U", "R", "D", "L", or "." to stand),
// pushing into the cell ahead as the real player does: it faces the way it wants to go,
// asks CanPushInto, pushes and steps. Level files give the script as "Moves".
class tScriptPlayer : public tPlayer {
  QN2_UNIT_CLASS(tScriptPlayer)
 public:
  tScriptPlayer() {
    Layer = 2;
    ReservesCell = false;
  }

  static const tPropertyList& Properties() {
    static const tPropertyList list = [] {
      tPropertyList l = tUnit::Properties();
      Publish<tScriptPlayer>(l).String("Moves", &tScriptPlayer::Moves, &tScriptPlayer::Moves);
      return l;
    }();
    return list;
  }
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  std::string Moves;
  std::size_t NextMove = 0;
  int Kills = 0;
  int Refused = 0;  // steps the script wanted that could not be taken

  void Reset() override {
    tPlayer::Reset();
    NextMove = 0;
    PlayerState = tPlayerState::psPlaying;
    if (Level != nullptr) Level->Player = this;
  }
  void TakeTurn() override {
    tPlayer::TakeTurn();
    Moved = false;
    if (NextMove >= Moves.size()) return;
    const std::optional<tDirection> d = DirectionOf(Moves[NextMove++]);
    if (!d) return;
    const tDirection previous = Direction;
    Direction = *d;
    const tCellOffset o = DirectionOffset(*d);
    if (CanPushInto(GridX + o.DX, GridY + o.DY)) {
      PushInto(GridX + o.DX, GridY + o.DY);
      StartMove(*d);
      Moved = true;
    } else {
      Direction = previous;
      ++Refused;
    }
  }
  void Kill(std::uint8_t, const tUnitClass*) override { ++Kills; }
};

// A unit that is neither the player nor a boulder: it walks where it is told, pushing like
// the player would but without being one.
class tWalkerProbe : public tUnit {
  QN2_UNIT_CLASS(tWalkerProbe)
 public:
  bool CanGo(tDirection d) {
    Direction = d;
    const tCellOffset o = DirectionOffset(d);
    return CanPushInto(GridX + o.DX, GridY + o.DY);
  }
  bool CanWalk(tDirection d) {
    const tCellOffset o = DirectionOffset(d);
    return CanEnter(GridX + o.DX, GridY + o.DY);
  }
};

// Units on a level, played turn by turn as the engine plays them. A level is drawn as a
// text board (see support/TextBoard.h) whose units are put straight into the level; its
// player walks a script.
class TerrainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CycleProcedures.Clear();
    AddTerrainCycleProcedure();
    Settings = tSettings();
    SetSound(&Sounds);
  }
  void TearDown() override {
    SetSound(nullptr);
    CycleProcedures.Clear();
  }
  tPlayState& State() { return Level.Play; }

  tUnit* Place(std::unique_ptr<tUnit> unit, int x, int y) {
    unit->SetInitialX(x);
    unit->SetInitialY(y);
    return Level.AddUnit(std::move(unit));
  }
  template <class T>
  T* Put(int x, int y) {
    return static_cast<T*>(Place(std::make_unique<T>(), x, y));
  }

  tScriptPlayer* PutPlayer(int x, int y, const std::string& moves = "") {
    tScriptPlayer* p = Put<tScriptPlayer>(x, y);
    p->Moves = moves;
    Level.Player = p;
    return p;
  }

  // The classes of the board's units other than the player, by their level-file names.
  static const tUnitClass* ClassNamed(const std::string& name) {
    static const std::map<std::string, const tUnitClass*> classes{
        {"Boulder", &tBoulder::Class},
        {"Key", &tKey::Class},
        {"Jewel", &tJewel::Class},
        {"Exit", &tExit::Class},
        {"Dirt", &tDirt::Class},
        {"Water", &tWater::Class},
        {"ForceField", &tForceField::Class},
        {"PushButton", &tPushButton::Class},
        {"Pillar", &tPillar::Class}};
    const auto found = classes.find(name);
    return found == classes.end() ? nullptr : found->second;
  }

  // Builds the level from its board; the player (if any) gets the moves.
  void Build(const std::vector<std::string>& rows, const std::string& moves = "") {
    for (const tBoardCell& cell : ReadBoard(rows)) {
      const tBoardSymbol& symbol = *cell.Symbol;
      if (symbol.Wall) {
        Level.Cell(cell.X, cell.Y).Solid = true;
        continue;
      }
      if (symbol.Unit == "Player") {
        PutPlayer(cell.X, cell.Y, moves);
        continue;
      }
      const tUnitClass* unitClass = ClassNamed(symbol.Unit);
      if (unitClass == nullptr) {
        ADD_FAILURE() << "no " << symbol.Unit << " on terrain boards";
        continue;
      }
      tUnit* unit = Place(unitClass->Create(), cell.X, cell.Y);
      for (const auto& [name, value] : symbol.Properties)
        EXPECT_TRUE(SetPropertyText(*unit, name, value)) << symbol.Unit << "." << name;
    }
  }

  // The level's start: counters cleared, units reset, and one frame of movement.
  void Start() {
    Level.ResetAll();
    Level.MoveAll();
  }

  // One turn: the boundary (rows re-indexed, every unit's decision), then the turn's frames,
  // with the turn clock advancing as the engine advances it.
  void PlayTurn() {
    const int frames = State().Clock.FramesPerTurn;
    for (int phase = 0; phase < frames; ++phase) {
      State().Clock.TurnPhase = phase;
      State().Clock.TurnFraction = static_cast<float>(phase) / static_cast<float>(frames);
      if (phase == 0) {
        Level.ReindexRows();
        Level.TakeTurns();
      }
      Level.MoveAll();
    }
  }
  void PlayTurns(int count) {
    for (int i = 0; i < count; ++i) PlayTurn();
  }
  // Every move of the script, then one more turn so that the last move is settled.
  void PlayScript() {
    const auto* player = static_cast<tScriptPlayer*>(Level.Player);
    PlayTurns(static_cast<int>(player->Moves.size()) + 1);
  }

  tScriptPlayer* Player() const { return static_cast<tScriptPlayer*>(Level.Player); }

  template <class T>
  T* Find(int index = 0) const {
    for (const auto& unit : Level.Units)
      if (auto* t = dynamic_cast<T*>(unit.get()); t != nullptr && index-- == 0) return t;
    return nullptr;
  }

  tLevel Level;
  tSoundLog Sounds;
};

}  // namespace qn2::terrain_test
