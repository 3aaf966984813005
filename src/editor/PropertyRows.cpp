#include "editor/PropertyRows.h"

#include "common/Exception.h"

namespace qn2 {

std::vector<tPropertyRow> ListProperties(const tPersistent& object) {
  std::vector<tPropertyRow> rows;
  for (const tPropertyInfo* property : object.PublishedProperties().SortedByName())
    rows.push_back({property->Name, property->Type, GetPropertyText(object, *property),
                    property->Identifiers});
  return rows;
}

std::optional<std::string> WriteProperty(tPersistent& object, const std::string& name,
                                         const std::string& text) {
  const tPropertyInfo* property = object.PublishedProperties().Find(name);
  if (property == nullptr) return "No property " + name;
  const std::string old = GetPropertyText(object, *property);
  std::string refusal;
  try {
    if (property->Write(object, text)) return std::nullopt;
    refusal = "'" + text + "' is not a valid value for " + name;
  } catch (const Exception& e) {
    refusal = e.message();
    for (char& c : refusal)
      if (c == '\r' || c == '\n') c = ' ';
  }
  try {
    property->Write(object, old);
  } catch (const Exception&) {
    // The old value was refused as well (a trigger read from a file): its text is kept.
  }
  return refusal;
}

bool SetHasMember(const std::string& value, int member) {
  const auto bits = ParseIntegerText(value);
  return bits && member >= 0 && member < 32 && ((static_cast<std::uint32_t>(*bits) >> member) & 1u);
}

std::string SetWithMember(const std::string& value, int member, bool present) {
  auto bits = static_cast<std::uint32_t>(ParseIntegerText(value).value_or(0));
  if (member < 0 || member >= 32) return value;
  if (present)
    bits |= 1u << member;
  else
    bits &= ~(1u << member);
  return std::to_string(bits);
}

}  // namespace qn2
