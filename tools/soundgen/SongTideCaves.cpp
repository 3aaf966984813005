// "Tide Caves": a slow, watery piece in B minor for levels by the water. Rolling electric
// piano figures in threes, a choir of soft "oo"s, a deep sine bass, vibraphone, bubbles
// and the swell of a wave every other bar.
#include <array>
#include <cmath>

#include "InstrumentTools.h"
#include "SongTools.h"
#include "Songs.h"

namespace soundgen {
namespace {

enum : int { Droplet = 1, Choir, SubBass, Vibraphone, Bubble, Swell };
enum : int {
  ChKeys0,
  ChKeys1,
  ChChoir0,
  ChChoir1,
  ChChoir2,
  ChBass,
  ChBubble,
  ChSwell,
  ChVibes,
  ChVibesEcho,
  Channels
};

tXmInstrument MakeDroplet() {
  // An electric piano tine: a frequency-modulated body whose edge softens as it rings, and
  // the high ping of the hammer.
  const double hz = 440.0;
  tOsc carrier, modulator, ping;
  Buffer b = MakeBuffer(2.0);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double index = 1.1 * ExpDecay(t, 0.25) + 0.1;
    b[i] = AttackDecay(t, 0.002, 0.5) * carrier.Sine(hz + hz * index * modulator.Sine(hz)) +
           0.25 * ExpDecay(t, 0.008) * ping.Sine(hz * 14.0);
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.3);
  return MakeInstrument("droplet piano", b, hz, 56, 128);
}

tXmInstrument MakeChoir() {
  // Voices singing "oo": each harmonic's strength follows the vowel's resonances, three
  // singers a little apart in pitch.
  const double hz = 220.0;
  std::vector<double> harmonics;
  for (int n = 1; n <= 40; ++n) {
    const double f = n * hz;
    auto peak = [f](double centre, double width) {
      return std::exp(-0.5 * std::pow((f - centre) / width, 2.0));
    };
    harmonics.push_back(
        (peak(380.0, 90.0) + 0.5 * peak(820.0, 120.0) + 0.08 * peak(2600.0, 200.0) + 0.02) /
        std::sqrt(n));
  }
  Buffer b = AdditiveLoop(4002, SampleRate, 220, {-1, 0, 1}, harmonics);
  tXmInstrument ins = MakeInstrument("choir oo", b, hz, 50, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {40, 50}, {90, 44}, {180, 0}};
  ins.Volume.Sustain = 2;
  ins.Fadeout = 220;
  ins.VibratoDepth = 3;
  ins.VibratoRate = 8;
  ins.VibratoSweep = 120;
  return ins;
}

tXmInstrument MakeSubBass() {
  Buffer b = AdditiveLoop(4003, SampleRate, 55, {0}, {1.0, 0.3, 0.08});
  tXmInstrument ins = MakeInstrument("deep sine bass", b, 55.0, 64, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {6, 64}, {40, 50}, {100, 40}, {160, 0}};
  ins.Volume.Sustain = 3;
  ins.Fadeout = 600;
  return ins;
}

tXmInstrument MakeVibraphone() {
  // Metal bars over tubes with the fan running: the tone throbs as it fades.
  const double hz = 440.0;
  tOsc bar, fourth, fan;
  Buffer b = MakeBuffer(3.0);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double tremolo = 1.0 - 0.3 * (0.5 + 0.5 * fan.Sine(5.5));
    b[i] = tremolo * (AttackDecay(t, 0.002, 0.8) * bar.Sine(hz) +
                      0.2 * ExpDecay(t, 0.07) * fourth.Sine(hz * 4.0));
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.4);
  return MakeInstrument("vibraphone", b, hz, 52, 128);
}

tXmInstrument MakeBubble() {
  // An air bubble rising: a quick upward chirp.
  tOsc o;
  Buffer b = MakeBuffer(0.12);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    b[i] = AttackDecay(t, 0.002, 0.025) * o.Sine(520.0 * std::pow(2.5, std::min(t / 0.04, 1.0)));
  }
  FadeEdges(b, 0.0, 0.02);
  return MakeInstrument("bubble", b, MiddleC, 40, 128);
}

tXmInstrument MakeSwell() {
  // A wave running up the cave floor and drawing back: noise that opens and closes, with
  // a hiss of foam at its height.
  tRng rng(4006);
  tStateVariable body, foam;
  const double length = 3.0;
  Buffer b = MakeBuffer(length);
  for (size_t i = 0; i < b.size(); ++i) {
    const double x = TimeOf(i) / length;
    const double shape = std::sin(Pi * std::pow(x, 0.6));
    const double n = rng.Bipolar();
    b[i] = shape * (body.Step(n, 250.0 + 1300.0 * shape * shape, 0.8).Low +
                    0.25 * shape * shape * foam.Step(n, 5000.0, 0.7).High);
  }
  FadeEdges(b, 0.05, 0.2);
  return MakeInstrument("wave swell", b, MiddleC, 40, 128);
}

using namespace pitch;

constexpr int MixLevel = 125;
// The piano rolls in threes across the four beats.
constexpr tArpShape Rolling{0, 1, 2, 3, 2, 4, 3, 1};

struct tTide {
  std::array<tChord, 4> Chords;
  std::array<const char*, 4> Vibes{};
  bool Keys = true, Choir = true, Bubbles = false;
  std::uint64_t Seed = 1;  // where the bubbles rise
};

tXmPattern Tide(const tTide& s) {
  tXmPattern p = BlankPattern(64, Channels);
  tPen pen(p, Channels, MixLevel);
  tRng rng(s.Seed);
  tChord held;
  for (int bar = 0; bar < 4; ++bar) {
    const int row0 = 16 * bar;
    const tChord& chord = s.Chords[static_cast<size_t>(bar)];
    if (s.Keys) Arpeggio(pen, row0, ChKeys0, ChKeys1, Droplet, chord, Rolling, 3, 36);
    // Choir voices change only where their note does; every pattern starts them afresh.
    if (s.Choir)
      for (int v = 0; v < 3; ++v) {
        const auto index = static_cast<size_t>(v + 1);
        if (bar == 0 || held[index] != chord[index])
          pen.Note(row0, ChChoir0 + v, chord[index], Choir, 24);
      }
    held = chord;
    int root = chord[0];
    while (root > 45) root -= 12;
    pen.Note(row0, ChBass, root, SubBass, 48);
    pen.Off(row0 + 9, ChBass);
    pen.Note(row0 + 10, ChBass, root, SubBass, 36);
    pen.Off(row0 + 15, ChBass);
    if (bar % 2 == 0) pen.Note(row0, ChSwell, 60, Swell, 34);
    if (const char* line = s.Vibes[static_cast<size_t>(bar)]) {
      pen.Phrase(row0, ChVibes, Vibraphone, 44, line);
      pen.Phrase(row0 + 3, ChVibesEcho, Vibraphone, 14, line);
    }
    if (s.Bubbles)
      for (int r = 1; r < 16; r += 2)
        if (rng.Uniform() < 0.3)
          pen.Note(row0 + r, ChBubble, 60 + static_cast<int>(rng.Next() % 19), Bubble,
                   14 + static_cast<int>(rng.Next() % 14));
  }
  return p;
}

}  // namespace

tXmModule TideCaves() {
  const std::array<tChord, 4> verse{Minor7(B - 12), Major7(G - 12), Major(D), Major(A - 12)};
  tTide intro{verse};
  intro.Choir = false;
  intro.Bubbles = true;
  intro.Seed = 41;
  tTide a{verse};
  a.Vibes = {"F#5 . . . . . . . E5 . . . D5 . . .", "B4 . . . . . . . . . . . D5 . E5 .",
             "F#5 . . . A5 . . . . . . . F#5 . . .", "E5 . . . . . . . . . . . ^ . . ."};
  tTide a2{verse};
  a2.Vibes = {"F#5 . . . . . . . A5 . . . B5 . . .", "D6 . . . . . . . B5 . . . A5 . . .",
              "A5 . . . F#5 . . . D5 . . . E5 . . .", "C#5 . . . . . . . . . . . ^ . . ."};
  tTide b{{Minor7(E - 12), Minor7(Fs - 12), Major7(G - 12), Major(A - 12)}};
  b.Vibes = {"G5 . . . . . . . F#5 . . . E5 . . .", "F#5 . . . . . . . . . . . C#5 . . .",
             "D5 . . . . . . . B4 . . . D5 . . .", "E5 . . . . . . . C#5 . . . E5 . . ."};
  tTide deep{{Minor(B - 12), Major7(G - 12), Minor(B - 12), Sus4(Fs - 12)}};
  deep.Keys = false;
  deep.Bubbles = true;
  deep.Seed = 42;
  deep.Vibes = {"B4 . . . . . . . . . . . . . . .", nullptr, "D5 . . . . . . . . . . . . . . .",
                "C#5 . . . . . . . . . . . ^ . . ."};
  return AssembleModule(
      "Tide Caves", Channels, 6, 76, {Tide(intro), Tide(a), Tide(a2), Tide(b), Tide(deep)},
      {0, 1, 2, 3, 4, 1, 2, 3}, 0,
      {MakeDroplet(), MakeChoir(), MakeSubBass(), MakeVibraphone(), MakeBubble(), MakeSwell()});
}

}  // namespace soundgen
