#pragma once

#include <string>

namespace qn2 {

// What the program was last doing ("Loading sidepanel.jpg", ...). The shell shows it
// while a set-up runs and in its start-up failure message. Nothing is written to a file.
extern std::string LastMessage;

// Sets LastMessage to "DebugMessage('" + text + "')".
void DebugMessage(const std::string& text);

}  // namespace qn2
