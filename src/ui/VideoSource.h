#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/Exception.h"

namespace qn2 {

class tDib16;

// A video could not be opened or decoded; the text says why.
class EVideoFailed : public Exception {
 public:
  using Exception::Exception;
};

// A video being played: its pictures come in the order of their times, the time being
// driven from outside (the game's ticks or the clock). Both calls raise EVideoFailed when
// the file turns out to be damaged.
class tVideoSource {
 public:
  virtual ~tVideoSource() = default;

  // Brings the picture up to the one showing at this time since the start; false once the
  // last picture has had its time.
  virtual bool AdvanceTo(std::int64_t milliseconds) = 0;
  // The current picture over the whole frame, kept in its proportions with black bars
  // around it; all black before the first picture.
  virtual void Draw(tDib16& frame) = 0;
};

// Opens a game file as a video; raises EVideoFailed when it cannot be played.
using tVideoOpener = std::function<std::unique_ptr<tVideoSource>(const std::string& fileName)>;

}  // namespace qn2
