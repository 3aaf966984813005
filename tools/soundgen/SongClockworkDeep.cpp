// "Clockwork Deep": a mechanical piece in A minor for bomb and droid levels. A clock's
// tick and tock, a pulse-wave bass ostinato, square-wave cogs turning in sixteenths, a
// music box carrying the tune, an anvil, a winding ratchet and a blast of steam.
#include <array>
#include <cmath>

#include "InstrumentTools.h"
#include "SongTools.h"
#include "Songs.h"

namespace soundgen {
namespace {

enum : int { Tick = 1, Tock, MusicBox, PulseBass, Anvil, Ratchet, Steam, Cog };
enum : int {
  ChTick,
  ChTock,
  ChBox,
  ChBoxEcho,
  ChBass,
  ChAnvil,
  ChRatchet,
  ChSteam,
  ChCog0,
  ChCog1,
  Channels
};

// A struck, quickly damped resonance: the tick and the tock of the clock.
Buffer Escapement(std::uint64_t seed, double hz, double halfLife) {
  tRng rng(seed);
  tStateVariable body;
  Buffer b = MakeBuffer(0.08);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double strike = t < 0.0015 ? rng.Bipolar() : 0.0;
    b[i] = ExpDecay(t, halfLife) * body.Step(strike, hz, 30.0).Band;
  }
  FadeEdges(b, 0.0, 0.01);
  return b;
}

tXmInstrument MakeTick() {
  return MakeInstrument("clock tick", Escapement(5001, 3800.0, 0.006), MiddleC, 40, 150);
}

tXmInstrument MakeTock() {
  return MakeInstrument("clock tock", Escapement(5002, 1250.0, 0.012), MiddleC, 48, 106);
}

tXmInstrument MakeMusicBox() {
  // Two comb teeth tuned a hair apart, each with its high ringing mode and the pin's
  // click.
  const double hz = 1046.5;
  tOsc tooth, twin, mode;
  Buffer b = MakeBuffer(1.8);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    b[i] = AttackDecay(t, 0.001, 0.45) * (tooth.Sine(hz) + 0.6 * twin.Sine(hz + 1.5)) +
           0.5 * ExpDecay(t, 0.03) * mode.Sine(hz * 6.27);
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.2);
  return MakeInstrument("music box", b, hz, 50, 128);
}

tXmInstrument MakePulseBass() {
  // A narrow pulse wave, the thin, nasal tone of a machine's bass.
  std::vector<double> harmonics;
  for (int n = 1; n <= 36; ++n)
    harmonics.push_back(std::fabs(std::sin(Pi * n * 0.125)) / n * std::exp(-0.05 * n));
  Buffer b = AdditiveLoop(5004, SampleRate, 55, {0}, harmonics);
  tXmInstrument ins = MakeInstrument("pulse bass", b, 55.0, 60, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 64}, {4, 46}, {12, 34}, {20, 0}};
  ins.Volume.Sustain = 2;
  ins.Fadeout = 2000;
  return ins;
}

tXmInstrument MakeAnvil() {
  // A struck steel bar: its modes lie at the bar's inharmonic ratios, the high ones dying
  // first.
  const double hz = 392.0;
  const double ratios[] = {1.0, 2.756, 5.404, 8.933};
  const double halfLives[] = {0.45, 0.22, 0.1, 0.05};
  const double levels[] = {1.0, 0.6, 0.35, 0.2};
  tRng rng(5005);
  tStateVariable strike;
  std::array<tOsc, 4> modes;
  Buffer b = MakeBuffer(2.0);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    double v = 0.3 * ExpDecay(t, 0.003) * strike.Step(rng.Bipolar(), 4000.0, 1.0).Band;
    for (size_t m = 0; m < modes.size(); ++m)
      v += levels[m] * AttackDecay(t, 0.001, halfLives[m]) * modes[m].Sine(hz * ratios[m]);
    b[i] = v;
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.3);
  return MakeInstrument("anvil", b, hz, 44, 128);
}

tXmInstrument MakeRatchet() {
  // A key winding the spring: ten clicks, the pawl falling over the teeth.
  Buffer b = MakeBuffer(0.3);
  for (int k = 0; k < 10; ++k) {
    const Buffer click =
        Escapement(5006 + static_cast<std::uint64_t>(k), 2200.0 + 150.0 * (k % 3), 0.004);
    Mix(b, click, k % 2 ? 0.6 : 1.0, Samples(0.026 * k));
  }
  FadeEdges(b, 0.0, 0.02);
  return MakeInstrument("ratchet", b, MiddleC, 40, 160);
}

tXmInstrument MakeSteam() {
  // A valve letting off steam.
  tRng rng(5007);
  tStateVariable hiss;
  Buffer b = MakeBuffer(0.9);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double env = Ramp(t, 0.0, 0.06) * (t < 0.35 ? 1.0 : ExpDecay(t - 0.35, 0.1));
    b[i] = env * hiss.Step(rng.Bipolar(), 3200.0, 0.6).High;
  }
  FadeEdges(b, 0.0, 0.05);
  return MakeInstrument("steam valve", b, MiddleC, 28, 96);
}

tXmInstrument MakeCog() {
  // A square wave snapped through a resonant filter that shuts at once: a toothed wheel
  // clicking round.
  std::vector<double> square;
  for (int n = 1; n <= 39; ++n) square.push_back(n % 2 ? 1.0 / n : 0.0);
  const Buffer source = AdditiveLoop(5008, Samples(0.5), 110, {0}, square);
  tStateVariable filter;
  Buffer b = MakeBuffer(0.5);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    b[i] = AttackDecay(t, 0.001, 0.09) *
           filter.Step(source[i], 300.0 + 2800.0 * ExpDecay(t, 0.02), 3.5).Low;
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.05);
  return MakeInstrument("cog pluck", b, 220.0, 48, 128);
}

using namespace pitch;

constexpr int MixLevel = 150;
// The bass turns the same figure on every chord.
constexpr const char* BassFigure = "A1 . . A1 A2 . A1 . A1 . . A1 A2 . G2 .";

struct tGear {
  std::array<tChord, 4> Chords;
  std::array<const char*, 4> Box{};  // the music box's tune, per bar
  bool Bass = true, Cogs = true, Ticks = true;
  bool Anvil = false, Ratchet = false, Steam = false;
};

tXmPattern Gear(const tGear& s) {
  tXmPattern p = BlankPattern(64, Channels);
  tPen pen(p, Channels, MixLevel);
  for (int bar = 0; bar < 4; ++bar) {
    const int row0 = 16 * bar;
    const tChord& chord = s.Chords[static_cast<size_t>(bar)];
    if (s.Ticks) {
      pen.Beat(row0, ChTick, Tick, 60, 40, "X.o. o.o. x.o. o.o.");
      pen.Beat(row0, ChTock, Tock, 60, 40, ".... x... .... x...");
    }
    int root = chord[0];
    while (root > A - 12) root -= 12;
    if (s.Bass) pen.Phrase(row0, ChBass, PulseBass, 40, BassFigure, root - (A - 24));
    if (s.Cogs)
      Arpeggio(pen, row0, ChCog0, ChCog1, Cog, chord, bar % 2 ? ArpRising : ArpWave, 1, 30);
    if (const char* line = s.Box[static_cast<size_t>(bar)]) {
      pen.Phrase(row0, ChBox, MusicBox, 48, line);
      pen.Phrase(row0 + 2, ChBoxEcho, MusicBox, 14, line);
    }
    if (s.Anvil) pen.Note(row0, ChAnvil, G + 12, Anvil, bar == 0 ? 40 : 28);
  }
  if (s.Ratchet) pen.Note(0, ChRatchet, 60, Ratchet, 40);
  if (s.Steam) pen.Note(56, ChSteam, 60, Steam, 40);
  return p;
}

}  // namespace

tXmModule ClockworkDeep() {
  const std::array<tChord, 4> turning{Minor(A - 12), Minor(A - 12), Major(F - 12), Major(E - 12)};
  tGear windUp{turning};
  windUp.Cogs = false;
  windUp.Ratchet = windUp.Steam = true;
  tGear running{turning};
  tGear tune{turning};
  tune.Box = {"A5 . C6 . E6 . . . D6 . C6 . B5 . A5 .", "E6 . . . A6 . . . G6 . E6 . C6 . . .",
              "F6 . E6 . D6 . C6 . A5 . . . C6 . . .", "B5 . . . G#5 . . . E5 . . . . . . ."};
  tGear answer{{Minor(D), Minor(A - 12), Major(E - 12), Minor(A - 12)}};
  answer.Anvil = true;
  answer.Box = {"D6 . F6 . A6 . . . F6 . D6 . . . . .", "C6 . E6 . A6 . . . E6 . C6 . . . . .",
                "B5 . D6 . G#6 . . . E6 . D6 . B5 . . .", "A5 . . . . . . . ^ . . . . . . ."};
  tGear high{{Major(F - 12), Major(G - 12), Minor(A - 12), Major(E - 12)}};
  high.Cogs = false;
  high.Steam = true;
  high.Box = {"A6 . . . C7 . . . A6 . . . F6 . . .", "G6 . . . B6 . . . D7 . . . B6 . . .",
              "C7 . . . B6 . . . A6 . . . E6 . . .", "G#6 . . . . . . . B6 . . . . . . ."};
  tGear strain{{Minor(D), Major(E - 12), Minor(D), Major(E - 12)}};
  strain.Anvil = strain.Steam = true;
  strain.Box = {"F6 . . . E6 . . . D6 . . . . . . .", "E6 . . . F6 . . . G#6 . . . . . . .",
                "A6 . . . G#6 . . . F6 . . . D6 . . .", "E6 . . . . . . . ^ . . . . . . ."};
  return AssembleModule(
      "Clockwork Deep", Channels, 6, 100,
      {Gear(windUp), Gear(running), Gear(tune), Gear(answer), Gear(high), Gear(strain)},
      {0, 1, 2, 3, 4, 1, 2, 3, 5, 4}, 0,
      {MakeTick(), MakeTock(), MakeMusicBox(), MakePulseBass(), MakeAnvil(), MakeRatchet(),
       MakeSteam(), MakeCog()});
}

}  // namespace soundgen
