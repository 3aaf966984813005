#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/GameModes.h"
#include "render/Rect.h"
#include "ui/MenuShared.h"
#include "ui/Screen.h"

namespace qn2 {

class tDib16;
class tGameEngine;
class tInputDevice;

// An open range of frame pixels: Low < v < High.
struct tSpan {
  std::int32_t Low, High;
  constexpr bool Contains(std::int32_t v) const { return v > Low && v < High; }
};

// An open rectangle of frame pixels.
struct tBox {
  tSpan X, Y;
  constexpr bool Contains(tPoint p) const { return X.Contains(p.X) && Y.Contains(p.Y); }
};

// The glows of a pair of choice words (ON / OFF, YES / NO): the word matching the value
// rises by 0.05 a tick up to 1, the other falls by 0.03 down to 0.
struct tChoiceGlow {
  float First = 0;   // ON, YES
  float Second = 0;  // OFF, NO
  void Step(bool firstChosen);
};

// A menu on a slab picture centred on the frame, with items in the glowing menu font. The
// common rules live here: the selected item's glow rises by 0.05 a tick up to 1 while the
// others fall by 0.03, the item under a moving mouse becomes selected, the up and down
// keys step the selection with wrapping, a changed selection sounds, and going from menu
// to menu repaints the backdrop.
class tSlabMenu : public tScreen {
 public:
  // The slab picture (centred on the frame, raised by raise pixels) and the item count.
  tSlabMenu(tMenuShared& shared, std::string slabName, std::int32_t items, std::int32_t raise = 0);

  void Entered(tGameEngine& engine) override;
  // One tick: the menu's own rules, then the glows; a selection that changed during the
  // tick plays "MenuMouseMove.wav".
  void Update(tPoint pointer, bool moved, tInputDevice& input) override;
  void ZeroGlows() override;
  void ZeroSelection() override { SetSelection(0); }
  // The slab picture is put away until it is next shown.
  void MenuClosed() override;

  virtual std::int32_t Selection() const { return Selected; }
  virtual void SetSelection(std::int32_t item) { Selected = item; }
  float Glow(std::int32_t item) const { return Glows[static_cast<std::size_t>(item)]; }
  const std::string& SlabName() const { return Slab; }

 protected:
  virtual void Tick(tPoint pointer, bool moved, tInputDevice& input) = 0;
  // Raises the selected item's glow and lowers the others.
  virtual void StepGlows();

  // The row under the pointer when it lies in the column, -1 otherwise.
  static std::int32_t RowAt(tPoint pointer, tSpan column, std::span<const tSpan> rows);
  // Up and down step the selection over 0..count-1 with wrapping, skipping the items
  // skip refuses, and play "MenuMove.wav". True when a key was pressed.
  bool StepByKeys(tInputDevice& input, std::int32_t count, bool (*skip)(const tSlabMenu&, int));
  bool StepByKeys(tInputDevice& input, std::int32_t count) {
    return StepByKeys(input, count, nullptr);
  }
  // Another menu: its mode, and a full repaint of the backdrop; with an item, the menu
  // starts on it.
  void GoTo(tGameMode mode, std::int32_t selectItem = -1);
  // Back to another menu, with "menuClose.wav".
  void GoBack(tGameMode mode);
  static void PlaySound(const char* sample);

  // The slab centred on the frame.
  void DrawSlab(tDib16& frame);
  // The glow level of an item drawn with a glow of 0..1.
  static std::int32_t Level(float glow);
  static void Text(std::int32_t x, std::int32_t y, const char* text, float glow);
  static void Centred(std::int32_t x, std::int32_t y, const char* text, float glow);
  // A slider knob centred at (x, y).
  static void DrawKnob(std::int32_t x, std::int32_t y);
  static void CentredLevel(std::int32_t x, std::int32_t y, const char* text, std::int32_t level);

  tMenuShared& Shared;
  tGameEngine* Engine = nullptr;
  std::vector<float> Glows;

 private:
  std::string Slab;
  std::int32_t Raise;
  std::int32_t Selected = 0;
};

// Puts a named picture away (its pixels load again on the next use), when it is registered.
void UnloadPicture(const std::string& name);

}  // namespace qn2
