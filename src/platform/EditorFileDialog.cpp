// The editor's own file dialog, drawn in the tool window (which widens while it is open):
// the folder, its folders and level files, the file name, the filter, OK and Cancel, and the
// question before a file is written over.
#include <imgui.h>

#include <algorithm>
#include <cstring>

#include "engine/GameEngine.h"
#include "platform/EditorWindow.h"

namespace qn2 {

namespace {

constexpr const char* OverwriteTitle = "Confirm Save As";

}  // namespace

void tEditorWindow::DrawFileDialog() {
  bool focusName = false;
  if (!DialogOpen) {
    Browser.Start(*Logic.DialogWanted, Engine.LevelFileName);
    DialogOpen = true;
    DialogMessage.clear();
    SDL_SetWindowSize(Window, DialogWidth, Height);
    focusName = true;
  }
  const bool saving = Browser.Purpose() == tFileBrowser::tPurpose::Save;
  ImGui::TextUnformatted(Browser.Title().c_str());
  ImGui::Separator();
  ImGui::TextWrapped("%s", Browser.Folder().string().c_str());
  const float below =
      4 * ImGui::GetFrameHeightWithSpacing() + ImGui::GetTextLineHeightWithSpacing();
  bool confirm = false;
  ImGui::BeginChild("entries", ImVec2(0, -below), true);
  std::string enter;
  for (const tFileBrowser::tEntry& entry : Browser.Entries()) {
    const std::string label = entry.Folder ? "[" + entry.Name + "]" : entry.Name;
    if (ImGui::Selectable(label.c_str(), !entry.Folder && entry.Name == Browser.FileName,
                          ImGuiSelectableFlags_AllowDoubleClick)) {
      if (entry.Folder) {
        enter = entry.Name;
      } else {
        Browser.FileName = entry.Name;
        DialogMessage.clear();
        if (ImGui::IsMouseDoubleClicked(ImGuiMouseButton_Left)) confirm = true;
      }
    }
  }
  ImGui::EndChild();
  if (!enter.empty()) Browser.EnterFolder(enter);

  ImGui::TextUnformatted("File name:");
  ImGui::SameLine();
  ImGui::SetNextItemWidth(-1);
  if (focusName) ImGui::SetKeyboardFocusHere();
  char name[512];
  const std::size_t length = std::min(Browser.FileName.size(), sizeof name - 1);
  std::memcpy(name, Browser.FileName.data(), length);
  name[length] = '\0';
  if (ImGui::InputText("##name", name, sizeof name, ImGuiInputTextFlags_AutoSelectAll)) {
    Browser.FileName = name;
    DialogMessage.clear();
  }
  const ImGuiIO& io = ImGui::GetIO();
  const bool enterKey = ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter), false) ||
                        ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_KeyPadEnter), false);
  if (enterKey && (ImGui::IsItemActive() || ImGui::IsItemDeactivated())) confirm = true;

  const char* filters[] = {saving ? "Map files (*.Map)" : "Map files (*.map)", "All files (*.*)"};
  int filter = Browser.Filter == tFileBrowser::tFilter::MapFiles ? 0 : 1;
  ImGui::TextUnformatted("Files of type:");
  ImGui::SameLine();
  ImGui::SetNextItemWidth(-1);
  if (ImGui::Combo("##filter", &filter, filters, 2))
    Browser.Filter =
        filter == 0 ? tFileBrowser::tFilter::MapFiles : tFileBrowser::tFilter::AllFiles;

  if (ImGui::Button(saving ? "Save" : "Open", ImVec2(80, 0))) confirm = true;
  ImGui::SameLine();
  const bool cancel = ImGui::Button("Cancel", ImVec2(80, 0)) ||
                      (!ImGui::IsPopupOpen(OverwriteTitle) &&
                       ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false));
  if (!DialogMessage.empty()) {
    ImGui::SameLine();
    ImGui::TextColored(ImVec4(1.0f, 0.4f, 0.4f, 1.0f), "%s", DialogMessage.c_str());
  }
  (void)io;

  if (confirm) {
    switch (Browser.Confirm()) {
      case tFileBrowser::tAnswer::Chosen:
        CloseFileDialog(Browser.ChosenPath);
        return;
      case tFileBrowser::tAnswer::NotFound:
        DialogMessage = "File not found";
        break;
      case tFileBrowser::tAnswer::AskOverwrite:
        ImGui::OpenPopup(OverwriteTitle);
        break;
      case tFileBrowser::tAnswer::NothingChosen:
      case tFileBrowser::tAnswer::FolderEntered:
        break;
    }
  }
  if (cancel) {
    CloseFileDialog("");
    return;
  }
  ImGui::SetNextWindowSize(ImVec2(DialogWidth - 40.0f, 0));
  if (ImGui::BeginPopupModal(OverwriteTitle, nullptr,
                             ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove)) {
    ImGui::TextWrapped("%s already exists. Do you want to replace it?", Browser.FileName.c_str());
    bool close = false;
    if (ImGui::Button("Yes", ImVec2(80, 0))) {
      Browser.Overwrite();
      ImGui::CloseCurrentPopup();
      ImGui::EndPopup();
      CloseFileDialog(Browser.ChosenPath);
      return;
    }
    ImGui::SameLine();
    if (ImGui::Button("No", ImVec2(80, 0))) close = true;
    if (close) ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
  }
}

void tEditorWindow::CloseFileDialog(const std::string& chosen) {
  DialogOpen = false;
  SDL_SetWindowSize(Window, Width, Height);
  Logic.DialogDone(chosen);
}

}  // namespace qn2
