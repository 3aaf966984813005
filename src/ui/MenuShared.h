#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qn2 {

// The display settings the video menus edit: copies that become real only through
// "APPLY CHANGES".
struct tVideoChoices {
  float Gamma = 1.1f;
  bool AnimateWater = true;
  bool FullScreen = false;
  bool SystemMemoryBackBuffer = true;
  bool BitBlt = false;

  bool operator==(const tVideoChoices&) const = default;
};

// What the menus ask of the program around them. Each may be left empty (tests, tools);
// the menus then only change the settings.
struct tMenuServices {
  // The display settings changed: tear the display and every graphic down and set them up
  // again.
  std::function<void()> ReloadData;
  // The sound output or its driver changed: bring the sound up again on them.
  std::function<void()> ReinitAudio;
  // The drivers of a sound output type (0 no sound, 1 the plain back-end, 2 the default one).
  std::function<std::vector<std::string>(int outputType)> DriverNames;
};

// What the menus share between them: the caption of the main menu's second item, the
// pending video settings (the video menu and its advanced page edit the same copies) and
// the program's services.
struct tMenuShared {
  static constexpr const char* StartGameCaption = "START GAME";
  static constexpr const char* PickLevelCaption = "PICK A LEVEL";

  std::string StartCaption = StartGameCaption;
  // The item the next menu entered starts on; -1 keeps the one it had.
  std::int32_t SelectOnEntry = -1;
  tVideoChoices PendingVideo;
  tMenuServices Services;
};

}  // namespace qn2
