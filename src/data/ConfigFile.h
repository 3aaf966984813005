#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/MessageSink.h"
#include "data/SetFile.h"

namespace qn2 {

// The player's settings, kept in "Config.cfg" as one "Key=Value" line each. They are read
// once at start-up, changed by the menus and written once when the game closes.
struct tSettings {
  bool SoundOn = true;
  std::int32_t SoundVolume = 5;  // 0..10
  bool MusicOn = true;
  std::int32_t MusicVolume = 5;  // 0..10
  std::int32_t SoundDriver = 0;
  std::int8_t SoundDevice = 2;     // 0 no sound, 1 wave-out, 2 DirectSound
  float DisplayBrightness = 1.1f;  // display gamma, 0.5..2.7
  bool FullScreen = true;
  bool Dialogs = true;  // show the end-of-level pop-ups
  bool BitBlt = false;  // draw through a bitmap instead of the accelerated display
  bool AnimateWater = true;
  bool SystemMemoryBackBuffer = true;
};

// The settings in force: read from "Config.cfg" at start-up, changed by the menus.
extern tSettings Settings;

inline constexpr const char* ConfigFileName = "Config.cfg";

// Applies "Config.cfg" lines to the settings, in order, so later lines win. Spaces are
// removed from each line first; keys and values are matched in any letter case; lines
// without "=" and unknown keys are ignored. Every invalid value is reported to messages,
// in the order met, and replaced by a default; reading goes on with the next line.
void ApplyConfigLines(const std::vector<std::string>& lines, tSettings& settings,
                      tMessageSink& messages);

// Reads the configuration file into the settings. Returns false, leaving the settings as
// they were, when the file does not exist or cannot be read. A file with invalid values or
// binary bytes is copied aside (KeepDamagedFileAside) before the game can write over it,
// and a last message says where it is kept.
bool LoadConfig(tSettings& settings, tMessageSink& messages,
                const std::string& fileName = ConfigFileName);

// The twelve lines SaveConfig writes, in their fixed order.
std::vector<std::string> ConfigLines(const tSettings& settings);

// Writes the settings, replacing the file. Raises EFileError when it cannot be written.
void SaveConfig(const tSettings& settings, const std::string& fileName = ConfigFileName);

// Command line. args holds the program's arguments without the program's own name.

// True when an argument, with one leading "-" or "/" removed, is the switch name in any
// letter case.
bool IsSwitch(const std::vector<std::string>& args, const std::string& name);

// The value of a value switch: "-Set:x.set", "-Set=x.set" and "-Setx.set" give "X.SET"
// (in upper case); "-Set x.set" gives the next argument unchanged. The first argument that
// gives a value wins; empty when none does.
std::string SwitchValue(const std::vector<std::string>& args, const std::string& name);

// What the command line chooses besides the settings.
struct tStartupOptions {
  bool ShowDebugMessages = false;
  bool DontForceExclusiveMode = false;  // full screen on a 16-bit desktop stays shared
  bool NoVideo = false;                 // skip the introductory video
  bool AskDisplayMode = true;           // ask at start-up whether to run full screen
  std::string LevelSetFileName = DefaultSetFileName;
};

// Tells whether a game file can be found (on disk or in the resource package).
using tFileExists = std::function<bool(const std::string& fileName)>;

// The switches read when the main window is created, after the configuration file:
// "ShowDebugmessages", "UseSystemMemoryBackBuffer", "DontForceExclusiveMode", "NoVideo"
// and "Set" (remembered as the level set when fileExists finds it).
void ApplyWindowSwitches(const std::vector<std::string>& args, tSettings& settings,
                         tStartupOptions& options, const tFileExists& fileExists);

// The switches read at the deferred start-up: "FullScreen", "BitBlt" and, last,
// "CompatibilityMode" (windowed, no sound, bitmap drawing, no display-mode question).
void ApplyDeferredSwitches(const std::vector<std::string>& args, tSettings& settings,
                           tStartupOptions& options);

}  // namespace qn2
