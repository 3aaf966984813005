#include "engine/units/UnitClasses.h"

#include "engine/board/CycleProcedures.h"
#include "engine/board/UnitRegistry.h"
#include "engine/units/ActualPlayer.h"
#include "engine/units/Boulder.h"
#include "engine/units/CherryBomb.h"
#include "engine/units/Dirt.h"
#include "engine/units/Exit.h"
#include "engine/units/ForceField.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/Info.h"
#include "engine/units/Jewel.h"
#include "engine/units/Key.h"
#include "engine/units/Pillar.h"
#include "engine/units/PlayerGraphics.h"
#include "engine/units/PushButton.h"
#include "engine/units/SeekerDroid.h"
#include "engine/units/Snake.h"
#include "engine/units/Spider.h"
#include "engine/units/TerrainGraphics.h"
#include "engine/units/Water.h"

namespace qn2 {

void RegisterUnitClasses() {
  UnitRegistry.Clear();
  UnitRegistry.Add("Player", tActualPlayer::Class, PlayerIcon());
  UnitRegistry.Add("Boulder", tBoulder::Class, BoulderIcon());
  UnitRegistry.Add("Snake", tSnake::Class, SnakeIcon());
  UnitRegistry.Add("Key", tKey::Class, KeyIcon());
  UnitRegistry.Add("Jewel", tJewel::Class, JewelIcon());
  UnitRegistry.Add("Exit", tExit::Class, ExitIcon());
  UnitRegistry.Add("Dirt", tDirt::Class, DirtIcon());
  UnitRegistry.Add("Water", tWater::Class, WaterIcon());
  UnitRegistry.Add("Spider", tSpider::Class, SpiderIcon());
  UnitRegistry.Add("Info", tInfo::Class, InfoIcon());
  UnitRegistry.Add("CherryBomb", tCherryBomb::Class, CherryBombIcon());
  UnitRegistry.Add("ForceField", tForceField::Class, ForceFieldIcon());
  UnitRegistry.Add("PushButton", tPushButton::Class, PushButtonIcon());
  UnitRegistry.Add("SeekerDroid", tSeekerDroid::Class, SeekerDroidIcon());
  UnitRegistry.Add("Pillar", tPillar::Class, PillarIcon());
}

void LoadUnitGraphicsData() {
  LoadTerrainGraphicsData();
  LoadHostileGraphicsData();
  LoadInfoGraphicsData();
}

void SetUpUnitRules() {
  CycleProcedures.Clear();
  AddTerrainCycleProcedure();
  RegisterUnitClasses();
}

void SetUpUnits() {
  SetUpUnitRules();
  LoadPlayerGraphicsData();
  LoadUnitGraphicsData();
}

}  // namespace qn2
