#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vidgen {

// What the video is made of: its picture size and rate, and its sound (stereo, 16-bit; no
// sound track when the rate is 0).
struct VideoShape {
  int Width = 640;
  int Height = 480;
  int FramesPerSecond = 25;
  int SampleRate = 44100;
};

// Writes an MPEG-4 file: MPEG-4 Part 2 pictures and an AAC sound track. Pictures come as
// rows of red, green and blue bytes, top to bottom; sound as interleaved left and right
// samples, any amount at a time. Raise std::runtime_error on failure.
class VideoEncoder {
 public:
  VideoEncoder(const std::string& fileName, const VideoShape& shape);
  ~VideoEncoder();
  VideoEncoder(const VideoEncoder&) = delete;
  VideoEncoder& operator=(const VideoEncoder&) = delete;

  void AddPicture(const std::vector<std::uint8_t>& rgb);
  void AddSound(const std::vector<std::int16_t>& stereo);
  // Flushes the encoders and writes the file's index; nothing may be added after it.
  void Finish();

  std::int64_t Pictures() const;

 private:
  struct State;
  std::unique_ptr<State> S;
};

}  // namespace vidgen
