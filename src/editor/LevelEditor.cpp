#include "editor/LevelEditor.h"

#include <algorithm>
#include <filesystem>

#include "common/Exception.h"
#include "editor/PropertyRows.h"
#include "engine/GameEngine.h"
#include "engine/board/UnitRegistry.h"

namespace qn2 {

namespace {

constexpr int PaletteWidth = 160;
constexpr int PaletteHeight = 320;
constexpr int TemplateBoxHeight = 168;

int IndexOf(const tLevel& level, const tUnit* unit) {
  return unit == nullptr ? -1 : level.Units.IndexOf(unit);
}

}  // namespace

tLevelEditor::tLevelEditor(tGameEngine& engine, tEditorHost& host) : Engine(engine), Host(host) {
  std::error_code error;
  StartFolder = std::filesystem::current_path(error).string();
  TilePalette.SetSize(PaletteWidth, PaletteHeight);
  OverlayPalette.SetSize(PaletteWidth, PaletteHeight);
  Templates.SetSize(PaletteWidth, TemplateBoxHeight);
}

tLevelEditor::~tLevelEditor() {
  Engine.OnLevelLoaded = nullptr;
  if (Engine.CursorSprite != nullptr && TemplateArmed) Engine.CursorSprite = nullptr;
}

void tLevelEditor::Initialise(const std::vector<std::string>& packageNames) {
  Lists = BuildPackageLists(packageNames);
  Engine.OnLevelLoaded = [this](tGameEngine&) { LevelLoaded(); };
  LevelLoaded();
}

tLevel& tLevelEditor::Level() const {
  return Engine.Level;
}

void tLevelEditor::ShowLevelTexts() {
  TitleText = Level().Title;
  BackgroundText = Level().BackgroundName;
  MusicText = Level().MusicName;
}

void tLevelEditor::LevelLoaded() {
  ShowLevelTexts();
  if (Loading || TestPlayDesign) return;
  // A level the game itself loaded: a new start for the history.
  Steps.Clear();
  Serial = SavedSerial = NextSerial++;
  Selected = nullptr;
  Stroke = {};
}

// --- State and selection --------------------------------------------------------------------

tUnit* tLevelEditor::SelectedUnit() const {
  if (Selected == nullptr) return nullptr;
  for (const auto& unit : Level().Units)
    if (unit.get() == Selected) return unit->Temporary ? nullptr : Selected;
  return nullptr;
}

void tLevelEditor::SelectUnit(tUnit* unit) {
  Selected = unit;
}

std::string tLevelEditor::SelectedUnitLabel() const {
  const tUnit* unit = SelectedUnit();
  if (unit == nullptr) return "(none)";
  return UnitRegistry.NameOf(*unit) + " at " + std::to_string(unit->InitialX) + "," +
         std::to_string(unit->InitialY);
}

tEditState tLevelEditor::Present() const {
  return {tLevelDesign::Capture(Level()), IndexOf(Level(), SelectedUnit()), Serial};
}

void tLevelEditor::Restore(const tEditState& state) {
  const bool newLook = state.Design.TileSetName != Level().TileSetName ||
                       state.Design.OverlayTileSetName != Level().OverlayTileSetName ||
                       state.Design.BackgroundName != Level().BackgroundName;
  state.Design.ApplyTo(Level());
  Engine.LevelTitleText = Level().Title;
  if (newLook) {
    Loading = true;
    Engine.ApplyLevelLook();
    Loading = false;
  }
  if (state.Design.MusicName != Engine.MusicFileName && !Engine.Editing)
    Engine.SetMusic(state.Design.MusicName);
  ResetAll();
  Selected = state.Selected >= 0 && state.Selected < static_cast<int>(Level().Units.Count())
                 ? Level().Units[static_cast<std::size_t>(state.Selected)]
                 : nullptr;
  Serial = state.Serial;
  ShowLevelTexts();
}

void tLevelEditor::Commit(tEditState before, const std::string& what,
                          const std::string& mergeKind) {
  if (tLevelDesign::Capture(Level()) == before.Design) return;
  Steps.Record(std::move(before), what, mergeKind);
  Serial = NextSerial++;
  LevelChanged();
}

void tLevelEditor::ResetAll() {
  Level().ResetAll();
}

// The level in play is no longer the one its file holds: a run of it is nobody's best.
void tLevelEditor::LevelChanged() {
  Engine.LevelKey.reset();
}

// --- The tool window's controls -----------------------------------------------------------

void tLevelEditor::SetEditing(bool on) {
  EditingBox = on;
  if (!on && Engine.GameMode == gmEditing) StartTestPlay();
  SetEngineEditing(on);
  if (on) {
    if (Engine.GameMode != gmEditing) SavedMode = Engine.GameMode;
    Engine.SetGameMode(gmEditing);
    Engine.SetMusic("");
    EndTestPlay();
  } else if (Engine.GameMode == gmEditing) {
    Engine.SetGameMode(SavedMode == gmEditing ? gmNone : SavedMode);
    Host.FocusGameWindow();
  }
  Stroke = {};
  Engine.ResetLevel(false);
}

void tLevelEditor::StartTestPlay() {
  TestPlayDesign = tLevelDesign::Capture(Level());
  TestPlayFileName = Engine.LevelFileName;
  TestPlaySelected = IndexOf(Level(), SelectedUnit());
}

// Back from a test: the level exactly as it was edited, whatever the play did to it (or
// whichever level the game went on to).
void tLevelEditor::EndTestPlay() {
  if (!TestPlayDesign) return;
  tEditState state{*TestPlayDesign, TestPlaySelected, Serial};
  Engine.LevelFileName = TestPlayFileName;
  Restore(state);
  TestPlayDesign.reset();
}

void tLevelEditor::Show() {
  Visible = true;
  Engine.ShowCursor = true;
  Engine.ShowSolid = ShowSolidBox;
  SetEngineEditing(EditingBox);
}

void tLevelEditor::Hide() {
  CancelSolve();
  Visible = false;
  Engine.ShowCursor = false;
  Engine.ShowSolid = false;
  SetEngineEditing(false);
  MouseUp();
}

// The engine's editing view; its background is rebuilt only when the view changes, and a
// backdrop that cannot be loaded (no level yet) is reported rather than raised.
void tLevelEditor::SetEngineEditing(bool on) {
  if (Engine.Editing == on) return;
  try {
    Engine.SetEditing(on);
  } catch (const Exception& e) {
    Engine.Editing = on;
    LastError = e.message();
  }
}

void tLevelEditor::ToggleVisible() {
  if (Visible)
    Hide();
  else
    Show();
}

void tLevelEditor::SetShowSolid(bool on) {
  ShowSolidBox = on;
  Engine.ShowSolid = on && Visible;
}

void tLevelEditor::SetPage(const std::string& caption) {
  if (caption == "Tiles")
    EditPage = PageTiles;
  else if (caption == "Overlay")
    EditPage = PageOverlay;
  else if (caption == "Objects")
    EditPage = PageObjects;
  else
    EditPage = PageNone;
}

void tLevelEditor::ChooseTile(int index) {
  SelectedTile = std::clamp(index, 0, tTilePalette::TileCount - 1);
}

void tLevelEditor::ChooseOverlay(int index) {
  SelectedOverlay = std::clamp(index, 0, tTilePalette::TileCount - 1);
}

void tLevelEditor::ClickTemplateBox(int x, int y) {
  const auto index = Templates.IndexAt(x, y, UnitRegistry.Count());
  if (!index || (TemplateArmed && *index == TemplateIndex)) return;
  TemplateIndex = *index;
  SetTemplateArmed(true);
}

void tLevelEditor::SetTemplateArmed(bool armed) {
  const bool known = TemplateIndex >= 0 && TemplateIndex < static_cast<int>(UnitRegistry.Count());
  TemplateArmed = armed && known;
  Engine.CursorSprite =
      TemplateArmed ? UnitRegistry[static_cast<std::size_t>(TemplateIndex)]->Icon : nullptr;
}

std::optional<std::string> tLevelEditor::SetProperty(const std::string& name,
                                                     const std::string& text) {
  tUnit* unit = SelectedUnit();
  if (unit == nullptr) return "No unit is selected";
  tEditState before = Present();
  auto refusal = WriteProperty(*unit, name, text);
  if (refusal) return refusal;
  ResetAll();
  Commit(std::move(before), "change " + name);
  return std::nullopt;
}

void tLevelEditor::SetTitle(const std::string& text) {
  TitleText = text;
  tEditState before = Present();
  Level().Title = text;
  Engine.LevelTitleText = text;
  Commit(std::move(before), "change the title", "title");
}

bool tLevelEditor::ChooseBackground(const std::string& text) {
  BackgroundText = text;
  const auto name = MatchListItem(Lists.Backgrounds, text);
  if (!name) return false;
  tEditState before = Present();
  Level().BackgroundName = *name;
  try {
    Engine.SetBackground(*name);
  } catch (const Exception& e) {
    LastError = e.message();
    Level().BackgroundName = before.Design.BackgroundName;
    Engine.SetBackground(Level().BackgroundName);
    return false;
  }
  Commit(std::move(before), "change the backdrop");
  return true;
}

bool tLevelEditor::ChooseMusic(const std::string& text) {
  MusicText = text;
  const auto name = MatchListItem(Lists.Music, text);
  if (!name) return false;
  tEditState before = Present();
  Level().MusicName = *name;
  Engine.SetMusic(*name);
  Commit(std::move(before), "change the music");
  return true;
}

// --- Keys ------------------------------------------------------------------------------------

bool tLevelEditor::KeyDown(std::uint16_t key, bool toolWindowActive, bool control) {
  if (key == KeyF11) {
    ToggleVisible();
    return true;
  }
  if (!EditingBox || !Engine.Editing) return false;
  if (control) {
    if (key == KeyZ) return Undo();
    if (key == KeyY) return Redo();
    return false;
  }
  if (toolWindowActive) return false;
  if (key == KeyA) {
    SetTemplateArmed(true);
    return true;
  }
  if (key == KeyDelete && EditPage == PageObjects && SelectedUnit() != nullptr) {
    DeleteSelected();
    return true;
  }
  return false;
}

// --- Undo ------------------------------------------------------------------------------------

bool tLevelEditor::Undo() {
  MouseUp();
  auto state = Steps.Undo(Present());
  if (!state) return false;
  Restore(*state);
  LevelChanged();
  return true;
}

bool tLevelEditor::Redo() {
  MouseUp();
  auto state = Steps.Redo(Present());
  if (!state) return false;
  Restore(*state);
  LevelChanged();
  return true;
}

}  // namespace qn2
