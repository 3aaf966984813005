#include "platform/EditorWindow.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>
#include <imgui_internal.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "common/Exception.h"
#include "data/PackageFiles.h"
#include "editor/ToolWindowLayout.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "platform/Display.h"
#include "platform/KeyMap.h"
#include "platform/WindowShot.h"

namespace qn2 {

namespace {

constexpr std::uint16_t VkControl = 17;

// A folder of this program's own for the editor's searches.
std::string SolveFolderPath() {
  std::error_code error;
  std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) temporary = "/tmp";
  return (temporary / ("quibnar2-solve-" + std::to_string(getpid()))).string();
}

// Makes the window's context current for the lifetime of the object.
class tContextScope {
 public:
  explicit tContextScope(ImGuiContext* context) : Previous(ImGui::GetCurrentContext()) {
    ImGui::SetCurrentContext(context);
  }
  ~tContextScope() { ImGui::SetCurrentContext(Previous); }
  tContextScope(const tContextScope&) = delete;
  tContextScope& operator=(const tContextScope&) = delete;

 private:
  ImGuiContext* Previous;
};

}  // namespace

tEditorWindow::tEditorWindow(tGameEngine& engine, SDL_Window* gameWindow)
    : Engine(engine), GameWindow(gameWindow), Logic(engine, *this) {
  Window = SDL_CreateWindow("Level editor", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, Width,
                            Height, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALWAYS_ON_TOP);
  if (Window == nullptr)
    throw EDeviceError(std::string("The editor window could not be created: ") + SDL_GetError());
  Renderer = CreateRendererWithFallback(Window);
  if (Renderer == nullptr) {
    SDL_DestroyWindow(Window);
    throw EDeviceError(std::string("The editor window cannot draw: ") + SDL_GetError());
  }
  ImGuiContext* previous = ImGui::GetCurrentContext();
  Context = ImGui::CreateContext();
  ImGui::SetCurrentContext(Context);
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;
  ImGui::StyleColorsDark();
  ImGuiStyle& style = ImGui::GetStyle();
  style.WindowPadding = ImVec2(4, 4);
  style.FramePadding = ImVec2(4, 2);
  style.ItemSpacing = ImVec2(4, 3);
  style.WindowRounding = 0;
  style.ScrollbarSize = 12;
  ImGui_ImplSDL2_InitForSDLRenderer(Window);
  ImGui_ImplSDLRenderer_Init(Renderer);
  ImGui::SetCurrentContext(previous);
  SolveFolder = SolveFolderPath();
  Logic.SetUpSolve(SolveRunner, SolveFolder);
}

tEditorWindow::~tEditorWindow() {
  Logic.CancelSolve();
  std::error_code ignored;
  std::filesystem::remove_all(SolveFolder, ignored);
  Finalise();
  {
    tContextScope scope(Context);
    ImGui_ImplSDLRenderer_Shutdown();
    ImGui_ImplSDL2_Shutdown();
  }
  ImGui::DestroyContext(Context);
  SDL_DestroyRenderer(Renderer);
  SDL_DestroyWindow(Window);
}

void tEditorWindow::Initialise() {
  std::vector<std::string> names;
  for (const char* extension : {".jpg", ".xm", ".oxm"}) ListPackagedFiles(extension, names);
  Logic.Initialise(names);
  Initialised = true;
}

void tEditorWindow::Finalise() {
  TilesTexture.Release();
  OverlayTexture.Release();
  TemplateTexture.Release();
  TilesSurface.SetWidth(1);
  OverlaySurface.SetWidth(1);
  TemplateSurface.SetWidth(1);
  Initialised = false;
}

// --- Events ------------------------------------------------------------------------------------

bool tEditorWindow::HandleEvent(const SDL_Event& event) {
  Uint32 windowId = 0;
  switch (event.type) {
    case SDL_WINDOWEVENT:
      windowId = event.window.windowID;
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      windowId = event.key.windowID;
      break;
    case SDL_TEXTINPUT:
      windowId = event.text.windowID;
      break;
    case SDL_MOUSEMOTION:
      windowId = event.motion.windowID;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      windowId = event.button.windowID;
      break;
    case SDL_MOUSEWHEEL:
      windowId = event.wheel.windowID;
      break;
    default:
      return false;
  }
  if (windowId != SDL_GetWindowID(Window)) return false;
  if (event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN) ScriptedPointer.reset();
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) {
    Logic.Hide();
    FollowVisibility();
    return true;
  }
  // The back-end only knows which keys are down at each frame: a key that goes down and up
  // between two frames comes up after the next one, so the frame sees it pressed.
  if (event.type == SDL_KEYDOWN) KeysDownSinceFrame.insert(event.key.keysym.scancode);
  if (event.type == SDL_KEYUP && KeysDownSinceFrame.count(event.key.keysym.scancode) != 0) {
    HeldKeyUps.push_back(event);
    return true;
  }
  {
    tContextScope scope(Context);
    ImGui_ImplSDL2_ProcessEvent(&event);
  }
  if (event.type == SDL_KEYDOWN) ToolKeyDown(event.key);
  // A stroke on the level follows the mouse and ends wherever the button is let go, also
  // when the tool window has taken the mouse.
  if (event.type == SDL_MOUSEMOTION && Logic.Dragging() && GameCellAt) {
    int toolX = 0, toolY = 0, gameX = 0, gameY = 0;
    SDL_GetWindowPosition(Window, &toolX, &toolY);
    SDL_GetWindowPosition(GameWindow, &gameX, &gameY);
    Logic.MouseMove(GameCellAt({toolX + event.motion.x - gameX, toolY + event.motion.y - gameY}));
  }
  if (event.type == SDL_MOUSEBUTTONUP && Logic.Dragging()) Logic.MouseUp();
  FollowVisibility();
  return true;
}

// The tool window's own keys: F11, and undo and redo unless a text field takes them.
void tEditorWindow::ToolKeyDown(const SDL_KeyboardEvent& key) {
  const std::uint16_t code = VirtualKeyFromSdl(key.keysym.sym);
  if (code == 0) return;
  bool typing = false;
  {
    tContextScope scope(Context);
    typing = ImGui::GetIO().WantTextInput;
  }
  const bool control = (key.keysym.mod & KMOD_CTRL) != 0;
  if (code == tLevelEditor::KeyF11 || (control && !typing)) Logic.KeyDown(code, true, control);
}

bool tEditorWindow::GameKeyDown(std::uint16_t key, bool control) {
  const bool used = Logic.KeyDown(key, false, control);
  FollowVisibility();
  return used || EditingLevel();
}

bool tEditorWindow::EditingLevel() const {
  return Logic.EditingBox && Engine.Editing;
}

void tEditorWindow::GameMouseButton(tPoint cell, std::uint16_t button, bool down, bool shift) {
  if (button != vk::LButton && button != vk::RButton) return;
  if (down)
    Logic.MouseDown(
        cell, button == vk::LButton ? tLevelEditor::tButton::Left : tLevelEditor::tButton::Right,
        shift);
  else
    Logic.MouseUp();
}

void tEditorWindow::GameMouseMove(tPoint cell) {
  Logic.MouseMove(cell);
}

bool tEditorWindow::MayClose() {
  if (Logic.QuitAgreed || !Logic.Modified()) return true;
  Logic.Request(tLevelEditor::tFileAction::Quit);
  if (Logic.QuitAgreed) return true;
  if (!Logic.Visible) Logic.Show();
  FollowVisibility();
  SDL_RaiseWindow(Window);
  return false;
}

void tEditorWindow::FocusGameWindow() {
  SDL_RaiseWindow(GameWindow);
}

// The window follows the editor's visibility; when it appears it goes beside the game.
void tEditorWindow::FollowVisibility() {
  if (Logic.Visible == Shown) return;
  Shown = Logic.Visible;
  if (!Shown) {
    SDL_HideWindow(Window);
    return;
  }
  int gameX = 0, gameY = 0, gameW = 0, gameH = 0, x = 0, y = 0;
  SDL_GetWindowPosition(GameWindow, &gameX, &gameY);
  SDL_GetWindowSize(GameWindow, &gameW, &gameH);
  SDL_GetWindowPosition(Window, &x, &y);
  SDL_Rect screen{0, 0, 0, 0};
  SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(GameWindow), 0), &screen);
  const tPoint place = ToolWindowPlace({gameX, gameY}, {gameW, gameH}, Width, screen.w, {x, y});
  SDL_SetWindowPosition(Window, place.X, place.Y);
  SDL_SetWindowAlwaysOnTop(Window, Logic.StayOnTop ? SDL_TRUE : SDL_FALSE);
  SDL_ShowWindow(Window);
}

// --- Frames ------------------------------------------------------------------------------------

void tEditorWindow::Refresh(tPoint gameClientSize, tPoint cell) {
  if (Logic.QuitAgreed) return;
  FollowSolve();
  FollowVisibility();
  if (!Shown && PendingShots.empty()) return;
  Status =
      StatusPanels(gameClientSize, Engine.CursorX >= 0 ? cell : tPoint{-1, -1}, Engine.TimerTicks);
  SDL_SetWindowTitle(Window, Logic.WindowTitle().c_str());
  Draw();
}

// What the search found; automation runs print each new state of it.
void tEditorWindow::FollowSolve() {
  Logic.PollSolve();
  const tLevelSolve* search = Logic.Search();
  if (!TraceQuestions || search == nullptr) return;
  const bool running = search->State() == tLevelSolve::tState::Running;
  const std::string state = std::to_string(static_cast<int>(search->State())) +
                            (search->AllJewels() ? " all " : " any ") +
                            (running ? "" : search->StatusText());
  if (state == TracedSolve) return;
  const bool first = TracedSolve.empty();
  TracedSolve = state;
  const std::string text = search->StatusText();
  if (!first || !text.empty())
    std::cout << "editor solve: " << (text.empty() ? "idle" : text) << std::endl;
}

void tEditorWindow::Draw() {
  tContextScope scope(Context);
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui_ImplSDL2_NewFrame();
  ImGuiIO& io = ImGui::GetIO();
  if (Logic.Dragging() && !ScriptedPointer && SDL_GetMouseFocus() != Window) {
    // The button held is the game window's (a stroke on the level): the tool window must not
    // see it, nor take the mouse, or the release would never reach the game window.
    for (bool& down : io.MouseDown) down = false;
    SDL_CaptureMouse(SDL_FALSE);
  }
  if (ScriptedPointer) {
    io.MousePos =
        ImVec2(static_cast<float>(ScriptedPointer->X), static_cast<float>(ScriptedPointer->Y));
    io.MouseDown[0] = false;
    if (!ScriptedPresses.empty()) {
      io.MouseDown[0] = ScriptedPresses.front();
      ScriptedPresses.pop_front();
    }
  }
  if (ScriptedControl) io.KeyCtrl = true;
  if (ScriptedShift) io.KeyShift = true;
  ImGui::NewFrame();
  try {
    DrawControls();
  } catch (const Exception& e) {
    // The frame's windows are closed for it; the editor says what went wrong.
    ImGui::ErrorCheckEndFrameRecover(nullptr);
    Logic.LastError = e.message();
  }
  ImGui::Render();
  KeysDownSinceFrame.clear();
  for (const SDL_Event& held : HeldKeyUps) ImGui_ImplSDL2_ProcessEvent(&held);
  HeldKeyUps.clear();
  SDL_SetRenderDrawColor(Renderer, 40, 40, 40, 255);
  SDL_RenderClear(Renderer);
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
  for (const std::string& file : PendingShots) {
    try {
      SaveRendererPng(Renderer, file);
    } catch (const Exception& e) {
      std::cerr << "QuibNar2: editor screenshot " << file << " failed: " << e.what() << std::endl;
    }
  }
  PendingShots.clear();
  SDL_RenderPresent(Renderer);
}

// --- Automation --------------------------------------------------------------------------------

void tEditorWindow::ScriptClick(int x, int y) {
  // As a hand does it: the pointer rests over the spot for a frame (some controls only take
  // a press over what was already under the pointer), then the button goes down and up.
  ScriptedPointer = tPoint{x, y};
  ScriptedPresses.push_back(false);
  ScriptedPresses.push_back(true);
  ScriptedPresses.push_back(false);
}

void tEditorWindow::ScriptKey(std::uint16_t key, bool down) {
  if (key == VkControl) ScriptedControl = down;
  if (key == vk::Shift) ScriptedShift = down;
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = SDL_GetWindowID(Window);
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = SdlKeyFromVirtualKey(key);
  event.key.keysym.scancode = SDL_GetScancodeFromKey(event.key.keysym.sym);
  event.key.keysym.mod =
      static_cast<Uint16>((ScriptedControl ? KMOD_LCTRL : 0) | (ScriptedShift ? KMOD_LSHIFT : 0));
  HandleEvent(event);
}

void tEditorWindow::ScriptText(const std::string& text) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = SDL_GetWindowID(Window);
  for (std::size_t start = 0; start < text.size(); start += sizeof event.text.text - 1) {
    const std::string part = text.substr(start, sizeof event.text.text - 1);
    std::memset(event.text.text, 0, sizeof event.text.text);
    std::memcpy(event.text.text, part.data(), part.size());
    HandleEvent(event);
  }
}

void tEditorWindow::ScriptShot(const std::string& fileName) {
  PendingShots.push_back(fileName);
}

void tEditorWindow::ScriptWaitForSolve() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
  while (Logic.Search() != nullptr && Logic.Search()->State() == tLevelSolve::tState::Running &&
         std::chrono::steady_clock::now() < deadline) {
    SDL_Delay(10);
    FollowSolve();
  }
}

}  // namespace qn2
