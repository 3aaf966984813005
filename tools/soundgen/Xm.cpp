#include "Xm.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Bytes.h"

namespace soundgen {
namespace {

constexpr std::uint32_t InstrumentHeaderSize = 263;
constexpr std::uint32_t SampleHeaderSize = 40;

void WriteEnvelopePoints(tByteWriter& out, const tXmEnvelope& envelope) {
  for (size_t i = 0; i < 12; ++i) {
    if (i < envelope.Points.size()) {
      out.U16(envelope.Points[i].Tick);
      out.U16(envelope.Points[i].Value);
    } else {
      out.U32(0);
    }
  }
}

std::uint8_t EnvelopeFlags(const tXmEnvelope& envelope) {
  if (envelope.Points.empty()) return 0;
  std::uint8_t flags = 1;
  if (envelope.Sustain >= 0) flags |= 2;
  if (envelope.LoopStart >= 0) flags |= 4;
  return flags;
}

void WritePattern(tByteWriter& out, const tXmPattern& pattern, int channels) {
  tByteWriter data;
  for (const tXmCell& c : pattern.Cells) {
    const bool all = c.Note && c.Instrument && c.Volume && c.Effect && c.Param;
    if (all) {
      data.U8(c.Note);
      data.U8(c.Instrument);
      data.U8(c.Volume);
      data.U8(c.Effect);
      data.U8(c.Param);
      continue;
    }
    // Packed: a flag byte with the top bit set tells which of the five fields follow.
    std::uint8_t mask = 0x80;
    if (c.Note) mask |= 1;
    if (c.Instrument) mask |= 2;
    if (c.Volume) mask |= 4;
    if (c.Effect) mask |= 8;
    if (c.Param) mask |= 16;
    data.U8(mask);
    if (c.Note) data.U8(c.Note);
    if (c.Instrument) data.U8(c.Instrument);
    if (c.Volume) data.U8(c.Volume);
    if (c.Effect) data.U8(c.Effect);
    if (c.Param) data.U8(c.Param);
  }
  if (pattern.Cells.size() != static_cast<size_t>(pattern.Rows * channels))
    throw std::logic_error("pattern cell count does not match rows and channels");
  if (data.Size() > 0xFFFF) throw std::logic_error("pattern too large");
  out.U32(9);  // header length
  out.U8(0);   // packing type
  out.U16(static_cast<std::uint16_t>(pattern.Rows));
  out.U16(static_cast<std::uint16_t>(data.Size()));
  out.Bytes.insert(out.Bytes.end(), data.Bytes.begin(), data.Bytes.end());
}

void WriteInstrument(tByteWriter& out, const tXmInstrument& instrument) {
  const size_t start = out.Size();
  out.U32(InstrumentHeaderSize);
  out.Field(instrument.Name, 22);
  out.U8(0);   // type
  out.U16(1);  // one sample
  out.U32(SampleHeaderSize);
  out.Zeros(96);  // every note plays sample 0
  WriteEnvelopePoints(out, instrument.Volume);
  WriteEnvelopePoints(out, tXmEnvelope{});  // no panning envelope
  out.U8(static_cast<std::uint8_t>(instrument.Volume.Points.size()));
  out.U8(0);
  out.U8(static_cast<std::uint8_t>(std::max(instrument.Volume.Sustain, 0)));
  out.U8(static_cast<std::uint8_t>(std::max(instrument.Volume.LoopStart, 0)));
  out.U8(static_cast<std::uint8_t>(std::max(instrument.Volume.LoopEnd, 0)));
  out.U8(0);
  out.U8(0);
  out.U8(0);
  out.U8(EnvelopeFlags(instrument.Volume));
  out.U8(0);  // panning envelope off
  out.U8(0);  // vibrato type: sine
  out.U8(instrument.VibratoSweep);
  out.U8(instrument.VibratoDepth);
  out.U8(instrument.VibratoRate);
  out.U16(instrument.Fadeout);
  out.Zeros(start + InstrumentHeaderSize - out.Size());  // reserved

  const tXmSample& s = instrument.Sample;
  out.U32(static_cast<std::uint32_t>(s.Data.size() * 2));
  out.U32(s.Loop ? s.LoopStart * 2 : 0);
  out.U32(s.Loop ? s.LoopLength * 2 : 0);
  out.U8(s.Volume);
  out.U8(static_cast<std::uint8_t>(s.Finetune));
  out.U8(static_cast<std::uint8_t>((s.Loop ? 1 : 0) | 0x10));  // forward loop, 16-bit
  out.U8(s.Panning);
  out.U8(static_cast<std::uint8_t>(s.RelativeNote));
  out.U8(0);
  out.Field(s.Name, 22);
  // Sample data is stored as differences from the previous sample.
  std::int16_t previous = 0;
  for (std::int16_t v : s.Data) {
    out.U16(static_cast<std::uint16_t>(static_cast<std::uint16_t>(v) -
                                       static_cast<std::uint16_t>(previous)));
    previous = v;
  }
}

}  // namespace

std::uint8_t XmNote(int midi) {
  const int note = midi - 11;
  if (note < 1 || note > 96) throw std::out_of_range("note outside the module's range");
  return static_cast<std::uint8_t>(note);
}

void TuneSample(tXmSample& sample, double rate, double recordedHz) {
  // With the linear table C-4 plays a sample at 8363 Hz, shifted by relative note and finetune.
  const double semitones = 12.0 * std::log2(rate * MiddleC / recordedHz / 8363.0);
  long whole = std::lrint(semitones);
  long fine = std::lrint((semitones - static_cast<double>(whole)) * 128.0);
  if (fine > 127) {
    fine -= 128;
    ++whole;
  }
  if (whole < -96 || whole > 95) throw std::out_of_range("sample pitch out of range");
  sample.RelativeNote = static_cast<std::int8_t>(whole);
  sample.Finetune = static_cast<std::int8_t>(fine);
}

std::vector<std::uint8_t> EncodeXm(const tXmModule& module) {
  if (module.Order.empty() || module.Order.size() > 256)
    throw std::logic_error("order list must hold 1..256 entries");
  if (module.Restart >= module.Order.size())
    throw std::logic_error("restart position beyond the order list");
  for (std::uint8_t p : module.Order)
    if (p >= module.Patterns.size()) throw std::logic_error("order names a missing pattern");

  tByteWriter out;
  out.Text("Extended Module: ");
  out.Field(module.Name, 20, ' ');
  out.U8(0x1A);
  out.Field("soundgen", 20, ' ');
  out.U16(0x0104);
  out.U32(276);  // header size from here: 20 bytes of fields and the 256-entry order table
  out.U16(static_cast<std::uint16_t>(module.Order.size()));
  out.U16(module.Restart);
  out.U16(static_cast<std::uint16_t>(module.Channels));
  out.U16(static_cast<std::uint16_t>(module.Patterns.size()));
  out.U16(static_cast<std::uint16_t>(module.Instruments.size()));
  out.U16(1);  // linear frequency table
  out.U16(static_cast<std::uint16_t>(module.Speed));
  out.U16(static_cast<std::uint16_t>(module.Bpm));
  for (size_t i = 0; i < 256; ++i) out.U8(i < module.Order.size() ? module.Order[i] : 0);
  for (const tXmPattern& p : module.Patterns) WritePattern(out, p, module.Channels);
  for (const tXmInstrument& i : module.Instruments) WriteInstrument(out, i);
  return out.Bytes;
}

}  // namespace soundgen
