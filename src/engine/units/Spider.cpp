#include "engine/units/Spider.h"

#include <array>
#include <cstdlib>
#include <memory>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/Rounding.h"
#include "engine/board/PlayState.h"
#include "engine/board/StateIo.h"
#include "engine/units/Boulder.h"
#include "engine/units/CherryBomb.h"
#include "engine/units/Explosion.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/Player.h"

namespace qn2 {

namespace {

constexpr std::int32_t MunchFrames = 110;  // frames on the player before munching is heard
constexpr std::int32_t MunchedOnce = 99999999;
constexpr std::int32_t BudgetAfterBlock = 4;  // the next five steps try the wall side first
constexpr std::int32_t FullPatience = 5;

tDirection TurnLeft(tDirection d) {
  return static_cast<tDirection>((static_cast<int>(d) + 3) & 3);
}
tDirection TurnRight(tDirection d) {
  return static_cast<tDirection>((static_cast<int>(d) + 1) & 3);
}

// Same column and rows at most (or exactly) one apart, or the same with rows and columns
// swapped.
bool OrthogonallyWithin(int dx, int dy, bool sameCellCounts) {
  const int low = sameCellCounts ? 0 : 1;
  const int ax = std::abs(dx);
  const int ay = std::abs(dy);
  return (dx == 0 && ay >= low && ay <= 1) || (dy == 0 && ax >= low && ax <= 1);
}

std::int32_t WalkFrame(const tPlayState& play) {
  return Trunc(play.Clock.TurnFraction * 10.0);
}

}  // namespace

const std::vector<std::string>& WallFollowingNames() {
  static const std::vector<std::string> names{"LeftWall", "RightWall"};
  return names;
}

tSpider::tSpider() {
  Sprite = SpiderIcon();
  Layer = 3;
}

const tPropertyList& tSpider::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l = tUnit::Properties();
    Publish<tSpider>(l)
        .Enumeration("InitialDirection", DirectionNames(), &tSpider::InitialDirection,
                     &tSpider::InitialDirection)
        .Enumeration("WallFollowing", WallFollowingNames(), &tSpider::WallFollowing,
                     &tSpider::WallFollowing);
    return l;
  }();
  return list;
}

bool tSpider::QueryPush(tUnit* pusher, tDirection /*direction*/) {
  return dynamic_cast<tPlayer*>(pusher) != nullptr;
}

// The player's early step waits while it stands next to the cell the spider is heading
// for.
bool tSpider::HoldsPlayerTurn() {
  tPlayer* player = Player();
  if (player == nullptr || !player->HasArrived()) return false;
  return OrthogonallyWithin(player->GridX - TargetX, player->GridY - TargetY, false);
}

void tSpider::Reset() {
  tUnit::Reset();
  SpiderState = ssRoaming;
  Sprite = SpiderSprite(Direction, 0);
  MunchDelay = 0;
  TurnBudget = 0;
  Patience = 0;
}

void tSpider::Move() {
  tUnit::Move();
  Sprite = SpiderSprite(Direction, WalkFrame(Play()));
}

void tSpider::TakeTurn() {
  switch (SpiderState) {
    case ssTrapped: {
      if (Level != nullptr) {
        auto explosion = std::make_unique<tExplosion1>();
        explosion->X = X;
        explosion->Y = Y;
        explosion->GridX = explosion->TargetX = GridX;
        explosion->GridY = explosion->TargetY = GridY;
        Level->AddUnit(std::move(explosion));
      }
      SpiderState = ssExploding;
      return;
    }
    case ssExploding:
      BlastNeighbours();
      SpiderState = ssVanishing;
      return;
    case ssVanishing:
      Dead = true;
      SpiderState = ssGone;
      return;
    case ssRoaming:
      break;
    default:
      return;
  }
  tPlayer* player = Player();
  if (player != nullptr && OrthogonallyWithin(player->GridX - GridX, player->GridY - GridY, true)) {
    Attack(*player);
    return;
  }
  Roam();
}

void tSpider::Attack(tPlayer& player) {
  SpiderState = ssAttacking;
  Sound().PlaySample(samples::SpiderAttack);
  Owner().FatalStrikeStarted();
  StartMoveTo(player.GridX, player.GridY);
  MunchDelay = MunchFrames;
}

bool tSpider::CanEnterAhead() {
  const tCellOffset o = DirectionOffset(Direction);
  return CanEnter(GridX + o.DX, GridY + o.DY);
}

// Keeps one hand on the wall: after a blocked step the spider first tries its wall side
// for a few steps, which takes it round corners; when the way ahead is blocked it turns
// away from the wall until it finds a way, and a spider that finds none for long enough
// is trapped.
void tSpider::Roam() {
  const bool leftWall = WallFollowing == tWallFollowing::LeftWall;
  auto towardsWall = [leftWall](tDirection d) { return leftWall ? TurnLeft(d) : TurnRight(d); };
  auto awayFromWall = [leftWall](tDirection d) { return leftWall ? TurnRight(d) : TurnLeft(d); };

  if (TurnBudget >= 0) Direction = towardsWall(Direction);
  if (CanEnterAhead()) {
    --TurnBudget;
    StartMove(Direction);
    Sound().PlaySample(samples::SpiderShuffle);
  } else {
    TurnBudget = BudgetAfterBlock;
    const tDirection searchStart = Direction;
    bool found = false;
    do {
      Direction = awayFromWall(Direction);
      found = CanEnterAhead();
    } while (!found && Direction != searchStart);
    if (!found) {
      --Patience;
      if (Patience <= 0) {
        SpiderState = ssTrapped;
        Sound().PlaySample(samples::SpiderTrapped);
      }
      return;
    }
    Sound().PlaySample(samples::SpiderShuffle);
    StartMove(Direction);
  }
  Patience = FullPatience;
}

// Boulders and bombs right next to an exploding spider go up with it.
void tSpider::BlastNeighbours() {
  if (Level == nullptr) return;
  constexpr std::array<tCellOffset, 4> around{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
  const bool editing = Owner().EditorOpen();
  for (const tCellOffset& o : around) {
    const int x = GridX + o.DX;
    const int y = GridY + o.DY;
    tUnit* unit = editing ? Level->UnitStartingAt(x, y) : Level->UnitAt(x, y);
    if (dynamic_cast<tBoulder*>(unit) != nullptr) {
      ExplodeUnit(unit);
    } else if (auto* bomb = dynamic_cast<tCherryBomb*>(unit); bomb != nullptr) {
      if (bomb->BombState != tCherryBomb::bsExploding && bomb->BombState != tCherryBomb::bsBlasting)
        bomb->Explode();
    }
  }
}

void tSpider::DeathAnimMove() {
  if (SpiderState != ssAttacking) return;
  X += StepX;
  Y += StepY;
  if (tPlayer* player = Player(); player != nullptr) {
    const float dx = player->X - X;
    const float dy = player->Y - Y;
    if (dx * dx + dy * dy < 0.125f) {
      player->Kill(1, &tSpider::Class);
      X = player->X;
      Y = player->Y;
      --MunchDelay;
      if (MunchDelay < 0) {
        Sound().PlaySample(samples::SpiderMunching);
        MunchDelay = MunchedOnce;
      }
    }
  }
  Sprite = SpiderSprite(Direction, WalkFrame(Play()));
}

void tSpider::SaveState(tSnapshotStream& stream) {
  tUnit::SaveState(stream);
  stream.Write(SpiderState);
  stream.Write(Sprite);
  stream.Write(MunchDelay);
  stream.Write(TurnBudget);
  stream.Write(Patience);
}

void tSpider::LoadState(tSnapshotStream& stream) {
  tUnit::LoadState(stream);
  SpiderState = stream.Read<std::uint8_t>();
  Sprite = stream.Read<tSprite*>();
  MunchDelay = stream.Read<std::int32_t>();
  TurnBudget = stream.Read<std::int32_t>();
  Patience = stream.Read<std::int32_t>();
}

void tSpider::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Field(SpiderState);
  io.Field(Patience);
  io.Field(MunchDelay);
  io.Field(TurnBudget);
}

}  // namespace qn2
