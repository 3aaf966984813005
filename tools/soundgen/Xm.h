// Writer for extended tracker modules (".xm"): one sample per instrument, 16-bit sample
// data, linear frequency table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

constexpr std::uint8_t XmKeyOff = 97;

// MIDI-style note number (60 = middle C) to a module note (1 = C-0, 49 = C-4).
std::uint8_t XmNote(int midi);

struct tXmEnvelope {
  struct Point {
    std::uint16_t Tick;
    std::uint16_t Value;  // 0 .. 64
  };
  std::vector<Point> Points;  // up to 12, ticks rising
  int Sustain = -1;           // point index held until key-off, or -1
  int LoopStart = -1, LoopEnd = -1;
};

struct tXmSample {
  std::string Name;
  std::vector<std::int16_t> Data;
  bool Loop = false;
  std::uint32_t LoopStart = 0, LoopLength = 0;  // in samples
  std::uint8_t Volume = 64;                     // 0 .. 64
  std::int8_t Finetune = 0;                     // 1/128 semitone
  std::uint8_t Panning = 128;
  std::int8_t RelativeNote = 0;
};

// Sets the relative note and finetune so that C-4 sounds at middle C (261.63 Hz) for a
// sample recorded at `rate` whose pitch is `recordedHz`. Unpitched samples pass
// recordedHz = MiddleC to play at their own rate on C-4.
constexpr double MiddleC = 261.6255653005986;
void TuneSample(tXmSample& sample, double rate, double recordedHz);

struct tXmInstrument {
  std::string Name;
  tXmSample Sample;
  tXmEnvelope Volume;
  std::uint16_t Fadeout = 0;  // volume lost per tick after key-off, of 65536
  std::uint8_t VibratoDepth = 0, VibratoRate = 0, VibratoSweep = 0;
};

struct tXmCell {
  std::uint8_t Note = 0;        // 0 none, 1..96, 97 key off
  std::uint8_t Instrument = 0;  // 0 none, else 1-based
  std::uint8_t Volume = 0;      // volume column: 0x10 + 0..64 sets volume
  std::uint8_t Effect = 0, Param = 0;
  bool Empty() const { return !Note && !Instrument && !Volume && !Effect && !Param; }
};

struct tXmPattern {
  int Rows = 64;
  std::vector<tXmCell> Cells;  // row by row, Channels per row
};

struct tXmModule {
  std::string Name;
  int Channels = 8;
  int Speed = 6;  // ticks per row
  int Bpm = 125;
  std::vector<std::uint8_t> Order;
  std::uint16_t Restart = 0;
  std::vector<tXmPattern> Patterns;
  std::vector<tXmInstrument> Instruments;
};

std::vector<std::uint8_t> EncodeXm(const tXmModule& module);

}  // namespace soundgen
