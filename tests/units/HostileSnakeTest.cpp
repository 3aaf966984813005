#include "units/HostileFixture.h"

namespace qn2::testing {
namespace {

class HostileSnakeTest : public HostileTest {
 protected:
  // Plays the first turn of a level whose first row holds the snake, the player and what
  // lies between; true when the snake fired.
  bool FiresAcross(const std::string& row, const std::vector<std::string>& more = {}) {
    std::vector<std::string> rows{row};
    rows.insert(rows.end(), more.begin(), more.end());
    Play(rows, {}, false);
    Turn();
    const bool fired = Engine->GameMode == gmDying;
    EXPECT_EQ(fired, All<tFireBall>().size() == 1) << row;
    EXPECT_EQ(fired ? 1 : 0, Sounds.Count("SnakeFire.Wav")) << row;
    EXPECT_EQ(fired ? 1 : 0, Sounds.Count("SnakeAngry.Wav")) << row;
    return fired;
  }
};

TEST_F(HostileSnakeTest, ShotsPassOpenFloorWaterAndSwitchedOffFieldsOnly) {
  EXPECT_TRUE(FiresAcross("S....P"));
  EXPECT_TRUE(FiresAcross("S.W.WP"));
  EXPECT_TRUE(FiresAcross("SP"));
  EXPECT_TRUE(FiresAcross("PS"));
  // A field without a button of its colour is off from the first turn on.
  EXPECT_TRUE(FiresAcross("S.F.P"));
  EXPECT_TRUE(FiresAcross("S.o.P"));

  EXPECT_FALSE(FiresAcross("S.F.P", {"", "o"})) << "an unpressed button keeps the field on";
  EXPECT_FALSE(FiresAcross("S.B.P"));
  EXPECT_FALSE(FiresAcross("S.W#P"));
  EXPECT_FALSE(FiresAcross("S.R.P"));
  EXPECT_FALSE(FiresAcross("S.C.P"));
  EXPECT_FALSE(FiresAcross("SD..P"));
}

TEST_F(HostileSnakeTest, AFireballFliesAlongTheRowAndKillsThePlayer) {
  Play({"P...W...S"}, {}, false);
  Turn();
  ASSERT_EQ(Engine->GameMode, gmDying);
  tFireBall* shot = All<tFireBall>().at(0);
  EXPECT_TRUE(shot->Temporary);
  EXPECT_EQ(shot->Layer, 3);
  // The death animation pass has run once in the turn's first frame.
  EXPECT_EQ(shot->X, 7.75f) << "flies left a quarter of a cell per frame";
  EXPECT_EQ(shot->Y, 0.0f);
  EXPECT_EQ(shot->Sprite, FireBallFlyingSprite(false));

  Tick(29);
  EXPECT_EQ(shot->X, 0.5f);
  EXPECT_FALSE(shot->Hit);
  Tick();  // 0.25 is near enough: the shot jumps onto the player
  ASSERT_TRUE(shot->Hit);
  EXPECT_EQ(shot->X, 0.0f);
  EXPECT_EQ(Sounds.Count("Fireball.Wav"), 1);
  EXPECT_EQ(Hero()->Killer, nullptr) << "the kill comes with the first burst frame";
  Tick();
  EXPECT_TRUE(Killed(tSnake::Class));
  EXPECT_EQ(Hero()->DeathKind, 0);
  EXPECT_EQ(shot->Sprite, FireBallHitSprite(0));

  // The burst shows frames 0..6 at half a frame per tick, then the shot is gone.
  Tick(12);
  ASSERT_EQ(All<tFireBall>().size(), 1u);
  EXPECT_EQ(shot->Sprite, FireBallHitSprite(6));
  Tick();
  EXPECT_TRUE(All<tFireBall>().empty());
  EXPECT_EQ(Sounds.Count("Fireball.Wav"), 1);
}

TEST_F(HostileSnakeTest, AFireballFliesRightTowardsAPlayerOnTheRight) {
  Play({"S.P"}, {}, false);
  Turn();
  tFireBall* shot = All<tFireBall>().at(0);
  EXPECT_EQ(shot->X, 0.25f);
  EXPECT_EQ(shot->Sprite, FireBallFlyingSprite(true));
  Tick(6);
  EXPECT_TRUE(shot->Hit);
  EXPECT_EQ(Hero()->Killer, nullptr);
  Tick();
  EXPECT_TRUE(Killed(tSnake::Class));
}

TEST_F(HostileSnakeTest, ThePlayerIsNeverShotUpOrDownOnlyAlongTheRow) {
  Play({"", "", "", ".....P", "", ".....S"});
  tSnake* snake = At<tSnake>(5, 5);
  EXPECT_FALSE(snake->FacingLeft) << "same column: the facing stays";
  Turns("D...");  // directly above the snake
  EXPECT_EQ(Hero()->GridX, 5);
  EXPECT_EQ(Hero()->GridY, 4);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  Turns("L.");
  EXPECT_TRUE(snake->FacingLeft);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  Turn('D');  // the player leaves row 4 but still stands in it at the turn's start
  EXPECT_EQ(Engine->GameMode, gmPlaying);
  Turn();
  EXPECT_EQ(Engine->GameMode, gmDying) << "in the snake's row now";
  Tick(10);
  EXPECT_TRUE(Killed(tSnake::Class));
}

TEST_F(HostileSnakeTest, ASnakeTurnsToThePlayersSide) {
  Play({"", "P", "..........S"});
  tSnake* snake = At<tSnake>(10, 2);
  EXPECT_TRUE(snake->FacingLeft);
  Turns(std::string(12, 'R') + ".");
  EXPECT_EQ(Hero()->GridX, 12);
  EXPECT_FALSE(snake->FacingLeft);
  EXPECT_EQ(Engine->GameMode, gmPlaying);
}

TEST_F(HostileSnakeTest, TheSnakeSwaysBetweenItsFirstAndLastFrame) {
  Play({"", "P", "", "..S"});
  tSnake* snake = At<tSnake>(2, 3);
  EXPECT_EQ(snake->Layer, 2);
  int lowest = 100, highest = -100;
  for (int frame = 0; frame < 80; ++frame) {
    Tick();
    lowest = std::min(lowest, snake->AnimPos);
    highest = std::max(highest, snake->AnimPos);
    ASSERT_EQ(snake->Sprite, SnakeSwaySprite(snake->FacingLeft, snake->AnimPos));
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 30);

  // Going up from 29: 30 turns it round.
  snake->AnimPos = 29;
  snake->AnimStep = 1;
  Tick(2);
  EXPECT_EQ(snake->AnimPos, 29);
  EXPECT_EQ(snake->AnimStep, -1);
}

}  // namespace
}  // namespace qn2::testing
