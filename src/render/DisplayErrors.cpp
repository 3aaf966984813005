#include "render/DisplayErrors.h"

#include <array>
#include <utility>

namespace qn2 {

namespace {

constexpr std::array<std::pair<std::uint32_t, const char*>, 21> ErrorTexts{{
    {dd::Ok, "The request completed successfully."},
    {dd::Generic, "Generic failure."},
    {dd::Unsupported, "The operation is not supported."},
    {dd::OutOfMemory, "DirectDraw does not have enough memory to perform the operation."},
    {dd::InvalidParams, "One or more of the parameters passed to the method are incorrect."},
    {dd::InvalidMode, "DirectDraw does not support the requested mode."},
    {dd::InvalidObject, "DirectDraw received a pointer that was an invalid DirectDraw object."},
    {dd::InvalidPixelFormat, "The pixel format was invalid as specified."},
    {dd::InvalidRect, "The provided rectangle was invalid."},
    {dd::NoExclusiveMode,
     "The operation requires the application to have exclusive mode, but the application "
     "does not have exclusive mode."},
    {dd::NotFound, "The requested item was not found."},
    {dd::OutOfVideoMemory,
     "DirectDraw does not have enough display memory to perform the operation."},
    {dd::SurfaceBusy,
     "Access to the surface is refused because the surface is locked by another thread."},
    {dd::SurfaceLost,
     "Access to this surface is being refused because the surface memory is gone. The "
     "DirectDrawSurface object representing this surface should have Restore called on it."},
    {dd::WasStillDrawing,
     "The previous blit operation that is transferring information to or from this surface "
     "is incomplete."},
    {dd::NoDirectDrawHardware,
     "A hardware-only DirectDraw object creation was attempted but the driver did not "
     "support any hardware."},
    {dd::NoClipperAttached, "No DirectDrawClipper object is attached to the surface object."},
    {dd::NoWindowHandle,
     "Clipper notification requires a window handle, or no window handle has been "
     "previously set as the cooperative level window handle."},
    {dd::CantCreateDc, "Windows can not create any more device contexts (DCs)."},
    {dd::NoDc, "No device context (DC) has ever been created for this surface."},
    {dd::UnsupportedMode, "The display is currently in an unsupported mode."},
}};

}  // namespace

std::string DisplayErrorText(std::uint32_t code) {
  for (const auto& [known, text] : ErrorTexts)
    if (known == code) return text;
  return "Unrecognized Error";
}

EDirectDraw::EDirectDraw(std::uint32_t code, const std::string& place, const std::string& detail)
    : EDeviceError(DisplayErrorText(code) + "\r" + place + (detail.empty() ? "" : "\r" + detail)),
      ResultCode(code),
      PlaceText(place) {}

}  // namespace qn2
