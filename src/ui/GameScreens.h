#pragma once

#include <functional>

#include "ui/MenuShared.h"
#include "ui/ModalContent.h"

namespace qn2 {

class tScreens;

// Registers every screen of the game for its modes. Screens that ask a question in a
// modal window run it through runModal, which returns the window's answer; the menus share
// menuState, which also carries the program's services.
void RegisterGameScreens(tScreens& screens, const std::function<int(tModalContent&)>& runModal,
                         tMenuShared& menuState);

}  // namespace qn2
