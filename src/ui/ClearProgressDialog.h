#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "render/Dib16.h"
#include "ui/ModalContent.h"

namespace qn2 {

// The confirmation asked before the player's progress is cleared: "CLEAR PROGRESS" or
// "LEAVE IT ALONE!" on the "Popup_ConfirmCP.jpg" slab, in the glowing menu font. Answers
// ClearAnswer or KeepAnswer. The selection is kept from one showing to the next.
class tClearProgressDialog : public tModalContent {
 public:
  static constexpr int ClearAnswer = 1;
  static constexpr int KeepAnswer = 2;
  static constexpr std::int32_t Width = 402;
  static constexpr std::int32_t Height = 304;
  // The baselines of the two items.
  static constexpr std::int32_t ClearItemY = 235;
  static constexpr std::int32_t KeepItemY = 275;

  tPoint Size() const override { return {Width, Height}; }
  // Loads the background (a missing picture raises) and starts a new answer.
  void Open() override;
  void Tick(int periods) override;
  void Draw(tDib16& target) override;
  void KeyDown(int vk) override;
  void MouseMove(int x, int y) override;
  void MouseDown(int x, int y, int button) override;
  void Close() override;
  int Result() const override { return Answer; }

  // 0 "CLEAR PROGRESS", 1 "LEAVE IT ALONE!".
  std::int32_t Selection() const { return Selected; }
  // The glow of an item, 0 to 1.
  double Glow(std::int32_t item) const { return Glows[static_cast<std::size_t>(item)]; }
  // The menu-font glow level an item is drawn with: 29 x its glow, rounded.
  std::int32_t GlowLevel(std::int32_t item) const;
  // The item whose text line holds the point, -1 when none.
  static std::int32_t ItemAt(int x, int y);

 private:
  std::unique_ptr<tDib16> Background;
  std::int32_t Selected = 0;
  std::array<double, 2> Glows{};
  int Answer = 0;
};

}  // namespace qn2
