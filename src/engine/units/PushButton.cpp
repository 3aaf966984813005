#include "engine/units/PushButton.h"

#include <vector>

#include "engine/board/Level.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2 {

namespace {

tSprite* ButtonPicture(tForceFieldColor colour) {
  return &TerrainSprites().Buttons[static_cast<std::size_t>(colour) % ForceFieldColorCount];
}

}  // namespace

tPushButton::tPushButton() {
  Color = tForceFieldColor::Blue;
  Sprite = ButtonPicture(Color);
  Layer = 0;
  QuietWhenStill = true;
}

const tPropertyList& tPushButton::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l = tUnit::Properties();
    Publish<tPushButton>(l).Enumeration("Color", ForceFieldColorNames(), &tPushButton::Color,
                                        &tPushButton::SetColor);
    return l;
  }();
  return list;
}

void tPushButton::SetColor(tForceFieldColor colour) {
  Color = colour;
  Sprite = ButtonPicture(colour);
}

// Units on layer 0 lie flat on the ground (water, fields, buttons, low pillars) and do not
// press the button.
void tPushButton::BeginTurn() {
  if (Level == nullptr) return;
  std::vector<tUnit*> here;
  Level->UnitsAt(GridX, GridY, here);
  for (const tUnit* unit : here)
    if (unit->Layer != 0) return;
  ++Play().ButtonsUp[static_cast<std::size_t>(Color) % ForceFieldColorCount];
}

tSprite* PushButtonIcon() {
  return ButtonPicture(tForceFieldColor::Blue);
}

}  // namespace qn2
