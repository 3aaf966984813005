#pragma once

#include "ui/Screen.h"

namespace qn2 {

// The screen shown when every level of the episode is solved (engine mode 11): the
// "Congrats.jpg" picture over the whole frame, every frame. The engine leaves it for the
// main menu on any key or click; its picture is put away when it is left.
class tAllSolvedScreen : public tScreen {
 public:
  void Update(tPoint, bool, tInputDevice&) override {}
  void Draw(tDib16& frame) override;
  void Left() override;
};

}  // namespace qn2
