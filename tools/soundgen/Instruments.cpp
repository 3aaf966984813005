#include "Instruments.h"

#include <cmath>

#include "InstrumentTools.h"
#include "Synth.h"

namespace soundgen {
namespace {

tXmInstrument Pluck() {
  // A lute-like string by the plucked-string delay line: a burst of soft noise circulates
  // through a delay one period long and an averaging filter that darkens it as it decays.
  tRng rng(1001);
  const int period = 225;
  const double hz = static_cast<double>(SampleRate) / (period + 0.5);
  Buffer line(period);
  tOnePole soften;
  for (double& v : line) v = soften.Step(rng.Bipolar(), 3000.0);
  Buffer b = MakeBuffer(1.6);
  size_t pos = 0;
  double last = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double current = line[pos];
    const double next = 0.4985 * (current + last);
    last = current;
    line[pos] = next;
    pos = (pos + 1) % line.size();
    b[i] = current;
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.2);
  return MakeInstrument("lute string", b, hz, 64, 112);
}

tXmInstrument Pad() {
  // Three softly beating voices of a mellow harmonic series.
  std::vector<double> harmonics;
  for (int h = 1; h <= 14; ++h) harmonics.push_back(std::exp(-0.35 * h) / h * (h % 2 ? 1.0 : 0.6));
  Buffer b = AdditiveLoop(1002, SampleRate, 131, {-1, 0, 1}, harmonics);
  tXmInstrument ins = MakeInstrument("moss pad", b, 131.0, 60, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {40, 52}, {90, 44}, {170, 0}};
  ins.Volume.Sustain = 2;
  ins.Fadeout = 256;
  ins.VibratoDepth = 2;
  ins.VibratoRate = 6;
  ins.VibratoSweep = 80;
  return ins;
}

tXmInstrument Bell() {
  // A small temple bell: frequency modulation at a non-harmonic ratio, brightness
  // falling faster than loudness.
  const double hz = 523.25;
  Buffer b = MakeBuffer(2.2);
  tOsc carrier, modulator, overtone;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    const double index = 2.2 * ExpDecay(t, 0.25) + 0.3;
    const double mod = modulator.Sine(hz * 3.5) * index;
    b[i] = AttackDecay(t, 0.003, 0.45) * (carrier.Sine(hz * (1.0 + 0.25 * mod)) +
                                          0.25 * overtone.Sine(hz * 2.0) * ExpDecay(t, 0.2));
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.1);
  return MakeInstrument("cistern bell", b, hz, 60, 150);
}

tXmInstrument Bass() {
  Buffer b = AdditiveLoop(1004, SampleRate, 65, {0}, {1.0, 0.35, 0.12, 0.05});
  tXmInstrument ins = MakeInstrument("round bass", b, 65.0, 64, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {2, 64}, {30, 44}, {60, 36}, {90, 0}};
  ins.Volume.Sustain = 3;
  ins.Fadeout = 512;
  return ins;
}

tXmInstrument Flute() {
  // An ocarina: a nearly pure tone with a breath of noise, both looping seamlessly.
  const int length = SampleRate;
  Buffer b = AdditiveLoop(1005, length, 523, {0}, {1.0, 0.1, 0.14, 0.02});
  tRng rng(1006);
  const int overlap = Samples(0.05);
  Buffer breath(static_cast<size_t>(length + overlap));
  tStateVariable f;
  for (double& v : breath) v = f.Step(rng.Bipolar(), 1800.0, 1.5).Band;
  MakeSeamlessLoop(breath, overlap);
  NormalizePeak(breath, -24.0);
  Mix(b, breath, Peak(b));
  tXmInstrument ins = MakeInstrument("ocarina", b, 523.0, 54, 96);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {8, 56}, {24, 48}, {40, 0}};
  ins.Volume.Sustain = 2;
  ins.Fadeout = 1024;
  ins.VibratoDepth = 3;
  ins.VibratoRate = 12;
  ins.VibratoSweep = 120;
  return ins;
}

tXmInstrument FrameDrum() {
  tRng rng(1007);
  Buffer b = MakeBuffer(0.6);
  tOsc skin;
  tStateVariable slap;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    const double hz = 95.0 + 60.0 * ExpDecay(t, 0.02);
    b[i] = AttackDecay(t, 0.002, 0.09) * skin.Sine(hz) +
           0.5 * ExpDecay(t, 0.01) * slap.Step(rng.Bipolar(), 900.0, 1.2).Band;
  }
  FadeEdges(b, 0.0, 0.05);
  return MakeInstrument("frame drum", b, MiddleC, 64, 120);
}

tXmInstrument Shaker() {
  tRng rng(1008);
  Buffer b = MakeBuffer(0.15);
  tStateVariable f;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    b[i] = AttackDecay(t, 0.012, 0.025) * f.Step(rng.Bipolar(), 6000.0, 1.0).High;
  }
  FadeEdges(b, 0.0, 0.02);
  return MakeInstrument("seed shaker", b, MiddleC, 32, 160);
}

tXmInstrument Kick() {
  Buffer b = MakeBuffer(0.45);
  tOsc o;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    b[i] = AttackDecay(t, 0.003, 0.08) * o.Sine(46.0 + 60.0 * ExpDecay(t, 0.025));
  }
  FadeEdges(b, 0.0, 0.05);
  return MakeInstrument("soft kick", b, MiddleC, 64, 128);
}

}  // namespace

std::vector<tXmInstrument> MakeInstruments() {
  return {Pluck(), Pad(), Bell(), Bass(), Flute(), FrameDrum(), Shaker(), Kick()};
}

}  // namespace soundgen
