#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "Bytes.h"

namespace soundgen {

std::vector<std::int16_t> ToPcm16(const Buffer& buffer) {
  std::vector<std::int16_t> pcm(buffer.size());
  for (size_t i = 0; i < buffer.size(); ++i) {
    const long v = std::lrint(buffer[i] * 32767.0);
    pcm[i] = static_cast<std::int16_t>(std::clamp(v, -32768L, 32767L));
  }
  return pcm;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& pcm, int rate) {
  tByteWriter out;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
  out.Text("RIFF");
  out.U32(36 + dataBytes);
  out.Text("WAVE");
  out.Text("fmt ");
  out.U32(16);
  out.U16(1);  // PCM
  out.U16(1);  // mono
  out.U32(static_cast<std::uint32_t>(rate));
  out.U32(static_cast<std::uint32_t>(rate) * 2);  // bytes per second
  out.U16(2);                                     // bytes per frame
  out.U16(16);                                    // bits per sample
  out.Text("data");
  out.U32(dataBytes);
  for (std::int16_t v : pcm) out.U16(static_cast<std::uint16_t>(v));
  return out.Bytes;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("cannot create " + path);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace soundgen
