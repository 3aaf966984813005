#pragma once

namespace qn2 {

// The placeable unit classes in the order level files and the editor's palette know
// them: "Player", "Boulder", "Snake", "Key", "Jewel", "Exit", "Dirt", "Water", "Spider",
// "Info", "CherryBomb", "ForceField", "PushButton", "SeekerDroid", "Pillar".
void RegisterUnitClasses();

// The unit classes by name and the cycle procedure of the push buttons and force fields
// (both emptied first): what levels need before any picture is loaded.
void SetUpUnitRules();
// The unit modules' share of start-up: the class registry (emptied first), the cycle
// procedure of the push buttons and force fields (the table emptied first), and the
// pictures of every unit (registered; most load on first use).
void SetUpUnits();

// The units' pictures, in the order the start-up log names them.
void LoadUnitGraphicsData();

}  // namespace qn2
