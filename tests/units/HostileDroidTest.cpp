#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"
#include "units/HostileFixture.h"

namespace qn2::testing {
namespace {

class HostileDroidTest : public HostileTest {
 protected:
  // Plays a level with the droid at (2,2) and the player making one step; the cell the
  // droid heads for in that turn.
  std::pair<int, int> DroidStep(const std::vector<std::string>& rows, char step) {
    Play(rows);
    tSeekerDroid* droid = All<tSeekerDroid>().at(0);
    Turn(step);
    EXPECT_TRUE(Hero()->Moved) << "the player's step was blocked";
    return {droid->TargetX, droid->TargetY};
  }
};

using Cell = std::pair<int, int>;

TEST_F(HostileDroidTest, TheDroidStepsAlongTheLongerWayToThePlayersNewCell) {
  // The player steps to (5,3): three columns right, one row down.
  EXPECT_EQ(DroidStep({"", "", "..D..P"}, 'D'), Cell(3, 2));
  // The cell to the right is walled: it steps down instead.
  EXPECT_EQ(DroidStep({"", "", "..D#.P"}, 'D'), Cell(2, 3));
  // The player steps to (3,5): one column right, three rows down.
  EXPECT_EQ(DroidStep({"", "", "..D", "", "...P"}, 'D'), Cell(2, 3));
  // Below is taken: it steps right instead.
  EXPECT_EQ(DroidStep({"", "", "..D", "..B", "...P"}, 'D'), Cell(3, 2));
  // A tie goes sideways: to (4,4) is two and two.
  EXPECT_EQ(DroidStep({"", "", "..D", "", "...P"}, 'R'), Cell(3, 2));
  // Straight up to the player's new cell (2,6) from (2,2).
  EXPECT_EQ(DroidStep({"", "", "..D", "", "", "", "", "..P"}, 'U'), Cell(2, 3));
  // Both ways taken: it stays.
  EXPECT_EQ(DroidStep({"", "", "..DB", "..R", "", "...P"}, 'R'), Cell(2, 2));
}

TEST_F(HostileDroidTest, TheDroidOnlyMovesWhenThePlayerSteps) {
  Play({"", "", "..D", "", "", "", "", "......P"});
  tSeekerDroid* droid = At<tSeekerDroid>(2, 2);
  Turns("...");
  EXPECT_EQ(droid->TargetX, 2);
  EXPECT_EQ(droid->TargetY, 2);
  Turn('U');  // to (6,6): four right, four down -> sideways
  EXPECT_EQ(droid->TargetX, 3);
  Turn('L');  // to (5,6): two across, four down from (3,2): down is longer
  EXPECT_EQ(droid->GridX, 3);
  EXPECT_EQ(droid->TargetX, 3);
  EXPECT_EQ(droid->TargetY, 3);
  Turn();
  EXPECT_EQ(droid->GridY, 3);
  EXPECT_TRUE(droid->HasArrived());
}

TEST_F(HostileDroidTest, TheDroidGlowsWhileMovingAndDimsWhenItStops) {
  Play({"", "", "..D..P"});
  tSeekerDroid* droid = At<tSeekerDroid>(2, 2);
  EXPECT_EQ(droid->Sprite, DroidSprite(0));
  Turn('D');
  Tick(4);
  EXPECT_EQ(droid->Glow, 5) << "one more per frame of the move, the turn's first included";
  EXPECT_EQ(droid->Sprite, DroidSprite(5));
  Tick(7);  // the twelfth frame of the move
  EXPECT_EQ(droid->Glow, 9) << "no more than 9";
  Tick();  // the turn boundary: arrived
  EXPECT_EQ(droid->Glow, 8) << "arrived: one less per frame";
  Tick(7);
  EXPECT_EQ(droid->Glow, 1);
  Tick(3);
  EXPECT_EQ(droid->Glow, 0);
  EXPECT_EQ(droid->Sprite, DroidSprite(0));
}

TEST_F(HostileDroidTest, ADroidNextToThePlayerZapsIt) {
  Play({"", "", ".P.D"});
  tSeekerDroid* droid = At<tSeekerDroid>(3, 2);
  Turn('R');  // next to the droid
  EXPECT_FALSE(droid->Zapping) << "the player is still on its way";
  EXPECT_EQ(droid->TargetX, 3);
  Turn();
  EXPECT_TRUE(droid->Zapping);
  EXPECT_TRUE(Killed(tSeekerDroid::Class));
  EXPECT_EQ(Sounds.Count("DroidZap.Wav"), 1);
  EXPECT_EQ(droid->ZapFrames, 39) << "the first death frame has run";
  Tick(6);
  EXPECT_EQ(Sounds.Count("DroidZap.Wav"), 1);
  Tick();  // 32 frames left: zapped again
  EXPECT_EQ(Sounds.Count("DroidZap.Wav"), 2);
  Tick(31);
  EXPECT_TRUE(droid->Zapping);
  Tick();
  EXPECT_FALSE(droid->Zapping);
  Tick(20);
  EXPECT_EQ(Sounds.Count("DroidZap.Wav"), 2);
}

TEST_F(HostileDroidTest, TheLightningRunsFromTheDroidToThePlayerInTheBoltColours) {
  Play({"", "", ".P", "", "", ".....D"});
  tSeekerDroid* droid = At<tSeekerDroid>(5, 5);
  droid->Zapping = true;
  tDib16 frame(FrameWidth, FrameHeight);
  frame.ClipRect = tRect{SidePanelWidth, 0, FrameWidth, FrameHeight};
  {
    tDibTarget target(&frame);
    droid->DrawEffects();
  }
  const std::vector<std::uint16_t> colours{MakePixel(255, 255, 255), MakePixel(0, 0, 255),
                                           MakePixel(0, 64, 128), MakePixel(128, 128, 255)};
  // Screen centres of the player's cell (1,2) and the droid's (5,5), up 0.15 of a cell.
  const int playerX = 128 + 32 + 16, playerY = 64 + 16;
  const int droidX = 128 + 160 + 16, droidY = 160 + 16 - 5;
  int lit = 0;
  bool nearDroid = false, nearPlayer = false;
  for (int y = 0; y < FrameHeight; ++y) {
    const std::uint16_t* row = frame.ScanLine(y);
    for (int x = 0; x < FrameWidth; ++x) {
      if (row[x] == 0) continue;
      ++lit;
      ASSERT_NE(std::find(colours.begin(), colours.end(), row[x]), colours.end());
      // Jitter of at most 0.35 of a cell, and lines two pixels wide.
      ASSERT_GE(x, playerX - 14);
      ASSERT_LE(x, droidX + 14);
      ASSERT_GE(y, playerY - 14);
      ASSERT_LE(y, droidY + 14);
      nearDroid = nearDroid || (std::abs(x - droidX) <= 6 && std::abs(y - droidY) <= 6);
      nearPlayer = nearPlayer || (std::abs(x - playerX) <= 6 && std::abs(y - playerY) <= 6);
    }
  }
  EXPECT_GT(lit, 4 * 100);
  EXPECT_TRUE(nearDroid);
  EXPECT_TRUE(nearPlayer);

  droid->Zapping = false;
  tDib16 blank(FrameWidth, FrameHeight);
  {
    tDibTarget target(&blank);
    droid->DrawEffects();
  }
  for (int y = 0; y < FrameHeight; ++y)
    for (int x = 0; x < FrameWidth; ++x) ASSERT_EQ(blank.ScanLine(y)[x], 0);
}

}  // namespace
}  // namespace qn2::testing
