#pragma once

#include <string>

#include "common/OwnerList.h"
#include "engine/board/UnitClass.h"

namespace qn2 {

class tSprite;
class tUnit;

// One placeable unit class: the name level files and the editor use, the class, and
// the picture of the editor's palette.
struct tUnitRecord {
  std::string Name;
  const tUnitClass* UnitClass = nullptr;
  tSprite* Icon = nullptr;  // not owned
};

// The unit classes a level can hold, in the order the unit modules added them.
class tUnitRegistry {
 public:
  tUnitRecord* Add(std::string name, const tUnitClass& unitClass, tSprite* icon);
  void Clear() { Records.Clear(); }

  // The class of the first record with exactly this name; tUnit's own class (which
  // callers treat as "unknown") when none has it.
  const tUnitClass& ClassByName(const std::string& name) const;
  // The name of the first record for exactly this class; empty when none.
  std::string NameByClass(const tUnitClass& unitClass) const;
  std::string NameOf(const tUnit& unit) const;

  std::size_t Count() const { return Records.Count(); }
  tUnitRecord* operator[](std::size_t index) const { return Records[index]; }
  auto begin() const { return Records.begin(); }
  auto end() const { return Records.end(); }

 private:
  tOwnerList<tUnitRecord> Records;
};

extern tUnitRegistry UnitRegistry;

}  // namespace qn2
