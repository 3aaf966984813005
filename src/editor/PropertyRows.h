#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/Properties.h"

namespace qn2 {

// One line of the editor's property list: a published property of the selected unit with
// its value as text.
struct tPropertyRow {
  std::string Name;
  tPropertyType Type = tPropertyType::Integer;
  std::string Value;
  // Enumerations: the names of the values; sets: the names of the members, when known.
  const std::vector<std::string>* Names = nullptr;
};

// The object's published properties in name order, as the list shows them.
std::vector<tPropertyRow> ListProperties(const tPersistent& object);

// Writes a value through the property's writer. When the writer refuses it (the text does
// not convert, or the writer raises, as a trigger that does not parse does) the old value
// is written back, so nothing changes, and the refusal is returned as a message.
std::optional<std::string> WriteProperty(tPersistent& object, const std::string& name,
                                         const std::string& text);

// A set's members: whether bit i is in the set's value text, and the text with one member
// switched.
bool SetHasMember(const std::string& value, int member);
std::string SetWithMember(const std::string& value, int member, bool present);

}  // namespace qn2
