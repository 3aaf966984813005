#include "platform/Display.h"

#include <gtest/gtest.h>

#include "DisplayTestSupport.h"
#include "common/LastMessage.h"
#include "render/DibStack.h"
#include "render/DisplayErrors.h"
#include "render/PixelFormat.h"

namespace qn2 {
namespace {

using test::tScreenShot;

// 80 x 60 blocks, each its own colour: big enough to find again after scaling.
std::uint16_t BlockColour(int x, int y) {
  const int bx = x / 80;
  const int by = y / 60;
  return MakePixel(static_cast<std::uint8_t>(bx * 32), static_cast<std::uint8_t>(by * 32),
                   static_cast<std::uint8_t>(255 - (bx + by) * 16));
}

// Every pixel different from its neighbours, for pixel-exact comparisons.
std::uint16_t FinePattern(int x, int y) {
  return static_cast<std::uint16_t>(x * 37 + y * 101);
}

template <class Pattern>
void Paint(tDib16& frame, Pattern pattern) {
  frame.BeginDraw();
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x) frame.ScanLine(y)[x] = pattern(x, y);
  frame.EndDraw();
}

void ExpectExactFrame(const tScreenShot& shot) {
  ASSERT_EQ(shot.Width, 640);
  ASSERT_EQ(shot.Height, 480);
  int wrong = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (shot.At(x, y) != FinePattern(x, y) && ++wrong < 5)
        ADD_FAILURE() << "pixel " << x << ", " << y;
  EXPECT_EQ(wrong, 0);
}

// Samples the middle of every block as it lands in the client area when the frame fills
// the rectangle `shown`.
void ExpectStretchedBlocks(const tScreenShot& shot, const tRect& shown) {
  const int width = shown.Right - shown.Left;
  const int height = shown.Bottom - shown.Top;
  for (int by = 0; by < 8; ++by)
    for (int bx = 0; bx < 8; ++bx) {
      const int x = shown.Left + (bx * 80 + 40) * width / 640;
      const int y = shown.Top + (by * 60 + 30) * height / 480;
      EXPECT_EQ(shot.At(x, y), BlockColour(bx * 80, by * 60)) << "block " << bx << ", " << by;
    }
  // Block edges land where the scale puts them (nearest pixel, away from the seams).
  EXPECT_EQ(shot.At(shown.Left + 80 * width / 640 - 2, shown.Top + 1), BlockColour(79, 0));
  EXPECT_EQ(shot.At(shown.Left + 80 * width / 640 + 2, shown.Top + 1), BlockColour(80, 0));
  EXPECT_EQ(shot.At(shown.Right - 1, shown.Bottom - 1), BlockColour(639, 479));
}

class DisplayTest : public test::tDummyVideo {};

TEST_F(DisplayTest, InitDisplayMakesTheFrameCurrentAndLogsEachStep) {
  tDisplay display(Window);
  EXPECT_EQ(tDisplay::ForWindow(Window), &display);
  tDib16& frame = display.InitDisplay(0, true, true);
  EXPECT_EQ(display.DisplayType(), 0);
  EXPECT_TRUE(display.Ready());
  EXPECT_EQ(frame.Width(), 640);
  EXPECT_EQ(frame.Height(), 480);
  EXPECT_TRUE(frame.TrackDirty);
  EXPECT_TRUE(frame.HasMask());
  EXPECT_NE(frame.Mask(), nullptr);
  EXPECT_EQ(CurrentDib, &frame);
  EXPECT_EQ(display.Frame(), &frame);
  EXPECT_NE(display.Renderer(), nullptr);
  EXPECT_TRUE(Is565);
  EXPECT_EQ(LastMessage, "DebugMessage('Display init done')");

  display.ReleaseDisplay();
  EXPECT_EQ(CurrentDib, nullptr);
  EXPECT_EQ(display.Frame(), nullptr);
  EXPECT_EQ(display.Renderer(), nullptr);
  EXPECT_FALSE(display.Ready());
  display.Present();  // nothing to show, nothing happens

  // The window-surface types need no renderer.
  tDib16& dib = display.InitDisplay(1, true, true);
  EXPECT_EQ(CurrentDib, &dib);
  EXPECT_EQ(display.Renderer(), nullptr);
}

class RendererDisplayTest : public DisplayTest, public ::testing::WithParamInterface<bool> {};

// With the system-memory back buffer the frame goes up with SDL_UpdateTexture, without
// it through a locked texture: both must show exactly the frame, and keep showing the
// rows the game did not repaint.
TEST_P(RendererDisplayTest, AFrameOfExactlyTheClientSizeIsShownPixelForPixel) {
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(0, GetParam(), true);
  Paint(frame, FinePattern);
  display.Present();
  ExpectExactFrame(test::ReadRenderer(display.Renderer()));

  // The next frame repaints one row only; the others must survive.
  frame.ScanLine(100)[5] = 0xFFFF;
  display.Present();
  const tScreenShot shot = test::ReadRenderer(display.Renderer());
  EXPECT_EQ(shot.At(5, 100), 0xFFFF);
  EXPECT_EQ(shot.At(6, 100), FinePattern(6, 100));
  EXPECT_EQ(shot.At(639, 479), FinePattern(639, 479));
  EXPECT_EQ(shot.At(0, 0), FinePattern(0, 0));
}

// A row written and then taken off the changed list stands for a row the display was not
// told about: it shows only whether the display sent that row.
void ChangeUntold(tDib16& frame, int x, int y) {
  frame.ScanLine(y)[x] = 0xFFFF;
  frame.TakeChangedRows();
}

// Only the rows drawn since the last Present go up to the texture; a Present with nothing
// changed draws nothing at all, until the window asks for its picture again.
TEST_P(RendererDisplayTest, OnlyChangedRowsAreSentAndAnUnchangedFrameIsNotShownAgain) {
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(0, GetParam(), true);
  Paint(frame, FinePattern);
  display.Present();
  ChangeUntold(frame, 7, 200);
  frame.ScanLine(100)[5] = 0xFFFF;
  display.Present();
  tScreenShot shot = test::ReadRenderer(display.Renderer());
  EXPECT_EQ(shot.At(5, 100), 0xFFFF);
  EXPECT_EQ(shot.At(7, 200), FinePattern(7, 200));
  display.ShowAllNext();
  display.Present();
  EXPECT_EQ(test::ReadRenderer(display.Renderer()).At(7, 200), 0xFFFF);

  SDL_SetRenderDrawColor(display.Renderer(), 255, 0, 0, 255);
  SDL_RenderClear(display.Renderer());
  display.Present();
  EXPECT_EQ(test::ReadRenderer(display.Renderer()).At(320, 240), MakePixel(255, 0, 0));
  SDL_Event exposed{};
  exposed.type = SDL_WINDOWEVENT;
  exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
  EXPECT_FALSE(display.HandleEvent(exposed));
  display.Present();
  shot = test::ReadRenderer(display.Renderer());
  EXPECT_EQ(shot.At(320, 240), FinePattern(320, 240));
  EXPECT_EQ(shot.At(7, 200), 0xFFFF);
}

INSTANTIATE_TEST_SUITE_P(BackBuffer, RendererDisplayTest, ::testing::Values(true, false));

TEST_F(DisplayTest, TheWindowSurfaceGetsOnlyChangedRowsAndAllOfItWhenItIsNew) {
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(1, true, true);
  Paint(frame, FinePattern);
  display.Present();
  ChangeUntold(frame, 7, 200);
  frame.ScanLine(100)[5] = 0xFFFF;
  display.Present();
  tScreenShot shot = test::ReadWindowSurface(Window);
  EXPECT_EQ(shot.At(5, 100), 0xFFFF);
  EXPECT_EQ(shot.At(7, 200), FinePattern(7, 200));

  SDL_Surface* screen = SDL_GetWindowSurface(Window);
  SDL_FillRect(screen, nullptr, 0);
  display.Present();  // nothing changed: nothing is blitted
  EXPECT_EQ(test::ReadWindowSurface(Window).At(320, 240), 0);
  display.ShowAllNext();
  display.Present();
  shot = test::ReadWindowSurface(Window);
  EXPECT_EQ(shot.At(320, 240), FinePattern(320, 240));
  EXPECT_EQ(shot.At(7, 200), 0xFFFF);

  // A resized window has a new surface, which gets the whole frame though nothing changed.
  Paint(frame, BlockColour);
  display.Present();
  SDL_SetWindowSize(Window, 800, 600);
  display.Present();
  shot = test::ReadWindowSurface(Window);
  ASSERT_EQ(shot.Width, 800);
  ExpectStretchedBlocks(shot, {0, 0, 800, 600});
  // Scaled, a changed row reaches the screen rows it is stretched over.
  frame.FillSurface(0);
  display.Present();
  shot = test::ReadWindowSurface(Window);
  EXPECT_EQ(shot.At(400, 300), 0);
  EXPECT_EQ(shot.At(799, 599), 0);
}

TEST_F(DisplayTest, TheRendererStretchesTheFrameOverA800By600Window) {
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(0, true, true);
  Paint(frame, BlockColour);
  SDL_SetWindowSize(Window, 800, 600);
  EXPECT_EQ(display.PresentedRect(), (tRect{0, 0, 800, 600}));
  display.Present();
  const tScreenShot shot = test::ReadRenderer(display.Renderer());
  ASSERT_EQ(shot.Width, 800);
  ASSERT_EQ(shot.Height, 600);
  ExpectStretchedBlocks(shot, {0, 0, 800, 600});
}

TEST_F(DisplayTest, TheWindowSurfaceTypeBlitsUnscaledAtTheFrameSizeAndStretchesOtherwise) {
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(1, true, true);
  Paint(frame, FinePattern);
  display.Present();
  ExpectExactFrame(test::ReadWindowSurface(Window));

  Paint(frame, BlockColour);
  SDL_SetWindowSize(Window, 800, 600);
  display.Present();
  const tScreenShot shot = test::ReadWindowSurface(Window);
  ASSERT_EQ(shot.Width, 800);
  ASSERT_EQ(shot.Height, 600);
  ExpectStretchedBlocks(shot, {0, 0, 800, 600});
}

TEST_F(DisplayTest, ClientPointsMapToFramePixelsThroughTheShownRectangle) {
  tDisplay display(Window);
  display.InitDisplay(1, true, true);
  EXPECT_EQ(display.ClientToFrame({0, 0}), (tPoint{0, 0}));
  EXPECT_EQ(display.ClientToFrame({639, 479}), (tPoint{639, 479}));
  SDL_SetWindowSize(Window, 800, 600);
  EXPECT_EQ(display.ClientSize(), (tPoint{800, 600}));
  EXPECT_EQ(display.ClientToFrame({400, 300}), (tPoint{320, 240}));
  EXPECT_EQ(display.ClientToFrame({799, 599}), (tPoint{639, 479}));
  EXPECT_EQ(display.ClientToFrame({4, 4}), (tPoint{3, 3}));
  EXPECT_EQ(display.ClientToFrame({5, 5}), (tPoint{4, 4}));
  // And back: the first client pixel of each frame pixel.
  EXPECT_EQ(display.FrameToClient({4, 4}), (tPoint{5, 5}));
  EXPECT_EQ(display.FrameToClient({639, 479}), (tPoint{799, 599}));
  for (const tPoint p : {tPoint{0, 0}, tPoint{3, 7}, tPoint{320, 240}, tPoint{631, 471}})
    EXPECT_EQ(display.ClientToFrame(display.FrameToClient(p)), p);
}

TEST_F(DisplayTest, FullScreenTypesCoverTheDesktopWithoutABorderAndWindowedOnesComeBack) {
  tDisplay display(Window);
  display.InitDisplay(2, true, false);
  // (The dummy driver cannot change borders, so only the full-screen state shows here.)
  EXPECT_EQ(SDL_GetWindowFlags(Window) & SDL_WINDOW_FULLSCREEN_DESKTOP,
            SDL_WINDOW_FULLSCREEN_DESKTOP);
  EXPECT_EQ(LastMessage, "DebugMessage('Display init done')");

  display.ReleaseDisplay();
  display.InitDisplay(1, true, true);
  EXPECT_EQ(SDL_GetWindowFlags(Window) & SDL_WINDOW_FULLSCREEN, 0u);
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(Window, &x, &y);
  SDL_GetWindowSize(Window, &w, &h);
  EXPECT_EQ((tRect{x, y, w, h}), (tRect{100, 80, 640, 480}));
}

// Full screen keeps the frame's shape: a wide client area gets black bars at the sides.
TEST_F(DisplayTest, FullScreenKeepsTheShapeWithBlackBars) {
  // The dummy driver leaves a hidden window the size it had in full screen.
  SDL_SetWindowSize(Window, 1000, 600);
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(3, true, true);
  Paint(frame, BlockColour);
  ASSERT_EQ(display.ClientSize(), (tPoint{1000, 600}));
  const tRect shown = display.PresentedRect();
  EXPECT_EQ(shown, (tRect{100, 0, 900, 600}));
  display.Present();
  const tScreenShot shot = test::ReadWindowSurface(Window);
  ExpectStretchedBlocks(shot, shown);
  EXPECT_EQ(shot.At(50, 300), 0);
  EXPECT_EQ(shot.At(950, 300), 0);
  EXPECT_EQ(display.ClientToFrame({100, 0}), (tPoint{0, 0}));
  EXPECT_EQ(display.ClientToFrame({500, 300}), (tPoint{320, 240}));
  EXPECT_LT(display.ClientToFrame({50, 300}).X, 0);
  EXPECT_GE(display.ClientToFrame({950, 300}).X, 640);
  EXPECT_EQ(display.FrameToClient({0, 0}), (tPoint{100, 0}));
  EXPECT_EQ(display.ClientToFrame(display.FrameToClient({631, 471})), (tPoint{631, 471}));
}

TEST_F(DisplayTest, RendererResetsAskForAFullRedrawAndTheFrameStillArrives) {
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(0, false, true);
  Paint(frame, FinePattern);
  SDL_Event event{};
  event.type = SDL_RENDER_DEVICE_RESET;
  EXPECT_TRUE(display.HandleEvent(event));
  event.type = SDL_RENDER_TARGETS_RESET;
  EXPECT_TRUE(display.HandleEvent(event));
  display.Present();
  ExpectExactFrame(test::ReadRenderer(display.Renderer()));

  event = {};
  event.type = SDL_WINDOWEVENT;
  event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
  event.window.windowID = SDL_GetWindowID(Window);
  EXPECT_FALSE(display.HandleEvent(event));

  display.InitDisplay(1, true, true);
  event = {};
  event.type = SDL_RENDER_DEVICE_RESET;
  EXPECT_FALSE(display.HandleEvent(event));
}

TEST_F(DisplayTest, TheDesktopDepthIsReadFromTheDesktopMode) {
  tDisplay display(Window);
  SDL_DisplayMode mode{};
  ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &mode), 0);
  EXPECT_EQ(display.Desktop16Bit(), SDL_BITSPERPIXEL(mode.format) == 16);
}

TEST_F(DisplayTest, AnUnknownTypeIsRefused) {
  tDisplay display(Window);
  EXPECT_THROW(display.SetDisplayType(4), Exception);
  EXPECT_THROW(display.InitDisplay(-1, true, true), Exception);
  EXPECT_FALSE(display.Ready());
}

TEST(DisplayWithoutVideo, InitDirectDrawNeedsTheVideoSystem) {
  SDL_Quit();
  tDisplay* none = tDisplay::ForWindow(nullptr);
  EXPECT_EQ(none, nullptr);
  try {
    // No window at all: nothing can be shown.
    tDisplay display(nullptr);
    display.InitDirectDraw();
    FAIL() << "no exception";
  } catch (const EDirectDraw& e) {
    EXPECT_EQ(e.Place(), "Couldn't Create a DirectDraw Object");
  }
}

TEST(FramePlacement, TheFrameSizeIsKeptExactlyAndOtherSizesStretch) {
  EXPECT_EQ(FramePlacement({640, 480}, {640, 480}, true), (tRect{0, 0, 640, 480}));
  EXPECT_EQ(FramePlacement({640, 480}, {640, 480}, false), (tRect{0, 0, 640, 480}));
  EXPECT_EQ(FramePlacement({800, 600}, {640, 480}, false), (tRect{0, 0, 800, 600}));
  EXPECT_EQ(FramePlacement({1000, 600}, {640, 480}, false), (tRect{0, 0, 1000, 600}));
  EXPECT_EQ(FramePlacement({1920, 1080}, {640, 480}, true), (tRect{240, 0, 1680, 1080}));
  EXPECT_EQ(FramePlacement({1280, 1024}, {640, 480}, true), (tRect{0, 32, 1280, 992}));
  EXPECT_EQ(FramePlacement({700, 480}, {640, 480}, true), (tRect{30, 0, 670, 480}));
  EXPECT_TRUE(FramePlacement({0, 0}, {640, 480}, true).Empty());
}

}  // namespace
}  // namespace qn2
