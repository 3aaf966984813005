#include "ui/DisplayQuestion.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/Dib16.h"
#include "render/DisplayChoice.h"
#include "render/PixelFormat.h"
#include "render/TextService.h"

namespace qn2 {
namespace {

constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Right = 39;

// Seven pixels a character, twenty a line; remembers what was drawn where.
class tFixedFace : public tTextService {
 public:
  struct tCall {
    std::string Text;
    std::int32_t Left;
    std::int32_t Top;
  };
  tPoint TextExtent(std::string_view text) override {
    return {7 * static_cast<std::int32_t>(text.size()), 20};
  }
  std::int32_t FontHeight() override { return 20; }
  void DrawText(tDib16&, std::int32_t left, std::int32_t top, std::string_view text,
                std::uint32_t) override {
    Calls.push_back({std::string(text), left, top});
  }
  std::vector<tCall> Calls;
};

tPoint Middle(const tRect& r) {
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

class DisplayQuestionTest : public ::testing::Test {
 protected:
  void SetUp() override { Question.Open(); }
  void Click(std::int32_t button) {
    const tPoint p = Middle(Question.ButtonRect(button));
    Question.MouseMove(p.X, p.Y);
    Question.MouseDown(p.X, p.Y, 1);
    Question.MouseUp(p.X, p.Y, 1);
  }
  tDisplayQuestion Question;
};

TEST_F(DisplayQuestionTest, OpensAt312By162WithFullScreenFocusedAndNoAnswer) {
  EXPECT_EQ(Question.Size(), (tPoint{312, 162}));
  EXPECT_EQ(Question.Result(), 0);
  EXPECT_EQ(Question.Focused(), tDisplayQuestion::FullScreenButton);
  EXPECT_STREQ(tDisplayQuestion::ButtonText(0), "Run Full-Screen");
  EXPECT_STREQ(tDisplayQuestion::ButtonText(1), "Run Windowed");
  EXPECT_EQ(tDisplayQuestion::ButtonAnswer(0), RunFullScreenAnswer);
  EXPECT_EQ(tDisplayQuestion::ButtonAnswer(1), RunWindowedAnswer);
  // The buttons sit side by side inside the client area, full screen on the left.
  const tRect& full = Question.ButtonRect(0);
  const tRect& windowed = Question.ButtonRect(1);
  EXPECT_LT(full.Right, windowed.Left);
  EXPECT_GE(full.Left, 0);
  EXPECT_LE(windowed.Right, 312);
  EXPECT_LE(full.Bottom, 162);
}

TEST_F(DisplayQuestionTest, EnterAndSpacePressTheFocusedButton) {
  Question.KeyDown(Enter);
  EXPECT_EQ(Question.Result(), RunFullScreenAnswer);

  Question.Open();
  Question.KeyDown(Right);
  Question.KeyDown(Enter);
  EXPECT_EQ(Question.Result(), RunWindowedAnswer);

  Question.Open();
  Question.KeyDown(Right);
  Question.KeyDown(Right);  // stays on the right
  Question.KeyDown(Left);
  Question.KeyDown(Space);
  EXPECT_EQ(Question.Result(), RunFullScreenAnswer);
}

TEST_F(DisplayQuestionTest, TabMovesToTheOtherButtonEitherWay) {
  Question.KeyDown(Tab);
  EXPECT_EQ(Question.Focused(), tDisplayQuestion::WindowedButton);
  Question.KeyDown(Space);
  EXPECT_EQ(Question.Result(), RunWindowedAnswer);

  Question.Open();
  EXPECT_EQ(Question.Focused(), tDisplayQuestion::FullScreenButton);
  Question.KeyDown(Tab);
  Question.KeyDown(Tab);
  Question.KeyDown(Enter);
  EXPECT_EQ(Question.Result(), RunFullScreenAnswer);
}

TEST_F(DisplayQuestionTest, EscapeAlwaysAnswersWindowedAndOtherKeysNothing) {
  Question.KeyDown('A');
  Question.KeyDown(38);
  EXPECT_EQ(Question.Result(), 0);
  EXPECT_EQ(Question.Focused(), tDisplayQuestion::FullScreenButton);
  Question.KeyDown(Escape);
  EXPECT_EQ(Question.Result(), RunWindowedAnswer);
}

TEST_F(DisplayQuestionTest, AClickAnswersTheButtonPressedAndReleasedOn) {
  Click(tDisplayQuestion::WindowedButton);
  EXPECT_EQ(Question.Result(), RunWindowedAnswer);
  Question.Open();
  Click(tDisplayQuestion::FullScreenButton);
  EXPECT_EQ(Question.Result(), RunFullScreenAnswer);
}

TEST_F(DisplayQuestionTest, ReleasingAwayFromThePressedButtonAnswersNothing) {
  const tPoint full = Middle(Question.ButtonRect(0));
  const tPoint windowed = Middle(Question.ButtonRect(1));
  Question.MouseDown(full.X, full.Y, 1);
  EXPECT_EQ(Question.Focused(), tDisplayQuestion::FullScreenButton);
  Question.MouseMove(windowed.X, windowed.Y);
  Question.MouseUp(windowed.X, windowed.Y, 1);
  EXPECT_EQ(Question.Result(), 0);

  Question.MouseDown(windowed.X, windowed.Y, 1);
  EXPECT_EQ(Question.Focused(), tDisplayQuestion::WindowedButton);
  Question.MouseUp(5, 5, 1);
  EXPECT_EQ(Question.Result(), 0);

  // The right button and clicks beside the buttons do nothing.
  Question.MouseDown(windowed.X, windowed.Y, 2);
  Question.MouseUp(windowed.X, windowed.Y, 2);
  Question.MouseDown(5, 5, 1);
  Question.MouseUp(5, 5, 1);
  EXPECT_EQ(Question.Result(), 0);

  // The button's edges: its right column and bottom row are outside it.
  const tRect& r = Question.ButtonRect(1);
  EXPECT_EQ(Question.ButtonAt(r.Left, r.Top), 1);
  EXPECT_EQ(Question.ButtonAt(r.Right - 1, r.Bottom - 1), 1);
  EXPECT_EQ(Question.ButtonAt(r.Right, r.Top), -1);
  EXPECT_EQ(Question.ButtonAt(r.Left, r.Bottom), -1);
}

TEST_F(DisplayQuestionTest, AHintShowsAfterHalfASecondOnAButton) {
  const tPoint windowed = Middle(Question.ButtonRect(1));
  Question.MouseMove(windowed.X, windowed.Y);
  Question.Tick(24);
  EXPECT_EQ(Question.HintShown(), -1);
  Question.Tick(1);
  EXPECT_EQ(Question.HintShown(), 1);
  EXPECT_STREQ(tDisplayQuestion::ButtonHint(1), "Possibly slower");
  Question.MouseMove(windowed.X + 1, windowed.Y);  // still on it
  EXPECT_EQ(Question.HintShown(), 1);
  Question.KeyDown(Left);  // a key hides it
  EXPECT_EQ(Question.HintShown(), -1);
  const tPoint full = Middle(Question.ButtonRect(0));
  Question.Tick(30);
  Question.MouseMove(full.X, full.Y);  // another button starts again
  EXPECT_EQ(Question.HintShown(), -1);
  Question.Tick(25);
  EXPECT_EQ(Question.HintShown(), 0);
  Question.MouseMove(2, 2);
  EXPECT_EQ(Question.HintShown(), -1);
}

TEST(DisplayQuestionLayout, TheExplanationIsFlowedToTheWidthAndTheDialogGrowsToHoldIt) {
  tFixedFace face;
  tDisplayQuestion question(&face);
  question.Open();
  const tPoint size = question.Size();
  EXPECT_GE(size.X, 312);
  EXPECT_GT(size.Y, 162);  // twenty-pixel lines need more than 162
  // Every line fits, paragraphs are kept apart by one empty line, and no word is lost.
  std::string flowed;
  int emptyLines = 0;
  for (const std::string& line : question.LabelLines()) {
    EXPECT_LE(7 * static_cast<int>(line.size()), size.X - 20) << line;
    if (line.empty()) ++emptyLines;
    flowed += (flowed.empty() ? "" : " ") + line;
  }
  EXPECT_EQ(emptyLines, 2);
  std::istringstream original(tDisplayQuestion::LabelText());
  std::istringstream shown(flowed);
  std::vector<std::string> originalWords, shownWords;
  for (std::string w; original >> w;) originalWords.push_back(w);
  for (std::string w; shown >> w;) shownWords.push_back(w);
  EXPECT_EQ(shownWords, originalWords);
  EXPECT_EQ(question.LabelLines().front().substr(0, 9), "Your desk");
  // The buttons are wide enough for their words and stay inside.
  EXPECT_GE(question.ButtonRect(0).Right - question.ButtonRect(0).Left, 7 * 15);
  EXPECT_LE(question.ButtonRect(1).Bottom, size.Y);
}

TEST(DisplayQuestionLayout, DrawsTheLinesCentredAndTheButtonWordsInTheirButtons) {
  tFixedFace face;
  tDisplayQuestion question(&face);
  question.Open();
  const tPoint size = question.Size();
  tDib16 target(size.X, size.Y);
  question.Draw(target);

  const auto& lines = question.LabelLines();
  std::size_t call = 0;
  for (std::size_t i = 0; i < lines.size(); ++i, ++call) {
    ASSERT_LT(call, face.Calls.size());
    EXPECT_EQ(face.Calls[call].Text, lines[i]);
    EXPECT_EQ(face.Calls[call].Left, (size.X - 7 * static_cast<int>(lines[i].size())) / 2);
    if (i > 0) {
      EXPECT_EQ(face.Calls[call].Top, face.Calls[call - 1].Top + 20);
    }
  }
  for (std::int32_t button = 0; button < 2; ++button, ++call) {
    ASSERT_LT(call, face.Calls.size());
    const tRect& r = question.ButtonRect(button);
    const std::string text = tDisplayQuestion::ButtonText(button);
    EXPECT_EQ(face.Calls[call].Text, text);
    EXPECT_EQ(face.Calls[call].Left,
              r.Left + (r.Right - r.Left - 7 * static_cast<int>(text.size())) / 2);
    EXPECT_EQ(face.Calls[call].Top, r.Top + (r.Bottom - r.Top - 20) / 2);
  }
  EXPECT_EQ(call, face.Calls.size());  // no hint yet

  // The dialog face colour fills the background; the focused button has a black outline.
  EXPECT_EQ(target.ScanLine(1)[1], MakePixel(212, 208, 200));
  const tRect& focused = question.ButtonRect(0);
  EXPECT_EQ(target.ScanLine(focused.Top)[focused.Left], MakePixel(0, 0, 0));
  const tRect& other = question.ButtonRect(1);
  EXPECT_EQ(target.ScanLine(other.Top)[other.Left], MakePixel(255, 255, 255));
}

TEST(DisplayQuestionLayout, TheHintIsDrawnBelowThePointerInsideTheClientArea) {
  tFixedFace face;
  tDisplayQuestion question(&face);
  question.Open();
  const tRect& r = question.ButtonRect(1);
  question.MouseMove(r.Right - 1, r.Top + 2);
  question.Tick(25);
  tDib16 target(question.Size().X, question.Size().Y);
  question.Draw(target);
  ASSERT_FALSE(face.Calls.empty());
  const tFixedFace::tCall& hint = face.Calls.back();
  EXPECT_EQ(hint.Text, "Possibly slower");
  EXPECT_LE(hint.Left + 7 * 15 + 4, question.Size().X);
  EXPECT_GE(hint.Left, 0);
  EXPECT_LE(hint.Top + 24, question.Size().Y);
}

}  // namespace
}  // namespace qn2
