#include "ui/LevelPickScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio/SoundPort.h"
#include "data/LevelKey.h"
#include "engine/EngineFixture.h"
#include "input/InputDevice.h"
#include "render/ColourTables.h"
#include "render/DibRegistry.h"
#include "render/MenuFont.h"
#include "render/TextService.h"
#include "support/PictureTestFiles.h"
#include "support/SoundLog.h"

namespace qn2 {
namespace {

constexpr int kEntries = 56;  // 54 levels and two bonus entries
constexpr int kDummyEntry = 3;
constexpr int kVideoEntry = 4;
constexpr int kMissingBonus = 60;

std::string Bytes(const std::vector<std::uint8_t>& data) {
  return {data.begin(), data.end()};
}

// A bonus picture whose eight 72 x 20 cells each have a colour of their own.
tRgb BonusCellColour(int n, int x, int y) {
  return {static_cast<std::uint8_t>(60 + 120 * (x / 72)),
          static_cast<std::uint8_t>(30 + 60 * (y / 20)), static_cast<std::uint8_t>(20 * n)};
}

// The pictures of the screen as files of the game, and a menu font that draws nothing (its
// glyphs are all key colour and its glows black), so a button shows its picture alone.
struct tScreenFiles {
  std::string Button = Bytes(test::MakeJpeg(144, 70, [](int x, int) {
    return x < 72 ? tRgb{200, 60, 40} : tRgb{40, 180, 90};
  }));
  std::string Caption = Bytes(test::MakeJpeg(640, 40, [](int, int) { return tRgb{90, 70, 50}; }));
  std::vector<std::string> Bonus;
  std::string Small = Bytes(test::MakeJpeg(140, 24, [](int, int) { return tRgb{10, 200, 200}; }));
  std::string FontBase = Bytes(test::MakeBmp(320, 2344, [](int, int) {
    return tRgb{255, 0, 255};
  }));
  std::string Glow1 = Bytes(test::MakeJpeg(384, 1990, [](int, int) { return tRgb{0, 0, 0}; }));
  std::string Glow2 = Bytes(test::MakeJpeg(384, 1490, [](int, int) { return tRgb{0, 0, 0}; }));

  tScreenFiles() {
    for (int n = 1; n <= 9; ++n)
      Bonus.push_back(
          Bytes(test::MakeJpeg(144, 80, [n](int x, int y) { return BonusCellColour(n, x, y); })));
  }
};

// Eight pixels a character and twenty a line; remembers where each line was drawn.
class tLineFace : public tTextService {
 public:
  static constexpr std::int32_t Height = 20;
  struct tLine {
    std::string Text;
    std::int32_t Left = 0, Top = 0;
  };
  tPoint TextExtent(std::string_view text) override {
    return {8 * static_cast<std::int32_t>(text.size()), Height};
  }
  std::int32_t FontHeight() override { return Height; }
  void DrawText(tDib16&, std::int32_t left, std::int32_t top, std::string_view text,
                std::uint32_t) override {
    Lines.push_back({std::string(text), left, top});
  }
  std::vector<tLine> Lines;
};

const tScreenFiles& ScreenFiles() {
  static const tScreenFiles files;
  return files;
}

class LevelPickScreenTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ClearDibs();
    SetSound(&Samples);
    const tScreenFiles& files = ScreenFiles();
    Write("LevelPickButton.jpg", files.Button);
    Write("PickALevelCaption.jpg", files.Caption);
    for (int n = 1; n <= 9; ++n)
      Write("Bonus" + std::to_string(n) + "Button.jpg",
            files.Bonus[static_cast<std::size_t>(n - 1)]);
    for (const char* base : {"BackToMenuButton", "ClearProgressButton"})
      for (const char* suffix : {"", "_Lit", "_LitDown"})
        Write(std::string(base) + suffix + ".jpg", files.Small);
    Write("MenuFontBase.bmp", files.FontBase);
    Write("MenuFontGlow1.Jpg", files.Glow1);
    Write("MenuFontGlow2.Jpg", files.Glow2);
    LoadMenuFont();

    WriteLevel("A.map", "Alpha");
    WriteLevel("B.map", "");
    WriteLevel("C.map", "Gamma");
    Write("Intro.avi", "not a video");
    std::vector<std::string> lines;
    for (int i = 0; i < kEntries; ++i) {
      lines.push_back(i == 1             ? "Level B.map"
                      : i == kDummyEntry ? "DummyLevel C.map"
                      : i == kVideoEntry ? "Video Intro.avi"
                                         : "Level A.map");
    }
    Write("Test.set", JoinLines(lines));
    Engine->LoadEpisode("Test.set");
  }
  void TearDown() override {
    TextService = nullptr;
    Screen.Hide();
    FreeMenuFont();
    ClearDibs();
    SetSound(nullptr);
    EngineTest::TearDown();
  }

  static tPoint Centre(std::int32_t button) {
    const tRect r = tLevelPickScreen::ButtonRect(button);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  tScreenResult Click(std::int32_t button) {
    const tPoint at = Centre(button);
    Screen.MouseDown(at.X, at.Y, vk::LButton);
    return Screen.MouseUp(at.X, at.Y, vk::LButton);
  }
  // The pixel of the frame at a button's centre, after drawing the whole screen.
  std::uint16_t DrawnCentre(std::int32_t button) {
    Screen.Draw(Frame);
    const tPoint at = Centre(button);
    return Frame.ScanLine(at.Y)[at.X];
  }
  // The pixel of a picture the button's centre shows.
  static std::uint16_t PicturePixel(const std::string& name, int x, int y) {
    tDib16 picture(name);
    return picture.ScanLine(y)[x];
  }
  static std::uint16_t Dimmed(std::uint16_t pixel) {
    for (int i = 0; i < 3; ++i) pixel = DarkenTable[pixel];
    return pixel;
  }

  testing::tSoundLog Samples;
  tLevelPickScreen Screen;
  tDib16 Frame{640, 480};
};

TEST_F(LevelPickScreenTest, ButtonsTileTheFrameBelowTheCaption) {
  EXPECT_EQ(tLevelPickScreen::ButtonRect(0), (tRect{0, 40, 72, 110}));
  EXPECT_EQ(tLevelPickScreen::ButtonRect(53), (tRect{568, 390, 640, 460}));
  EXPECT_EQ(tLevelPickScreen::ButtonRect(54), (tRect{0, 460, 72, 480}));
  EXPECT_EQ(tLevelPickScreen::ButtonRect(62), (tRect{568, 460, 640, 480}));
  EXPECT_EQ(tLevelPickScreen::ButtonAt(70, 50), 0);
  EXPECT_EQ(tLevelPickScreen::ButtonAt(71, 50), 1)
      << "the shared column belongs to the later button";
  EXPECT_EQ(tLevelPickScreen::ButtonAt(639, 479), 62);
  EXPECT_EQ(tLevelPickScreen::ButtonAt(8, 8), tLevelPickScreen::BackButton);
  EXPECT_EQ(tLevelPickScreen::ButtonAt(631, 31), tLevelPickScreen::ClearButton);
  EXPECT_EQ(tLevelPickScreen::ButtonAt(320, 20), tLevelPickScreen::NoButton);
}

TEST_F(LevelPickScreenTest, ShowingSelectsTheCurrentEntryAndHidingUnloadsTheBonusPictures) {
  Engine->EntryIndex = 17;
  Screen.Show(*Engine);
  EXPECT_TRUE(Screen.Shown());
  EXPECT_EQ(Screen.SelectedEntry(), 17);
  EXPECT_TRUE(FindDib("Bonus9Button.jpg")->Loaded());
  EXPECT_TRUE(Samples.Played.empty());
  Screen.Hide();
  EXPECT_FALSE(Screen.Shown());
  EXPECT_FALSE(FindDib("Bonus9Button.jpg")->Loaded());
}

TEST_F(LevelPickScreenTest, AMissingPictureLeavesTheScreenHidden) {
  std::filesystem::remove(Scratch / "PickALevelCaption.jpg");
  EXPECT_ANY_THROW(Screen.Show(*Engine));
  EXPECT_FALSE(Screen.Shown());
}

TEST_F(LevelPickScreenTest, TheCursorCannotLeaveTheEntries) {
  Screen.Show(*Engine);
  Screen.KeyDown(vk::Left);
  Screen.KeyDown(vk::Up);
  EXPECT_EQ(Screen.SelectedEntry(), 0);
  EXPECT_EQ(Samples.Count("MenuMove.wav"), 0);
  Screen.SelectLevel(62);
  Screen.KeyDown(vk::Right);
  EXPECT_EQ(Screen.SelectedEntry(), 62);
  for (int k = 54; k <= 62; ++k) {
    Screen.SelectLevel(k);
    Screen.KeyDown(vk::Down);
    EXPECT_EQ(Screen.SelectedEntry(), k);
  }
  Screen.SelectLevel(63);
  Screen.SelectLevel(-1);
  EXPECT_EQ(Screen.SelectedEntry(), 62);
  EXPECT_EQ(Samples.Count("MenuMove.wav"), 10) << "one for each real move";
  Screen.KeyDown(vk::Up);
  EXPECT_EQ(Screen.SelectedEntry(), 53);
  Screen.KeyDown(vk::Right);
  EXPECT_EQ(Screen.SelectedEntry(), 54) << "the last level wraps to the first bonus";
}

TEST_F(LevelPickScreenTest, ArrowKeysPutThePointerInsideTheSelectedButtonsCorner) {
  Screen.Show(*Engine);
  tScreenResult result = Screen.KeyDown(vk::Right);
  ASSERT_TRUE(result.MovePointerTo.has_value());
  EXPECT_EQ(*result.MovePointerTo, (tPoint{135, 102}));
  EXPECT_FALSE(result.Hidden);
  result = Screen.KeyDown(vk::Down);
  EXPECT_EQ(Screen.SelectedEntry(), 10);
  EXPECT_EQ(*result.MovePointerTo, (tPoint{135, 172}));
  Screen.SelectLevel(62);
  result = Screen.KeyDown(vk::Down);
  EXPECT_EQ(*result.MovePointerTo, (tPoint{632, 472})) << "a refused move still points";
  EXPECT_FALSE(Screen.KeyDown('A').MovePointerTo.has_value());
}

TEST_F(LevelPickScreenTest, EscapeAndTheBackButtonReturnToTheMainMenu) {
  Screen.Show(*Engine);
  const tScreenResult result = Screen.KeyDown(vk::Escape);
  EXPECT_TRUE(result.Hidden);
  EXPECT_FALSE(Screen.Shown());
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  EXPECT_EQ(Samples.Count("menuClose.wav"), 1);
  Engine->SetGameMode(gmPickLevel);
  Screen.Show(*Engine);
  EXPECT_TRUE(Click(tLevelPickScreen::BackButton).Hidden);
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  EXPECT_EQ(Samples.Count("menuClose.wav"), 2);
}

TEST_F(LevelPickScreenTest, EnterStartsTheSelectedEntryOverABlackFrame) {
  Engine->FrameSurface().FillSurface(0x1234);
  Screen.Show(*Engine);
  Screen.SelectLevel(5);
  EXPECT_FALSE(Screen.CharTyped('x').Hidden);
  const tScreenResult result = Screen.CharTyped('\r');
  EXPECT_TRUE(result.Hidden);
  EXPECT_FALSE(Screen.Shown());
  EXPECT_EQ(Engine->EntryIndex, 5);
  EXPECT_EQ(Engine->LevelFileName, "A.map");
  EXPECT_EQ(Engine->GameMode, gmIntro);
  EXPECT_EQ(Engine->FrameSurface().ScanLine(240)[320], 0);
  EXPECT_EQ(Samples.Count("MenuSelect.wav"), 1);
  EXPECT_EQ(Samples.Count("MainMenuClose.wav"), 1);
}

TEST_F(LevelPickScreenTest, PickingBeyondTheEpisodeDoesNothing) {
  Screen.Show(*Engine);
  Screen.SelectLevel(kMissingBonus);
  EXPECT_FALSE(Screen.CharTyped('\r').Hidden);
  EXPECT_FALSE(Click(kMissingBonus).Hidden);
  EXPECT_TRUE(Screen.Shown());
  EXPECT_EQ(Engine->EntryIndex, 0);
  EXPECT_FALSE(Engine->GameInProgress);
}

TEST_F(LevelPickScreenTest, AClickIsAPressAndAReleaseOnTheSameButton) {
  Screen.Show(*Engine);
  const tPoint two = Centre(2);
  const tPoint three = Centre(3);
  Screen.MouseDown(two.X, two.Y, vk::LButton);
  EXPECT_FALSE(Screen.MouseUp(three.X, three.Y, vk::LButton).Hidden);
  Screen.MouseDown(three.X, three.Y, vk::RButton);
  EXPECT_FALSE(Screen.MouseUp(three.X, three.Y, vk::RButton).Hidden);
  EXPECT_TRUE(Screen.Shown());
  EXPECT_TRUE(Click(55).Hidden);
  EXPECT_EQ(Engine->EntryIndex, 55);
  EXPECT_EQ(Engine->GameMode, gmIntro);
}

TEST_F(LevelPickScreenTest, ProgressIsClearedOnlyWhenTheDialogSaysSo) {
  Engine->Episode.SetProgress(0, 2);
  Engine->Episode.SetProgress(7, 1);
  Engine->Episode.SaveProgress();
  const std::string saved = Read("Test.Progress");
  int answer = tClearProgressDialog::KeepAnswer;
  tModalContent* shown = nullptr;
  Screen.RunModal = [&](tModalContent& content) {
    shown = &content;
    return answer;
  };
  Screen.Show(*Engine);
  EXPECT_FALSE(Click(tLevelPickScreen::ClearButton).Hidden);
  EXPECT_EQ(shown, &Screen.ClearDialog());
  EXPECT_EQ(Engine->Episode.GetProgress(0), 2);
  EXPECT_EQ(Read("Test.Progress"), saved);
  answer = tClearProgressDialog::ClearAnswer;
  Click(tLevelPickScreen::ClearButton);
  EXPECT_EQ(Engine->Episode.GetProgress(0), 0);
  EXPECT_EQ(Engine->Episode.GetProgress(7), 0);
  EXPECT_EQ(Read("Test.Progress"), std::string(4 * kEntries, '\0'));
  EXPECT_TRUE(Screen.Shown());
}

TEST_F(LevelPickScreenTest, HintsNameTheEntryAndItsProgress) {
  Engine->Episode.SetProgress(0, 1);
  Engine->Episode.SetProgress(1, 2);
  Engine->Episode.SetProgress(2, 2);
  Screen.Show(*Engine);
  EXPECT_EQ(Screen.ButtonHint(0), "Alpha\r(Partially Solved)");
  EXPECT_EQ(Screen.ButtonHint(1), "(Solved)") << "an untitled level";
  EXPECT_EQ(Screen.ButtonHint(2), "Alpha\r(Solved)");
  EXPECT_EQ(Screen.ButtonHint(5), "Alpha");
  EXPECT_EQ(Screen.ButtonHint(kMissingBonus), "");
  EXPECT_EQ(Screen.ButtonHint(kVideoEntry), "(Video)");
}

TEST_F(LevelPickScreenTest, PickingAVideoEntryStartsTheVideo) {
  Screen.Show(*Engine);
  EXPECT_TRUE(Click(kVideoEntry).Hidden);
  EXPECT_FALSE(Screen.Shown());
  EXPECT_EQ(Engine->EntryIndex, kVideoEntry);
  EXPECT_EQ(Engine->GameMode, gmVideo);
  EXPECT_EQ(Engine->VideoFileName, "Intro.avi");
}

TEST_F(LevelPickScreenTest, HintsShowThePlayersBestOfTheLevelAsALineOfTheirOwn) {
  ASSERT_TRUE(Engine->Bests.Offer(LevelFileKey("A.map"), {23, 3, 3}, {10, 10, 10}));
  ASSERT_TRUE(Engine->Bests.Offer(LevelFileKey("B.map"), {1, 0, 0}, {10}));
  Engine->Episode.SetProgress(0, 2);
  Screen.Show(*Engine);
  EXPECT_EQ(Screen.ButtonHint(0), "Alpha\r(Solved)\rBest: 23 turns, 3/3 jewels");
  EXPECT_EQ(Screen.ButtonHint(5), "Alpha\rBest: 23 turns, 3/3 jewels") << "the same level";
  EXPECT_EQ(Screen.ButtonHint(1), "Best: 1 turn") << "an untitled level without jewels";
  EXPECT_EQ(Screen.ButtonHint(kDummyEntry), "Gamma") << "no best of its own";

  // Over the last button of a row and over the bottom row, the hint with its longer best
  // line is moved to stay on the frame.
  tLineFace face;
  TextService = &face;
  for (std::int32_t entry : {44, 55}) {
    SCOPED_TRACE(entry);
    const tPoint at = Centre(entry);
    Screen.MouseMove(at.X, at.Y);
    for (int i = 0; i < tLevelPickScreen::HintDelayTicks; ++i) Screen.Tick();
    ASSERT_EQ(Screen.ShownHint(), "Alpha\rBest: 23 turns, 3/3 jewels");
    face.Lines.clear();
    Screen.Draw(Frame);
    ASSERT_EQ(face.Lines.size(), 2u);
    EXPECT_EQ(face.Lines[1].Text, "Best: 23 turns, 3/3 jewels");
    EXPECT_EQ(face.Lines[1].Left, face.Lines[0].Left);
    EXPECT_EQ(face.Lines[1].Top, face.Lines[0].Top + tLineFace::Height);
    for (const tLineFace::tLine& line : face.Lines) {
      EXPECT_GE(line.Left, 0);
      EXPECT_LE(line.Left + face.TextExtent(line.Text).X, Frame.Width());
      EXPECT_LE(line.Top + tLineFace::Height, Frame.Height());
    }
  }
}

TEST_F(LevelPickScreenTest, AHintShowsAfterThePointerRestsHalfASecond) {
  Engine->Episode.SetProgress(2, 2);
  Screen.Show(*Engine);
  const tPoint at = Centre(2);
  Screen.MouseMove(at.X, at.Y);
  for (int i = 1; i < tLevelPickScreen::HintDelayTicks; ++i) Screen.Tick();
  EXPECT_EQ(Screen.ShownHint(), "");
  Screen.MouseMove(at.X + 3, at.Y + 3);  // still the same button
  Screen.Tick();
  EXPECT_EQ(Screen.ShownHint(), "Alpha\r(Solved)");
  EXPECT_EQ(Screen.HintPosition().X, at.X + 3);
  EXPECT_GT(Screen.HintPosition().Y, at.Y + 3);

  Screen.Draw(Frame);
  const std::uint16_t withHint = Frame.ScanLine(Screen.HintPosition().Y + 2)[at.X + 5];
  Screen.MouseDown(at.X + 3, at.Y + 3, vk::RButton);
  EXPECT_EQ(Screen.ShownHint(), "") << "a press puts the hint away";
  for (int i = 0; i < 3 * tLevelPickScreen::HintDelayTicks; ++i) Screen.Tick();
  EXPECT_EQ(Screen.ShownHint(), "") << "and it stays away while the pointer stays";
  Screen.Draw(Frame);
  EXPECT_NE(Frame.ScanLine(Screen.HintPosition().Y + 2)[at.X + 5], withHint);

  const tPoint missing = Centre(kMissingBonus);
  Screen.MouseMove(missing.X, missing.Y);
  for (int i = 0; i < 2 * tLevelPickScreen::HintDelayTicks; ++i) Screen.Tick();
  EXPECT_EQ(Screen.ShownHint(), "") << "no entry, no hint";
}

TEST_F(LevelPickScreenTest, ButtonFacesFollowProgressAndPlayability) {
  Engine->Episode.SetProgress(2, 2);
  Engine->Episode.SetProgress(6, 1);
  Screen.Show(*Engine);
  Screen.SelectLevel(20);
  const std::uint16_t up = PicturePixel("LevelPickButton.jpg", 36, 35);
  const std::uint16_t down = PicturePixel("LevelPickButton.jpg", 72 + 36, 35);
  ASSERT_NE(up, down);
  EXPECT_EQ(DrawnCentre(0), up);
  EXPECT_EQ(DrawnCentre(2), down) << "solved with every jewel";
  EXPECT_EQ(DrawnCentre(6), up) << "partly solved";
  EXPECT_EQ(DrawnCentre(kDummyEntry), Dimmed(up));
  EXPECT_EQ(DrawnCentre(kVideoEntry), up) << "a video is picked like a level";

  const tPoint at = Centre(0);
  Screen.MouseDown(at.X, at.Y, vk::LButton);
  EXPECT_EQ(DrawnCentre(0), down) << "held down";
  Screen.MouseMove(Centre(9).X, Centre(9).Y);
  EXPECT_EQ(DrawnCentre(0), up) << "the pointer left it";
}

TEST_F(LevelPickScreenTest, BonusFacesComeFromTheirCells) {
  Engine->Episode.SetProgress(55, 1);
  Screen.Show(*Engine);
  auto cell = [](int n, int column, int row) {
    return PicturePixel("Bonus" + std::to_string(n) + "Button.jpg", column + 36, row + 10);
  };
  EXPECT_EQ(DrawnCentre(54), cell(1, 0, 40)) << "unsolved";
  EXPECT_EQ(DrawnCentre(55), cell(2, 0, 20)) << "partly solved";
  Engine->Episode.SetProgress(55, 2);
  EXPECT_EQ(DrawnCentre(55), cell(2, 72, 0)) << "solved";
  EXPECT_EQ(DrawnCentre(kMissingBonus), Dimmed(cell(7, 0, 40))) << "no such entry";

  Screen.SelectLevel(54);
  std::vector<std::uint16_t> seen;
  for (int i = 0; i < 40; ++i) {
    Screen.Tick();
    const std::uint16_t pixel = DrawnCentre(54);
    if (std::find(seen.begin(), seen.end(), pixel) == seen.end()) seen.push_back(pixel);
  }
  std::sort(seen.begin(), seen.end());
  std::vector<std::uint16_t> expected{cell(1, 0, 40), cell(1, 0, 60)};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(seen, expected) << "the selected bonus flickers between its two rows";
}

}  // namespace
}  // namespace qn2
