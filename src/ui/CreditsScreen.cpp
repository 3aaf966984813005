#include "ui/CreditsScreen.h"

#include <algorithm>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/ColourTables.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/Sprite.h"
#include "ui/MenuPictures.h"
#include "ui/SlabMenu.h"

namespace qn2 {

void tCreditsScreen::Entered(tGameEngine& engine) {
  Engine = &engine;
  ScrollCounter = 0;
}

void tCreditsScreen::Update(tPoint, bool, tInputDevice& input) {
  if (Engine == nullptr) return;
  ++ScrollCounter;
  if (!input.AnyKey) return;
  Sound().PlaySample(samples::MenuClose);
  UnloadPicture(CreditsText);
  Engine->FullRedraw = true;
  Engine->SetGameMode(gmMainMenu);
}

void tCreditsScreen::Draw(tDib16& frame) {
  tDib16* slabPicture = GetDib(CreditsSlab, true);
  {
    tSprite slab;
    slab.SetUp(slabPicture, 0, 0, slabPicture->Width(), slabPicture->Height());
    tDibTarget target(&frame);
    slab.Draw(320, 240);
  }
  DrawText(frame, *GetDib(CreditsText, true));
  FadeEdges(frame);
}

// Rows p onward of the text at the window's top, or, while p is negative, the text's first
// rows starting -p rows down the window. Once the last row has gone past the top, the text
// comes up from below again.
void tCreditsScreen::DrawText(tDib16& frame, tDib16& text) {
  if (FirstRow(ScrollCounter) >= text.Height()) ScrollCounter = RestartCounter;
  const tPlacement shown = Placement(ScrollCounter, text.Height());
  if (shown.Rows <= 0) return;
  frame.CopyRectFrom(text, 0, shown.TextRow, WindowLeft, WindowTop + shown.WindowRow,
                     std::min(WindowWidth, text.Width()), shown.Rows);
}

tCreditsScreen::tPlacement tCreditsScreen::Placement(std::int32_t counter,
                                                     std::int32_t textHeight) {
  const std::int32_t p = FirstRow(counter);
  const std::int32_t windowRow = std::max(0, -p);
  const std::int32_t textRow = std::max(0, p);
  return {windowRow, textRow, std::min(WindowHeight - windowRow, textHeight - textRow)};
}

// Window row 15 - i from the top and row 254 + i from the bottom (i = 0..15) go (i div 2)
// + 1 times through the fade table.
void tCreditsScreen::FadeEdges(tDib16& frame) {
  for (std::int32_t i = 0; i < FadeRows; ++i) {
    for (std::int32_t row : {FadeRows - 1 - i, WindowHeight - FadeRows + i}) {
      std::uint16_t* line = frame.ScanLine(WindowTop + row) + WindowLeft;
      for (std::int32_t pass = 0; pass <= i / 2; ++pass)
        for (std::int32_t x = 0; x < WindowWidth; ++x) line[x] = FadeTable[line[x]];
    }
  }
}

}  // namespace qn2
