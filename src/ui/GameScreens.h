#pragma once

#include <functional>

#include "ui/ModalContent.h"

namespace qn2 {

class tScreens;

// Registers every screen of the game for its modes. Screens that ask a question in a
// modal window run it through runModal, which returns the window's answer.
void RegisterGameScreens(tScreens& screens, const std::function<int(tModalContent&)>& runModal);

}  // namespace qn2
