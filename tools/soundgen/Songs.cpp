#include "Songs.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "Instruments.h"
#include "SongTools.h"
#include "Synth.h"

namespace soundgen {
namespace {

constexpr int Rows = 64;
constexpr int RowsPerBar = 16;
constexpr int Bars = Rows / RowsPerBar;
// Note volumes below are relative; this lifts them all so the music sits well under the
// effects without being lost (percent).
constexpr int MixLevel = 140;

// Channels shared by every piece.
enum tChannel : int {
  ChPad0,
  ChPad1,
  ChPad2,
  ChArp0,
  ChArp1,
  ChBass,
  ChMelody,
  ChEcho,
  ChDrum,
  ChShaker,
  ChannelCount,
};

struct tSection {
  std::array<tChord, Bars> Chords;
  bool Pad = true, Arp = false, Bass = false, Drums = false, Shaker = false;
  int Melody = 0;          // melody instrument, 0 for none
  bool Drips = false;      // sparse high bell notes with an echo
  bool Echo = false;       // the melody repeated softly a few rows later
  bool Cadence = false;    // the melody comes to rest on the root at the end
  std::uint64_t Seed = 1;  // the melody's and drips' choices
  int MelodyLow = 67, MelodyHigh = 84;
};

struct tStyle {
  tScale Scale;     // the key
  int ArpStep = 2;  // rows between arpeggio notes
  std::vector<int> DrumRows, ShakerRows, KickRows;
  int BassSecondRow = 10;  // where the bass plays the fifth in each bar, or -1
};

// Bar rhythms for the melody: note start rows and lengths.
struct tRhythm {
  std::vector<std::pair<int, int>> Notes;
};
const std::vector<tRhythm>& Rhythms() {
  static const std::vector<tRhythm> rhythms = {
      {{{0, 6}, {6, 2}, {8, 8}}},  {{{0, 4}, {4, 4}, {8, 6}, {14, 2}}},
      {{{0, 8}, {8, 4}, {12, 4}}}, {{{0, 12}, {12, 4}}},
      {{{2, 2}, {4, 4}, {8, 8}}},  {{{0, 4}, {4, 2}, {6, 2}, {8, 8}}},
  };
  return rhythms;
}

class tArranger {
 public:
  tArranger(tStyle style) : Style(std::move(style)) {}

  tXmPattern Build(const tSection& s) {
    tXmPattern pattern = BlankPattern(Rows, ChannelCount);
    tPen p(pattern, ChannelCount, MixLevel);
    tRng rng(s.Seed);
    for (int bar = 0; bar < Bars; ++bar) {
      const tChord& chord = s.Chords[static_cast<size_t>(bar)];
      const int row0 = bar * RowsPerBar;
      if (s.Pad) PadBar(p, chord, row0);
      if (s.Arp) ArpBar(p, chord, row0, bar);
      if (s.Bass) BassBar(p, chord, row0);
      if (s.Drums) DrumBar(p, row0, bar);
      if (s.Shaker)
        for (int r : Style.ShakerRows) p.Note(row0 + r, ChShaker, 60, InsShaker, r % 4 ? 20 : 30);
      if (s.Melody) MelodyBar(p, s, chord, row0, bar, rng);
      if (s.Drips) DripBar(p, chord, row0, rng);
    }
    if (!s.Pad) ReleasePad(p, 0);
    return pattern;
  }

 private:
  // Pad voices change only where the chord's note for that voice changes, so held
  // notes sustain across bars instead of swelling again. Every pattern starts all voices afresh, as
  // patterns are also reached from the loop.
  void PadBar(tPen& p, const tChord& chord, int row0) {
    for (int v = 0; v < 3; ++v) {
      const int note =
          chord[static_cast<size_t>(std::min<int>(v + 1, static_cast<int>(chord.size()) - 1))];
      if (row0 == 0 || PadNotes[static_cast<size_t>(v)] != note) {
        p.Note(row0, ChPad0 + v, note, InsPad, 30);
        PadNotes[static_cast<size_t>(v)] = note;
      }
    }
  }
  void ReleasePad(tPen& p, int row) {
    for (int v = 0; v < 3; ++v)
      if (PadNotes[static_cast<size_t>(v)]) {
        p.Off(row, ChPad0 + v);
        PadNotes[static_cast<size_t>(v)] = 0;
      }
  }

  // Broken chords on the lute, alternating between two channels so each note rings on.
  void ArpBar(tPen& p, const tChord& chord, int row0, int bar) {
    Arpeggio(p, row0, ChArp0, ChArp1, InsPluck, chord, bar % 2 ? ArpRising : ArpWave, Style.ArpStep,
             44);
  }

  void BassBar(tPen& p, const tChord& chord, int row0) {
    int root = chord[0];
    while (root > 50) root -= 12;
    while (root < 38) root += 12;
    p.Note(row0, ChBass, root, InsBass, 50);
    if (Style.BassSecondRow >= 0) {
      p.Off(row0 + Style.BassSecondRow - 1, ChBass);
      p.Note(row0 + Style.BassSecondRow, ChBass, root + 7, InsBass, 40);
    }
    p.Off(row0 + RowsPerBar - 1, ChBass);
  }

  void DrumBar(tPen& p, int row0, int bar) {
    for (int r : Style.DrumRows) p.Note(row0 + r, ChDrum, 60, InsFrameDrum, r == 0 ? 48 : 34);
    for (int r : Style.KickRows)
      if (p.Free(row0 + r, ChDrum)) p.Note(row0 + r, ChDrum, 60, InsKick, 40);
    if (bar == Bars - 1) p.Note(row0 + 14, ChDrum, 62, InsFrameDrum, 28);  // a small fill
  }

  void MelodyBar(tPen& p, const tSection& s, const tChord& chord, int row0, int bar, tRng& rng) {
    const bool last = bar == Bars - 1;
    const tRhythm& rhythm =
        last && s.Cadence ? Rhythms()[3] : Rhythms()[rng.Next() % Rhythms().size()];
    const bool sustains = s.Melody == InsFlute;
    for (size_t i = 0; i < rhythm.Notes.size(); ++i) {
      const auto [start, length] = rhythm.Notes[i];
      const bool strong = start % 8 == 0;
      if (strong) {
        Melody = NearestChordTone(chord, Melody, s.MelodyLow, s.MelodyHigh);
      } else {
        static const int moves[] = {-2, -1, -1, 1, 1, 2, 0};
        Melody = Style.Scale.Step(Melody, moves[rng.Next() % 7]);
      }
      if (last && s.Cadence && i == 0)
        Melody = NearestChordTone({chord[0]}, Melody, s.MelodyLow, s.MelodyHigh);
      Melody = std::clamp(Melody, s.MelodyLow, s.MelodyHigh);
      while (!Style.Scale.Has(Melody)) ++Melody;
      const int volume = strong ? 48 : 38;
      p.Note(row0 + start, ChMelody, Melody, s.Melody, volume);
      if (sustains && (i + 1 == rhythm.Notes.size() || rhythm.Notes[i + 1].first > start + length))
        p.Off(row0 + start + length - 1, ChMelody);
      if (s.Echo && row0 + start + 3 < Rows) {
        p.Note(row0 + start + 3, ChEcho, Melody, s.Melody, volume / 3);
        if (sustains) p.Off(std::min(row0 + start + length + 2, Rows - 1), ChEcho);
      }
    }
  }

  // Water dripping in the dark: now and then a high bell note, answered by its echo.
  void DripBar(tPen& p, const tChord& chord, int row0, tRng& rng) {
    for (int r = 0; r < RowsPerBar; r += 2) {
      if (rng.Uniform() > 0.22) continue;
      const int note = NearestChordTone(chord, 79 + static_cast<int>(rng.Next() % 12), 76, 96);
      const int volume = 20 + static_cast<int>(rng.Next() % 14);
      if (p.Free(row0 + r, ChMelody)) p.Note(row0 + r, ChMelody, note, InsBell, volume);
      if (row0 + r + 3 < Rows && p.Free(row0 + r + 3, ChEcho))
        p.Note(row0 + r + 3, ChEcho, note, InsBell, volume / 3);
    }
  }

  tStyle Style;
  std::array<int, 3> PadNotes{};
  int Melody = 72;
};

tXmModule Module(const std::string& name, int bpm, const tStyle& style,
                 const std::vector<tSection>& sections, std::vector<std::uint8_t> order,
                 std::uint16_t restart) {
  tXmModule m;
  m.Name = name;
  m.Channels = ChannelCount;
  m.Speed = 6;
  m.Bpm = bpm;
  m.Order = std::move(order);
  m.Restart = restart;
  // Patterns are built in play order so the melody carries on from one to the next.
  tArranger arranger(style);
  m.Patterns.resize(sections.size());
  std::vector<bool> built(sections.size(), false);
  for (std::uint8_t index : m.Order)
    if (!built[index]) {
      m.Patterns[index] = arranger.Build(sections[index]);
      built[index] = true;
    }
  for (size_t i = 0; i < sections.size(); ++i)
    if (!built[i]) m.Patterns[i] = arranger.Build(sections[i]);
  m.Instruments = MakeInstruments();
  return m;
}

using namespace pitch;

tXmModule AncientStories() {
  // D dorian, unhurried: lute arpeggios over a warm pad, a bell telling the old story.
  tStyle style{{{2, 4, 5, 7, 9, 11, 0}}, 2, {0, 6, 10}, {4, 12}, {}, 10};
  tSection intro{{Minor(D), Major(C), Major7(Bb - 12), Minor7(A - 12)}};
  intro.Arp = true;
  tSection a = intro;
  a.Bass = true;
  a.Melody = InsBell;
  a.Seed = 11;
  tSection a2 = a;
  a2.Chords = {Minor(D), Major(C), Major(G - 12), Minor7(A - 12)};
  a2.Seed = 12;
  a2.Drums = true;
  tSection b{{Minor7(G - 12), Minor(D), Major(Bb - 12), Sus4(C)}};
  b.Arp = b.Bass = b.Drums = b.Shaker = true;
  b.Melody = InsFlute;
  b.Seed = 21;
  tSection b2 = b;
  b2.Chords = {Minor7(G - 12), Minor(D), Major(F), Major(A - 12)};
  b2.Seed = 22;
  b2.Cadence = true;
  tSection c{{Major(F), Major(C), Minor(D), Minor7(A - 12)}};
  c.Arp = true;
  c.Bass = true;
  c.Drips = true;
  c.Seed = 31;
  tSection c2 = c;
  c2.Chords = {Major(Bb - 12), Major(F), Minor7(G - 12), Major(A - 12)};
  c2.Melody = InsBell;
  c2.Echo = true;
  c2.Drips = false;
  c2.Cadence = true;
  c2.Seed = 32;
  return Module("Ancient Stories", 84, style, {intro, a, a2, b, b2, c, c2},
                {0, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4}, 1);
}

tXmModule DeepCistern() {
  // A minor, slow and dark: a drone of bass and pad, water dripping from the vaults,
  // an ocarina far away.
  tStyle style{{{9, 11, 0, 2, 4, 5, 7}}, 4, {0}, {}, {}, -1};
  tSection drone{{Minor(A - 12), Minor(A - 12), Major7(F - 12), Minor(A - 12)}};
  drone.Bass = true;
  drone.Drips = true;
  drone.Seed = 41;
  tSection d2 = drone;
  d2.Chords = {Minor(A - 12), Minor(D), Major7(F - 12), Minor(E - 12)};
  d2.Seed = 42;
  d2.Drums = true;
  tSection song{{Minor(A - 12), Major(G - 12), Major7(F - 12), Major(E - 12)}};
  song.Bass = song.Drums = true;
  song.Melody = InsFlute;
  song.Echo = true;
  song.MelodyLow = 64;
  song.MelodyHigh = 81;
  song.Seed = 51;
  tSection song2 = song;
  song2.Chords = {Minor(D), Minor(A - 12), Major7(F - 12), Major(E - 12)};
  song2.Cadence = true;
  song2.Seed = 52;
  tSection low{{Major7(F - 12), Major(G - 12), Minor(A - 12), Minor(A - 12)}};
  low.Arp = true;
  low.Bass = true;
  low.Drips = true;
  low.Seed = 61;
  return Module("Deep Cistern", 66, style, {drone, d2, song, song2, low}, {0, 1, 2, 3, 4, 1, 2, 3},
                1);
}

tXmModule LanternHall() {
  // G major, a touch livelier: lantern light, a lute tune and a frame drum.
  tStyle style{{{7, 9, 11, 0, 2, 4, 6}}, 2, {0, 6, 8, 12}, {2, 6, 10, 14}, {}, 8};
  tSection open{{Major(G - 12), Minor(E - 12), Major(C), Major(D)}};
  open.Arp = open.Bass = true;
  open.Shaker = true;
  open.Seed = 71;
  tSection tune = open;
  tune.Drums = true;
  tune.Melody = InsFlute;
  tune.Seed = 72;
  tSection tune2 = tune;
  tune2.Chords = {Major(C), Major(G - 12), Minor(A - 12), Major(D)};
  tune2.Seed = 73;
  tune2.Cadence = true;
  tSection bells{{Minor(E - 12), Major(C), Major(G - 12), Major(D)}};
  bells.Arp = bells.Bass = bells.Drums = bells.Shaker = true;
  bells.Melody = InsBell;
  bells.Echo = true;
  bells.MelodyLow = 72;
  bells.MelodyHigh = 88;
  bells.Seed = 81;
  tSection bells2 = bells;
  bells2.Chords = {Minor(E - 12), Major(C), Minor(A - 12), Sus4(D)};
  bells2.Seed = 82;
  tSection rest{{Major(C), Major(G - 12), Major(C), Major(D)}};
  rest.Bass = true;
  rest.Drips = true;
  rest.Seed = 91;
  return Module("Lantern Hall", 92, style, {open, tune, tune2, bells, bells2, rest},
                {0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 0}, 1);
}

}  // namespace

std::vector<tSong> MakeSongs() {
  return {
      {"AncientStories2.xm", AncientStories()}, {"DeepCistern.xm", DeepCistern()},
      {"LanternHall.xm", LanternHall()},        {"BrightMeadow.xm", BrightMeadow()},
      {"ShadowWarren.xm", ShadowWarren()},      {"TideCaves.xm", TideCaves()},
      {"ClockworkDeep.xm", ClockworkDeep()},    {"GrandVault.xm", GrandVault()},
  };
}

}  // namespace soundgen
