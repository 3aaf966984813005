#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/LevelEditor.h"
#include "engine/EngineFixture.h"
#include "engine/board/UnitRegistry.h"
#include "engine/units/UnitClasses.h"
#include "support/PictureTestFiles.h"

namespace qn2::testing {

class tCountingHost : public tEditorHost {
 public:
  void FocusGameWindow() override { ++Focused; }
  int Focused = 0;
};

// An engine with every unit class registered, a blank level "Blank.map" in the scratch
// folder, and an editor shown and editing it on its tiles page.
class EditorTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetUpUnitRules();
    WriteLevel("Blank.map", "");
    const auto jpeg = test::MakeJpeg(2, 2, [](int, int) { return tRgb{90, 120, 60}; });
    Write("Marsh.JPG", std::string(jpeg.begin(), jpeg.end()));
    Editor = std::make_unique<tLevelEditor>(*Engine, Host);
    Editor->Initialise({"BackDrops/Hollowmere.jpg", "BackDrops/Marsh.JPG", "Music/Tune.xm",
                        "Music/Other.oxm", "Levels/Blank.map", "backdrops/notes.txt"});
    Editor->New();
    Editor->Show();
    Editor->SetEditing(true);
    Editor->SetPage("Tiles");
  }
  void TearDown() override {
    Editor.reset();
    EngineTest::TearDown();
  }

  tLevel& Level() { return Engine->Level; }
  tCell& CellAt(int x, int y) { return Level().Cell(x, y); }
  void Click(int x, int y, tLevelEditor::tButton button = tLevelEditor::tButton::Left,
             bool shift = false) {
    Editor->MouseDown({x, y}, button, shift);
    Editor->MouseUp();
  }
  // Places a unit of the registered class on a cell through the template box.
  tUnit* Place(const std::string& name, int x, int y) {
    Editor->SetPage("Objects");
    for (std::size_t i = 0; i < UnitRegistry.Count(); ++i) {
      if (UnitRegistry[i]->Name != name) continue;
      Editor->TemplateIndex = static_cast<int>(i);
      Editor->SetTemplateArmed(true);
      Click(x, y);
      return Editor->SelectedUnit();
    }
    ADD_FAILURE() << "no class " << name;
    return nullptr;
  }
  std::vector<std::string> UnitNames() {
    std::vector<std::string> names;
    for (const auto& unit : Level().Units) names.push_back(UnitRegistry.NameOf(*unit));
    return names;
  }

  tCountingHost Host;
  std::unique_ptr<tLevelEditor> Editor;
};

}  // namespace qn2::testing
