// Every level we ship has a hint short enough for the side panel in the game's own font.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/TtfTextService.h"
#include "render/SidePanel.h"
#include "render/TextService.h"

namespace qn2 {
namespace {

std::string HintOf(const std::filesystem::path& level) {
  std::ifstream file(level);
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Hint=", 0) == 0) return line.substr(5);
  }
  return "";
}

TEST(ShippedLevels, EveryHintFitsThePanel) {
  tTtfTextService text;
  TextService = &text;
  int levels = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QN2_CONTENT_DIR "/Levels")) {
    if (entry.path().extension() != ".map" || entry.path().filename() == "Blank.map") continue;
    ++levels;
    const std::string hint = HintOf(entry.path());
    EXPECT_LE(WrapHint(hint).size(), HintMaxLines)
        << entry.path().filename() << ": \"" << hint << "\" needs more lines than the panel has";
  }
  TextService = nullptr;
  EXPECT_GE(levels, 12);
}

TEST(ShippedLevels, AHintTooLongForThePanelIsCaught) {
  tTtfTextService text;
  TextService = &text;
  EXPECT_GT(WrapHint("Walk over a cherry bomb to carry it, press the action key to drop it lit, "
                     "then run.")
                .size(),
            HintMaxLines);
  TextService = nullptr;
}

}  // namespace
}  // namespace qn2
