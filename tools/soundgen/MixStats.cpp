#include "MixStats.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace soundgen {
namespace {

double Db(double power) {
  return power > 0 ? 10.0 * std::log10(power) : -999.0;
}

// One-pole low-pass coefficient for a cutoff.
double Coefficient(double hz, int rate) {
  return 1.0 - std::exp(-2.0 * 3.14159265358979323846 * hz / rate);
}

}  // namespace

double RmsDb(const std::vector<std::int16_t>& mono, std::size_t from, std::size_t to) {
  to = std::min(to, mono.size());
  if (from >= to) return -999.0;
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) {
    const double v = mono[i] / 32768.0;
    sum += v * v;
  }
  return Db(sum / static_cast<double>(to - from));
}

tMixStats Analyse(const std::vector<std::int16_t>& mono, int rate, std::size_t from,
                  std::size_t to) {
  tMixStats stats;
  to = std::min(to, mono.size());
  if (from >= to) return stats;
  stats.RmsDb = RmsDb(mono, from, to);
  int peak = 0;
  for (std::size_t i = from; i < to; ++i)
    peak = std::max(peak, std::abs(static_cast<int>(mono[i])));
  stats.PeakDb = peak ? 20.0 * std::log10(peak / 32768.0) : -999.0;

  const std::size_t second = static_cast<std::size_t>(rate);
  stats.QuietestSecondDb = 999;
  for (std::size_t at = from; at + second <= to; at += second / 4) {
    const double level = RmsDb(mono, at, at + second);
    stats.QuietestSecondDb = std::min(stats.QuietestSecondDb, level);
    stats.LoudestSecondDb = std::max(stats.LoudestSecondDb, level);
  }
  if (stats.QuietestSecondDb == 999) stats.QuietestSecondDb = stats.LoudestSecondDb = stats.RmsDb;

  // Split into three bands with two cascaded one-pole low-passes per edge.
  const double a = Coefficient(250.0, rate), b = Coefficient(2500.0, rate);
  double low1 = 0, low2 = 0, mid1 = 0, mid2 = 0;
  double lowSum = 0, midSum = 0, highSum = 0;
  for (std::size_t i = from; i < to; ++i) {
    const double v = mono[i] / 32768.0;
    low1 += a * (v - low1);
    low2 += a * (low1 - low2);
    mid1 += b * (v - mid1);
    mid2 += b * (mid1 - mid2);
    lowSum += low2 * low2;
    midSum += (mid2 - low2) * (mid2 - low2);
    highSum += (v - mid2) * (v - mid2);
  }
  const double total = lowSum + midSum + highSum;
  if (total > 0) {
    stats.Low = lowSum / total;
    stats.Mid = midSum / total;
    stats.High = highSum / total;
  }
  return stats;
}

}  // namespace soundgen
