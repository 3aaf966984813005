// Small sound-synthesis toolkit for the game's generated audio: a seeded noise source,
// oscillators, envelopes and filters working on buffers of doubles in -1..1.
#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int SampleRate = 44100;
constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2.0 * Pi;

using Buffer = std::vector<double>;

// xorshift64*: the same numbers on every machine and every run.
class tRng {
 public:
  explicit tRng(std::uint64_t seed) : State(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  std::uint64_t Next();
  double Uniform();                                   // 0 .. 1
  double Bipolar() { return Uniform() * 2.0 - 1.0; }  // -1 .. 1
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  std::uint64_t State;
};

Buffer MakeBuffer(double seconds, int rate = SampleRate);
int Samples(double seconds, int rate = SampleRate);

// Envelopes, as gain for time t in seconds.
double Ramp(double t, double start, double end);  // 0 before start, 1 after end, linear between
double ExpDecay(double t, double halfLife);       // 1 at t = 0, halving every halfLife seconds
double AttackDecay(double t, double attack, double halfLife);

// Two-pole filter with a cutoff or centre that may change every sample (Chamberlin state
// variable form: stable for cutoffs well under a sixth of the sample rate).
class tStateVariable {
 public:
  struct Out {
    double Low, Band, High;
  };
  Out Step(double in, double cutoffHz, double q, int rate = SampleRate);

 private:
  double Low = 0, Band = 0;
};

// One-pole low-pass (smoothing) filter.
class tOnePole {
 public:
  double Step(double in, double cutoffHz, int rate = SampleRate);

 private:
  double State = 0;
};

// Phase-accumulating sine oscillator with frequency modulation by the caller.
class tOsc {
 public:
  double Sine(double hz, int rate = SampleRate);
  double Saw(double hz, int rate = SampleRate);     // naive, for buzzy effects
  double Square(double hz, int rate = SampleRate);  // naive
  double Phase = 0;                                 // in cycles, 0 .. 1
};

void Mix(Buffer& into, const Buffer& what, double gain, int offset = 0);
void Scale(Buffer& buffer, double gain);
double Peak(const Buffer& buffer);
void NormalizePeak(Buffer& buffer, double peakDb);
void FadeEdges(Buffer& buffer, double fadeInSeconds, double fadeOutSeconds, int rate = SampleRate);
// Makes the buffer loop without a seam: its last `overlap` samples are blended into the
// start and dropped.
void MakeSeamlessLoop(Buffer& buffer, int overlap);
// Removes any constant offset so that loops and ends rest on zero.
void RemoveDc(Buffer& buffer);

}  // namespace soundgen
