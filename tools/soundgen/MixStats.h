// Loudness and spectrum figures of rendered music, so a piece can be judged without being
// heard: how loud it is, whether it drops out anywhere, where its energy lies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

struct tMixStats {
  double RmsDb = -999;             // over the whole stretch, dBFS
  double PeakDb = -999;            // dBFS
  double QuietestSecondDb = -999;  // the quietest whole second
  double LoudestSecondDb = -999;
  // Shares of the energy below 250 Hz, from 250 Hz to 2.5 kHz and above 2.5 kHz.
  double Low = 0, Mid = 0, High = 0;
};

// Figures for samples [from, to) of a mono 16-bit signal at `rate`.
tMixStats Analyse(const std::vector<std::int16_t>& mono, int rate, std::size_t from,
                  std::size_t to);

// RMS level of samples [from, to) in dBFS (-999 for digital silence or an empty stretch).
double RmsDb(const std::vector<std::int16_t>& mono, std::size_t from, std::size_t to);

}  // namespace soundgen
