#include "data/ConfigFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "common/Text.h"
#include "data/DiskFiles.h"
#include "data/DiskWrite.h"
#include "data/TextLines.h"

namespace qn2 {

tSettings Settings;

namespace {

constexpr std::int32_t DefaultVolume = 5;
constexpr std::int32_t MaxVolume = 10;
constexpr float MinBrightness = 0.5f;
constexpr float MaxBrightness = 2.7f;
// A brightness this close outside the range is still accepted as it stands.
constexpr double BrightnessTolerance = 0.01;

const char* BoolText(bool value) {
  return value ? "True" : "False";
}

// The real in general format with 7 significant digits ("1.1", "0.495").
std::string FormatReal(float value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  return std::string(buffer, result.ptr);
}

// Numbers may carry a "+" sign, which the converters below do not take: removes it and
// tells whether a number can still follow ("+-1" and "++1" cannot).
bool RemovePlusSign(std::string_view& text) {
  if (text.empty() || text.front() != '+') return true;
  text.remove_prefix(1);
  return !text.empty() && text.front() != '+' && text.front() != '-';
}

// A decimal integer with an optional sign that fits 32 bits; nothing else.
std::optional<std::int32_t> ParseInteger(std::string_view text) {
  if (!RemovePlusSign(text)) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A finite decimal real ("1.1", "-.5", "2e0"), always with "." as the decimal point.
std::optional<double> ParseReal(std::string_view text) {
  if (!RemovePlusSign(text)) return std::nullopt;
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

struct tBoolSetting {
  const char* Key;  // lower case
  bool tSettings::*Field;
  bool InvalidDefault;  // what an invalid value is replaced by
};

// FullScreen falls back to a window, whatever its default: a bad setting should not
// take over the screen.
constexpr tBoolSetting BoolSettings[] = {
    {"soundon", &tSettings::SoundOn, true},
    {"musicon", &tSettings::MusicOn, true},
    {"fullscreen", &tSettings::FullScreen, false},
    {"systemmemorybackbuffer", &tSettings::SystemMemoryBackBuffer, true},
    {"dialogs", &tSettings::Dialogs, true},
    {"bitblt", &tSettings::BitBlt, false},
    {"animatewater", &tSettings::AnimateWater, true},
};

void ReadVolume(std::string_view value, const std::string& name, std::int32_t& volume,
                tMessageSink& messages) {
  const std::string invalid = "Parameter " + name + " has an invalid value.\r";
  const auto number = ParseInteger(value);
  if (!number) {
    messages.ShowMessage(invalid + "Defaulting to " + std::to_string(DefaultVolume));
    volume = DefaultVolume;
  } else if (*number < 0) {
    messages.ShowMessage(invalid + "0 used instead.");
    volume = 0;
  } else if (*number > MaxVolume) {
    messages.ShowMessage(invalid + std::to_string(MaxVolume) + " used instead.");
    volume = MaxVolume;
  } else {
    volume = *number;
  }
}

void ReadBrightness(std::string_view value, tSettings& settings, tMessageSink& messages) {
  const std::string invalid = "Parameter DisplayBrightness has an invalid value.\r";
  const auto number = ParseReal(value);
  if (!number) {
    messages.ShowMessage(invalid + "Defaulting to " + FormatReal(settings.DisplayBrightness));
  } else if (*number + BrightnessTolerance < MinBrightness) {
    messages.ShowMessage(invalid + "0.5 used instead.");
    settings.DisplayBrightness = MinBrightness;
  } else if (*number - BrightnessTolerance > MaxBrightness) {
    messages.ShowMessage(invalid + "2.7 used instead.");
    settings.DisplayBrightness = MaxBrightness;
  } else {
    settings.DisplayBrightness = static_cast<float>(*number);
  }
}

void ApplyConfigLine(const std::string& line, tSettings& settings, tMessageSink& messages) {
  std::string text;
  for (const char c : line)
    if (c != ' ') text += c;
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) return;
  const std::string keyAsWritten = text.substr(0, equals);
  const std::string key = LowerCase(keyAsWritten);
  const std::string value = LowerCase(std::string_view(text).substr(equals + 1));

  for (const tBoolSetting& setting : BoolSettings) {
    if (key != setting.Key) continue;
    if (value == "true" || value == "false") {
      settings.*setting.Field = value == "true";
    } else {
      messages.ShowMessage("Parameter " + keyAsWritten + " has an invalid value.\rDefaulting to " +
                           BoolText(setting.InvalidDefault));
      settings.*setting.Field = setting.InvalidDefault;
    }
    return;
  }

  if (key == "soundvolume") {
    ReadVolume(value, "SoundVolume", settings.SoundVolume, messages);
  } else if (key == "musicvolume") {
    ReadVolume(value, "MusicVolume", settings.MusicVolume, messages);
  } else if (key == "displaybrightness") {
    ReadBrightness(value, settings, messages);
  } else if (key == "sounddriver") {
    const auto number = ParseInteger(value);
    if (!number)
      messages.ShowMessage("Parameter SoundDriver has an invalid Value, defaulting to 0");
    settings.SoundDriver = number.value_or(0);
  } else if (key == "sounddevice") {
    const auto number = ParseInteger(value);
    if (!number)
      messages.ShowMessage("Parameter SoundDevice has an invalid Value, defaulting to 0");
    // Only the low 8 bits count, read as a signed byte.
    settings.SoundDevice = static_cast<std::int8_t>(number.value_or(0) & 0xFF);
  }
}

// The argument without one leading "-" or "/".
std::string_view SwitchText(std::string_view argument) {
  if (!argument.empty() && (argument.front() == '-' || argument.front() == '/'))
    argument.remove_prefix(1);
  return argument;
}

}  // namespace

void ApplyConfigLines(const std::vector<std::string>& lines, tSettings& settings,
                      tMessageSink& messages) {
  for (const std::string& line : lines) ApplyConfigLine(line, settings, messages);
}

bool LoadConfig(tSettings& settings, tMessageSink& messages, const std::string& fileName) {
  const auto path = FindDiskFile(fileName);
  if (!path) return false;
  std::ifstream in(*path, std::ios::binary);
  if (!in) return false;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Passes the reader's messages on and notes that there were some.
  struct tNoting : tMessageSink {
    explicit tNoting(tMessageSink& to) : To(to) {}
    void ShowMessage(const std::string& message) override {
      Any = true;
      To.ShowMessage(message);
    }
    tMessageSink& To;
    bool Any = false;
  } noting(messages);
  ApplyConfigLines(SplitLines(text), settings, noting);
  // The game writes the file anew when it ends: a damaged one is copied aside first.
  const bool binary = std::any_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n' && c != '\t';
  });
  if (noting.Any || binary) {
    const std::string keptAs = KeepDamagedFileAside(fileName);
    messages.ShowMessage(
        "The configuration file \"" + fileName + "\" is damaged; " +
        (keptAs.empty() ? "it could not be copied aside." : "it is kept as \"" + keptAs + "\"."));
  }
  return true;
}

std::vector<std::string> ConfigLines(const tSettings& settings) {
  return {
      std::string("SoundOn=") + BoolText(settings.SoundOn),
      "SoundVolume=" + std::to_string(settings.SoundVolume),
      std::string("MusicOn=") + BoolText(settings.MusicOn),
      "MusicVolume=" + std::to_string(settings.MusicVolume),
      "SoundDriver=" + std::to_string(settings.SoundDriver),
      "SoundDevice=" + std::to_string(settings.SoundDevice),
      "DisplayBrightness=" + FormatReal(settings.DisplayBrightness),
      std::string("FullScreen=") + BoolText(settings.FullScreen),
      std::string("Dialogs=") + BoolText(settings.Dialogs),
      std::string("BitBlt=") + BoolText(settings.BitBlt),
      std::string("AnimateWater=") + BoolText(settings.AnimateWater),
      std::string("SystemMemoryBackBuffer=") + BoolText(settings.SystemMemoryBackBuffer),
  };
}

void SaveConfig(const tSettings& settings, const std::string& fileName) {
  WriteDiskFile(fileName, JoinLines(ConfigLines(settings)));
}

bool IsSwitch(const std::vector<std::string>& args, const std::string& name) {
  const std::string wanted = LowerCase(name);
  for (const std::string& argument : args)
    if (LowerCase(SwitchText(argument)) == wanted) return true;
  return false;
}

std::string SwitchValue(const std::vector<std::string>& args, const std::string& name) {
  const std::string wanted = UpperCase(name);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string argument = UpperCase(SwitchText(args[i]));
    if (!argument.starts_with(wanted)) continue;
    if (argument.size() > wanted.size()) {
      std::string value = argument.substr(wanted.size());
      if (value.front() == ':' || value.front() == '=') value.erase(0, 1);
      return value;
    }
    if (i + 1 < args.size()) return args[i + 1];
  }
  return {};
}

void ApplyWindowSwitches(const std::vector<std::string>& args, tSettings& settings,
                         tStartupOptions& options, const tFileExists& fileExists) {
  if (IsSwitch(args, "ShowDebugmessages")) options.ShowDebugMessages = true;
  if (IsSwitch(args, "UseSystemMemoryBackBuffer")) settings.SystemMemoryBackBuffer = true;
  if (IsSwitch(args, "DontForceExclusiveMode")) options.DontForceExclusiveMode = true;
  if (IsSwitch(args, "NoVideo")) options.NoVideo = true;
  const std::string setFile = SwitchValue(args, "Set");
  if (!setFile.empty() && fileExists && fileExists(setFile)) options.LevelSetFileName = setFile;
}

void ApplyDeferredSwitches(const std::vector<std::string>& args, tSettings& settings,
                           tStartupOptions& options) {
  if (IsSwitch(args, "FullScreen")) settings.FullScreen = true;
  if (IsSwitch(args, "BitBlt")) settings.BitBlt = true;
  if (IsSwitch(args, "CompatibilityMode")) {
    settings.FullScreen = false;
    settings.SoundDevice = 0;
    settings.BitBlt = true;
    options.AskDisplayMode = false;
  }
}

}  // namespace qn2
