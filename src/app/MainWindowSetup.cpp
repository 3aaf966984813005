// Start-up, set-up, the display, data and audio messages, and closing.
#include <SDL.h>

#include <iostream>

#include "app/MainWindow.h"
#include "app/WindowMessages.h"
#include "audio/GameSound.h"
#include "common/Exception.h"
#include "common/LastMessage.h"
#include "engine/GameEngine.h"
#include "engine/units/ForceField.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/Info.h"
#include "engine/units/PlayerGraphics.h"
#include "engine/units/TerrainGraphics.h"
#include "engine/units/UnitClasses.h"
#include "platform/Display.h"
#include "platform/EditorWindow.h"
#include "platform/ModalWindow.h"
#include "platform/ProcessorClock.h"
#include "platform/TtfTextService.h"
#include "render/ColourTables.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/DisplayChoice.h"
#include "render/MenuFont.h"
#include "render/SidePanel.h"
#include "render/TextService.h"
#include "render/TileSheets.h"
#include "ui/DeathPictures.h"
#include "ui/DisplayQuestion.h"
#include "ui/MenuPictures.h"
#include "ui/PopupPictures.h"

namespace qn2 {

namespace {

constexpr const char* BasicTiles = "BasicTiles.jpg";
constexpr const char* BasicOverlay = "BasicOverlay.jpg";

// Names the step in the last-operation text, then runs it.
template <typename Step>
void LoggedStep(const char* name, Step step) {
  LastMessage = name;
  step();
}

}  // namespace

void tMainWindow::DeferredStartup() {
  ProcessPendingMessages();
  SDL_Delay(10);
  ProcessPendingMessages();
  ApplyDeferredSwitches(Options.GameArgs, Settings, Startup);
  try {
    DisplayMode = SettingsDisplayMode();
    SetUpEverything();
    StartRequestedPlay();
  } catch (const Exception& e) {
    Engine->SetFrameSurface(nullptr);
    Display->ReleaseDisplay();
    Display->ReleaseDirectDraw();
    ShowMessage(std::string(e.what()) + " at " + HexAddress(e.RaisedAt()) + "\r" +
                "Last operation performed: " + LastMessage);
    ExitStatus = 1;
    Busy = false;
    QuitRequested = true;
    Closed = true;
  }
}

void tMainWindow::SetUpEverything() {
  DebugMessage("SetUpEverything begins");
  Desktop16Bit = Display->Desktop16Bit();
  Busy = true;

  GameSound->FillDriverLists();
  GameSound->InitAudio();
  SetSound(GameSound.get());
  ProcessPendingMessages();

  if (DisplayMode == 0 && !Desktop16Bit) DisplayMode = ChooseDisplay();
  Gamma = Settings.DisplayBrightness;
  Display->InitDirectDraw();
  Engine->SetFrameSurface(
      &Display->InitDisplay(DisplayMode, Settings.SystemMemoryBackBuffer, ForceExclusive));
  ActiveDisplayMode = Display->DisplayType();

  Engine->FrameSurface().FillSurface(0);
  DebugMessage("Enabling timer");
  if (!Options.Headless) Timer.SetEnabled(true);
  DebugMessage("Timer Enabled");
  FitWindowToScreen();

  LoadGraphics();
  SDL_RaiseWindow(Window);

  DebugMessage("Initializing the little bits that aren't Graphics or sounds.");
  Engine->FullRedraw = true;
  Engine->LiveInput.Resync(KeyState);
  DebugMessage("Little bits initialised.");

  if (!Engine) throw Exception("Engine was nil at SetUpEverything");
  if (Engine->GameInProgress)
    Engine->StartCurrentEntry();
  else
    Engine->OpenMenuWithSound();

  DebugMessage("Initializing editor");
  EditorWindow->Initialise();
  DebugMessage("Editor initialized");
  Busy = false;
  DebugMessage("SetUpEverything ends");
  SetupDone = true;
}

void tMainWindow::LoadGraphics() {
  DebugMessage("Loading Graphics data");
  LoggedStep("LoadGameEngineGraphicsData", LoadGameEngineGraphicsData);
  LoggedStep("LoadPlayerGraphicsData", LoadPlayerGraphicsData);
  LoggedStep("LoadUnitGraphicsData", LoadUnitGraphicsData);
  LoggedStep("LoadSidePanelGraphicsData", LoadSidePanel);
  LoggedStep("LoadFontGraphicsData", LoadMenuFont);
  LoggedStep("LoadMenuGraphicsData", LoadMenuGraphics);
  LoggedStep("LoadEndOfLevelPopupsGraphicsData", LoadEndOfLevelPopupGraphics);
  DebugMessage("Setting tile set");
  TileSheet.SetPicture(BasicTiles, GetDib(BasicTiles, true));
  OverlaySheet.SetPicture(BasicOverlay, GetDib(BasicOverlay, true));
  DebugMessage("Tile set set");
  DebugMessage("Graphics data Loaded");
}

// Everything the set-up made goes; the engine, its episode and level stay.
void tMainWindow::FreeEverything() {
  ShuttingDown = true;
  Timer.SetEnabled(false);
  Screens.Leave();
  EditorWindow->Finalise();
  Engine->SetFrameSurface(nullptr);
  DebugMessage("Freeing Graphics data");
  FreeForceFieldTextures();
  FreeTerrainGraphicsData();
  FreeSidePanel();
  FreeMenuFont();
  TileSheet.SetPicture("", nullptr);
  OverlaySheet.SetPicture("", nullptr);
  ClearDibs();
  DebugMessage("Graphics Data Freed");
  Display->ReleaseDisplay();
  Display->ReleaseDirectDraw();
  SetSound(nullptr);
  GameSound->ShutDownAudio();
  SetupDone = false;
  ShuttingDown = false;
}

// --entry and --level, once the game is up.
void tMainWindow::StartRequestedPlay() {
  if (StartedRequestedPlay) return;
  StartedRequestedPlay = true;
  if (Options.Entry) {
    const auto count = Engine->Episode.Count();
    if (*Options.Entry >= count)
      throw Exception("--entry " + std::to_string(*Options.Entry) + ": the episode has " +
                      std::to_string(count) + " entries");
    if (IsMenuMode(Engine->GameMode)) Engine->CloseMenu();
    Engine->GoToEntry(*Options.Entry);
  } else if (Options.LevelFile) {
    if (IsMenuMode(Engine->GameMode)) Engine->CloseMenu();
    Engine->GameInProgress = true;
    Engine->LevelLabel = "";
    Engine->LoadLevelWithMusic(*Options.LevelFile);
    for (const std::string& problem : Engine->LevelLoadProblems) ShowMessage(problem);
  }
}

// The display type when the desktop is not 16-bit: asking only on slow machines.
std::int32_t tMainWindow::ChooseDisplay() {
  return ChooseDisplayType(
      DisplayMode, Desktop16Bit, !Startup.AskDisplayMode,
      [] {
        ProcessorMHz = MeasureProcessorMHz();
        return ProcessorMHz;
      },
      [this] {
        // The question's small dialog face.
        tTtfTextService face(tTtfTextService::DefaultFontFiles(), 12);
        tDisplayQuestion question(&face);
        return RunModal(Window, question, false, tDisplayQuestion::Caption);
      });
}

void tMainWindow::FitWindowToScreen() {
  SDL_Rect usable{};
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(Window), &usable) != 0) return;
  if (ActiveDisplayMode >= 2) return;
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(Window, &x, &y);
  SDL_GetWindowSize(Window, &w, &h);
  if (x + w > usable.x + usable.w) x = usable.x + (usable.w - w) / 2;
  if (y + h > usable.y + usable.h) y = usable.y + (usable.h - h) / 2;
  SDL_SetWindowPosition(Window, x, y);
}

std::int32_t tMainWindow::SettingsDisplayMode() const {
  return DisplayModeFromSettings(Settings.FullScreen, Settings.BitBlt);
}

// Everything is freed and set up again in the display mode given; the engine, its episode
// and level stay. Refused (false) while a set-up or a teardown runs.
bool tMainWindow::SetUpAgain(std::int32_t mode) {
  if (Busy || ShuttingDown) return false;
  Busy = true;
  FreeEverything();
  DisplayMode = mode;
  Display->SetDisplayType(mode);
  SetUpEverything();
  return true;
}

void tMainWindow::ChangeDisplayMode(std::int32_t mode) {
  if (SetUpAgain(mode)) Engine->CurrentInput->Resync(KeyState);
}

void tMainWindow::ReloadData() {
  if (Busy || ShuttingDown) return;
  PaintStatusText("Reloading data...");
  SetUpAgain(SettingsDisplayMode());
}

void tMainWindow::DisplayChanged() {
  if (ActiveDisplayMode > 1) return;
  Desktop16Bit = Display->Desktop16Bit();
  SetUpAgain(SettingsDisplayMode());
}

void tMainWindow::ReinitialiseAudio() {
  ReinitAudio = true;
  PaintStatusText("Reinitializing audio");
  try {
    GameSound->ReinitAudio();
  } catch (const Exception& e) {
    ShowMessage(e.what());
  }
  ProcessPendingMessages();
  ReinitAudio = false;
}

// A line of white text centred on black over the whole frame, shown at once (also while
// a set-up runs, as soon as the display is up).
void tMainWindow::PaintStatusText(const std::string& text) {
  if (!Display->Ready() || Display->Frame() == nullptr) return;
  tDib16& frame = *Display->Frame();
  frame.FillSurface(0);
  const tPoint size = GameTextExtent(text);
  DrawGameText(frame, (frame.Width() - size.X) / 2, (frame.Height() - size.Y) / 2, text, 0xFFFFFF);
  Display->Present();
  Engine->FullRedraw = true;
}

// Closing: refused while a set-up runs; otherwise everything is saved and freed in order,
// and nothing that fails on the way keeps the window open.
bool tMainWindow::CloseQuery(bool askEditor) {
  if (Busy) return false;
  if (askEditor && EditorWindow && !EditorWindow->MayClose()) return false;
  QuitRequested = true;
  try {
    Timer.SetEnabled(false);
    SDL_Delay(Options.Headless ? 0 : 100);
    ProcessPendingMessages();
    SaveConfig(Settings);
  } catch (const Exception& e) {
    std::cerr << "QuibNar2: " << e.what() << std::endl;
  }
  try {
    if (SetupDone) FreeEverything();
  } catch (const Exception&) {
  }
  Closed = true;
  return true;
}

}  // namespace qn2
