#include "InstrumentTools.h"

#include <cmath>

#include "Wav.h"

namespace soundgen {

Buffer AdditiveLoop(std::uint64_t seed, int length, int cycles, const std::vector<int>& detunes,
                    const std::vector<double>& harmonics) {
  tRng rng(seed);
  Buffer b(static_cast<size_t>(length), 0.0);
  for (int detune : detunes) {
    for (size_t h = 0; h < harmonics.size(); ++h) {
      if (harmonics[h] == 0) continue;
      const double perLoop = static_cast<double>((static_cast<int>(h) + 1) * (cycles + detune));
      const double phase = rng.Uniform();
      for (int i = 0; i < length; ++i)
        b[static_cast<size_t>(i)] +=
            harmonics[h] * std::sin(TwoPi * (perLoop * i / length + phase));
    }
  }
  return b;
}

tXmInstrument MakeInstrument(const char* name, Buffer data, double recordedHz, std::uint8_t volume,
                             std::uint8_t panning) {
  NormalizePeak(data, -1.0);
  tXmInstrument ins;
  ins.Name = name;
  ins.Sample.Name = name;
  ins.Sample.Data = ToPcm16(data);
  ins.Sample.Volume = volume;
  ins.Sample.Panning = panning;
  TuneSample(ins.Sample, SampleRate, recordedHz);
  return ins;
}

void LoopWhole(tXmInstrument& ins) {
  ins.Sample.Loop = true;
  ins.Sample.LoopStart = 0;
  ins.Sample.LoopLength = static_cast<std::uint32_t>(ins.Sample.Data.size());
}

}  // namespace soundgen
