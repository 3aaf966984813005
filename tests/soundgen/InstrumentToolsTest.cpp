// The pieces instruments are built from: seamless loops and tuned, normalised samples.
#include "InstrumentTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace soundgen {
namespace {

// The largest step between neighbouring samples, the jump from the last sample back to
// the first included when `wrap`.
double LargestStep(const Buffer& b, bool wrap) {
  double step = 0;
  for (size_t i = 1; i < b.size(); ++i) step = std::max(step, std::fabs(b[i] - b[i - 1]));
  if (wrap) step = std::max(step, std::fabs(b.front() - b.back()));
  return step;
}

TEST(InstrumentToolsTest, AnAdditiveLoopRepeatsWithoutASeam) {
  const Buffer b = AdditiveLoop(7, 4410, 25, {-1, 0, 1}, {1.0, 0.5, 0.0, 0.25});
  ASSERT_EQ(b.size(), 4410u);
  EXPECT_GT(Peak(b), 0.5);
  // Going round the loop is no bigger a step than any inside it.
  const double inside = LargestStep(b, false);
  EXPECT_LE(std::fabs(b.front() - b.back()), inside * 1.01);
  // Each partial fits the loop exactly, so the loop has no energy between them: a
  // single partial on 25 cycles crosses zero fifty times.
  const Buffer pure = AdditiveLoop(7, 4410, 25, {0}, {1.0});
  int crossings = 0;
  for (size_t i = 0; i < pure.size(); ++i)
    crossings += (pure[i] < 0) != (pure[(i + 1) % pure.size()] < 0);
  EXPECT_EQ(crossings, 50);
}

TEST(InstrumentToolsTest, AnInstrumentIsNormalisedTunedAndLoopsWhole) {
  Buffer b = MakeBuffer(0.1);
  tOsc o;
  for (double& v : b) v = 0.1 * o.Sine(440.0);
  tXmInstrument ins = MakeInstrument("test tone", b, 440.0, 50, 90);
  EXPECT_EQ(ins.Name, "test tone");
  EXPECT_EQ(ins.Sample.Volume, 50);
  EXPECT_EQ(ins.Sample.Panning, 90);
  const int peak = std::abs(
      *std::max_element(ins.Sample.Data.begin(), ins.Sample.Data.end(),
                        [](std::int16_t x, std::int16_t y) { return std::abs(x) < std::abs(y); }));
  EXPECT_NEAR(20 * std::log10(peak / 32767.0), -1.0, 0.05);
  // A recorded A above middle C plays on C-4 as middle C: nine semitones down.
  const double semitones = ins.Sample.RelativeNote + ins.Sample.Finetune / 128.0;
  EXPECT_NEAR(semitones, 12 * std::log2(SampleRate * MiddleC / 440.0 / 8363.0), 1.0 / 128);
  EXPECT_FALSE(ins.Sample.Loop);
  LoopWhole(ins);
  EXPECT_TRUE(ins.Sample.Loop);
  EXPECT_EQ(ins.Sample.LoopStart, 0u);
  EXPECT_EQ(ins.Sample.LoopLength, ins.Sample.Data.size());
}

}  // namespace
}  // namespace soundgen
