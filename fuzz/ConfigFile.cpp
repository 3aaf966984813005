// The settings reader on a fuzzed "Config.cfg", and its lines as a command line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/ConfigFile.h"
#include "data/TextLines.h"

namespace {

class tIgnoredMessages : public qn2::tMessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qn2;
  const std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  tSettings settings;
  tIgnoredMessages messages;
  ApplyConfigLines(lines, settings, messages);
  ConfigLines(settings);

  tStartupOptions options;
  ApplyWindowSwitches(lines, settings, options, [](const std::string&) { return true; });
  ApplyDeferredSwitches(lines, settings, options);
  SwitchValue(lines, "Set");
  return 0;
}
