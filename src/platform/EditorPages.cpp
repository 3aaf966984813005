// The tool window's controls: the menu bar, the two check boxes, the pages, the property
// list, the template box, the Solve button, the status bar and the question about unsaved
// changes.
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iostream>
#include <sstream>

#include "editor/PropertyRows.h"
#include "engine/GameEngine.h"
#include "engine/board/UnitRegistry.h"
#include "platform/EditorWindow.h"
#include "render/TileSheets.h"

namespace qn2 {

namespace {

constexpr float NameColumn = 84;
constexpr float ScrollBarWidth = 12;
constexpr int TemplateBoxHeight = 168;
const ImVec4 NoteColour(1.0f, 0.75f, 0.3f, 1.0f);
const ImVec4 RefusalColour(1.0f, 0.4f, 0.4f, 1.0f);
const ImVec4 SolvedColour(0.5f, 0.9f, 0.5f, 1.0f);

// A text field over a string: true when its text changed (the new text in text).
bool TextField(const char* id, std::string& text, ImGuiInputTextFlags flags = 0) {
  char buffer[512];
  const std::size_t length = std::min(text.size(), sizeof buffer - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  if (!ImGui::InputText(id, buffer, sizeof buffer, flags)) return false;
  text = buffer;
  return true;
}

// A text field with a drop-down list of choices beside it, as an editable combo box.
void ChoiceField(const char* id, const std::string& shown, const std::vector<std::string>& items,
                 const std::function<void(const std::string&)>& choose) {
  const float button = ImGui::GetFrameHeight();
  ImGui::PushID(id);
  ImGui::SetNextItemWidth(ImGui::GetContentRegionAvail().x - button);
  std::string text = shown;
  if (TextField("##text", text)) choose(text);
  ImGui::SameLine(0, 0);
  if (ImGui::BeginCombo("##list", nullptr,
                        ImGuiComboFlags_NoPreview | ImGuiComboFlags_PopupAlignLeft)) {
    for (const std::string& item : items)
      if (ImGui::Selectable(item.c_str(), item == shown)) choose(item);
    ImGui::EndCombo();
  }
  ImGui::PopID();
}

// The text broken into lines at its spaces, each line as long as fits the width. (The
// wrapping of Dear ImGui also breaks after full stops and commas, inside "1,234" or "...";
// a word wider than the line is still broken by it.)
std::string WrappedAtSpaces(const std::string& text, float width) {
  std::string wrapped, line;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && ImGui::CalcTextSize(longer.c_str()).x > width) {
      wrapped += line + "\n";
      line = word;
    } else {
      line = longer;
    }
  }
  return wrapped + line;
}

}  // namespace

void tEditorWindow::DrawControls() {
  const ImGuiViewport* viewport = ImGui::GetMainViewport();
  ImGui::SetNextWindowPos(viewport->Pos);
  ImGui::SetNextWindowSize(viewport->Size);
  const ImGuiWindowFlags flags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                                 ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoCollapse |
                                 ImGuiWindowFlags_NoSavedSettings |
                                 ImGuiWindowFlags_NoBringToFrontOnFocus |
                                 (DialogOpen || Logic.DialogWanted ? 0 : ImGuiWindowFlags_MenuBar);
  ImGui::Begin("Level editor", nullptr, flags);
  if (DialogOpen || Logic.DialogWanted) {
    DrawFileDialog();
    ImGui::End();
    return;
  }
  DrawMenuBar();
  bool editing = Logic.EditingBox;
  if (ImGui::Checkbox("Editing", &editing)) Logic.SetEditing(editing);
  ImGui::SameLine();
  bool showSolid = Logic.ShowSolidBox;
  if (ImGui::Checkbox("Show Solid", &showSolid)) Logic.SetShowSolid(showSolid);
  DrawNotes();

  const float statusHeight = ImGui::GetFrameHeightWithSpacing();
  ImGui::BeginChild("pages", ImVec2(0, -statusHeight - SolveRowHeight()), false);
  if (ImGui::BeginTabBar("pagetabs")) {
    const std::pair<const char*, void (tEditorWindow::*)()> pages[] = {
        {"Tiles", &tEditorWindow::DrawTilesPage},
        {"Overlay", &tEditorWindow::DrawOverlayPage},
        {"Objects", &tEditorWindow::DrawObjectsPage},
        {"Vars", &tEditorWindow::DrawVarsPage}};
    for (const auto& [caption, draw] : pages) {
      if (!ImGui::BeginTabItem(caption)) continue;
      Logic.SetPage(caption);
      ImGui::BeginDisabled(!Logic.EditingBox);
      (this->*draw)();
      ImGui::EndDisabled();
      ImGui::EndTabItem();
    }
    ImGui::EndTabBar();
  }
  ImGui::EndChild();
  DrawSolveRow();
  DrawStatusBar();
  DrawQuestion();
  ImGui::End();
}

void tEditorWindow::DrawMenuBar() {
  if (!ImGui::BeginMenuBar()) return;
  if (ImGui::BeginMenu("File")) {
    if (ImGui::MenuItem("New")) Logic.Request(tLevelEditor::tFileAction::New);
    if (ImGui::MenuItem("Open...")) Logic.Request(tLevelEditor::tFileAction::Open);
    if (ImGui::MenuItem("Save")) Logic.Save();
    if (ImGui::MenuItem("Save As...")) Logic.DialogWanted = tFileBrowser::tPurpose::Save;
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu("Edit")) {
    const tEditHistory& history = Logic.History();
    const bool editing = Logic.EditingBox && Engine.Editing;
    if (ImGui::MenuItem(("Undo " + history.UndoName()).c_str(), "Ctrl+Z", false,
                        editing && history.CanUndo()))
      Logic.Undo();
    if (ImGui::MenuItem(("Redo " + history.RedoName()).c_str(), "Ctrl+Y", false,
                        editing && history.CanRedo()))
      Logic.Redo();
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu("Options")) {
    if (ImGui::MenuItem("Stay on top", nullptr, &Logic.StayOnTop))
      SDL_SetWindowAlwaysOnTop(Window, Logic.StayOnTop ? SDL_TRUE : SDL_FALSE);
    ImGui::EndMenu();
  }
  ImGui::EndMenuBar();
}

// The checks of the last save and the last file error, until they are put away.
void tEditorWindow::DrawNotes() {
  if (Logic.CheckNotes.empty() && Logic.LastError.empty()) return;
  ImGui::PushStyleColor(ImGuiCol_Text, NoteColour);
  if (!Logic.LastError.empty()) ImGui::TextWrapped("%s", Logic.LastError.c_str());
  for (const std::string& note : Logic.CheckNotes) ImGui::TextWrapped("- %s", note.c_str());
  ImGui::PopStyleColor();
  if (ImGui::SmallButton("OK##notes")) {
    Logic.CheckNotes.clear();
    Logic.LastError.clear();
  }
}

void tEditorWindow::DrawTilesPage() {
  DrawPalette(Logic.TilePalette, TilesSurface, TilesTexture, false);
  ImGui::Checkbox("Solid", &Logic.SolidBox);
  const std::pair<const char*, int> layers[] = {
      {"-1", -1}, {"0", 0}, {"1", 1}, {"None", tLevelEditor::LayerNone}};
  for (const auto& [caption, layer] : layers) {
    const bool down = Logic.TileLayer == layer;
    if (down)
      ImGui::PushStyleColor(ImGuiCol_Button, ImGui::GetStyleColorVec4(ImGuiCol_ButtonActive));
    if (ImGui::Button(caption, ImVec2(caption[1] == 'o' ? 40.0f : 28.0f, 0)))
      Logic.TileLayer = layer;
    if (down) ImGui::PopStyleColor();
    ImGui::SameLine();
  }
  ImGui::NewLine();
}

void tEditorWindow::DrawOverlayPage() {
  DrawPalette(Logic.OverlayPalette, OverlaySurface, OverlayTexture, true);
}

// A palette fills the page's width less its scroll bar, and its height less the controls
// below it; its picture is drawn by the editor and shown as a texture.
void tEditorWindow::DrawPalette(tTilePalette& palette, tDib16& surface, tDibTexture& texture,
                                bool overlay) {
  const ImVec2 room = ImGui::GetContentRegionAvail();
  const float below = overlay ? 0.0f : 2 * ImGui::GetFrameHeightWithSpacing();
  palette.SetSize(static_cast<int>(room.x - ScrollBarWidth - 4), static_cast<int>(room.y - below));
  const int width = std::max(palette.Columns() * tTilePalette::CellSize, 1);
  const int height = std::max(palette.Rows() * tTilePalette::CellSize, 1);
  if (surface.Width() != width) surface.SetWidth(width);
  if (surface.Height() != height) surface.SetHeight(height);
  palette.Draw(surface, overlay ? OverlaySheet : TileSheet,
               overlay ? Logic.SelectedOverlay : Logic.SelectedTile);
  texture.Update(Renderer, surface);
  if (texture.Texture() == nullptr) return;
  const ImVec2 size(static_cast<float>(width), static_cast<float>(height));
  ImGui::Image(reinterpret_cast<ImTextureID>(texture.Texture()), size);
  const ImGuiIO& io = ImGui::GetIO();
  if (ImGui::IsItemHovered() && io.MouseWheel != 0)
    palette.Scroll(palette.ScrollPosition() - static_cast<int>(io.MouseWheel));
  if (ImGui::IsItemClicked(ImGuiMouseButton_Left)) {
    const ImVec2 at(io.MousePos.x - ImGui::GetItemRectMin().x,
                    io.MousePos.y - ImGui::GetItemRectMin().y);
    if (const auto index = palette.IndexAt(static_cast<int>(at.x), static_cast<int>(at.y))) {
      if (overlay)
        Logic.ChooseOverlay(*index);
      else
        Logic.ChooseTile(*index);
    }
  }
  // The scroll bar, in rows: a page is the visible rows.
  ImGui::SameLine();
  ImGuiWindow* window = ImGui::GetCurrentWindow();
  const ImVec2 at = window->DC.CursorPos;
  const ImRect bar(at, ImVec2(at.x + ScrollBarWidth, at.y + size.y));
  ImGui::ItemSize(bar);
  const ImGuiID id = window->GetID(overlay ? "##overlayscroll" : "##tilescroll");
  if (ImGui::ItemAdd(bar, id)) {
    ImS64 position = palette.ScrollPosition();
    ImGui::ScrollbarEx(bar, id, ImGuiAxis_Y, &position, palette.Rows(),
                       palette.Rows() + palette.ScrollMax(), 0);
    palette.Scroll(static_cast<int>(position));
  }
}

void tEditorWindow::DrawObjectsPage() {
  ImGui::TextWrapped("%s", Logic.SelectedUnitLabel().c_str());
  const float room = ImGui::GetContentRegionAvail().y;
  DrawPropertyList(std::max(room - 180.0f, 60.0f));
  DrawTemplateBox();
}

void tEditorWindow::DrawPropertyList(float height) {
  tUnit* unit = Logic.SelectedUnit();
  if (unit != ListedUnit) {
    ListedUnit = unit;
    EditedProperty.clear();
    RefusedProperty.clear();
  }
  ImGui::BeginChild("UnitPropertyList", ImVec2(0, height), true);
  if (unit != nullptr) {
    for (const tPropertyRow& row : ListProperties(*unit)) {
      ImGui::PushID(row.Name.c_str());
      ImGui::AlignTextToFramePadding();
      ImGui::TextUnformatted(row.Name.c_str());
      ImGui::SameLine(NameColumn);
      ImGui::SetNextItemWidth(-1);
      const auto apply = [&](const std::string& text) {
        if (auto refusal = Logic.SetProperty(row.Name, text)) {
          RefusedProperty = row.Name;
          Refusal = *refusal;
        } else if (RefusedProperty == row.Name) {
          RefusedProperty.clear();
        }
      };
      if (row.Type == tPropertyType::Enumeration && row.Names != nullptr) {
        if (ImGui::BeginCombo("##value", row.Value.c_str())) {
          for (const std::string& name : *row.Names)
            if (ImGui::Selectable(name.c_str(), name == row.Value)) apply(name);
          ImGui::EndCombo();
        }
      } else if (row.Type == tPropertyType::Set && row.Names != nullptr) {
        std::string shown = "[";
        for (std::size_t i = 0; i < row.Names->size(); ++i)
          if (SetHasMember(row.Value, static_cast<int>(i)))
            shown += (shown.size() > 1 ? "," : "") + (*row.Names)[i];
        shown += "]";
        if (ImGui::BeginCombo("##value", shown.c_str())) {
          for (std::size_t i = 0; i < row.Names->size(); ++i) {
            bool member = SetHasMember(row.Value, static_cast<int>(i));
            if (ImGui::Checkbox((*row.Names)[i].c_str(), &member))
              apply(SetWithMember(row.Value, static_cast<int>(i), member));
          }
          ImGui::EndCombo();
        }
      } else {
        std::string text = EditedProperty == row.Name ? EditedText : row.Value;
        const ImGuiInputTextFlags flags =
            row.Type == tPropertyType::Integer || row.Type == tPropertyType::Set
                ? ImGuiInputTextFlags_CharsDecimal
                : 0;
        if (TextField("##value", text, flags)) {
          if (row.Type == tPropertyType::Character && text.size() > 1)
            text = text.substr(text.size() - 1);
          EditedProperty = row.Name;
          EditedText = text;
        }
        if (ImGui::IsItemDeactivated() && EditedProperty == row.Name) {
          EditedProperty.clear();
          apply(EditedText);
        }
      }
      if (RefusedProperty == row.Name) {
        ImGui::PushStyleColor(ImGuiCol_Text, RefusalColour);
        ImGui::TextWrapped("%s", Refusal.c_str());
        ImGui::PopStyleColor();
      }
      ImGui::PopID();
    }
  }
  ImGui::EndChild();
}

void tEditorWindow::DrawTemplateBox() {
  const int width = static_cast<int>(ImGui::GetContentRegionAvail().x);
  Logic.Templates.SetSize(width, TemplateBoxHeight);
  if (TemplateSurface.Width() != width) TemplateSurface.SetWidth(std::max(width, 1));
  if (TemplateSurface.Height() != TemplateBoxHeight) TemplateSurface.SetHeight(TemplateBoxHeight);
  Logic.Templates.Draw(
      TemplateSurface, UnitRegistry,
      Logic.TemplateArmed ? std::optional<int>(Logic.TemplateIndex) : std::nullopt);
  TemplateTexture.Update(Renderer, TemplateSurface);
  if (TemplateTexture.Texture() == nullptr) return;
  ImGui::Image(reinterpret_cast<ImTextureID>(TemplateTexture.Texture()),
               ImVec2(static_cast<float>(TemplateSurface.Width()), TemplateBoxHeight));
  if (ImGui::IsItemClicked(ImGuiMouseButton_Left)) {
    const ImVec2 mouse = ImGui::GetIO().MousePos;
    Logic.ClickTemplateBox(static_cast<int>(mouse.x - ImGui::GetItemRectMin().x),
                           static_cast<int>(mouse.y - ImGui::GetItemRectMin().y));
  }
}

void tEditorWindow::DrawVarsPage() {
  ImGui::TextUnformatted("Room Title");
  ImGui::SetNextItemWidth(-1);
  std::string title = Logic.TitleText;
  if (TextField("##title", title)) Logic.SetTitle(title);
  ImGui::TextUnformatted("BackGround");
  ChoiceField("background", Logic.BackgroundText, Logic.Lists.Backgrounds,
              [this](const std::string& text) { Logic.ChooseBackground(text); });
  ImGui::TextUnformatted("Music");
  ChoiceField("music", Logic.MusicText, Logic.Lists.Music,
              [this](const std::string& text) { Logic.ChooseMusic(text); });
}

// The Solve button (Cancel while the search runs) and, below it, what the search found. The
// text has room for two lines whatever it says, so the pages above do not jump when a
// result comes or goes; only a longer message (an error) takes more.
float tEditorWindow::SolveTextHeight(const std::string& text) const {
  const float width = ImGui::GetContentRegionAvail().x;
  const float wrapped =
      ImGui::CalcTextSize(WrappedAtSpaces(text, width).c_str(), nullptr, false, width).y;
  return std::max(wrapped, 2 * ImGui::GetTextLineHeight());
}

float tEditorWindow::SolveRowHeight() const {
  const tLevelSolve* search = Logic.Search();
  if (search == nullptr) return 0;
  return ImGui::GetFrameHeightWithSpacing() + SolveTextHeight(SolveText()) +
         ImGui::GetStyle().ItemSpacing.y;
}

std::string tEditorWindow::SolveText() const {
  const std::string text = Logic.Search()->StatusText();
  return text.empty() ? "Finds the shortest way through the level." : text;
}

void tEditorWindow::DrawSolveRow() {
  const tLevelSolve* search = Logic.Search();
  if (search == nullptr) return;
  const tLevelSolve::tState state = search->State();
  if (state == tLevelSolve::tState::Running) {
    if (ImGui::Button("Cancel##solve")) Logic.CancelSolve();
  } else {
    ImGui::BeginDisabled(!Logic.CanSolve());
    if (ImGui::Button("Solve")) Logic.Solve();
    ImGui::EndDisabled();
  }
  const std::string text = SolveText();
  const float top = ImGui::GetCursorPosY();
  ImVec4 colour = ImGui::GetStyleColorVec4(ImGuiCol_Text);
  if (state == tLevelSolve::tState::Idle) colour = ImGui::GetStyleColorVec4(ImGuiCol_TextDisabled);
  if (state == tLevelSolve::tState::Solved) colour = SolvedColour;
  if (state == tLevelSolve::tState::Failed) colour = NoteColour;
  ImGui::PushStyleColor(ImGuiCol_Text, colour);
  ImGui::TextWrapped("%s", WrappedAtSpaces(text, ImGui::GetContentRegionAvail().x).c_str());
  ImGui::PopStyleColor();
  ImGui::SetCursorPosY(top + SolveTextHeight(text) + ImGui::GetStyle().ItemSpacing.y);
}

void tEditorWindow::DrawStatusBar() {
  ImGui::Separator();
  ImGui::TextUnformatted(Status[0].c_str());
  ImGui::SameLine(62);
  ImGui::TextUnformatted(Status[1].c_str());
  ImGui::SameLine(112);
  ImGui::TextUnformatted(Status[2].c_str());
}

std::string tEditorWindow::QuestionText() const {
  const std::string name = Engine.LevelFileName.empty() ? "the level" : Engine.LevelFileName;
  return "Save the changes to " + name + "?";
}

void tEditorWindow::DrawQuestion() {
  constexpr const char* Title = "Unsaved changes";
  if (Logic.Asking() && !ImGui::IsPopupOpen(Title)) {
    ImGui::OpenPopup(Title);
    if (TraceQuestions) std::cout << "editor asks: " << QuestionText() << std::endl;
  }
  ImGui::SetNextWindowSize(ImVec2(ImGui::GetMainViewport()->Size.x - 8, 0));
  if (!ImGui::BeginPopupModal(Title, nullptr, ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove))
    return;
  ImGui::TextWrapped("%s", QuestionText().c_str());
  std::optional<tLevelEditor::tReply> reply;
  if (ImGui::Button("Save")) reply = tLevelEditor::tReply::Save;
  ImGui::SameLine();
  if (ImGui::Button("Discard")) reply = tLevelEditor::tReply::Discard;
  ImGui::SameLine();
  if (ImGui::Button("Cancel") || !Logic.Asking()) reply = tLevelEditor::tReply::Cancel;
  if (reply) {
    if (Logic.Asking()) Logic.Reply(*reply);
    ImGui::CloseCurrentPopup();
  }
  ImGui::EndPopup();
}

}  // namespace qn2
