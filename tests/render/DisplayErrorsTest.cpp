#include "render/DisplayErrors.h"

#include <gtest/gtest.h>

namespace qn2 {
namespace {

TEST(DisplayErrors, KnownCodesHaveTheirStandardSentences) {
  EXPECT_EQ(DisplayErrorText(0), "The request completed successfully.");
  EXPECT_EQ(DisplayErrorText(0x80004005), "Generic failure.");
  EXPECT_EQ(DisplayErrorText(0x887601C2),
            "Access to this surface is being refused because the surface memory is gone. The "
            "DirectDrawSurface object representing this surface should have Restore called on "
            "it.");
  EXPECT_EQ(DisplayErrorText(dd::SurfaceLost), DisplayErrorText(0x887601C2));
}

TEST(DisplayErrors, AnUnknownCodeReadsUnrecognizedError) {
  EXPECT_EQ(DisplayErrorText(0x12345678), "Unrecognized Error");
  EXPECT_EQ(DisplayErrorText(dd::ResultBase + 1), "Unrecognized Error");
  const EDirectDraw error(0xDEADBEEF, "Couldn't blit pageflip");
  EXPECT_STREQ(error.what(), "Unrecognized Error\rCouldn't blit pageflip");
}

TEST(DisplayErrors, EDirectDrawCarriesTheSentenceThePlaceAndAnyReason) {
  const EDirectDraw plain(dd::Generic, "Couldn't Create a DirectDraw Object");
  EXPECT_STREQ(plain.what(), "Generic failure.\rCouldn't Create a DirectDraw Object");
  EXPECT_EQ(plain.Code(), dd::Generic);
  EXPECT_EQ(plain.Place(), "Couldn't Create a DirectDraw Object");

  const EDirectDraw detailed(dd::Generic, "Couldn't blit pageflip", "SDL: no renderer");
  EXPECT_STREQ(detailed.what(), "Generic failure.\rCouldn't blit pageflip\rSDL: no renderer");
  EXPECT_EQ(detailed.Place(), "Couldn't blit pageflip");
}

TEST(DisplayErrors, BothClassesAreDeviceFailuresOfTheGeneralClass) {
  try {
    throw ENoSurfaceLock("Couldn't make ScanLinePointers");
  } catch (const EDeviceError& e) {
    EXPECT_STREQ(e.what(), "Couldn't make ScanLinePointers");
  }
  EXPECT_THROW(throw EDirectDraw(dd::SurfaceLost, "Viewing Surface Gone"), Exception);
}

}  // namespace
}  // namespace qn2
