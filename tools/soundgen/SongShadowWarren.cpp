// "Shadow Warren": a tense, low piece in E phrygian for levels full of hostiles. A bowed
// drone, a plucked ostinato in an uneven 3-3-2, a heartbeat drum, glass tones rubbing a
// semitone apart, a gong and a metal scrape now and then.
#include <array>
#include <cmath>

#include "InstrumentTools.h"
#include "SongTools.h"
#include "Songs.h"

namespace soundgen {
namespace {

enum : int { Bowed = 1, Pizzicato, Heartbeat, Glass, Gong, Scrape };
enum : int {
  ChDrone0,
  ChDrone1,
  ChOstinato,
  ChHeart,
  ChGlass0,
  ChGlass1,
  ChGong,
  ChScrape,
  Channels
};

tXmInstrument MakeBowed() {
  // Low strings bowed together: a saw-like series, darkened above 900 Hz (the bow's edge,
  // not its buzz), three players slightly apart.
  std::vector<double> harmonics;
  for (int n = 1; n <= 30; ++n) {
    const double darken = 1.0 / std::sqrt(1.0 + std::pow(n * 82.0 / 900.0, 4.0));
    harmonics.push_back(std::pow(n, -1.15) * (n % 2 ? 1.0 : 0.75) * darken);
  }
  Buffer b = AdditiveLoop(3001, SampleRate, 82, {-1, 0, 1}, harmonics);
  tXmInstrument ins = MakeInstrument("bowed strings", b, 82.0, 60, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {36, 52}, {70, 46}, {140, 0}};
  ins.Volume.Sustain = 2;
  ins.Fadeout = 300;
  ins.VibratoDepth = 2;
  ins.VibratoRate = 5;
  ins.VibratoSweep = 160;
  return ins;
}

tXmInstrument MakePizzicato() {
  // A plucked low string by frequency modulation: the modulation index falls away almost
  // at once, leaving a dull, round tone.
  const double hz = 82.41;
  tOsc carrier, modulator;
  Buffer b = MakeBuffer(0.7);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double index = 3.2 * ExpDecay(t, 0.035) + 0.35;
    b[i] = AttackDecay(t, 0.002, 0.11) * carrier.Sine(hz + hz * index * modulator.Sine(hz));
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.08);
  return MakeInstrument("low pizzicato", b, hz, 64, 110);
}

tXmInstrument MakeHeartbeat() {
  // Two thumps, the second softer, deep enough to feel rather than hear.
  tRng rng(3003);
  tOnePole thud;
  tOsc skin;
  Buffer b = MakeBuffer(0.65);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double second = t >= 0.17 ? 0.6 * AttackDecay(t - 0.17, 0.004, 0.08) : 0.0;
    const double env = AttackDecay(t, 0.004, 0.09) + second;
    const double beat = t >= 0.17 ? t - 0.17 : t;
    b[i] = env *
           (skin.Sine(44.0 + 22.0 * ExpDecay(beat, 0.03)) + 0.15 * thud.Step(rng.Bipolar(), 300.0));
  }
  FadeEdges(b, 0.0, 0.06);
  return MakeInstrument("heartbeat drum", b, MiddleC, 64, 128);
}

tXmInstrument MakeGlass() {
  // A wet finger on a glass rim: almost a pure tone, two rims a hair apart so it throbs,
  // swelling in slowly.
  Buffer b = AdditiveLoop(3004, SampleRate, 659, {0, 2}, {1.0, 0.12, 0.05});
  tXmInstrument ins = MakeInstrument("glass rim", b, 660.0, 44, 140);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {30, 44}, {80, 36}, {150, 0}};
  ins.Volume.Sustain = 2;
  ins.Fadeout = 200;
  return ins;
}

tXmInstrument MakeGong() {
  // A small gong: an inharmonic pair whose shimmer lingers after the strike.
  const double hz = 110.0;
  tOsc carrier, modulator, hum;
  Buffer b = MakeBuffer(3.0);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double index = 1.6 * ExpDecay(t, 0.6) + 0.4;
    b[i] = AttackDecay(t, 0.006, 0.8) * carrier.Sine(hz + hz * index * modulator.Sine(hz * 1.414)) +
           0.3 * AttackDecay(t, 0.02, 1.2) * hum.Sine(hz * 0.5);
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.4);
  return MakeInstrument("small gong", b, hz, 56, 128);
}

tXmInstrument MakeScrape() {
  // Iron dragged over stone somewhere in the dark: a ringing band of noise that slides up
  // and back, roughened by the grit.
  tRng rng(3006);
  tStateVariable ring;
  tOnePole grit;
  Buffer b = MakeBuffer(1.3);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double x = t / 1.3;
    const double hz = 700.0 + 1700.0 * std::sin(Pi * x);
    const double rough = 0.5 + 4.0 * std::fabs(grit.Step(rng.Bipolar(), 25.0));
    b[i] = std::sin(Pi * std::pow(x, 0.6)) * rough * ring.Step(rng.Bipolar(), hz, 9.0).Band;
  }
  FadeEdges(b, 0.05, 0.1);
  return MakeInstrument("metal scrape", b, MiddleC, 36, 90);
}

using namespace pitch;

constexpr int MixLevel = 120;
// The ostinato's uneven pulse: three, three, two, over and over.
constexpr const char* Ostinato = "E2 . . E2 . . F2 . E2 . . E2 . . G2 F2";

struct tPassage {
  std::array<int, 4> Roots;  // each bar's drone root, E2 .. C3
  bool Ostinato = true;
  const char* HeartBeats = "X... .... x... ....";
  std::array<const char*, 4> Glass{};     // upper glass voice, per bar
  std::array<const char*, 4> GlassLow{};  // the voice rubbing against it
  bool Gong = false, Scrape = false;
};

tXmPattern Passage(const tPassage& s) {
  tXmPattern p = BlankPattern(64, Channels);
  tPen pen(p, Channels, MixLevel);
  int held = 0;
  for (int bar = 0; bar < 4; ++bar) {
    const int row0 = 16 * bar;
    const int root = s.Roots[static_cast<size_t>(bar)];
    // The drone moves only where the root does; every pattern starts it afresh.
    if (bar == 0 || root != held) {
      pen.Note(row0, ChDrone0, root, Bowed, 40);
      pen.Note(row0, ChDrone1, root + 7, Bowed, 30);
      held = root;
    }
    if (s.Ostinato) pen.Phrase(row0, ChOstinato, Pizzicato, 44, Ostinato, root - E);
    pen.Beat(row0, ChHeart, Heartbeat, 60, 44, s.HeartBeats);
    if (const char* line = s.Glass[static_cast<size_t>(bar)])
      pen.Phrase(row0, ChGlass0, Glass, 26, line);
    if (const char* line = s.GlassLow[static_cast<size_t>(bar)])
      pen.Phrase(row0, ChGlass1, Glass, 20, line);
    if (s.Scrape && bar % 2 == 1) pen.Note(row0 + 8, ChScrape, 60, Scrape, 30);
  }
  if (s.Gong) pen.Note(0, ChGong, E - 12, Gong, 40);
  return p;
}

}  // namespace

tXmModule ShadowWarren() {
  tPassage lurk{{E - 12, E - 12, F - 12, E - 12}};
  lurk.Ostinato = false;
  lurk.Glass = {"B5 . . . . . . . . . . . ^ . . .", nullptr, "C6 . . . . . . . . . . . ^ . . .",
                nullptr};
  tPassage prowl{{E - 12, E - 12, F - 12, E - 12}};
  prowl.Gong = true;
  prowl.Glass = {nullptr, "E5 . . . . . . . F5 . . . . . . .", nullptr,
                 "E5 . . . . . . . . . . . ^ . . ."};
  tPassage stalk{{E - 12, F - 12, D - 12, E - 12}};
  stalk.Glass = {"B5 . . . . . . . C6 . . . . . . .", "C6 . . . . . . . B5 . . . . . . .",
                 "A5 . . . . . . . G5 . . . . . . .", "F5 . . . . . . . E5 . . . ^ . . ."};
  tPassage climb{{C, D - 12, E - 12, F - 12}};
  climb.HeartBeats = "X... x... X... x.o.";
  climb.Gong = climb.Scrape = true;
  climb.Glass = {"G5 . . . . . . . . . . . . . . .", "A5 . . . . . . . . . . . . . . .",
                 "B5 . . . . . . . . . . . . . . .", "C6 . . . . . . . B5 . . . ^ . . ."};
  climb.GlassLow = {"F#5 . . . . . . . . . . . ^ . . .", "G#5 . . . . . . . . . . . ^ . . .",
                    "C6 . . . . . . . . . . . ^ . . .", "C#6 . . . . . . . C6 . . . ^ . . ."};
  tPassage retreat{{E - 12, E - 12, F - 12, E - 12}};
  retreat.HeartBeats = "x... .... o... ....";
  retreat.Scrape = true;
  retreat.Glass = {"G5 . . . . . . . F5 . . . . . . .", "E5 . . . . . . . . . . . ^ . . .", nullptr,
                   nullptr};
  return AssembleModule(
      "Shadow Warren", Channels, 6, 72,
      {Passage(lurk), Passage(prowl), Passage(stalk), Passage(climb), Passage(retreat)},
      {0, 1, 2, 3, 1, 2, 3, 4}, 0,
      {MakeBowed(), MakePizzicato(), MakeHeartbeat(), MakeGlass(), MakeGong(), MakeScrape()});
}

}  // namespace soundgen
