#include "ui/Screens.h"

#include "engine/GameEngine.h"

namespace qn2 {

tScreens::tScreens() = default;
tScreens::~tScreens() = default;

void tScreens::Register(std::unique_ptr<tScreen> screen, std::initializer_list<tGameMode> modes) {
  for (tGameMode mode : modes) ByMode[ModeNumber(mode)] = screen.get();
  Owned.push_back(std::move(screen));
}

void tScreens::ForEach(const std::function<void(tScreen&)>& visit) const {
  for (const auto& screen : Owned) visit(*screen);
}

tScreen* tScreens::For(tGameMode mode) const {
  return ByMode[ModeNumber(mode)];
}

tScreen* tScreens::FrameOwner() const {
  return Shown != nullptr && Shown->OwnsFrame() ? Shown : nullptr;
}

tScreen* tScreens::Follow(tGameEngine& engine) {
  tScreen* const next = For(engine.GameMode);
  if (next == Shown) return Shown;
  Leave();
  if (next != nullptr) {
    next->Entered(engine);
    Shown = next;
  }
  return Shown;
}

void tScreens::Leave() {
  tScreen* const leaving = Shown;
  Shown = nullptr;
  if (leaving != nullptr) leaving->Left();
}

void tScreens::Update(tPoint pointer, bool moved, tInputDevice& input) {
  if (Shown != nullptr) Shown->Update(pointer, moved, input);
}

void tScreens::Draw(tDib16& frame) {
  if (Shown != nullptr) Shown->Draw(frame);
}

tScreenResult tScreens::KeyDown(int vk) {
  return Shown != nullptr ? Shown->KeyDown(vk) : tScreenResult{};
}

tScreenResult tScreens::CharTyped(char c) {
  return Shown != nullptr ? Shown->CharTyped(c) : tScreenResult{};
}

tScreenResult tScreens::MouseMove(int x, int y) {
  return Shown != nullptr ? Shown->MouseMove(x, y) : tScreenResult{};
}

tScreenResult tScreens::MouseDown(int x, int y, int button) {
  return Shown != nullptr ? Shown->MouseDown(x, y, button) : tScreenResult{};
}

tScreenResult tScreens::MouseUp(int x, int y, int button) {
  return Shown != nullptr ? Shown->MouseUp(x, y, button) : tScreenResult{};
}

}  // namespace qn2
