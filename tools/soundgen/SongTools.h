// Tools the songs are written with: chords, scales, and a pen that writes notes, hand-written
// phrases and drum lines into a pattern.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Xm.h"

namespace soundgen {

// A chord as MIDI notes, lowest first; the first note is its root.
using tChord = std::vector<int>;

// Root position triads and sevenths voiced in the pad's middle register.
tChord Minor(int root);
tChord Major(int root);
tChord Minor7(int root);
tChord Major7(int root);
tChord Sus4(int root);
tChord Sus2(int root);

bool InChord(const tChord& chord, int midi);
// The chord tone nearest to `midi` within low .. high.
int NearestChordTone(const tChord& chord, int midi, int low, int high);

// The pitch classes of a key.
struct tScale {
  std::vector<int> PitchClasses;
  bool Has(int midi) const;
  // Moves `steps` scale degrees from `midi` (which need not be in the scale).
  int Step(int midi, int steps) const;
};

// Note numbers of the octave from C3 (48), where the songs name their chord roots.
namespace pitch {
inline constexpr int C = 48, Cs = 49, D = 50, Eb = 51, E = 52, F = 53, Fs = 54, G = 55, Ab = 56,
                     A = 57, Bb = 58, B = 59;
}

// A blank pattern of `rows` rows for `channels` channels.
tXmPattern BlankPattern(int rows, int channels);

// Writes into one pattern. Volumes are 0..64 before `mixLevel` (percent) lifts them all, so a
// song can sit at the right loudness without rewriting every note.
class tPen {
 public:
  tPen(tXmPattern& pattern, int channels, int mixLevel = 100)
      : Pattern(pattern), Channels(channels), MixLevel(mixLevel) {}

  int Rows() const { return Pattern.Rows; }
  bool Free(int row, int channel) const;  // no note in the cell (rows past the end are taken)
  void Note(int row, int channel, int midi, int instrument, int volume);
  // A key-off, unless the cell already holds a note or lies past the end.
  void Off(int row, int channel);
  void Effect(int row, int channel, std::uint8_t effect, std::uint8_t param);

  // A hand-written line, one token per row from `row`, separated by blanks: a note name
  // with its octave ("C5", "F#3", "Bb4"; C4 is middle C), "." to let the last note ring,
  // "^" for a key-off. A note may carry its volume after a colon ("E5:40"); otherwise
  // it plays at `volume`. Every note is moved by `transpose` semitones; a line running
  // past the pattern's end is cut there.
  void Phrase(int row, int channel, int instrument, int volume, std::string_view text,
              int transpose = 0);
  // A drum line, one character per row from `row`: 'X' loud, 'x' normal, 'o' soft, '.'
  // nothing; blanks are skipped. Loud is volume + 25%, soft is half the volume.
  void Beat(int row, int channel, int instrument, int midi, int volume, std::string_view hits);

 private:
  tXmCell& Cell(int row, int channel);
  tXmPattern& Pattern;
  int Channels;
  int MixLevel;
};

// Broken-chord shapes: indexes into the chord's upper notes laid over two octaves.
using tArpShape = std::array<int, 8>;
inline constexpr tArpShape ArpWave{0, 2, 1, 3, 2, 4, 3, 1};
inline constexpr tArpShape ArpRising{0, 1, 2, 4, 5, 4, 2, 1};

// One bar (16 rows) of a broken chord, a note every `step` rows, alternating between two
// channels so each note rings on. The bar's first note plays at `volume`, the other beats
// softer and the off-beats softer still.
void Arpeggio(tPen& pen, int row, int channelA, int channelB, int instrument, const tChord& chord,
              const tArpShape& shape, int step, int volume);

// MIDI number of a note name such as "C4", "F#3" or "Bb5" (C4 = 60); throws on anything else.
int ParseNote(std::string_view name);

// A module of `patterns` played in `order`, looping back to `restart`.
tXmModule AssembleModule(const std::string& name, int channels, int speed, int bpm,
                         std::vector<tXmPattern> patterns, std::vector<std::uint8_t> order,
                         std::uint16_t restart, std::vector<tXmInstrument> instruments);

}  // namespace soundgen
