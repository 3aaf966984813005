#include "engine/board/UnitRegistry.h"

#include "engine/board/Unit.h"

namespace qn2 {

tUnitRegistry UnitRegistry;

tUnitRecord* tUnitRegistry::Add(std::string name, const tUnitClass& unitClass, tSprite* icon) {
  auto record = std::make_unique<tUnitRecord>();
  record->Name = std::move(name);
  record->UnitClass = &unitClass;
  record->Icon = icon;
  return Records.Add(std::move(record));
}

const tUnitClass& tUnitRegistry::ClassByName(const std::string& name) const {
  for (const auto& record : Records)
    if (record->Name == name) return *record->UnitClass;
  return tUnit::Class;
}

std::string tUnitRegistry::NameByClass(const tUnitClass& unitClass) const {
  for (const auto& record : Records)
    if (record->UnitClass == &unitClass) return record->Name;
  return {};
}

std::string tUnitRegistry::NameOf(const tUnit& unit) const {
  return NameByClass(unit.ClassType());
}

}  // namespace qn2
