#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/Screen.h"
#include "ui/VideoSource.h"

namespace qn2 {

// The screen of engine mode 6: plays the engine's video entry over the whole frame with the
// game's music stopped, and moves the episode on to the next entry when the video ends, when
// the player presses a key or a mouse button, when it cannot be played (after saying why)
// or at once when videos are switched off. It runs in place of the engine.
class tVideoScreen : public tScreen {
 public:
  // Every tick stands for this long when no clock is given.
  static constexpr std::int64_t TickMilliseconds = 20;

  explicit tVideoScreen(tVideoOpener open);
  ~tVideoScreen() override;

  // Cleared by the "NoVideo" switch: every video entry is passed over.
  bool Enabled = true;
  // Milliseconds from any fixed moment; without it the video moves on by TickMilliseconds a
  // tick, the same on every run.
  std::function<std::int64_t()> Clock;

  bool Playing() const { return Source != nullptr; }
  // The video's time now, in milliseconds from its start.
  std::int64_t Elapsed() const { return ElapsedMs; }

  bool OwnsFrame() const override { return true; }
  void Entered(tGameEngine& engine) override;
  void Left() override;
  void Update(tPoint pointer, bool moved, tInputDevice& input) override;
  void Draw(tDib16& frame) override;
  // Any key or mouse button skips the video.
  tScreenResult KeyDown(int vk) override;
  tScreenResult MouseDown(int x, int y, int button) override;

 private:
  // Opens the engine's video; passes it over when it cannot be played.
  void Start();
  // Closes the video and tells the engine to go on; starts the next one in place when the
  // next entry is a video as well.
  void Finish();
  void Fail(const std::string& reason);
  std::int64_t Now() const;

  tVideoOpener Open;
  tGameEngine* Engine = nullptr;
  std::unique_ptr<tVideoSource> Source;
  std::string FileName;
  std::int64_t StartedAt = 0;
  std::int64_t Ticks = 0;
  std::int64_t ElapsedMs = 0;
};

}  // namespace qn2
