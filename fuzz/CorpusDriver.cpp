// Replays a fuzz target's corpus without libFuzzer: every file of the folder given on the
// command line is fed once to LLVMFuzzerTestOneInput. A crash or a sanitizer report fails
// the run as it would fail the fuzzer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER\n";
    return 2;
  }
  std::vector<std::filesystem::path> files;
  for (const auto& item : std::filesystem::directory_iterator(argv[1]))
    if (item.is_regular_file()) files.push_back(item.path());
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::cerr << "no inputs in " << argv[1] << "\n";
    return 2;
  }
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    std::cout << file.filename().string() << " (" << bytes.size() << " bytes)" << std::endl;
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::cout << files.size() << " inputs replayed\n";
  return 0;
}
