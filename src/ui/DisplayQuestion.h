#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "render/Rect.h"
#include "ui/ModalContent.h"

namespace qn2 {

class tTextService;

// The question asked at start-up when the desktop is not 16-bit and the machine is slow:
// run full screen (the desktop is switched) or in a window. A short explanation, centred,
// above two push buttons, "Run Full-Screen" (RunFullScreenAnswer, 100) and "Run
// Windowed" (RunWindowedAnswer, 101).
//
// Keys: Left and Right move the focus to the left or right button, Tab to the other one;
// Enter or Space presses the focused button; Escape answers windowed. Mouse: a button
// pressed and released over the same button answers it; resting on a button for half a
// second shows its hint.
//
// The client area is 312 x 162, or larger when the text face needs more room (the game's
// 20-pixel face does): the explanation is wrapped to the width. The text is drawn with the
// face given, or with the game's text face (DrawGameText) when none is.
class tDisplayQuestion : public tModalContent {
 public:
  static constexpr std::int32_t MinWidth = 312;
  static constexpr std::int32_t MinHeight = 162;
  static constexpr const char* Caption = "Hmmm Interesting";
  static constexpr std::int32_t FullScreenButton = 0;
  static constexpr std::int32_t WindowedButton = 1;
  static constexpr int HintDelayPeriods = 25;  // half a second of 20 ms periods

  explicit tDisplayQuestion(tTextService* face = nullptr);

  tPoint Size() const override { return ClientSize; }
  void Open() override;
  void Tick(int periods) override;
  void Draw(tDib16& target) override;
  void KeyDown(int vk) override;
  void MouseMove(int x, int y) override;
  void MouseDown(int x, int y, int button) override;
  void MouseUp(int x, int y, int button) override;
  int Result() const override { return Answer; }

  // The explanation as shown: its paragraphs wrapped to the client width.
  const std::vector<std::string>& LabelLines() const { return Lines; }
  static const char* LabelText();
  static const char* ButtonText(std::int32_t button);
  static const char* ButtonHint(std::int32_t button);
  static int ButtonAnswer(std::int32_t button);

  const tRect& ButtonRect(std::int32_t button) const {
    return Buttons[static_cast<std::size_t>(button)];
  }
  std::int32_t Focused() const { return Focus; }
  // The button under the mouse, -1 when none.
  std::int32_t Hovered() const { return Hover; }
  // The hint on show, -1 when none.
  std::int32_t HintShown() const;
  // The button at a client point, -1 when none.
  std::int32_t ButtonAt(int x, int y) const;

 private:
  void Layout();
  tPoint Measure(const std::string& text) const;
  std::int32_t LineHeight() const;
  void DrawText(tDib16& target, std::int32_t left, std::int32_t top, const std::string& text,
                std::uint32_t colour) const;
  void DrawButton(tDib16& target, std::int32_t button) const;
  void DrawHint(tDib16& target) const;

  tTextService* Face;
  tPoint ClientSize{MinWidth, MinHeight};
  std::vector<std::string> Lines;
  std::int32_t LabelTop = 0;
  std::array<tRect, 2> Buttons{};
  std::int32_t Focus = FullScreenButton;
  std::int32_t Hover = -1;
  std::int32_t Pressed = -1;  // the button the mouse went down on
  bool PressedInside = false;
  int HoverPeriods = 0;
  tPoint MousePos;
  int Answer = 0;
};

}  // namespace qn2
