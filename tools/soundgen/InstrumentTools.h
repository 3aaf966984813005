// Pieces every instrument design is built from: seamless additive loops, and the step that
// turns a synthesised buffer into a tuned module instrument.
#pragma once

#include <cstdint>
#include <vector>

#include "Synth.h"
#include "Xm.h"

namespace soundgen {

// A loop of exactly `length` samples made of partials that each fit a whole number of
// cycles into the loop, so it repeats without a seam. Each voice is a copy of the
// harmonic series on `cycles + detune` cycles; slightly detuned voices beat gently.
Buffer AdditiveLoop(std::uint64_t seed, int length, int cycles, const std::vector<int>& detunes,
                    const std::vector<double>& harmonics);

// The buffer normalised to just under full scale as a one-sample instrument that plays
// `recordedHz` on middle C.
tXmInstrument MakeInstrument(const char* name, Buffer data, double recordedHz, std::uint8_t volume,
                             std::uint8_t panning);

// Loops the instrument's whole sample.
void LoopWhole(tXmInstrument& ins);

// Time in seconds of sample i.
inline double TimeOf(size_t i) {
  return static_cast<double>(i) / SampleRate;
}

}  // namespace soundgen
