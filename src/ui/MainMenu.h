#pragma once

#include "ui/SlabMenu.h"

namespace qn2 {

// The main menu of engine mode 13: back to the game (only while one is in progress), start
// the game or pick a level, options, instructions, the player's game folder, credits and
// leaving the program. Its selection and its glows (0..800 each) are the engine's, which
// chooses the first item when it opens the menu.
class tMainMenu : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 7;
  static constexpr std::int32_t BackToGame = 0;
  static constexpr std::int32_t StartGame = 1;
  static constexpr std::int32_t Options = 2;
  static constexpr std::int32_t Instructions = 3;
  static constexpr std::int32_t GameFolder = 4;
  static constexpr std::int32_t Credits = 5;
  static constexpr std::int32_t ExitProgram = 6;
  static constexpr const char* GameFolderCaption = "GAME FOLDER";
  // Ticks the instructions ignore page turns after they open.
  static constexpr std::int32_t InstructionsPause = 15;

  explicit tMainMenu(tMenuShared& shared);

  std::int32_t Selection() const override;
  void SetSelection(std::int32_t item) override;
  // The engine picks the first item when it opens the menu.
  void ZeroSelection() override {}
  void ZeroGlows() override;
  // The main slab stays loaded for the whole run.
  void MenuClosed() override {}
  void Draw(tDib16& frame) override;

  // The item under a frame point, -1 when none may be taken there.
  std::int32_t ItemAt(tPoint pointer) const;

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;
  void StepGlows() override;

 private:
  bool InGame() const;
  void Choose(std::int32_t item);
  void BackToTheGame();
};

}  // namespace qn2
