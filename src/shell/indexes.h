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
