// Rules that turn the eight base values into the six abilities: class
// adaptation of the base values, the age brackets, the undead templates,
// the age factor, bonuses and totals, and the adjustment kept for an ability
// typed by hand.
//
// Arithmetic: the record stores Singles, so every result is a float. Sums and
// products are formed in double and rounded to float once, when stored; for
// the values the game produces (whole numbers and halves) that is exact, and
// for odd typed values it gives the float nearest the true result rather than
// one that depends on the order of float additions.
#pragma once

#include <QString>
#include <array>
#include "shell/chara_record.h"

// Age categories (the record's `AgeClass`, index of the age-category list).
inline constexpr int AgeClassCount = 11;

// The base values combined into ability i: (i, i + 1) for 器用度, 敏捷度,
// 知力 and (i + 1, i + 2) for 筋力, 生命力, 精神力.
inline constexpr int PairFirst(int i) { return i < 3 ? i : i + 1; }
inline constexpr int PairSecond(int i) { return PairFirst(i) + 1; }

// Template bonuses per ability: [0] ヴァンパイア, [1] ノーライフキング.
inline constexpr int UndeadBonus[2][6] = {
    {6, 6, 6, 6, 12, 12},
    {6, 6, 12, 12, 12, 18},
};

// Class adaptation: the base values sorted descending (S1..S8) and written
// back as base value A..H = S(ShiftArrangement[item][i] + 1). Item 0 keeps
// the values as they are and has no row.
inline constexpr int ShiftArrangement[6][8] = {
    {0, 1, 2, 3, 4, 5, 6, 7}, // なし (not used: left unchanged)
    {5, 2, 3, 7, 1, 0, 4, 6}, // ファイター
    {2, 0, 1, 6, 3, 4, 5, 7}, // シーフ
    {7, 0, 4, 6, 5, 3, 1, 2}, // プリースト
    {6, 4, 0, 1, 7, 5, 2, 3}, // シャーマン
    {6, 4, 0, 1, 7, 5, 2, 3}, // ソーサラー
};

// Rearranges the base values for the class list item (0..5). The sort is an
// exchange sort that swaps a pair only when the later value is strictly
// greater. Item 0 or an unknown item returns the values unchanged.
std::array<float, 8> ClassAdapt(const std::array<float, 8> &base, int item);

// The age-category index for an age: the age is first scaled by race
// (人間 as is; エルフ and ダークエルフ capped at 50; every other race halved,
// rounded down, when over 50), then looked up in the bracket table.
int AgeBracket(int age, int race);

// Everything the recomputation derives from the base values.
struct Derived {
    std::array<float, 6> ability{};
    float baseTotal = 0;
    float abilityTotal = 0;
    std::array<int, 6> bonus{};
    int bonusTotal = 0;
};

// A + B etc. for ability i, without template or adjustment.
float PairSum(const std::array<float, 8> &base, int i);
// Sum of the eight base values.
float BaseTotalOf(const std::array<float, 8> &base);
// The age factor of category ageClass applied to six abilities: categories
// 1..5 scale all six by k/6, 6..10 scale 器用度, 敏捷度, 筋力 and 生命力 by
// (11 - k)/6, rounding half up; any other category changes nothing.
std::array<float, 6> ApplyAgeFactor(const std::array<float, 6> &ability, int ageClass);
// Int(x / 6), the floor, also for negative abilities; saturates at
// ±(INT_MAX / 6) for absurd abilities and gives 0 for not-a-number.
int AbilityBonus(float ability);
// "+" and the bonus in decimal; a negative bonus reads "+-1".
QString BonusText(int bonus);
// 生命力抵抗力: the bonus of 生命力 plus the adventurer level.
int LifeResistance(const CharaRecord &rec);
// 精神力抵抗力: the bonus of 精神力 plus the adventurer level, 4 more for a ダークエルフ.
int SpiritResistance(const CharaRecord &rec);
// Bonuses, bonus total and ability total from the stored abilities, as shown
// after an ability is typed by hand (no age factor, no base total).
// Fills ability, bonus, bonusTotal and abilityTotal; baseTotal stays 0.
Derived SumAbilities(const std::array<float, 6> &ability);

// The full recomputation: pair sums + template bonus + adjustment, then the
// age factor, then bonuses and totals.
Derived DeriveAbilities(const std::array<float, 8> &base, bool vampire, bool nolifeKing,
                        const std::array<Integer, 6> &adjust, int ageClass);

// The adjustment that makes ability i read `typed`: typed minus the pair sum,
// rounded to the nearest integer with halves to even. inRange is false when
// that lies outside -32768..32767 (or is not a number); the result is then
// clamped to the Integer range (0 for not-a-number) and the caller decides
// whether to keep it.
int AdjustForTypedAbility(float typed, const std::array<float, 8> &base, int i, bool &inRange);
