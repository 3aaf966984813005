#pragma once

#include <cstdint>
#include <string>

#include "common/Exception.h"

namespace qn2 {

// Result codes of the display layer. They keep the numbers and the standard sentences of
// the DirectDraw results the game was first written against, so a failure reads the same
// whatever presents the frame.
namespace dd {
inline constexpr std::uint32_t Ok = 0;
inline constexpr std::uint32_t Generic = 0x80004005;        // E_FAIL
inline constexpr std::uint32_t Unsupported = 0x80004001;    // E_NOTIMPL
inline constexpr std::uint32_t OutOfMemory = 0x8007000E;    // E_OUTOFMEMORY
inline constexpr std::uint32_t InvalidParams = 0x80070057;  // E_INVALIDARG
inline constexpr std::uint32_t ResultBase = 0x88760000;     // facility 0x876, severity 1
inline constexpr std::uint32_t InvalidMode = ResultBase + 120;
inline constexpr std::uint32_t InvalidObject = ResultBase + 130;
inline constexpr std::uint32_t InvalidPixelFormat = ResultBase + 145;
inline constexpr std::uint32_t InvalidRect = ResultBase + 150;
inline constexpr std::uint32_t NoExclusiveMode = ResultBase + 225;
inline constexpr std::uint32_t NotFound = ResultBase + 255;
inline constexpr std::uint32_t OutOfVideoMemory = ResultBase + 380;
inline constexpr std::uint32_t SurfaceBusy = ResultBase + 430;
inline constexpr std::uint32_t SurfaceLost = ResultBase + 450;
inline constexpr std::uint32_t WasStillDrawing = ResultBase + 540;
inline constexpr std::uint32_t NoDirectDrawHardware = ResultBase + 563;
inline constexpr std::uint32_t NoClipperAttached = ResultBase + 568;
inline constexpr std::uint32_t NoWindowHandle = ResultBase + 569;
inline constexpr std::uint32_t CantCreateDc = ResultBase + 585;
inline constexpr std::uint32_t NoDc = ResultBase + 586;
inline constexpr std::uint32_t UnsupportedMode = ResultBase + 590;
}  // namespace dd

// The standard sentence of a result code; "Unrecognized Error" for a code not listed.
std::string DisplayErrorText(std::uint32_t code);

// A display operation failed. The message is the code's sentence, a carriage return and
// the place, e.g. "Generic failure.\rCouldn't blit pageflip". When the platform gave a
// reason of its own (detail), it follows on one more line.
class EDirectDraw : public EDeviceError {
 public:
  EDirectDraw(std::uint32_t code, const std::string& place, const std::string& detail = {});
  std::uint32_t Code() const { return ResultCode; }
  const std::string& Place() const { return PlaceText; }

 private:
  std::uint32_t ResultCode;
  std::string PlaceText;
};

// A surface's pixels could not be reached ("Couldn't make ScanLinePointers", "Drawing
// Surface Gone"). The frame handler treats it as a request to redraw the whole frame.
class ENoSurfaceLock : public EDeviceError {
 public:
  using EDeviceError::EDeviceError;
};

}  // namespace qn2
