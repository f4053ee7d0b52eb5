// Indexes shared by several windows.
#pragma once

// Adventurer skill index: the order of the record's skill arrays and of the
// skills window's combo.
enum SkillIndex : int {
    SkillFighter = 0,
    SkillThief = 1,
    SkillRanger = 2,
    SkillSorcerer = 3,
    SkillShaman = 4,
    SkillPriest = 5,
    SkillSage = 6,
    SkillBard = 7,
    SkillDragonPriest = 8,
};
inline constexpr int SkillCount = 9;

// Ability index: the order of the record's Ability array and of the
// abilities window's rows.
enum AbilityIndex : int {
    AbilityDexterity = 0,    // 器用度
    AbilityAgility = 1,      // 敏捷度
    AbilityIntelligence = 2, // 知力
    AbilityStrength = 3,     // 筋力
    AbilityLife = 4,         // 生命力
    AbilitySpirit = 5,       // 精神力
};
