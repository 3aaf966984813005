#include "ui/MenuPictures.h"

#include "render/DibRegistry.h"

namespace qn2 {

void LoadMenuGraphics() {
  GetDib(MainSlab, true);
  for (const char* name : {OptionsSlab, SoundSlab, SoundDeviceSlab, VideoSlab, AdvancedVideoSlab,
                           CreditsSlab, CreditsText, InstructionButtons, KnobPicture})
    GetDib(name, false);
}

}  // namespace qn2
