// Adventurer and general skill rules: experience prices, spent experience,
// level limits, race restrictions and the general-skill slots. Plain
// functions over a record passed in, so the skills window and the tests
// share one implementation and nothing here touches a widget or a global.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>
#include "shell/chara_record.h"
#include "shell/indexes.h"

inline constexpr int MaxSkillLevel = 20;
// Levels above this are bought only in total-experience mode.
inline constexpr int MaxAffordableLevel = 10;
// Slots 0..4 hold general skills; the record's slots 5..8 are left untouched.
inline constexpr int GeneralSlotCount = 5;

extern const std::array<QString, SkillCount> SkillNames;
// Shown instead of プリースト for the dark deities.
extern const QString DarkPriestName;

// Which column of SkillCostTable each skill prices its levels from.
inline constexpr std::array<int, SkillCount> SkillCostColumn = {1, 1, 0, 3, 2, 1, 0, 0, 2};
// Price of level j (1..10) in column c is SkillCostTable[c + j]; entry 0 is never a price.
inline constexpr std::array<Long, 14> SkillCostTable = {
    0, 500, 1000, 1500, 2000, 3000, 4000, 5000, 7000, 9000, 12000, 15000, 20000, 25000};
// Price of levels 11..20 (entry 0 = level 11), the same for every skill.
inline constexpr std::array<Long, 10> HighLevelCostTable = {
    30000, 40000, 50000, 70000, 100000, 150000, 200000, 250000, 300000, 500000};
// Discount for levels 1..10 held in both ソーサラー and セージ (entry 0 = level 1).
inline constexpr std::array<Long, 10> SageDiscountTable = {
    500, 500, 1000, 1000, 1500, 2000, 3000, 4000, 5000, 6000};

// The list entries of the general-skill combo, and its initial text.
extern const std::array<QString, 6> GeneralSkillChoices;
extern const QString InitialGeneralSkillText; // "ファーマー"

// "なし" for 0, full-width digits for 1 and up ("１" … "２０"); "" below 0.
QString LevelText(int level);

// Price of one level (1..20) of skill 0..8; 0 outside those ranges.
Long LevelPrice(int skill, int level);
// Cost of holding skill 0..8 at a level: the prices of levels 1..level.
// Levels below 0 cost 0, levels above 20 cost as 20.
Long LevelCost(int skill, int level);

// True when race may not take skill (ドワーフ: ソーサラー, シャーマン;
// グラスランナー: those and プリースト, ドラゴンプリースト; エルフ: プリースト,
// ドラゴンプリースト).
bool IsRaceRestricted(int race, int skill);

// Re-derives SkillExp, AdventurerLevel and ExpSpent (after the sorcerer–sage
// discount) from SkillLevel. Returns whether the discount applies.
bool RecomputeCosts(CharaRecord &rec);

struct LevelChangeResult {
    QString costText;     // undiscounted cost of the skill, "*" in front when discounted
    bool restricted = false;
    int floor = 0;        // BirthSkillLevel of the skill
    int ceiling = 0;      // highest level held experience buys (0 when restricted)
    bool discountApplies = false;
};

// Sets skill s (0..8) to level v (clamped to 0..20), applies the priest
// exclusion and the race restriction of the changed skill, and recomputes.
// Asking the other windows to refresh is left to the caller.
LevelChangeResult ApplyLevelChange(CharaRecord &rec, int s, int v);

// (row text, skill index), highest level first, ties in skill order.
QList<QPair<QString, int>> SkillListRows(const CharaRecord &rec);

// Slot 0..4 for the name: its own slot, else the first free slot (level 0),
// which takes the name. -1 when every slot holds another skill.
int GeneralSlotSearch(CharaRecord &rec, const QString &name);

struct GeneralLevelResult {
    bool accepted = false;
    int oldLevel = 0;
    int floor = 0;      // birth level, only for the birth skill's own slot
    int ceiling = 0;    // the new level plus what is left
    int remaining = 0;  // points left after an accepted change
    int newSlot = -1;   // the edited skill's slot after sorting (accepted only)
};

// Sets general slot (0..4) to level v. A change beyond GeneralSkillPoints is
// refused and the old level put back (the caller beeps and re-applies it);
// an accepted change sorts the slots by level, highest first.
GeneralLevelResult ApplyGeneralLevel(CharaRecord &rec, int slot, int v);

// Name and level text of each used slot (level > 0), in slot order.
QStringList GeneralListRows(const CharaRecord &rec);
// The slot each of those rows shows. Sorted slots make row k slot k; a slot
// freed by a delete or a refused change leaves a gap until the next accepted
// change, and a row must still lead to its own slot.
QList<int> GeneralListSlots(const CharaRecord &rec);
// GeneralSkillPoints less the levels of the five slots; below 0 when the
// points were lowered under the levels already given.
int GeneralRemaining(const CharaRecord &rec);

// Slots holding the birth general skill go back to its birth level, all
// others to 0; names stay.
void GeneralReset(CharaRecord &rec);
// Every adventurer skill back to its birth level (held-experience mode) or
// to 0 (total-experience mode), then recomputed.
void AdventurerReset(CharaRecord &rec, bool totalExpMode);
