#include "platform/ModalWindow.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DisplayTestSupport.h"
#include "platform/Display.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"

namespace qn2 {
namespace {

// A content that records what reaches it and runs a script on each tick.
class tProbe : public tModalContent {
 public:
  explicit tProbe(tPoint size, std::uint16_t colour = 0) : Extent(size), Colour(colour) {}

  tPoint Size() const override { return Extent; }
  void Open() override { Log.push_back("open"); }
  void Close() override { Log.push_back("close"); }
  void Tick(int periods) override {
    ++Ticks;
    Periods += periods;
    if (OnTick) OnTick(Ticks);
  }
  void Draw(tDib16& target) override {
    ++Draws;
    DrewIntoCurrent = DrewIntoCurrent && CurrentDib == &target;
    TargetSize = {target.Width(), target.Height()};
    target.FillSurface(Colour);
  }
  void KeyDown(int vk) override {
    Log.push_back("down " + std::to_string(vk));
    if (vk == AnswerKey) Answer = 7;
    if (vk == 27 && AnswerEscape) Answer = 2;
  }
  void KeyUp(int vk) override { Log.push_back("up " + std::to_string(vk)); }
  void MouseMove(int x, int y) override {
    Log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseDown(int x, int y, int button) override {
    Log.push_back("press " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::to_string(button));
    if (AnswerOnClick) Answer = 9;
  }
  void MouseUp(int x, int y, int button) override {
    Log.push_back("release " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::to_string(button));
  }
  int Result() const override { return Answer; }

  tPoint Extent;
  std::uint16_t Colour;
  std::function<void(int tick)> OnTick;
  std::vector<std::string> Log;
  int Answer = 0;
  int AnswerKey = 13;
  bool AnswerEscape = true;
  bool AnswerOnClick = false;
  int Ticks = 0;
  int Periods = 0;
  int Draws = 0;
  bool DrewIntoCurrent = true;
  tPoint TargetSize;
};

void PushKey(SDL_Keycode key, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.keysym.sym = key;
  SDL_PushEvent(&event);
}

void PushMouse(Uint32 type, SDL_Window* window, int x, int y) {
  SDL_Event event{};
  event.type = type;
  if (type == SDL_MOUSEMOTION) {
    event.motion.windowID = SDL_GetWindowID(window);
    event.motion.x = x;
    event.motion.y = y;
  } else {
    event.button.windowID = SDL_GetWindowID(window);
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = x;
    event.button.y = y;
  }
  SDL_PushEvent(&event);
}

SDL_Window* WindowTitled(const char* title) {
  for (Uint32 id = 1; id < 256; ++id)
    if (SDL_Window* window = SDL_GetWindowFromID(id);
        window != nullptr && std::strcmp(SDL_GetWindowTitle(window), title) == 0)
      return window;
  return nullptr;
}

bool Contains(const std::vector<std::string>& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

class ModalWindowTest : public test::tDummyVideo {};

TEST_F(ModalWindowTest, RunsItsOwnWindowUntilTheContentAnswers) {
  tProbe probe({120, 60});
  SDL_Window* dialog = nullptr;
  int dialogX = 0, dialogY = 0;
  probe.OnTick = [&](int tick) {
    if (tick == 1) {
      dialog = WindowTitled("Question");
      ASSERT_NE(dialog, nullptr);
      SDL_GetWindowPosition(dialog, &dialogX, &dialogY);
      PushKey(SDLK_RIGHT, true);
      PushKey(SDLK_RIGHT, false);
      PushMouse(SDL_MOUSEMOTION, dialog, 10, 20);
      PushMouse(SDL_MOUSEBUTTONDOWN, dialog, 11, 21);
      PushMouse(SDL_MOUSEMOTION, Window, 300, 200);  // the game's window: not the dialog's
    }
    if (tick == 3) PushKey(SDLK_RETURN, true);
  };
  EXPECT_EQ(RunModal(Window, probe, false, "Question"), 7);
  const std::vector<std::string> expected{"open",          "down 39", "up 39", "move 10,20",
                                          "press 11,21 1", "down 13", "close"};
  EXPECT_EQ(probe.Log, expected);
  EXPECT_GE(probe.Ticks, 3);
  EXPECT_GE(probe.Draws, probe.Ticks);
  EXPECT_TRUE(probe.DrewIntoCurrent);
  EXPECT_EQ(probe.TargetSize, (tPoint{120, 60}));
  // Centred over the game's window at (100, 80), 640 x 480; and gone afterwards.
  EXPECT_EQ(dialogX, 100 + (640 - 120) / 2);
  EXPECT_EQ(dialogY, 80 + (480 - 60) / 2);
  EXPECT_EQ(WindowTitled("Question"), nullptr);
}

TEST_F(ModalWindowTest, TicksCarryThePeriodsThatPassed) {
  tProbe probe({40, 40});
  const Uint64 start = SDL_GetTicks64();
  probe.OnTick = [&](int) {
    if (SDL_GetTicks64() - start >= 200) probe.Answer = 1;
  };
  EXPECT_EQ(RunModal(Window, probe, false), 1);
  // About one period per 20 ms, however the ticks fell.
  EXPECT_GE(probe.Periods, 9);
  EXPECT_LE(probe.Periods, 12);
}

TEST_F(ModalWindowTest, EventsForTheRestOfTheProgramWaitUntilItCloses) {
  const Uint32 frameEvent = SDL_RegisterEvents(1);
  SDL_Event event{};
  event.type = frameEvent;
  event.user.code = 0x7800;
  SDL_PushEvent(&event);
  tProbe probe({40, 40});
  probe.OnTick = [&](int tick) {
    if (tick == 2) probe.Answer = 3;
  };
  EXPECT_EQ(RunModal(Window, probe, false), 3);
  SDL_Event after{};
  bool found = false;
  while (SDL_PollEvent(&after) != 0)
    found = found || (after.type == frameEvent && after.user.code == 0x7800);
  EXPECT_TRUE(found);
}

TEST_F(ModalWindowTest, QuittingGivesEscapeAndEndsTheLoopEvenWithoutAnAnswer) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  tProbe answering({40, 40});
  EXPECT_EQ(RunModal(Window, answering, false), 2);
  EXPECT_TRUE(Contains(answering.Log, "down 27"));

  tProbe stubborn({40, 40});
  stubborn.AnswerEscape = false;
  EXPECT_EQ(RunModal(Window, stubborn, false), 0);  // the quit was held and posted again
  EXPECT_TRUE(Contains(stubborn.Log, "up 27"));
  EXPECT_EQ(stubborn.Log.back(), "close");
  EXPECT_TRUE(SDL_HasEvent(SDL_QUIT));
}

TEST_F(ModalWindowTest, OverTheGameItDrawsOnTheFrameAndPutsTheFrameBack) {
  tDisplay display(Window);
  tDib16& frame = display.InitDisplay(1, true, true);
  const std::uint16_t game = MakePixel(0, 128, 0);
  const std::uint16_t dialog = MakePixel(200, 0, 0);
  frame.FillSurface(game);
  display.Present();

  tProbe probe({100, 50}, dialog);
  probe.AnswerOnClick = true;
  std::uint16_t shownInside = 0, shownOutside = 0;
  probe.OnTick = [&](int tick) {
    if (tick != 1) return;
    const test::tScreenShot shot = test::ReadWindowSurface(Window);
    shownInside = shot.At(320, 240);
    shownOutside = shot.At(260, 240);
    EXPECT_EQ(WindowTitled("Over"), nullptr);  // no window of its own
    // The content sits at (270, 215) on the frame; the window shows the frame 1:1.
    PushMouse(SDL_MOUSEBUTTONDOWN, Window, 275, 225);
  };
  EXPECT_EQ(RunModal(Window, probe, true, "Over"), 9);
  EXPECT_EQ(shownInside, dialog);
  EXPECT_EQ(shownOutside, game);
  EXPECT_TRUE(Contains(probe.Log, "press 5,10 1"));
  EXPECT_EQ(frame.ScanLine(240)[320], game);
  EXPECT_EQ(test::ReadWindowSurface(Window).At(320, 240), game);
}

TEST_F(ModalWindowTest, WithoutADisplayOverGameFallsBackToAWindow) {
  tProbe probe({60, 30});
  bool ownWindow = false;
  probe.OnTick = [&](int) {
    ownWindow = WindowTitled("Fallback") != nullptr;
    probe.Answer = 1;
  };
  EXPECT_EQ(RunModal(Window, probe, true, "Fallback"), 1);
  EXPECT_TRUE(ownWindow);
}

// Joystick 0 as a game controller (SDL maps a virtual controller's first axes and buttons
// to the left stick, A and B) and as a plain joystick with a hat.
class ModalJoystickTest : public ModalWindowTest,
                          public ::testing::WithParamInterface<SDL_JoystickType> {};

TEST_P(ModalJoystickTest, JoystickZeroBecomesArrowEnterAndEscapeKeys) {
  const bool withHat = GetParam() != SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  // No window of the test has the focus, and SDL ignores joysticks without it.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
  const int device = SDL_JoystickAttachVirtual(GetParam(), 2, 2, withHat ? 1 : 0);
  ASSERT_GE(device, 0) << SDL_GetError();
  if (device != 0 || SDL_NumJoysticks() != 1) {
    SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    GTEST_SKIP() << "another joystick is joystick 0";
  }
  EXPECT_EQ(SDL_IsGameController(device) == SDL_TRUE, !withHat);
  SDL_Joystick* stick = SDL_JoystickOpen(device);
  ASSERT_NE(stick, nullptr);
  // Held at the start: that is the starting state, not a press.
  SDL_JoystickSetVirtualAxis(stick, 1, 32767);

  tProbe probe({40, 40});
  probe.AnswerKey = -1;
  probe.AnswerEscape = false;
  probe.OnTick = [&](int tick) {
    switch (tick) {
      case 1:
        SDL_JoystickSetVirtualAxis(stick, 0, -32768);
        break;
      case 2:
        SDL_JoystickSetVirtualAxis(stick, 0, -16384);  // exactly the limit: not pressed
        SDL_JoystickSetVirtualAxis(stick, 1, 0);
        break;
      case 3:
        SDL_JoystickSetVirtualButton(stick, 0, 1);
        break;
      case 4:
        SDL_JoystickSetVirtualButton(stick, 0, 0);
        SDL_JoystickSetVirtualButton(stick, 1, 1);
        break;
      case 5:
        if (withHat) SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_RIGHT);
        break;
      case 6:
        probe.Answer = 1;
        break;
    }
  };
  EXPECT_EQ(RunModal(Window, probe, false), 1);
  std::vector<std::string> expected{"open",    "down 37", "up 37",  "up 40",
                                    "down 13", "up 13",   "down 27"};
  if (withHat) expected.push_back("down 39");
  expected.push_back("close");
  EXPECT_EQ(probe.Log, expected);
  SDL_JoystickClose(stick);
  SDL_JoystickDetachVirtual(device);
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ModalJoystickTest,
                         ::testing::Values(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_JOYSTICK_TYPE_UNKNOWN));

}  // namespace
}  // namespace qn2
