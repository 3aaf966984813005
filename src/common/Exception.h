#pragma once

#include <exception>
#include <string>
#include <utility>

namespace qn2 {

// The game's general exception: a message text and nothing else. The frame handler
// catches this class around every tick, so one failed tick never stops the game.
class Exception : public std::exception {
 public:
  // Remembers where in the program it was raised (the code that constructed it).
  explicit Exception(std::string message);
  const char* what() const noexcept override { return Message.c_str(); }
  const std::string& message() const noexcept { return Message; }
  const void* RaisedAt() const noexcept { return Where; }

 private:
  std::string Message;
  const void* Where = nullptr;
};

// An address as the start-up failure message shows it: "$" and upper-case hexadecimal.
std::string HexAddress(const void* address);

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
