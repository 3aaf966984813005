// mksolution: turns a moves text into a solution file the game plays back.
//
//   mksolution MOVES OUT
//
// MOVES takes the letters of qn2-sim's --moves: U D L R step, . stand, u d l r step and
// drop the oldest carried item, ! drop only (blanks and line breaks are layout). OUT is
// replaced by a "MorvRecord" file holding one decision per letter, in order.
#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "SimOptions.h"
#include "data/Recorder.h"

namespace {

constexpr const char* Usage =
    "usage: mksolution MOVES OUT\n"
    "  Writes the solution file OUT holding one decision per letter of MOVES:\n"
    "  U D L R step, . stand, u d l r step and drop the oldest carried item, ! drop only.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace qn2;
  if (argc != 3) {
    std::cerr << Usage;
    return 2;
  }
  std::vector<int> decisions;
  try {
    decisions = sim::DecisionsFromMoves(argv[1]);
  } catch (const std::invalid_argument& e) {
    std::cerr << "mksolution: " << e.what() << "\n" << Usage;
    return 2;
  }
  if (decisions.size() > static_cast<std::size_t>(RecorderCapacity)) {
    std::cerr << "mksolution: " << decisions.size() << " moves do not fit a solution (at most "
              << RecorderCapacity << ")\n";
    return 2;
  }
  try {
    tRecorder recorder;
    recorder.StartRecording();
    for (int value : decisions) recorder.RecordValue(value);
    recorder.Stop();
    recorder.SaveToFile(argv[2]);
  } catch (const std::exception& e) {
    std::cerr << "mksolution: " << e.what() << std::endl;
    return 1;
  }
  return 0;
}
