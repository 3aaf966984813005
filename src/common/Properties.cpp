#include "common/Properties.h"

#include <algorithm>
#include <limits>

#include "common/Text.h"

namespace qn2 {

const tPropertyInfo* tPropertyList::Find(std::string_view name) const {
  for (const tPropertyInfo& info : Items)
    if (info.Name == name) return &info;
  return nullptr;
}

std::vector<const tPropertyInfo*> tPropertyList::SortedByName() const {
  std::vector<const tPropertyInfo*> sorted;
  for (const tPropertyInfo& info : Items) sorted.push_back(&info);
  std::stable_sort(
      sorted.begin(), sorted.end(),
      [](const tPropertyInfo* a, const tPropertyInfo* b) { return a->Name < b->Name; });
  return sorted;
}

std::string GetPropertyText(const tPersistent& object, const tPropertyInfo& property) {
  return property.Read(object);
}

std::optional<std::string> GetPropertyText(const tPersistent& object, std::string_view name) {
  const tPropertyInfo* info = object.PublishedProperties().Find(name);
  if (!info) return std::nullopt;
  return info->Read(object);
}

bool SetPropertyText(tPersistent& object, std::string_view name, std::string_view text) {
  const tPropertyInfo* info = object.PublishedProperties().Find(name);
  if (!info) return false;
  return info->Write(object, text);
}

const std::vector<std::string>& BooleanNames() {
  static const std::vector<std::string> names{"False", "True"};
  return names;
}

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (base == 16) {
    // Hexadecimal fills the 32 bits: "$FFFFFFFF" is -1.
    if (value > 0xFFFFFFFFull) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(value)
                                                    : static_cast<std::uint32_t>(value));
    return static_cast<std::int32_t>(bits);
  }
  const std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
  if (value > limit) return std::nullopt;
  return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                  : static_cast<std::int32_t>(value);
}

std::optional<float> ParseFloatText(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  float value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string FormatFloatText(float value) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;
  return std::string(buffer, end);
}

std::optional<std::size_t> FindIdentifier(const std::vector<std::string>& identifiers,
                                          std::string_view text) {
  for (std::size_t i = 0; i < identifiers.size(); ++i)
    if (SameTextIgnoringCase(identifiers[i], text)) return i;
  return std::nullopt;
}

}  // namespace qn2
