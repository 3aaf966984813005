#pragma once

#include "engine/EngineHooks.h"

namespace qn2 {

class tScreens;

// The engine's menu hooks, served by the game's screens: each menu, pop-up or all-solved
// tick and each drawing of such a screen goes to the screen of the engine's mode, entered
// first when the mode has just moved onto it.
class tScreenMenuHooks : public tMenuHooks {
 public:
  explicit tScreenMenuHooks(tScreens& screens) : Screens(screens) {}

  void MainMenuTick(tGameEngine& engine) override;
  void SlabMenuTick(tGameEngine& engine, tGameMode) override;
  void PopupTick(tGameEngine& engine, tGameMode) override;
  void DrawScreen(tGameEngine& engine) override;

 private:
  void Tick(tGameEngine& engine);

  tScreens& Screens;
};

}  // namespace qn2
