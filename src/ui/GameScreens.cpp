#include "ui/GameScreens.h"

#include <memory>

#include "ui/LevelPickScreen.h"
#include "ui/Screens.h"

namespace qn2 {

void RegisterGameScreens(tScreens& screens, const std::function<int(tModalContent&)>& runModal) {
  auto levelPick = std::make_unique<tLevelPickScreen>();
  levelPick->RunModal = runModal;
  screens.Register(std::move(levelPick), {gmPickLevel});
}

}  // namespace qn2
