#include "ui/Screens.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/EngineFixture.h"
#include "engine/FrameComposer.h"
#include "input/InputDevice.h"
#include "ui/ScreenMenuHooks.h"

namespace qn2 {
namespace {

// A screen that writes down what happens to it, in one log shared by all the screens.
class tLoggingScreen : public tScreen {
 public:
  tLoggingScreen(std::string name, std::vector<std::string>& log)
      : Name(std::move(name)), Log(log) {}

  bool OwnsFrame() const override { return Owns; }
  void Entered(tGameEngine& engine) override {
    if (FailEntering) throw std::runtime_error("no pictures");
    Engine = &engine;
    Log.push_back(Name + " entered");
  }
  void Left() override { Log.push_back(Name + " left"); }
  void Update(tPoint pointer, bool moved, tInputDevice& input) override {
    Log.push_back(Name + " update");
    Pointer = pointer;
    Moved = moved;
    Input = &input;
  }
  void Draw(tDib16& frame) override {
    Log.push_back(Name + " draw");
    Frame = &frame;
  }
  tScreenResult KeyDown(int vk) override {
    Log.push_back(Name + " key " + std::to_string(vk));
    return {.MovePointerTo = tPoint{vk, vk}};
  }
  tScreenResult CharTyped(char c) override {
    Log.push_back(Name + " char " + c);
    return {.Hidden = true, .MovePointerTo = {}};
  }
  tScreenResult MouseUp(int x, int y, int button) override {
    Log.push_back(Name + " up " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::to_string(button));
    return {};
  }

  std::string Name;
  std::vector<std::string>& Log;
  bool Owns = false;
  bool FailEntering = false;
  tGameEngine* Engine = nullptr;
  tPoint Pointer{-1, -1};
  bool Moved = false;
  tInputDevice* Input = nullptr;
  tDib16* Frame = nullptr;
};

class ScreensTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    auto menus = std::make_unique<tLoggingScreen>("menus", Log);
    auto pick = std::make_unique<tLoggingScreen>("pick", Log);
    Menus = menus.get();
    Pick = pick.get();
    Pick->Owns = true;
    Screens.Register(std::move(menus), {gmMainMenu, gmOptions});
    Screens.Register(std::move(pick), {gmPickLevel});
  }
  // The engine's mode moves on, and the screens follow it.
  tScreen* MoveTo(tGameMode mode) {
    Engine->SetGameMode(mode);
    return Screens.Follow(*Engine);
  }
  std::vector<std::string> TakeLog() { return std::exchange(Log, {}); }

  std::vector<std::string> Log;
  tScreens Screens;
  tLoggingScreen* Menus = nullptr;
  tLoggingScreen* Pick = nullptr;
  tDib16 Frame{640, 480};
};

TEST_F(ScreensTest, EachModeHasTheScreenRegisteredForIt) {
  EXPECT_EQ(Screens.For(gmMainMenu), Menus);
  EXPECT_EQ(Screens.For(gmOptions), Menus);
  EXPECT_EQ(Screens.For(gmPickLevel), Pick);
  EXPECT_EQ(Screens.For(gmPlaying), nullptr);
  EXPECT_EQ(Screens.For(tGameMode{255}), nullptr);
}

TEST_F(ScreensTest, ScreensAreEnteredAndLeftAsTheModeMovesOntoAndOffThem) {
  EXPECT_EQ(MoveTo(gmMainMenu), Menus);
  EXPECT_EQ(Menus->Engine, Engine.get());
  EXPECT_EQ(MoveTo(gmOptions), Menus) << "another mode of the same screen";
  EXPECT_EQ(Screens.Follow(*Engine), Menus) << "and again without a move";
  EXPECT_EQ(TakeLog(), std::vector<std::string>{"menus entered"});

  EXPECT_EQ(MoveTo(gmPickLevel), Pick);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"menus left", "pick entered"}));
  EXPECT_EQ(MoveTo(gmPlaying), nullptr);
  EXPECT_EQ(Screens.Current(), nullptr);
  EXPECT_EQ(TakeLog(), std::vector<std::string>{"pick left"});
  EXPECT_EQ(MoveTo(gmIntro), nullptr);
  EXPECT_TRUE(Log.empty()) << "from no screen to no screen";
}

TEST_F(ScreensTest, LeavingWhateverTheModeLetsFollowingEnterAgain) {
  MoveTo(gmPickLevel);
  Screens.Leave();
  Screens.Leave();
  EXPECT_EQ(Screens.Current(), nullptr);
  EXPECT_EQ(Screens.Follow(*Engine), Pick);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"pick entered", "pick left", "pick entered"}));
}

TEST_F(ScreensTest, AScreenThatFailsToEnterIsNotCurrent) {
  MoveTo(gmMainMenu);
  Pick->FailEntering = true;
  Engine->SetGameMode(gmPickLevel);
  EXPECT_THROW(Screens.Follow(*Engine), std::runtime_error);
  EXPECT_EQ(Screens.Current(), nullptr);
  Pick->FailEntering = false;
  EXPECT_EQ(Screens.Follow(*Engine), Pick) << "the next try enters it";
}

TEST_F(ScreensTest, TicksDrawingAndInputGoToTheCurrentScreenOnly) {
  MoveTo(gmPickLevel);
  TakeLog();
  Screens.Update({12, 34}, true, Engine->LiveInput);
  Screens.Draw(Frame);
  EXPECT_EQ(Screens.KeyDown(vk::Left).MovePointerTo, (tPoint{vk::Left, vk::Left}));
  EXPECT_TRUE(Screens.CharTyped('\r').Hidden);
  Screens.MouseUp(5, 6, vk::LButton);
  EXPECT_FALSE(Screens.MouseDown(5, 6, vk::LButton).Hidden) << "a screen may ignore an input";
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"pick update", "pick draw", "pick key 37",
                                                 "pick char \r", "pick up 5,6 1"}));
  EXPECT_EQ(Pick->Pointer, (tPoint{12, 34}));
  EXPECT_TRUE(Pick->Moved);
  EXPECT_EQ(Pick->Input, &Engine->LiveInput);
  EXPECT_EQ(Pick->Frame, &Frame);
  EXPECT_EQ(Screens.FrameOwner(), Pick);
  MoveTo(gmMainMenu);
  EXPECT_EQ(Screens.FrameOwner(), nullptr) << "the menus run inside the engine";
}

TEST_F(ScreensTest, AModeWithoutAScreenRoutesNothing) {
  MoveTo(gmPlaying);
  Screens.Update({1, 1}, true, Engine->LiveInput);
  Screens.Draw(Frame);
  EXPECT_FALSE(Screens.KeyDown(vk::Escape).MovePointerTo.has_value());
  EXPECT_FALSE(Screens.CharTyped('\r').Hidden);
  EXPECT_FALSE(Screens.MouseMove(3, 3).MovePointerTo.has_value());
  EXPECT_FALSE(Screens.MouseUp(3, 3, vk::LButton).Hidden);
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(Screens.FrameOwner(), nullptr);
}

// The engine's menu ticks and menu drawing reach the screen of its mode through the hooks,
// with the engine's own mouse and input.
TEST_F(ScreensTest, TheEnginesMenuHooksRunTheScreenOfItsMode) {
  tScreenMenuHooks hooks(Screens);
  tFrameComposer composer;
  tMenuHooks* const menus = Engine->Menus;
  tFrameHooks* const frames = Engine->Frames;
  Engine->Menus = &hooks;
  Engine->Frames = &composer;
  Engine->OpenMenu();
  ASSERT_EQ(Engine->GameMode, gmMainMenu);
  Engine->Update();
  Engine->DrawFrame();
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"menus entered", "menus update", "menus draw"}));
  EXPECT_EQ(Menus->Input, Engine->CurrentInput);
  EXPECT_EQ(Menus->Pointer, (tPoint{Engine->MouseX, Engine->MouseY}));
  EXPECT_EQ(Menus->Frame, &Engine->FrameSurface());

  Engine->SetGameMode(gmOptions);
  Engine->Update();
  EXPECT_EQ(TakeLog(), std::vector<std::string>{"menus update"}) << "a slab menu's tick";
  Engine->SetGameMode(gmDeathPopup);
  Engine->Update();
  Engine->DrawFrame();
  EXPECT_EQ(TakeLog(), std::vector<std::string>{"menus left"}) << "a pop-up without a screen";
  Engine->Menus = menus;
  Engine->Frames = frames;
}

}  // namespace
}  // namespace qn2
