#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace qn2 {

// Letter case in the game's 8-bit texts: only "A".."Z" and "a".."z" change; every other
// byte stays as it is.
constexpr char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}
constexpr char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

inline std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerAscii(c);
  return result;
}

inline std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = UpperAscii(c);
  return result;
}

inline bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

inline bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return suffix.size() <= text.size() &&
         SameTextIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// The text without leading and trailing blanks (the space character only).
inline std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace qn2
