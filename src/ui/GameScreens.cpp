#include "ui/GameScreens.h"

#include <memory>

#include "ui/AdvancedVideoMenu.h"
#include "ui/AllSolvedScreen.h"
#include "ui/CreditsScreen.h"
#include "ui/DeathPopup.h"
#include "ui/InstructionsScreen.h"
#include "ui/LevelDonePopup.h"
#include "ui/LevelPickScreen.h"
#include "ui/MainMenu.h"
#include "ui/OptionsMenu.h"
#include "ui/Screens.h"
#include "ui/SoundDeviceMenu.h"
#include "ui/SoundMenu.h"
#include "ui/VideoMenu.h"

namespace qn2 {

void RegisterGameScreens(tScreens& screens, const std::function<int(tModalContent&)>& runModal,
                         tMenuShared& menuState) {
  auto levelPick = std::make_unique<tLevelPickScreen>();
  levelPick->RunModal = runModal;
  screens.Register(std::move(levelPick), {gmPickLevel});
  screens.Register(std::make_unique<tMainMenu>(menuState), {gmMainMenu});
  screens.Register(std::make_unique<tOptionsMenu>(menuState), {gmOptions});
  screens.Register(std::make_unique<tSoundMenu>(menuState), {gmSoundOptions});
  screens.Register(std::make_unique<tSoundDeviceMenu>(menuState), {gmSoundDevice});
  screens.Register(std::make_unique<tVideoMenu>(menuState), {gmVideoOptions});
  screens.Register(std::make_unique<tAdvancedVideoMenu>(menuState), {gmAdvancedVideo});
  screens.Register(std::make_unique<tInstructionsScreen>(), {gmInstructions});
  screens.Register(std::make_unique<tCreditsScreen>(), {gmCredits});
  screens.Register(std::make_unique<tLevelDonePopup>(menuState),
                   {gmSolvedPopup, gmPartlySolvedPopup});
  screens.Register(std::make_unique<tDeathPopup>(menuState), {gmDeathPopup});
  screens.Register(std::make_unique<tAllSolvedScreen>(), {gmAllSolved});
}

}  // namespace qn2
