// "Bright Meadow": a sunny C major tune for the first levels. Kalimba arpeggios over a
// plucked bass, a reedy pipe singing the tune, marimba off-beats, tambourine and claps.
#include <array>
#include <cmath>

#include "InstrumentTools.h"
#include "SongTools.h"
#include "Songs.h"

namespace soundgen {
namespace {

enum : int { Kalimba = 1, Marimba, Pipe, PluckBass, Tambourine, Clap, WoodTom };
enum : int {
  ChLead,
  ChEcho,
  ChArp0,
  ChArp1,
  ChMarimba0,
  ChMarimba1,
  ChBass,
  ChTom,
  ChClap,
  ChTamb,
  Channels
};

tXmInstrument MakeKalimba() {
  // A metal tine on a box: a clean fundamental, a quickly fading overtone near the sixth
  // harmonic, and the click of the thumb.
  const double hz = 523.25;
  tRng rng(2001);
  tStateVariable click;
  tOsc fundamental, overtone;
  Buffer b = MakeBuffer(1.3);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    b[i] = AttackDecay(t, 0.0015, 0.32) * fundamental.Sine(hz) +
           0.35 * ExpDecay(t, 0.035) * overtone.Sine(hz * 5.93) +
           0.3 * ExpDecay(t, 0.004) * click.Step(rng.Bipolar(), 3200.0, 2.0).Band;
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.15);
  return MakeInstrument("kalimba", b, hz, 56, 100);
}

tXmInstrument MakeMarimba() {
  // A rosewood bar: the fourth harmonic is tuned into it, as bars are, and fades first;
  // a soft yarn mallet.
  const double hz = MiddleC;
  tRng rng(2002);
  tOnePole mallet;
  tOsc bar, fourth, tenth;
  Buffer b = MakeBuffer(0.9);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    b[i] = AttackDecay(t, 0.001, 0.16) * bar.Sine(hz) +
           0.3 * ExpDecay(t, 0.05) * fourth.Sine(hz * 4.0) +
           0.08 * ExpDecay(t, 0.012) * tenth.Sine(hz * 9.9) +
           0.2 * ExpDecay(t, 0.003) * mallet.Step(rng.Bipolar(), 1500.0);
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.1);
  return MakeInstrument("marimba", b, hz, 60, 150);
}

tXmInstrument MakePipe() {
  // A reed pipe: a narrow pulse wave, its upper harmonics softened, held as long as the
  // note is, with a late vibrato.
  std::vector<double> harmonics;
  for (int n = 1; n <= 22; ++n)
    harmonics.push_back(std::fabs(std::sin(Pi * n * 0.25)) / n * std::exp(-0.12 * n));
  Buffer b = AdditiveLoop(2003, SampleRate, 523, {0}, harmonics);
  tXmInstrument ins = MakeInstrument("reed pipe", b, 523.0, 48, 128);
  LoopWhole(ins);
  ins.Volume.Points = {{0, 0}, {3, 64}, {12, 50}, {30, 44}, {46, 0}};
  ins.Volume.Sustain = 3;
  ins.Fadeout = 1400;
  ins.VibratoDepth = 4;
  ins.VibratoRate = 14;
  ins.VibratoSweep = 100;
  return ins;
}

tXmInstrument MakePluckBass() {
  // A plucked bass: a bright sawtooth whose filter closes as it rings.
  std::vector<double> saw;
  for (int n = 1; n <= 40; ++n) saw.push_back(1.0 / n);
  const Buffer source = AdditiveLoop(2004, Samples(1.0), 65, {0}, saw);
  tStateVariable filter;
  Buffer b = MakeBuffer(1.0);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double cutoff = 180.0 + 1400.0 * ExpDecay(t, 0.06);
    b[i] = AttackDecay(t, 0.003, 0.3) * filter.Step(source[i], cutoff, 1.4).Low;
  }
  RemoveDc(b);
  FadeEdges(b, 0.0, 0.1);
  return MakeInstrument("plucked bass", b, 65.0, 64, 128);
}

tXmInstrument MakeTambourine() {
  // Jingles: high, ringing bands of noise, shaken twice.
  tRng rng(2005);
  tStateVariable low, high;
  Buffer b = MakeBuffer(0.2);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    const double env = AttackDecay(t, 0.001, 0.03) +
                       0.5 * AttackDecay(t - 0.028, 0.001, 0.025) * (t > 0.028 ? 1.0 : 0.0);
    const double n = rng.Bipolar();
    b[i] = env * (low.Step(n, 6200.0, 5.0).Band + 0.8 * high.Step(n, 9000.0, 6.0).Band);
  }
  FadeEdges(b, 0.0, 0.03);
  return MakeInstrument("tambourine", b, MiddleC, 40, 170);
}

tXmInstrument MakeClap() {
  // Three hands a few milliseconds apart, then the room.
  tRng rng(2006);
  tStateVariable f;
  Buffer b = MakeBuffer(0.25);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    double env = 0.4 * AttackDecay(t, 0.001, 0.05);
    for (double at : {0.0, 0.011, 0.023})
      if (t >= at) env += ExpDecay(t - at, 0.004);
    b[i] = env * f.Step(rng.Bipolar(), 1150.0, 1.8).Band;
  }
  FadeEdges(b, 0.0, 0.04);
  return MakeInstrument("hand clap", b, MiddleC, 44, 110);
}

tXmInstrument MakeWoodTom() {
  // A small wooden drum, pitch dropping as the skin settles.
  tRng rng(2007);
  tOnePole stick;
  tOsc skin;
  Buffer b = MakeBuffer(0.4);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = TimeOf(i);
    b[i] = AttackDecay(t, 0.001, 0.07) * skin.Sine(110.0 + 80.0 * ExpDecay(t, 0.03)) +
           0.3 * ExpDecay(t, 0.005) * stick.Step(rng.Bipolar(), 2500.0);
  }
  FadeEdges(b, 0.0, 0.05);
  return MakeInstrument("wood tom", b, MiddleC, 64, 128);
}

using namespace pitch;

// One bar of the backing: kalimba arpeggio, bass, and (when `full`) marimba off-beats.
void Backing(tPen& pen, int row0, const tChord& chord, int bar, bool marimba) {
  Arpeggio(pen, row0, ChArp0, ChArp1, Kalimba, chord, bar % 2 ? ArpRising : ArpWave, 2, 36);
  int root = chord[0];
  while (root > 47) root -= 12;
  pen.Note(row0, ChBass, root, PluckBass, 52);
  pen.Note(row0 + 6, ChBass, root, PluckBass, 34);
  pen.Note(row0 + 8, ChBass, root + 7, PluckBass, 44);
  pen.Note(row0 + 12, ChBass, root + 12, PluckBass, 36);
  if (!marimba) return;
  for (int r = 2; r < 16; r += 4) {
    pen.Note(row0 + r, ChMarimba0, chord[2] + 12, Marimba, 24);
    pen.Note(row0 + r, ChMarimba1, chord[3] + 12, Marimba, 20);
  }
}

void Drums(tPen& pen, int row0, bool last) {
  pen.Beat(row0, ChTom, WoodTom, 60, 40, last ? "x... .... x.x. xoxo" : "x... .... x.o. ....");
  pen.Beat(row0, ChClap, Clap, 60, 30, ".... x... .... x...");
}

constexpr int MixLevel = 125;

// A pattern of four bars on `chords`; the lead's phrase per bar follows.
struct tVerse {
  std::array<tChord, 4> Chords;
  std::array<const char*, 4> Lead{};  // nullptr: no lead in that bar
  bool Marimba = true, Drums = true, Tambourine = true;
  bool LeadOnMarimba = false;  // the tune taken by the marimba, an octave down
};

tXmPattern Verse(const tVerse& v) {
  tXmPattern p = BlankPattern(64, Channels);
  tPen pen(p, Channels, MixLevel);
  for (int bar = 0; bar < 4; ++bar) {
    const int row0 = 16 * bar;
    const tChord& chord = v.Chords[static_cast<size_t>(bar)];
    Backing(pen, row0, chord, bar, v.Marimba);
    if (v.Drums) Drums(pen, row0, bar == 3);
    if (v.Tambourine) pen.Beat(row0, ChTamb, Tambourine, 60, 26, "o.x. o.x. o.x. o.xo");
    if (const char* lead = v.Lead[static_cast<size_t>(bar)]) {
      if (v.LeadOnMarimba) {
        pen.Phrase(row0, ChMarimba0, Marimba, 44, lead, -12);
      } else {
        pen.Phrase(row0, ChLead, Pipe, 46, lead);
        pen.Phrase(row0 + 3, ChEcho, Pipe, 12, lead, 12);
      }
    }
  }
  return p;
}

}  // namespace

tXmModule BrightMeadow() {
  tVerse intro{{Major(C), Major(G - 12), Minor(A - 12), Major(F - 12)}};
  intro.Marimba = intro.Drums = false;
  tVerse a = intro;
  a.Marimba = a.Drums = true;
  a.Lead = {"E5 . . . G5 . . . C6 . . . G5 . E5 .", "D5 . . . G5 . . . B5 . . . A5 . G5 .",
            "C6 . . . B5 . A5 . E5 . . . . . A5 .", "F5 . . . A5 . G5 . F5 . E5 . D5 . ^ ."};
  tVerse a2 = a;
  a2.Chords = {Major(C), Major(G - 12), Major(F - 12), Major(G - 12)};
  a2.Lead = {"E5 . . . G5 . . . C6 . . . D6 . E6 .", "D6 . . . B5 . G5 . D5 . . . G5 . . .",
             "A5 . . . C6 . A5 . F5 . . . A5 . G5 .", "G5 . . . . . . . ^ . . . D5 . E5 ."};
  tVerse b{{Major(F - 12), Major(G - 12), Minor(E - 12), Minor(A - 12)}};
  b.Lead = {"A5 . . . . . . . C6 . . . A5 . . .", "B5 . . . . . . . D6 . . . B5 . . .",
            "G5 . . . . . B5 . E6 . . . D6 . . .", "C6 . . . . . . . . . . . ^ . . ."};
  tVerse b2 = b;
  b2.Chords = {Major(F - 12), Major(G - 12), Minor7(D), Sus4(G - 12)};
  b2.Lead = {"A5 . . . . . . . C6 . . . F6 . . .", "E6 . . . D6 . . . B5 . . . G5 . . .",
             "F5 . . . A5 . . . D6 . . . C6 . . .", "B5 . . . . . . . D5 . E5 . F5 . G5 ."};
  tVerse rest{{Minor(A - 12), Major(F - 12), Major(C), Major(G - 12)}};
  rest.Drums = false;
  rest.LeadOnMarimba = true;
  rest.Lead = {"E5 . . . A5 . . . C6 . B5 . A5 . . .", "F5 . . . A5 . . . C6 . . . A5 . . .",
               "G5 . . . E5 . . . C5 . D5 . E5 . . .", "D5 . . . . . . . B4 . . . . . . ."};
  return AssembleModule("Bright Meadow", Channels, 6, 124,
                        {Verse(intro), Verse(a), Verse(a2), Verse(b), Verse(b2), Verse(rest)},
                        {0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 0}, 1,
                        {MakeKalimba(), MakeMarimba(), MakePipe(), MakePluckBass(),
                         MakeTambourine(), MakeClap(), MakeWoodTom()});
}

}  // namespace soundgen
