// Golden pictures of the pop-ups, drawn from the game's own data package over a game with
// their glows settled: the solved, partly-solved and death pop-ups, the all-solved screen,
// and the hint window half-way through its zoom and complete.
#include <filesystem>

#include "GoldenImage.h"
#include "common/LookRandom.h"
#include "data/ConfigFile.h"
#include "data/PackageFiles.h"
#include "engine/GameEngine.h"
#include "render/DibRegistry.h"
#include "render/MenuFont.h"
#include "support/ScratchFolder.h"
#include "ui/DeathPictures.h"
#include "ui/GameScreens.h"
#include "ui/HintPopUp.h"
#include "ui/PopupPictures.h"
#include "ui/ScreenMenuHooks.h"
#include "ui/Screens.h"

namespace qn2 {
namespace {

class tPopupFrames : public tFrameHooks {
 public:
  void DrawMenuScreen(tGameEngine& engine) override { engine.Menus->DrawScreen(engine); }
};

class PopupGoldenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { MountPackage(QN2_PACKAGE); }
  void SetUp() override {
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(Scratch.path());
    Settings = tSettings();
    ClearDibs();
    Engine = std::make_unique<tGameEngine>();
    LoadMenuFont();
    LoadEndOfLevelPopupGraphics();
    RegisterGameScreens(Screens, nullptr, Hooks.Shared());
    Engine->Menus = &Hooks;
    Engine->Frames = &Frames;
    Engine->Pointer = &Pointer;
    Engine->PointerEnabled = false;
  }
  void TearDown() override {
    Screens.Leave();
    Engine.reset();
    FreeMenuFont();
    ClearDibs();
    std::filesystem::current_path(Previous);
  }

  // A pop-up over a game whose frame is one colour.
  void OpenOverGame(tGameMode mode) {
    Engine->FrameSurface().FillSurface(MakePixel(60, 120, 90));
    Engine->GameInProgress = true;
    Engine->OpenMenu();
    Engine->SetGameMode(mode);
    for (int i = 0; i < 30; ++i) Engine->Update();
    Engine->FullRedraw = true;
    Engine->DrawFrame();
  }
  void Expect(const std::string& name) { test::ExpectMatchesGolden(Engine->FrameSurface(), name); }

  testing::tScratchFolder Scratch;
  std::filesystem::path Previous;
  tScreens Screens;
  tScreenMenuHooks Hooks{Screens};
  tPopupFrames Frames;
  tFixedPointer Pointer;
  std::unique_ptr<tGameEngine> Engine;
};

TEST_F(PopupGoldenTest, SolvedAndPartlySolved) {
  OpenOverGame(gmSolvedPopup);
  Expect("popup_solved");
  Engine->CloseMenu();
  OpenOverGame(gmPartlySolvedPopup);
  Expect("popup_partly_solved");
}

TEST_F(PopupGoldenTest, DeathBySpider) {
  LookRandom.Seed(5);
  do {
    ChooseDeathPicture("tSpider");
  } while (CurrentDeathPicture() != DeathPicture(tDeathPictureGroup::Spider, 1));
  Pointer.Cursor = {330, 340};  // over MENU
  OpenOverGame(gmDeathPopup);
  Expect("popup_death");
}

TEST_F(PopupGoldenTest, AllSolved) {
  Engine->SetGameMode(gmAllSolved);
  Engine->Update();
  Engine->DrawFrame();
  Expect("all_solved");
}

TEST_F(PopupGoldenTest, HintZoomingAndComplete) {
  tDib16& frame = Engine->FrameSurface();
  tHintPopUp hint(std::make_unique<tDib16>("Hint_Careful.jpg"), {32 * 3 + 16 + 128, 32 * 4 + 16},
                  tRect{0, 0, 640, 480}, 45, "CAREFUL");
  hint.Open();
  tDib16 canvas(hint.Size().X, hint.Size().Y);
  auto compose = [&] {
    frame.FillSurface(MakePixel(60, 120, 90));
    hint.Draw(canvas);
    StretchDraw(canvas, frame, hint.Placement());
  };
  for (int i = 0; i < 12; ++i) hint.Tick(1);
  compose();
  Expect("hint_zooming");
  for (int i = 0; i < 40; ++i) hint.Tick(1);
  compose();
  Expect("hint_complete");
}

}  // namespace
}  // namespace qn2
