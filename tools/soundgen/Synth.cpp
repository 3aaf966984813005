#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

std::uint64_t tRng::Next() {
  State ^= State >> 12;
  State ^= State << 25;
  State ^= State >> 27;
  return State * 0x2545F4914F6CDD1Dull;
}

double tRng::Uniform() {
  return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

int Samples(double seconds, int rate) {
  return static_cast<int>(std::lrint(seconds * rate));
}

Buffer MakeBuffer(double seconds, int rate) {
  return Buffer(static_cast<size_t>(Samples(seconds, rate)), 0.0);
}

double Ramp(double t, double start, double end) {
  if (t <= start) return 0.0;
  if (t >= end) return 1.0;
  return (t - start) / (end - start);
}

double ExpDecay(double t, double halfLife) {
  return t <= 0 ? 1.0 : std::exp2(-t / halfLife);
}

double AttackDecay(double t, double attack, double halfLife) {
  if (t < attack) return t / attack;
  return ExpDecay(t - attack, halfLife);
}

tStateVariable::Out tStateVariable::Step(double in, double cutoffHz, double q, int rate) {
  const double f = 2.0 * std::sin(Pi * std::min(cutoffHz, rate / 6.5) / rate);
  const double damp = 1.0 / std::max(q, 0.5);
  Low += f * Band;
  const double high = in - Low - damp * Band;
  Band += f * high;
  return {Low, Band, high};
}

double tOnePole::Step(double in, double cutoffHz, int rate) {
  const double a = 1.0 - std::exp(-TwoPi * cutoffHz / rate);
  State += a * (in - State);
  return State;
}

double tOsc::Sine(double hz, int rate) {
  const double v = std::sin(TwoPi * Phase);
  Phase += hz / rate;
  Phase -= std::floor(Phase);
  return v;
}

double tOsc::Saw(double hz, int rate) {
  const double v = 2.0 * Phase - 1.0;
  Phase += hz / rate;
  Phase -= std::floor(Phase);
  return v;
}

double tOsc::Square(double hz, int rate) {
  const double v = Phase < 0.5 ? 1.0 : -1.0;
  Phase += hz / rate;
  Phase -= std::floor(Phase);
  return v;
}

void Mix(Buffer& into, const Buffer& what, double gain, int offset) {
  for (size_t i = 0; i < what.size(); ++i) {
    const long j = static_cast<long>(i) + offset;
    if (j >= 0 && j < static_cast<long>(into.size()))
      into[static_cast<size_t>(j)] += gain * what[i];
  }
}

void Scale(Buffer& buffer, double gain) {
  for (double& v : buffer) v *= gain;
}

double Peak(const Buffer& buffer) {
  double peak = 0;
  for (double v : buffer) peak = std::max(peak, std::fabs(v));
  return peak;
}

void NormalizePeak(Buffer& buffer, double peakDb) {
  const double peak = Peak(buffer);
  if (peak > 0) Scale(buffer, std::pow(10.0, peakDb / 20.0) / peak);
}

void FadeEdges(Buffer& buffer, double fadeInSeconds, double fadeOutSeconds, int rate) {
  const size_t n = buffer.size();
  const size_t in = std::min(n, static_cast<size_t>(Samples(fadeInSeconds, rate)));
  const size_t out = std::min(n, static_cast<size_t>(Samples(fadeOutSeconds, rate)));
  for (size_t i = 0; i < in; ++i) buffer[i] *= static_cast<double>(i) / in;
  for (size_t i = 0; i < out; ++i) buffer[n - 1 - i] *= static_cast<double>(i) / out;
}

void MakeSeamlessLoop(Buffer& buffer, int overlap) {
  const size_t n = buffer.size() - static_cast<size_t>(overlap);
  for (int i = 0; i < overlap; ++i) {
    // Equal-power blend: the tail carries on where the loop jumps back to the start.
    const double x = (i + 0.5) / overlap;
    const double gainStart = std::sin(0.5 * Pi * x), gainTail = std::cos(0.5 * Pi * x);
    buffer[static_cast<size_t>(i)] =
        buffer[static_cast<size_t>(i)] * gainStart + buffer[n + static_cast<size_t>(i)] * gainTail;
  }
  buffer.resize(n);
}

void RemoveDc(Buffer& buffer) {
  if (buffer.empty()) return;
  double sum = 0;
  for (double v : buffer) sum += v;
  const double mean = sum / static_cast<double>(buffer.size());
  for (double& v : buffer) v -= mean;
}

}  // namespace soundgen
