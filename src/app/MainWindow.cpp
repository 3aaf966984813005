#include "app/MainWindow.h"

#include <cctype>
#include <iostream>

#include "app/WindowMessages.h"
#include "audio/GameSound.h"
#include "common/Exception.h"
#include "common/KeepAlive.h"
#include "data/PackageFiles.h"
#include "engine/GameEngine.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/UnitClasses.h"
#include "platform/Display.h"
#include "platform/EditorWindow.h"
#include "platform/MixerSoundLibrary.h"
#include "platform/ModalWindow.h"
#include "platform/TtfTextService.h"
#include "platform/VideoPlayer.h"
#include "render/TextService.h"
#include "ui/DeathPictures.h"
#include "ui/GameScreens.h"
#include "ui/VideoScreen.h"

namespace qn2 {

namespace {

constexpr const char* ApplicationTitle = "QuibNar2";

}  // namespace

std::int32_t TicksForFrame(std::int32_t periods, std::int32_t tickCount) {
  if (periods < 1) periods = 1;
  if (periods > tMainWindow::MaxTicksPerFrame) periods = tMainWindow::MaxTicksPerFrame;
  return tickCount > 1 ? periods : 1;
}

std::string FolderUrl(const std::string& absolutePath) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char c : absolutePath) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      url += c;
    } else {
      url += '%';
      url += Hex[byte >> 4];
      url += Hex[byte & 0xF];
    }
  }
  return url;
}

tPoint BoardCellAt(tPoint framePixel) {
  const std::int32_t x = framePixel.X - 128;
  const std::int32_t y = framePixel.Y;
  if (x < 0 || y < 0) return {-1, -1};
  const tPoint cell{x / 32, y / 32};
  if (cell.X > 15 || cell.Y > 14) return {-1, -1};
  return cell;
}

tMainWindow::tMainWindow(const tProgramOptions& options)
    : Options(options), Timer([this](std::int32_t periods) { FrameEvent(periods); }) {
  if (Options.ScriptFile) Script = tAutomationScript::Load(*Options.ScriptFile);
  Window = SDL_CreateWindow(ApplicationTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640,
                            480, SDL_WINDOW_HIDDEN);
  if (Window == nullptr)
    throw EDeviceError(std::string("The game window could not be created: ") + SDL_GetError());
  Display = std::make_unique<tDisplay>(Window);
  Text = std::make_unique<tTtfTextService>();
  TextService = Text.get();
  tMenuServices& services = MenuScreens.Shared().Services;
  services.ReloadData = [] { PostWindowMessage(wmReloadData); };
  services.ReinitAudio = [] { PostWindowMessage(wmReinitAudio); };
  services.DriverNames = [this](int outputType) { return GameSound->DriverNames(outputType); };
  RegisterGameScreens(
      Screens,
      [this](tModalContent& content) { return RunModal(Window, content, ActiveDisplayMode >= 2); },
      MenuScreens.Shared());
  auto video = std::make_unique<tVideoScreen>(
      [this](const std::string& fileName) { return OpenGameVideo(fileName, !Options.Headless); });
  VideoScreen = video.get();
  Screens.Register(std::move(video), {gmVideo});
  SetKeepAliveHandler([this] { ProcessPendingMessages(); });

  MountPackage(GamePackageFileName);
  for (const char* folder : GameDataFolders) AddSearchFolder(folder);

  // Sound reads its samples and modules through the game's files from here on.
  SoundLibrary = CreateMixerSoundLibrary();
  GameSound = std::make_unique<tGameSound>(*SoundLibrary);

  LoadConfig(Settings, *this);
  ApplyWindowSwitches(Options.GameArgs, Settings, Startup,
                      [](const std::string& name) { return PackagedFileExists(name); });
  ActiveDisplayMode = 1;
  VideoScreen->Enabled = !Startup.NoVideo;
  // Scripted runs step the video with the ticks, so that they see the same pictures each time.
  if (!Options.Headless && !Script)
    VideoScreen->Clock = [] { return static_cast<std::int64_t>(SDL_GetTicks64()); };
  ForceExclusive = !Startup.DontForceExclusiveMode;

  SetUpUnitRules();
  Engine = std::make_unique<tGameEngine>();
  GameEngine = Engine.get();
  Engine->Frames = &Composer;
  Engine->Menus = &MenuScreens;
  Engine->Pointer = this;
  Engine->Messages = this;
  Ghost = CreateOOTPlayer();
  Engine->SetOOTPlayer(Ghost.get());
  Engine->OnPlayerKilled = ChooseDeathPictureFor;
  HintDisplay = this;
  AcceptsInput = true;
  Engine->LoadEpisode(Startup.LevelSetFileName);
  EditorWindow = std::make_unique<tEditorWindow>(*Engine, Window);
  EditorWindow->TraceQuestions = Options.Headless || Script.has_value();
  EditorWindow->GameCellAt = [this](tPoint client) {
    int width = 0, height = 0;
    SDL_GetWindowSize(Window, &width, &height);
    if (client.X < 0 || client.Y < 0 || client.X >= width || client.Y >= height)
      return tPoint{-1, -1};
    return BoardCellAt(Display->ClientToFrame(client));
  };
  SDL_SetWindowTitle(Window, ApplicationTitle);
}

tMainWindow::~tMainWindow() {
  Timer.SetEnabled(false);
  SetKeepAliveHandler(nullptr);
  if (HintDisplay == this) HintDisplay = nullptr;
  if (SetupDone) FreeEverything();
  SetSound(nullptr);
  EditorWindow.reset();
  GameEngine = nullptr;
  Engine.reset();
  Ghost.reset();
  Display.reset();
  GameSound.reset();
  SoundLibrary.reset();
  TextService = nullptr;
  Text.reset();
  if (Window != nullptr) SDL_DestroyWindow(Window);
}

void tMainWindow::ShowMessage(const std::string& text) {
  if (Options.Headless) {
    std::string line = text;
    for (char& c : line)
      if (c == '\r') c = '\n';
    std::cerr << ApplicationTitle << ": " << line << std::endl;
    return;
  }
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, ApplicationTitle, text.c_str(), Window);
}

void tMainWindow::ReportError(const std::string& text) {
  if (text == LastReportedError) return;
  LastReportedError = text;
  ShowMessage(text);
}

tPoint tMainWindow::CursorPosition() const {
  if (ScriptedCursor) return *ScriptedCursor;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  return Display->ClientToFrame({x, y});
}

// The cursor is already in frame pixels, so the engine's scaling is one to one.
tPoint tMainWindow::ClientSize() const {
  return {640, 480};
}

int tMainWindow::Run() {
  const std::optional<std::int64_t> limit = Options.TickLimit();
  if (Options.Headless) return RunScripted(*limit);
  SDL_ShowWindow(Window);
  PostWindowMessage(wmDeferredStartup);
  SDL_Event event;
  while (!Closed && SDL_WaitEvent(&event) == 1) {
    HandleEvent(event);
    if (limit && FrameEvents >= *limit && !Closed) CloseQuery(false);
  }
  return ExitStatus;
}

// Automation without a screen: the start-up, then frame events back to back, each
// carrying one timer period, with the script's input before each.
int tMainWindow::RunScripted(std::int64_t limit) {
  DeferredStartup();
  while (!Closed && FrameEvents < limit) {
    ProcessPendingMessages();
    if (Closed) break;
    try {
      FrameEvent(1);
    } catch (const std::exception& e) {
      ReportError(e.what());
    }
  }
  if (!Closed) CloseQuery(false);
  return ExitStatus;
}

}  // namespace qn2
