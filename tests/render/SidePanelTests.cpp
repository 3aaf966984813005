#include "render/SidePanel.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/TextService.h"
#include "support/PictureTestFiles.h"

namespace qn2 {
namespace {

using test::At;
using test::MakeBmp;

// Text 20 pixels high; 'W' is 20 pixels wide, '.' 5 and every other character 10. The
// texts are recorded, not drawn.
class tFixedWidthText : public tTextService {
 public:
  struct tCall {
    std::string Text;
    tPoint At;
    std::uint32_t Colour;
    tRect Clip;
    bool operator==(const tCall&) const = default;
  };

  tPoint TextExtent(std::string_view text) override {
    std::int32_t width = 0;
    for (char c : text) width += c == 'W' ? 20 : c == '.' ? 5 : 10;
    return {width, 20};
  }
  std::int32_t FontHeight() override { return 20; }
  void DrawText(tDib16& target, std::int32_t left, std::int32_t top, std::string_view text,
                std::uint32_t colour) override {
    Calls.push_back({std::string(text), {left, top}, colour, target.ClipRect});
  }

  std::vector<tCall> Calls;
};

constexpr std::uint16_t kUntouched = 0x0841;
const tRect kPanelClip{0, 0, 128, 480};

class SidePanelTest : public ::testing::Test {
 protected:
  SidePanelTest() {
    test::tMemoryPictureFiles& files = Pictures.Files;
    files.Add(
        "SidePanel.jpg", test::MakeJpeg(128, 480, [](int x, int y) {
          return tRgb{static_cast<std::uint8_t>(2 * x), static_cast<std::uint8_t>(y / 2), 100};
        }));
    files.Add("BaseGfx.bmp", MakeBmp(576, 288, [](int x, int y) {
                const auto g = static_cast<std::uint8_t>(2 * (x % 96));
                const auto b = static_cast<std::uint8_t>(4 * (y % 48));
                if (x >= 384 && x < 480)
                  return tRgb{static_cast<std::uint8_t>(20 + 30 * (y / 48)), g, b};
                if (x >= 480 && y >= 240) return tRgb{230, g, b};
                return tRgb{0, 0, 0};
              }));
    files.Add("LevelDigits.bmp", MakeBmp(36, 336, [](int x, int y) {
                return tRgb{static_cast<std::uint8_t>(50 + 100 * (x / 18)),
                            static_cast<std::uint8_t>(10 + 20 * (y / 28)), 60};
              }));
    for (const char* name : {"KeysDigits.bmp", "GemsDigits.bmp"}) {
      const std::uint8_t blue = name[0] == 'K' ? 30 : 150;
      files.Add(name, MakeBmp(121, 308, [blue](int x, int y) {
                  return tRgb{static_cast<std::uint8_t>(2 * x),
                              static_cast<std::uint8_t>(10 + 20 * (y / 28)), blue};
                }));
    }
    TextService = &Text;
    Panel.Load();
    Fill();
  }
  ~SidePanelTest() override { TextService = nullptr; }

  void Fill() {
    test::Paint(Frame, [](int, int) { return kUntouched; });
  }
  // The centre pixel of glyph g in the glyph column starting at x of a digits picture.
  static std::uint16_t Digit(const char* picture, int x, int g) {
    return At(*FindDib(picture), x + 9, 28 * g + 14);
  }
  static std::uint16_t ButtonFrame(int x, int y) {
    return At(*FindDib("BaseGfx.bmp"), x + 48, y + 24);
  }
  std::uint16_t Button() { return At(Frame, 64, 439); }

  test::tPictureFilesScope Pictures;
  tDib16 Frame{640, 480};
  tDibTarget Scope{&Frame};
  tFixedWidthText Text;
  tSidePanel Panel;
};

TEST_F(SidePanelTest, LevelCodeShowsDigitsAndTheLetterB) {
  EXPECT_FALSE(FindDib("LevelDigits.bmp")->Loaded());
  EXPECT_TRUE(FindDib("KeysDigits.bmp")->Loaded());
  EXPECT_TRUE(FindDib("GemsDigits.bmp")->Loaded());
  struct tCase {
    const char* Code;
    int First;
    int Second;
  };
  for (const tCase& c :
       {tCase{"B7", 11, 7}, tCase{"b0", 11, 0}, tCase{"X9", 10, 9}, tCase{"4", 4, 10}}) {
    SCOPED_TRACE(c.Code);
    Panel.LevelCode = c.Code;
    Panel.Draw();
    EXPECT_EQ(At(Frame, 90, 74), Digit("LevelDigits.bmp", 0, c.First));
    EXPECT_EQ(At(Frame, 108, 74), Digit("LevelDigits.bmp", 18, c.Second));
  }
}

TEST_F(SidePanelTest, CountersPadTheCollectedCountToTheTotal) {
  Panel.KeysCollected = 3;
  Panel.KeysInLevel = 12;
  Panel.JewelsCollected = 0;
  Panel.JewelsInLevel = 0;
  Frame.TrackDirty = true;
  Panel.Draw();
  // Keys "03" of "12": the count right-aligned in columns 2 and 1 of the count set, the
  // total left-aligned in columns 0 and 1 of the total set.
  EXPECT_EQ(At(Frame, 48, 228), Digit("KeysDigits.bmp", 36, 3));
  EXPECT_EQ(At(Frame, 30, 228), Digit("KeysDigits.bmp", 18, 0));
  EXPECT_EQ(At(Frame, 12, 228), kUntouched);
  EXPECT_EQ(At(Frame, 79, 228), Digit("KeysDigits.bmp", 67, 1));
  EXPECT_EQ(At(Frame, 97, 228), Digit("KeysDigits.bmp", 85, 2));
  EXPECT_EQ(At(Frame, 115, 228), kUntouched);
  // Jewels "0" of "0".
  EXPECT_EQ(At(Frame, 48, 302), Digit("GemsDigits.bmp", 36, 0));
  EXPECT_EQ(At(Frame, 30, 302), kUntouched);
  EXPECT_EQ(At(Frame, 79, 302), Digit("GemsDigits.bmp", 67, 0));
  EXPECT_EQ(At(Frame, 97, 302), kUntouched);
  // The counters are not listed for restoring; the frame still tracks afterwards.
  EXPECT_TRUE(Frame.TrackDirty);
  for (const tRect& r : Frame.DirtyRects()) EXPECT_TRUE(r.Bottom <= 214 || r.Top >= 316);

  // Three places at most; a minus sign shows blank.
  Panel.KeysCollected = -4;
  Panel.KeysInLevel = 1234;
  Panel.Draw();
  EXPECT_EQ(At(Frame, 48, 228), Digit("KeysDigits.bmp", 36, 4));
  EXPECT_EQ(At(Frame, 30, 228), Digit("KeysDigits.bmp", 18, 10));
  EXPECT_EQ(At(Frame, 12, 228), Digit("KeysDigits.bmp", 0, 0));
  EXPECT_EQ(At(Frame, 115, 228), Digit("KeysDigits.bmp", 103, 9));
}

TEST_F(SidePanelTest, HintAndCountersAreRedrawnOnlyWhenChangedOrForgotten) {
  Panel.HintText = "GO";
  Panel.KeysInLevel = 5;
  Panel.JewelsInLevel = 5;
  Panel.Draw();
  EXPECT_EQ(Text.Calls.size(), 4u);
  Fill();
  Panel.Draw();
  EXPECT_EQ(Text.Calls.size(), 4u);
  EXPECT_EQ(At(Frame, 48, 228), kUntouched);
  EXPECT_EQ(At(Frame, 48, 302), kUntouched);
  EXPECT_EQ(At(Frame, 0, 100), kUntouched);
  // The button and the level code are drawn every frame.
  EXPECT_EQ(Button(), ButtonFrame(384, 0));
  EXPECT_EQ(At(Frame, 90, 74), Digit("LevelDigits.bmp", 0, 10));

  Panel.KeysCollected = 1;
  Panel.Draw();
  EXPECT_EQ(At(Frame, 48, 228), Digit("KeysDigits.bmp", 36, 1));
  EXPECT_EQ(At(Frame, 48, 302), kUntouched);

  Panel.HintText = "STOP";
  Panel.Draw();
  ASSERT_EQ(Text.Calls.size(), 8u);
  EXPECT_EQ(Text.Calls.back().Text, "STOP");

  Fill();
  Panel.Forget();
  Panel.Draw();
  EXPECT_EQ(Text.Calls.size(), 12u);
  EXPECT_EQ(At(Frame, 48, 228), Digit("KeysDigits.bmp", 36, 1));
  EXPECT_EQ(At(Frame, 48, 302), Digit("GemsDigits.bmp", 36, 0));
}

TEST_F(SidePanelTest, HintWrapsWordsAndLeavesALongWordAlone) {
  Panel.HintText = "AB CD EFGH WWWWWWWWWW IJ";
  Panel.Draw();
  const std::uint32_t grey = ApplyGamma(0xCFD1DA);
  const std::uint32_t brown = ApplyGamma(0x2C364E);
  std::vector<tFixedWidthText::tCall> expected;
  // Three lines 20 high centred on y 120, 140 and 160; each centred on x 64.
  auto line = [&](const std::string& text, int left, int top) {
    expected.push_back({text, {left + 3, top + 1}, grey, kPanelClip});
    expected.push_back({text, {left + 2, top + 1}, grey, kPanelClip});
    expected.push_back({text, {left, top}, 0, kPanelClip});
    expected.push_back({text, {left + 1, top}, brown, kPanelClip});
  };
  line("AB CD EFGH", 14, 110);
  line("WWWWWWWWWW", -36, 130);
  line("IJ", 54, 150);
  EXPECT_EQ(Text.Calls, expected);
  // The text band shows the panel picture again; nothing outside it was touched.
  tDib16& picture = *FindDib("SidePanel.jpg");
  for (int y = 96; y < 192; ++y)
    for (int x = 0; x < 128; ++x) ASSERT_EQ(At(Frame, x, y), At(picture, x, y)) << x << ", " << y;
  EXPECT_EQ(At(Frame, 0, 95), kUntouched);
  EXPECT_EQ(At(Frame, 0, 192), kUntouched);
  EXPECT_EQ(At(Frame, 130, 140), kUntouched);
  EXPECT_EQ(Frame.ClipRect, (tRect{128, 0, 640, 480}));
}

TEST_F(SidePanelTest, HintLinesMayBeExactly115PixelsWide) {
  struct tCase {
    const char* Hint;
    std::vector<std::string> Lines;
  };
  for (const tCase& c :
       {tCase{"AAAAA AAAAA.", {"AAAAA AAAAA."}}, tCase{"AAAAA AAAAAA", {"AAAAA", "AAAAAA"}},
        tCase{"  AB   CD ", {"AB CD"}}, tCase{"   ", {}}}) {
    SCOPED_TRACE(c.Hint);
    Text.Calls.clear();
    Panel.HintText = c.Hint;
    Panel.Draw();
    std::vector<std::string> lines;
    for (std::size_t i = 2; i < Text.Calls.size(); i += 4) lines.push_back(Text.Calls[i].Text);
    EXPECT_EQ(lines, c.Lines);
  }
  Panel.HintText = "AAAAA AAAAA.";
  Text.Calls.clear();
  Panel.Forget();
  Panel.Draw();
  ASSERT_EQ(Text.Calls.size(), 4u);
  EXPECT_EQ(Text.Calls[2].At, (tPoint{64 - 57, 140 - 10}));
}

TEST_F(SidePanelTest, ButtonClicksOnlyWhenPressedAndReleasedOnIt) {
  struct tStep {
    int X, Y;
    bool ClickNow, Held;
  };
  struct tCase {
    const char* Name;
    std::vector<tStep> Steps;
    bool Clicked;
  };
  const std::vector<tCase> cases = {
      {"press and release inside", {{64, 440, true, true}, {64, 440, false, false}}, true},
      {"a click inside one tick", {{64, 440, true, false}}, true},
      {"pressed outside",
       {{10, 440, true, true}, {64, 440, false, true}, {64, 440, false, false}},
       false},
      {"released outside",
       {{64, 440, true, true}, {10, 440, false, true}, {10, 440, false, false}},
       false},
      {"out and back in",
       {{64, 440, true, true}, {10, 440, false, true}, {64, 440, false, false}},
       true},
      {"left edge", {{26, 440, true, false}}, false},
      {"inside the left edge", {{27, 440, true, false}}, true},
      {"right edge", {{100, 440, true, false}}, false},
      {"inside the right edge", {{99, 440, true, false}}, true},
      {"top edge", {{64, 425, true, false}}, false},
      {"inside the top edge", {{64, 426, true, false}}, true},
      {"bottom edge", {{64, 458, true, false}}, false},
      {"inside the bottom edge", {{64, 457, true, false}}, true},
  };
  for (const tCase& c : cases) {
    SCOPED_TRACE(c.Name);
    tSidePanel panel;
    for (const tStep& s : c.Steps) panel.UpdateButton(s.X, s.Y, s.ClickNow, s.Held);
    EXPECT_EQ(panel.TakeButtonClick(), c.Clicked);
    EXPECT_FALSE(panel.TakeButtonClick());
  }
  // A click not yet taken is forgotten by a reset.
  tSidePanel panel;
  panel.UpdateButton(64, 440, true, false);
  panel.ResetButton();
  EXPECT_FALSE(panel.TakeButtonClick());
}

TEST_F(SidePanelTest, ButtonGlowsWhileHoveredAndShowsThePressedFrame) {
  Panel.Draw();
  EXPECT_EQ(Button(), ButtonFrame(384, 0));
  for (int i = 0; i < 7; ++i) Panel.UpdateButton(64, 440, false, false);
  Panel.Draw();  // glow 0.525: frame 3
  EXPECT_EQ(Button(), ButtonFrame(384, 144));
  for (int i = 0; i < 10; ++i) Panel.UpdateButton(64, 440, false, false);
  Panel.Draw();
  EXPECT_EQ(Button(), ButtonFrame(384, 240));
  Panel.UpdateButton(64, 440, true, true);
  Panel.Draw();
  EXPECT_EQ(Button(), ButtonFrame(480, 240));
  // Held but dragged off: glowing again, fading.
  Panel.UpdateButton(10, 440, false, true);
  Panel.Draw();
  EXPECT_EQ(Button(), ButtonFrame(384, 240));  // 0.925: frame 5
  for (int i = 0; i < 20; ++i) Panel.UpdateButton(10, 440, false, false);
  Panel.Draw();
  EXPECT_EQ(Button(), ButtonFrame(384, 0));
  EXPECT_FALSE(Panel.TakeButtonClick());
}

TEST_F(SidePanelTest, BackgroundFillsThePanelWhateverTheClip) {
  Frame.ClipRect = tRect{128, 0, 640, 480};
  Panel.DrawBackground();
  tDib16& picture = *FindDib("SidePanel.jpg");
  EXPECT_TRUE(picture.Loaded());
  for (int y = 0; y < 480; y += 7)
    for (int x = 0; x < 128; ++x) ASSERT_EQ(At(Frame, x, y), At(picture, x, y)) << x << ", " << y;
  EXPECT_EQ(At(Frame, 127, 479), At(picture, 127, 479));
  EXPECT_EQ(At(Frame, 128, 0), kUntouched);
  EXPECT_EQ(Frame.ClipRect, (tRect{128, 0, 640, 480}));
}

}  // namespace
}  // namespace qn2
