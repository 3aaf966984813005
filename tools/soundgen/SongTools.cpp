#include "SongTools.h"

#include <algorithm>
#include <stdexcept>

namespace soundgen {

tChord Minor(int root) {
  return {root, root + 12, root + 15, root + 19};
}
tChord Major(int root) {
  return {root, root + 12, root + 16, root + 19};
}
tChord Minor7(int root) {
  return {root, root + 10, root + 15, root + 19};
}
tChord Major7(int root) {
  return {root, root + 11, root + 16, root + 19};
}
tChord Sus4(int root) {
  return {root, root + 12, root + 17, root + 19};
}
tChord Sus2(int root) {
  return {root, root + 12, root + 14, root + 19};
}

bool InChord(const tChord& chord, int midi) {
  for (int n : chord)
    if ((n - midi) % 12 == 0) return true;
  return false;
}

int NearestChordTone(const tChord& chord, int midi, int low, int high) {
  for (int d = 0; d < 12; ++d) {
    if (midi - d >= low && InChord(chord, midi - d)) return midi - d;
    if (midi + d <= high && InChord(chord, midi + d)) return midi + d;
  }
  return midi;
}

bool tScale::Has(int midi) const {
  return std::find(PitchClasses.begin(), PitchClasses.end(), ((midi % 12) + 12) % 12) !=
         PitchClasses.end();
}

int tScale::Step(int midi, int steps) const {
  const int dir = steps > 0 ? 1 : -1;
  for (int s = 0; s != steps; s += dir) {
    midi += dir;
    while (!Has(midi)) midi += dir;
  }
  return midi;
}

tXmPattern BlankPattern(int rows, int channels) {
  tXmPattern p;
  p.Rows = rows;
  p.Cells.assign(static_cast<size_t>(rows * channels), tXmCell{});
  return p;
}

tXmCell& tPen::Cell(int row, int channel) {
  if (row < 0 || row >= Pattern.Rows || channel < 0 || channel >= Channels)
    throw std::out_of_range("note outside the pattern");
  return Pattern.Cells[static_cast<size_t>(row * Channels + channel)];
}

bool tPen::Free(int row, int channel) const {
  if (row < 0 || row >= Pattern.Rows) return false;
  return Pattern.Cells[static_cast<size_t>(row * Channels + channel)].Note == 0;
}

void tPen::Note(int row, int channel, int midi, int instrument, int volume) {
  tXmCell& c = Cell(row, channel);
  c.Note = XmNote(midi);
  c.Instrument = static_cast<std::uint8_t>(instrument);
  c.Volume = static_cast<std::uint8_t>(0x10 + std::clamp(volume * MixLevel / 100, 0, 64));
}

void tPen::Off(int row, int channel) {
  if (Free(row, channel)) Cell(row, channel).Note = XmKeyOff;
}

void tPen::Effect(int row, int channel, std::uint8_t effect, std::uint8_t param) {
  tXmCell& c = Cell(row, channel);
  c.Effect = effect;
  c.Param = param;
}

int ParseNote(std::string_view name) {
  static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
    throw std::invalid_argument("not a note: " + std::string(name));
  int pitch = steps[name[0] - 'A'];
  size_t at = 1;
  if (name[at] == '#' || name[at] == 'b') pitch += name[at++] == '#' ? 1 : -1;
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '8')
    throw std::invalid_argument("not a note: " + std::string(name));
  return 12 * (name[at] - '0' + 1) + pitch;
}

void tPen::Phrase(int row, int channel, int instrument, int volume, std::string_view text,
                  int transpose) {
  int rows = 0;
  size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view token = text.substr(at, end - at);
    at = end;
    const int r = row + rows++;
    if (r >= Pattern.Rows) return;
    if (token == ".") continue;
    if (token == "^") {
      Off(r, channel);
      continue;
    }
    int v = volume;
    if (const size_t colon = token.find(':'); colon != std::string_view::npos) {
      v = std::stoi(std::string(token.substr(colon + 1)));
      token = token.substr(0, colon);
    }
    Note(r, channel, ParseNote(token) + transpose, instrument, v);
  }
}

void tPen::Beat(int row, int channel, int instrument, int midi, int volume, std::string_view hits) {
  int r = row;
  for (char hit : hits) {
    if (hit == ' ') continue;
    switch (hit) {
      case 'X':
        Note(r, channel, midi, instrument, volume * 5 / 4);
        break;
      case 'x':
        Note(r, channel, midi, instrument, volume);
        break;
      case 'o':
        Note(r, channel, midi, instrument, volume / 2);
        break;
      case '.':
        break;
      default:
        throw std::invalid_argument("not a drum hit: " + std::string(1, hit));
    }
    ++r;
  }
}

void Arpeggio(tPen& pen, int row, int channelA, int channelB, int instrument, const tChord& chord,
              const tArpShape& shape, int step, int volume) {
  std::vector<int> tones;
  for (int octave : {0, 12})
    for (size_t i = 1; i < chord.size(); ++i) tones.push_back(chord[i] + octave);
  std::sort(tones.begin(), tones.end());
  int k = 0;
  for (int r = 0; r < 16; r += step, ++k) {
    const int note = tones[static_cast<size_t>(shape[static_cast<size_t>(k % 8)]) % tones.size()];
    const int v = r == 0 ? volume : (r % 4 == 0 ? volume * 34 / 44 : volume * 26 / 44);
    pen.Note(row + r, k % 2 ? channelB : channelA, note, instrument, v);
  }
}

tXmModule AssembleModule(const std::string& name, int channels, int speed, int bpm,
                         std::vector<tXmPattern> patterns, std::vector<std::uint8_t> order,
                         std::uint16_t restart, std::vector<tXmInstrument> instruments) {
  tXmModule m;
  m.Name = name;
  m.Channels = channels;
  m.Speed = speed;
  m.Bpm = bpm;
  m.Patterns = std::move(patterns);
  m.Order = std::move(order);
  m.Restart = restart;
  m.Instruments = std::move(instruments);
  return m;
}

}  // namespace soundgen
