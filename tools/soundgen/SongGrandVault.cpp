// "Grand Vault": a stately D major march for the bonus levels. A fanfare of brass, a
// string section, harp arpeggios, timpani, a snare drum and a cymbal crash.
#include <array>
#include <cmath>

#include "InstrumentTools.h"
#include "SongTools.h"
#include "Songs.h"

namespace soundgen {
namespace {

enum : int { Brass = 1, Strings, Harp, Timpani, Snare, Cymbal };
enum : int {
  ChBrass0,
  ChBrass1,
  ChBrass2,
  ChStrings0,
  ChStrings1,
  ChStrings2,
  ChHarp0,
  ChHarp1,
  ChTimpani,
  ChSnare,
  ChCymbal,
  ChStringTune,
  Channels
};

tXmInstrument MakeBrass() {
  // Horns and trumpets together: a full, bright harmonic series, two players apart, with
  // a quick swell into each note.
  std::vector<double> harmonics;
  for (int n = 1; n <= 24; ++n) harmonics.push_back(std::pow(n, -0.9) * std::exp(-0.09 * n));
  Buffer b = AdditiveLoop(6001, SampleRate, 220, {0, 1}, harmonics);
  tXmInstrument ins = MakeInstrument("brass section", b, 220.0, 52, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {3, 64}, {8, 50}, {40, 44}, {60, 0}};
  ins.Volume.Sustain = 3;
  ins.Fadeout = 900;
  ins.VibratoDepth = 2;
  ins.VibratoRate = 10;
  ins.VibratoSweep = 60;
  return ins;
}

tXmInstrument MakeStrings() {
  // Violins and violas: five players spread around the note, the series thinning
  // upward, rising in gently.
  std::vector<double> harmonics;
  for (int n = 1; n <= 20; ++n) harmonics.push_back(std::pow(n, -1.4));
  Buffer b = AdditiveLoop(6002, SampleRate, 440, {-2, -1, 0, 1, 2}, harmonics);
  tXmInstrument ins = MakeInstrument("string section", b, 440.0, 48, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {24, 48}, {60, 44}, {120, 0}};
  ins.Volume.Sustain = 2;
  ins.Fadeout = 260;
  ins.VibratoDepth = 3;
  ins.VibratoRate = 9;
  ins.VibratoSweep = 90;
  return ins;
}

tXmInstrument MakeHarp() {
  // A gut string plucked by a finger: warm partials, the higher ones dying first.
  const double hz = 440.0;
  std::array<tOsc, 5> partials;
  Buffer b = MakeBuffer(1.6);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    double v = 0;
    for (size_t n = 0; n < partials.size(); ++n) {
      const double h = static_cast<double>(n + 1);
      v += std::pow(0.5, h - 1) * AttackDecay(t, 0.004, 0.6 / h) * partials[n].Sine(hz * h);
    }
    b[i] = v;
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.2);
  return MakeInstrument("harp", b, hz, 52, 128);
}

tXmInstrument MakeTimpani() {
  // A kettle drum: a deep, slightly falling tone with the membrane's upper modes and the
  // felt mallet's thud.
  const double hz = 98.0;
  tRng rng(6004);
  tOnePole felt;
  tOsc head, second, third;
  Buffer b = MakeBuffer(1.5);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double drop = 1.0 + 0.03 * ExpDecay(t, 0.05);
    b[i] = AttackDecay(t, 0.003, 0.35) * head.Sine(hz * drop) +
           0.35 * AttackDecay(t, 0.003, 0.15) * second.Sine(hz * 1.5 * drop) +
           0.2 * AttackDecay(t, 0.003, 0.1) * third.Sine(hz * 1.98 * drop) +
           0.4 * ExpDecay(t, 0.006) * felt.Step(rng.Bipolar(), 600.0);
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.2);
  return MakeInstrument("timpani", b, hz, 64, 128);
}

tXmInstrument MakeSnare() {
  // A field snare: the head's short knock and the rattle of the wires under it.
  tRng rng(6005);
  tStateVariable wires;
  tOsc head;
  Buffer b = MakeBuffer(0.3);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    b[i] = 0.6 * AttackDecay(t, 0.001, 0.02) * head.Sine(190.0) +
           AttackDecay(t, 0.001, 0.045) * wires.Step(rng.Bipolar(), 3500.0, 0.8).Band;
  }
  FadeEdges(b, 0.0, 0.04);
  return MakeInstrument("field snare", b, MiddleC, 44, 128);
}

tXmInstrument MakeCymbal() {
  // A crash: bright noise that shimmers and dies away over a couple of seconds.
  tRng rng(6006);
  tStateVariable sizzle, ring;
  Buffer b = MakeBuffer(2.2);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double n = rng.Bipolar();
    b[i] = AttackDecay(t, 0.002, 0.45) *
           (sizzle.Step(n, 7000.0, 0.7).High + 0.5 * ring.Step(n, 4300.0, 4.0).Band);
  }
  FadeEdges(b, 0.0, 0.3);
  return MakeInstrument("crash cymbal", b, MiddleC, 32, 150);
}

using namespace pitch;

constexpr int MixLevel = 120;

struct tPageant {
  std::array<tChord, 4> Chords;
  std::array<const char*, 4> Brass{};    // the brass tune, per bar
  std::array<const char*, 4> Strings{};  // a string tune, per bar
  bool Fanfare = false;                  // brass chords in a fanfare rhythm
  bool Section = true, Harp = true, March = true, Crash = false;
};

// Brass chords struck in a fanfare rhythm: three voices on the chord's upper notes.
void FanfareBar(tPen& pen, int row0, const tChord& chord) {
  for (int hit : {0, 3, 4, 8, 11, 12}) {
    for (int v = 0; v < 3; ++v)
      pen.Note(row0 + hit, ChBrass0 + v, chord[static_cast<size_t>(v + 1)], Brass,
               hit % 4 ? 30 : 42);
    if (hit % 4)
      for (int v = 0; v < 3; ++v) pen.Off(row0 + hit + 1, ChBrass0 + v);
  }
  for (int v = 0; v < 3; ++v) pen.Off(row0 + 15, ChBrass0 + v);
}

tXmPattern Pageant(const tPageant& s) {
  tXmPattern p = BlankPattern(64, Channels);
  tPen pen(p, Channels, MixLevel);
  tChord held;
  for (int bar = 0; bar < 4; ++bar) {
    const int row0 = 16 * bar;
    const tChord& chord = s.Chords[static_cast<size_t>(bar)];
    int root = chord[0];
    while (root > 51) root -= 12;
    while (root < 40) root += 12;
    if (s.Fanfare) FanfareBar(pen, row0, chord);
    // The section moves only where its notes do; every pattern starts it afresh.
    if (s.Section)
      for (int v = 0; v < 3; ++v) {
        const auto index = static_cast<size_t>(v + 1);
        if (bar == 0 || held[index] != chord[index])
          pen.Note(row0, ChStrings0 + v, chord[index], Strings, 22);
      }
    held = chord;
    if (s.Harp) Arpeggio(pen, row0, ChHarp0, ChHarp1, Harp, chord, ArpRising, 2, 34);
    pen.Beat(row0, ChTimpani, Timpani, root, 46,
             s.Fanfare ? "X... .... x.x. xxxx" : "x... .... x... ....");
    if (s.March) pen.Beat(row0, ChSnare, Snare, 60, 30, "x..o x.o. x..o xooo");
    if (const char* line = s.Brass[static_cast<size_t>(bar)])
      pen.Phrase(row0, ChBrass0, Brass, 46, line);
    if (const char* line = s.Strings[static_cast<size_t>(bar)])
      pen.Phrase(row0, ChStringTune, Strings, 40, line);
  }
  if (s.Crash) pen.Note(0, ChCymbal, 60, Cymbal, 36);
  return p;
}

}  // namespace

tXmModule GrandVault() {
  tPageant fanfare{{Major(D), Major(G - 12), Major(A - 12), Major(D)}};
  fanfare.Fanfare = fanfare.Crash = true;
  fanfare.Harp = fanfare.March = false;
  tPageant march{{Major(D), Minor(B - 12), Major(G - 12), Major(A - 12)}};
  march.Brass = {"D4 . . . . . F#4 . A4 . . . D5 . . .", "C#5 . . . B4 . . . F#4 . . . B4 . . .",
                 "B4 . . . . . A4 . G4 . . . B4 . . .", "A4 . . . . . . . E4 . F#4 . G4 . . ."};
  tPageant march2{{Major(D), Minor(Fs - 12), Major(G - 12), Major(A - 12)}};
  march2.Brass = {"A4 . . . . . D5 . F#5 . . . E5 . D5 .", "C#5 . . . . . A4 . F#4 . . . A4 . . .",
                  "B4 . . . D5 . . . G5 . . . F#5 . E5 .", "E5 . . . . . . . ^ . . . . . . ."};
  tPageant trio{{Major(G - 12), Minor(E - 12), Major(C), Major(D)}};
  trio.March = false;
  trio.Strings = {"D5 . . . . . . . B4 . . . . . . .", "G5 . . . . . . . E5 . . . . . . .",
                  "E5 . . . . . . . G5 . . . . . . .", "F#5 . . . . . . . A5 . . . . . . ."};
  tPageant grand{{Minor(B - 12), Major(G - 12), Minor7(E - 12), Major(A - 12)}};
  grand.Crash = true;
  grand.Brass = {"F#5 . . . . . D5 . B4 . . . D5 . F#5 .", "G5 . . . . . . . D5 . . . B4 . . .",
                 "E5 . . . . . G5 . B5 . . . A5 . G5 .", "A5 . . . . . . . . . . . ^ . . ."};
  return AssembleModule(
      "Grand Vault", Channels, 6, 88,
      {Pageant(fanfare), Pageant(march), Pageant(march2), Pageant(trio), Pageant(grand)},
      {0, 1, 2, 3, 4, 1, 2, 3, 4}, 0,
      {MakeBrass(), MakeStrings(), MakeHarp(), MakeTimpani(), MakeSnare(), MakeCymbal()});
}

}  // namespace soundgen
