// A fuzzed level played through the headless engine with fuzzed decisions. The input is
// the level file, a NUL byte, then one byte per turn: bit 0 the action key, the rest the
// direction (none, up, down, left, right). The play runs until it ends or the decisions
// (at most 64 turns) run out.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "data/MemoryStream.h"
#include "data/Recorder.h"
#include "engine/BlankPictures.h"
#include "engine/GameEngine.h"
#include "engine/PackagePictures.h"
#include "engine/board/CycleProcedures.h"
#include "engine/board/PlayState.h"
#include "engine/board/UnitRegistry.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/UnitClasses.h"

namespace {

using namespace qn2;

constexpr std::size_t MaxTurns = 64;
constexpr int TicksPerTurnLimit = 100;
constexpr int StartTickLimit = 600;

const std::string& LevelFileName() {
  static const std::string name = (std::filesystem::temp_directory_path() /
                                   ("qn2-fuzz-play-" + std::to_string(getpid()) + ".map"))
                                      .string();
  return name;
}

void Setup() {
  static tBlankPictures pictures(PackagePictures);
  static bool done = false;
  if (done) return;
  PictureFiles = &pictures;
  SetUpUnits();
  done = true;
}

void Feed(tRecorder& recorder, const std::vector<std::int32_t>& decisions) {
  tMemoryStream stream;
  stream.WriteBuffer(RecordSignature, RecordSignatureSize);
  const auto count = static_cast<std::int32_t>(decisions.size());
  stream.WriteBuffer(&count, 4);
  for (std::int32_t value : decisions) stream.WriteBuffer(&value, 4);
  stream.SetPosition(0);
  recorder.LoadFromStream(stream);
  recorder.StartPlayback();
}

bool Over(const tGameEngine& engine) {
  return engine.GameMode == gmLevelDone || engine.GameMode == gmDeathPopup ||
         (engine.GameMode == gmDead && engine.DeadTickCount() > 60);
}

void Tick(tGameEngine& engine) {
  engine.Update();
  engine.DrawFrame();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Setup();
  const auto* end = data + size;
  const auto* split = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
  if (split == nullptr) split = end;
  {
    std::ofstream out(LevelFileName(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), split - data);
  }
  static const std::int32_t directions[] = {0, 2, 3, 4, 5};
  std::vector<std::int32_t> decisions;
  for (const auto* p = split + (split < end ? 1 : 0); p < end && decisions.size() < MaxTurns; ++p)
    decisions.push_back(EncodeDecision(directions[(*p >> 1) % 5], (*p & 1) != 0));

  CycleProcedures.Clear();
  auto engine = std::make_unique<tGameEngine>();
  GameEngine = engine.get();
  auto ghost = CreateOOTPlayer();
  engine->SetOOTPlayer(ghost.get());
  try {
    engine->LoadLevel(LevelFileName());
    Feed(engine->Play().Recorder, decisions);
    for (int tick = 0; tick < StartTickLimit && engine->GameMode != gmPlaying; ++tick)
      Tick(*engine);
    for (std::size_t turn = 0; turn < decisions.size() + 1 && !Over(*engine); ++turn) {
      const std::int32_t before = engine->Play().TurnCount;
      for (int tick = 0; tick < TicksPerTurnLimit && !Over(*engine); ++tick) {
        Tick(*engine);
        if (engine->Play().TurnCount != before) break;
      }
    }
  } catch (const Exception&) {
  }
  GameEngine = nullptr;
  engine.reset();
  ghost.reset();
  CycleProcedures.Clear();
  return 0;
}
