#include "ui/MainMenu.h"

#include <algorithm>

#include "assets/SampleNames.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "render/MenuFont.h"
#include "ui/MenuPictures.h"

namespace qn2 {

namespace {

constexpr std::int32_t GlowRise = 30;
constexpr std::int32_t GlowFall = 20;
constexpr std::int32_t GlowTop = 800;
constexpr std::int32_t GlowPerLevel = 25;
constexpr std::int32_t FirstItemY = 170;
constexpr std::int32_t ItemSpacing = 38;
constexpr std::int32_t HoverTop = 132;
constexpr tSpan Column{160, 480};
constexpr tBox ClickBox{{160, 480}, {129, 395}};

}  // namespace

tMainMenu::tMainMenu(tMenuShared& shared) : tSlabMenu(shared, MainSlab, Items) {}

bool tMainMenu::InGame() const {
  return Engine != nullptr && Engine->GameInProgress;
}

std::int32_t tMainMenu::Selection() const {
  return Engine != nullptr ? Engine->MenuItem : 0;
}

void tMainMenu::SetSelection(std::int32_t item) {
  if (Engine != nullptr) Engine->MenuItem = static_cast<std::uint8_t>(item);
}

void tMainMenu::ZeroGlows() {
  if (Engine != nullptr) Engine->MenuGlow.fill(0);
}

void tMainMenu::StepGlows() {
  for (std::int32_t item = 0; item < Items; ++item) {
    std::int32_t& glow = Engine->MenuGlow[static_cast<std::size_t>(item)];
    glow = item == Selection() ? std::min(glow + GlowRise, GlowTop) : std::max(glow - GlowFall, 0);
  }
}

// Item k >= 1 covers y 132 + 38k to 169 + 38k; item 0 also reaches up to y 95, since the
// division rounds toward zero.
std::int32_t tMainMenu::ItemAt(tPoint pointer) const {
  if (!Column.Contains(pointer.X)) return -1;
  const std::int32_t item = (pointer.Y - HoverTop) / ItemSpacing;
  if (item < 0 || item >= Items) return -1;
  if (item == BackToGame && !InGame()) return -1;
  return item;
}

void tMainMenu::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  if (moved) {
    const std::int32_t item = ItemAt(pointer);
    if (item >= 0) SetSelection(item);
  }
  if (input.WasPressed(iaLeft) && Selection() == BackToGame && InGame()) {
    BackToTheGame();
    return;
  }
  if (input.WasPressed(iaRight) && Selection() == Options) {
    PlaySound(samples::MenuSelect);
    GoTo(gmOptions, 0);
    return;
  }
  const bool inGame = InGame();
  bool (*skip)(const tSlabMenu&, int) = nullptr;
  if (!inGame) skip = [](const tSlabMenu&, int item) { return item == BackToGame; };
  StepByKeys(input, Items, skip);
  if (input.WasPressed(iaClick) && !ClickBox.Contains(pointer)) {
    if (inGame) {
      PlaySound(samples::MenuSelect);
      BackToTheGame();
    }
    return;
  }
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) {
    PlaySound(samples::MenuSelect);
    Choose(Selection());
  }
}

void tMainMenu::BackToTheGame() {
  Engine->CloseMenuWithSound();
}

void tMainMenu::Choose(std::int32_t item) {
  switch (item) {
    case BackToGame:
      if (InGame()) BackToTheGame();
      break;
    case StartGame:
      // Before any level has been played the current entry starts at once; afterwards the
      // item picks a level.
      if (Shared.StartCaption == tMenuShared::StartGameCaption) {
        Engine->CloseMenu();
        Engine->StartCurrentEntry();
      } else {
        GoTo(gmPickLevel);
      }
      break;
    case Options:
      GoTo(gmOptions);
      break;
    case Instructions:
      GoTo(gmInstructions);
      break;
    case GameFolder:
      Engine->WebLinkRequested = true;
      break;
    case Credits:
      GoTo(gmCredits);
      break;
    case ExitProgram:
      Engine->FadeToGameMode(gmQuit);
      break;
    default:
      break;
  }
}

void tMainMenu::Draw(tDib16& frame) {
  DrawSlab(frame);
  tDibTarget target(&frame);
  auto level = [this](std::int32_t item) {
    return Engine != nullptr ? Engine->MenuGlow[static_cast<std::size_t>(item)] / GlowPerLevel : 0;
  };
  auto y = [](std::int32_t item) { return FirstItemY + ItemSpacing * item; };
  if (InGame()) {
    DrawMenuTextCentred(320, y(BackToGame), "BACK TO GAME", level(BackToGame));
    DrawMenuTextCentred(170, y(BackToGame), "<", level(BackToGame));
  }
  DrawMenuTextCentred(320, y(StartGame), Shared.StartCaption, level(StartGame));
  DrawMenuTextCentred(320, y(Options), "OPTIONS", level(Options));
  DrawMenuTextCentred(416, y(Options), ">", level(Options));
  DrawMenuTextCentred(320, y(Instructions), "INSTRUCTIONS", level(Instructions));
  DrawMenuTextCentred(320, y(GameFolder), GameFolderCaption, level(GameFolder));
  DrawMenuTextCentred(320, y(Credits), "CREDITS", level(Credits));
  DrawMenuTextCentred(320, y(ExitProgram), "EXIT PROGRAM", level(ExitProgram));
}

}  // namespace qn2
