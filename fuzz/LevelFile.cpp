// The level reader on a fuzzed level file, with the game's own units, in play and in the
// editor. What it read is reset as the game resets a level it loads (which applies the
// level's water tint, the colour the water units write), written out and read again, and
// must then write the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Exception.h"
#include "data/LevelFile.h"
#include "data/TextLines.h"
#include "engine/BlankPictures.h"
#include "engine/GameEngine.h"
#include "engine/PackagePictures.h"
#include "engine/board/CycleProcedures.h"
#include "engine/units/UnitClasses.h"

namespace {

using namespace qn2;

// The units draw nothing here, so every picture they ask for is a blank one.
tGameEngine& Engine() {
  static tBlankPictures pictures(PackagePictures);
  static std::unique_ptr<tGameEngine> engine = [] {
    PictureFiles = &pictures;
    SetUpUnits();
    auto made = std::make_unique<tGameEngine>();
    GameEngine = made.get();
    return made;
  }();
  return *engine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  tGameEngine& engine = Engine();
  // The first byte says whether the editor reads it (the editor keeps some settings that
  // play ignores).
  engine.Editing = (data[0] & 1) != 0;
  const std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  std::vector<std::string> problems;
  const tPropertyProblems report = [&problems](const std::string& message) {
    problems.push_back(message);
  };
  try {
    ReadLevelFromLines(engine.Level, lines, report);
    engine.Level.ResetAll();
  } catch (const Exception&) {
    engine.Editing = false;
    return 0;
  }
  // A level without music is written without a "Music=" line, which reads back as the
  // default tune: the one change a round trip makes, by design, so it is made here first.
  if (engine.Level.MusicName.empty()) engine.Level.MusicName = "AncientStories2.xm";
  std::vector<std::string> written;
  WriteLevelToLines(engine.Level, written);
  try {
    ReadLevelFromLines(engine.Level, written, report);
    engine.Level.ResetAll();
  } catch (const Exception& e) {
    // A level the game wrote itself must read back.
    std::fprintf(stderr, "written level does not read back: %s\n", e.what());
    std::abort();
  }
  std::vector<std::string> again;
  WriteLevelToLines(engine.Level, again);
  if (again != written) {
    std::size_t line = 0;
    while (line < again.size() && line < written.size() && again[line] == written[line]) ++line;
    std::fprintf(stderr, "a level read back writes differently from line %zu: '%s' then '%s'\n",
                 line + 1, line < written.size() ? written[line].c_str() : "(end)",
                 line < again.size() ? again[line].c_str() : "(end)");
    std::abort();
  }
  engine.Editing = false;
  CycleProcedures.Clear();
  return 0;
}
