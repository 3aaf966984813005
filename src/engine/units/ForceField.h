#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/PlayState.h"
#include "engine/units/PlayerAwareUnit.h"
#include "render/Sprite.h"

namespace qn2 {

class tDib16;

enum class tForceFieldColor : std::uint8_t {
  DarkGray = 0,
  Red = 1,
  Green = 2,
  Yellow = 3,
  Blue = 4,
  Magenta = 5,
  Cyan = 6,
  LightGrey = 7,
};

inline constexpr std::size_t ForceFieldColorCount = ButtonColourCount;

// Identifiers of the force-field colours, as level files store them.
const std::vector<std::string>& ForceFieldColorNames();

// A level's play state counts the unpressed push buttons of each colour afresh every
// turn (ButtonsUp); a force field of a colour is switched off exactly while its count is 0.

// Sets every colour's count to 0; run at the start of every turn and every reset.
void ClearButtonsUp(tPlayState& play);
// Adds ClearButtonsUp to the cycle procedures (once at start-up).
void AddTerrainCycleProcedure();
bool FieldSwitchedOn(const tPlayState& play, tForceFieldColor colour);

// round(sin(i * 2 pi / 4096) * 511 + 512): the slow sway of the force-field shimmer.
extern const std::array<std::uint16_t, 4096> SineTable;

// The processor clock in MHz measured at start-up (the platform code sets it before the
// graphics load); machines below 600 MHz get the light force field.
extern std::int32_t ProcessorMHz;
inline constexpr std::int32_t LiteForceFieldBelowMHz = 600;
// The light force field: one keyed texture flickering in at random instead of two
// additive layers swaying over each other.
extern bool LiteForceField;

// The force-field textures, each 32 pixels wider and taller than its picture and wrapping
// round, so every 32 x 32 window whose origin lies inside the picture is whole.
struct tForceFieldTextures {
  std::unique_ptr<tDib16> Base;  // "ForceField.Jpg", or "ForceFieldLite.Jpg" when light
  std::unique_ptr<tDib16> Red;
  std::unique_ptr<tDib16> Green;
  std::unique_ptr<tDib16> Blue;
};
extern tForceFieldTextures ForceFieldTextures;

// A texture made from a picture: every pixel (x, y) is the picture's (x mod width,
// y mod height).
std::unique_ptr<tDib16> MakeForceFieldTexture(tDib16& picture);
// Chooses the light force field from ProcessorMHz and loads the four textures.
void BuildForceFieldTextures();
void FreeForceFieldTextures();

// A shimmering wall that lets nothing pass (not even shots) while any push button of its
// colour is unpressed. Level files and the editor call it "ForceField".
class tForceField : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tForceField)

 public:
  tForceField();

  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  tForceFieldColor Color = tForceFieldColor::Blue;
  bool AutoBorder = true;        // kept in level files; changes nothing
  std::int32_t BorderStyle = 0;  // kept in level files; changes nothing
  tSprite Shimmer;               // a 32 x 32 window into a texture

  void SetColor(tForceFieldColor colour);
  bool SwitchedOn() const { return FieldSwitchedOn(Play(), Color); }

  bool QueryPush(tUnit* pusher, tDirection direction) override;
  bool AllowsEntry(tUnit* mover) override;
  bool LetsShotPass(tUnit* shooter) override;
  // Switched on until the first turn has counted the buttons.
  void Reset() override;
  void Draw() override;
  // The shimmer over a switched-on field.
  void DrawEffects() override;
};

// The editor's picture of a force field: the blue one, switched off.
tSprite* ForceFieldIcon();

}  // namespace qn2
