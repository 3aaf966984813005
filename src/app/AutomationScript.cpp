#include "app/AutomationScript.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qn2 {

namespace {

const std::vector<tScriptCommand> NoCommands;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

template <typename T>
bool ReadNumber(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && ptr == end;
}

}  // namespace

tAutomationScript tAutomationScript::Parse(const std::vector<std::string>& lines,
                                           const std::string& fileName) {
  tAutomationScript script;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string line = Trimmed(lines[index]);
    if (line.empty() || line[0] == '#') continue;
    const auto fail = [&](const std::string& why) {
      throw std::invalid_argument(fileName + " line " + std::to_string(index + 1) + ": " + why);
    };
    std::istringstream words(line);
    std::string tickText, verb;
    words >> tickText >> verb;
    std::int64_t tick = 0;
    if (!ReadNumber(tickText, tick) || tick < 1) fail("a tick number of at least 1 comes first");
    tScriptCommand command;
    if (verb == "editor") {
      command.Editor = true;
      words >> verb;
      if (verb == "move") fail("the editor takes click, down, up, text, shot, solve, cancel, wait");
    }
    std::string rest;
    std::getline(words >> std::ws, rest);
    rest = Trimmed(rest);
    std::istringstream arguments(rest);
    std::vector<std::string> values;
    for (std::string value; arguments >> value;) values.push_back(value);
    if (verb == "down" || verb == "up") {
      command.Kind = verb == "down" ? tScriptCommand::tKind::Down : tScriptCommand::tKind::Up;
      if (values.size() != 1 || !ReadNumber(values[0], command.Key) || command.Key < 1 ||
          command.Key > 260)
        fail(verb + " needs one key number 1..260");
    } else if (verb == "text") {
      command.Kind = tScriptCommand::tKind::Text;
      if (rest.empty()) fail("text needs the characters to type");
      command.Text = rest;
    } else if (verb == "move" || verb == "click") {
      command.Kind = verb == "move" ? tScriptCommand::tKind::Move : tScriptCommand::tKind::Click;
      if (values.size() != 2 || !ReadNumber(values[0], command.X) ||
          !ReadNumber(values[1], command.Y))
        fail(verb + " needs the frame coordinates X Y");
    } else if (verb == "shot") {
      command.Kind = tScriptCommand::tKind::Shot;
      if (values.size() != 1) fail("shot needs one file name");
      command.Text = values[0];
    } else if (command.Editor && (verb == "solve" || verb == "cancel" || verb == "wait")) {
      command.Kind = verb == "solve"    ? tScriptCommand::tKind::Solve
                     : verb == "cancel" ? tScriptCommand::tKind::Cancel
                                        : tScriptCommand::tKind::Wait;
      if (!values.empty()) fail(verb + " takes nothing more");
    } else {
      fail("unknown command '" + verb + "' (down, up, text, move, click, shot)");
    }
    script.Commands[tick].push_back(command);
  }
  return script;
}

tAutomationScript tAutomationScript::Load(const std::string& fileName) {
  std::ifstream file(fileName);
  if (!file) throw std::invalid_argument("cannot read the script " + fileName);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return Parse(lines, fileName);
}

const std::vector<tScriptCommand>& tAutomationScript::CommandsAt(std::int64_t tick) const {
  const auto found = Commands.find(tick);
  return found == Commands.end() ? NoCommands : found->second;
}

}  // namespace qn2
