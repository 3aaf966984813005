#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "render/Dib16.h"
#include "render/Rect.h"
#include "ui/ClearProgressDialog.h"
#include "ui/ModalContent.h"
#include "ui/Screen.h"

namespace qn2 {

class tGameEngine;

// The level-pick screen of engine mode 29: a caption with the back-to-menu and
// clear-progress buttons across the top, 9 x 6 level buttons for entries 0..53 and a row of
// 9 bonus buttons for entries 54..62 along the bottom. Everything is drawn into the 640 x 480
// frame; the buttons are hit-tested in frame coordinates. It runs in place of the engine.
class tLevelPickScreen : public tScreen {
 public:
  static constexpr std::int32_t ClientWidth = 640;
  static constexpr std::int32_t ClientHeight = 480;
  static constexpr std::int32_t Columns = 9;
  static constexpr std::int32_t Rows = 6;
  static constexpr std::int32_t LevelButtons = Columns * Rows;    // entries 0..53
  static constexpr std::int32_t EntryButtons = LevelButtons + 9;  // bonus entries 54..62
  static constexpr std::int32_t CaptionHeight = 40;
  static constexpr std::int32_t BonusRowHeight = 20;
  static constexpr std::int32_t ColumnWidth = ClientWidth / Columns;  // 71
  static constexpr std::int32_t RowHeight = (ClientHeight - BonusRowHeight - CaptionHeight) / Rows;
  // A button's hint shows once the pointer has rested on it this many frame events
  // (half a second at the 20 ms frame timer).
  static constexpr std::int32_t HintDelayTicks = 25;
  // Button numbers beyond the entry buttons.
  static constexpr std::int32_t BackButton = EntryButtons;
  static constexpr std::int32_t ClearButton = EntryButtons + 1;
  static constexpr std::int32_t NoButton = -1;

  tLevelPickScreen();
  ~tLevelPickScreen() override;
  tLevelPickScreen(const tLevelPickScreen&) = delete;
  tLevelPickScreen& operator=(const tLevelPickScreen&) = delete;

  // Runs a modal window (the clear-progress dialog) and returns its answer; set by the shell.
  std::function<int(tModalContent&)> RunModal;

  bool Shown() const { return IsShown; }
  // Loads the bonus pictures, "LevelPickButton.jpg", the caption and the small button
  // pictures, makes the work surfaces and selects the engine's current entry.
  void Show(tGameEngine& engine);
  // Frees the work surfaces and the pictures Show loaded.
  void Hide();
  std::int32_t SelectedEntry() const { return Selected; }
  // Ignored outside 0..62 or when k is already selected; plays "MenuMove.wav".
  void SelectLevel(std::int32_t k);
  // Once per frame event while shown: hint timing and the flicker of the selected label.
  void Tick();

  // --- The screen ---------------------------------------------------------------------------
  bool OwnsFrame() const override { return true; }
  // Entering shows the screen, leaving hides it (when it has not hidden itself).
  void Entered(tGameEngine& engine) override;
  void Left() override;
  // The pointer comes with the mouse events; a tick is Tick.
  void Update(tPoint pointer, bool moved, tInputDevice& input) override;
  // The whole screen.
  void Draw(tDib16& frame) override;

  // Input in frame coordinates. Each returns what the shell must do next.
  tScreenResult KeyDown(int vk) override;
  tScreenResult CharTyped(char c) override;
  tScreenResult MouseMove(int x, int y) override;
  tScreenResult MouseDown(int x, int y, int button) override;
  // A click is a left press and release on the same button.
  tScreenResult MouseUp(int x, int y, int button) override;

  // --- Layout and state, for the shell and for tests --------------------------------------
  // The rectangle of a button (entry buttons 0..62, BackButton, ClearButton).
  static tRect ButtonRect(std::int32_t button);
  // The button under a frame point, NoButton when none.
  static std::int32_t ButtonAt(int x, int y);
  // The hint of an entry's button, its lines split by "\r": its title, "(Partially Solved)"
  // or "(Solved)" by its progress, and the player's best run of the level when there is
  // one; empty for an entry the episode does not have.
  std::string ButtonHint(std::int32_t entry) const;
  // The hint on show now, empty when none.
  const std::string& ShownHint() const { return HintText; }
  tPoint HintPosition() const { return HintAt; }
  std::int32_t HotButton() const { return Hot; }
  tClearProgressDialog& ClearDialog() { return Dialog; }

 private:
  struct tButtonLook {
    bool Down = false;
    bool Hot = false;
  };
  tButtonLook LookOf(std::int32_t button) const;
  void PaintLevelButton(tDib16& frame, std::int32_t entry);
  void PaintBonusButton(tDib16& frame, std::int32_t entry);
  void PaintPictureButton(tDib16& frame, std::int32_t button);
  void PaintHint(tDib16& frame);
  // Shows the work surface over the button, inside its border.
  void PutOnButton(tDib16& frame, tDib16& face, std::int32_t button, bool down);
  void DimUnplayable(tDib16& face, std::int32_t entry) const;
  std::int32_t Progress(std::int32_t entry) const;
  // Picking an entry of the episode: hide, clear the frame, close the menu and start it.
  tScreenResult Pick(std::int32_t entry);
  tScreenResult BackToMenu();
  void ClearProgress();
  void PointerAt(int x, int y);
  void ForgetHint();

  tGameEngine* Engine = nullptr;
  bool IsShown = false;
  std::int32_t Selected = 0;
  std::int32_t Hot = NoButton;
  std::int32_t Pressed = NoButton;
  tPoint Pointer;
  std::int32_t RestTicks = 0;
  std::string HintText;
  tPoint HintAt;
  // The three glows the selected label flickers through, and the bonus row it shows.
  std::array<std::int32_t, 3> FlickerGlows{24, 24, 24};
  std::int32_t SelectedBonusRow = 40;

  std::unique_ptr<tDib16> ButtonPicture;  // "LevelPickButton.jpg": up left, down right
  std::unique_ptr<tDib16> LevelFace;      // half the button picture
  std::unique_ptr<tDib16> BonusFace;      // 72 x 20
  std::unique_ptr<tDib16> Caption;
  tClearProgressDialog Dialog;
};

}  // namespace qn2
