#pragma once

#include <exception>
#include <string>
#include <utility>

namespace qn2 {

// The game's general exception: a message text and nothing else. The frame handler
// catches this class around every tick, so one failed tick never stops the game.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  const std::string& message() const noexcept { return Message; }

 private:
  std::string Message;
};

// Failures reading or writing game files (packages, levels, recordings, settings).
class EFileError : public Exception {
 public:
  using Exception::Exception;
};

// Failures of a device: display, sound, timer.
class EDeviceError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace qn2
