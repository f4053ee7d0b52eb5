// The equipment window's built-in tables: weapons, armour, shields, the magic
// bonus items and the expected-value tables behind 打撃点 and 防御点. Constant
// data only; the rules that read it are in equip_rules.
#pragma once

#include <QString>
#include <array>
#include "shell/chara_record.h"

struct WeaponRow {
    const char16_t *listText;  // the list item, half-width katakana and "（両手）" included
    const char16_t *sheetName; // the list text without "（両手）"
    int kind;                  // 0 one-handed, 1 two-handed, 2 and 3 the same with the ranger skill
    int strMin;
    int strMax;
    int hitMod;
    int ratingMod;
    int critical;
    int pricePerStr;
    int priceBase;
};

struct ArmorRow {
    const char16_t *listText; // also the record's ArmorName
    int strMin;
    int strMax;
    int evasionMod;
    int ratingMod;
    int effectA;
    int effectB; // 1 also rules out the thief skill
    int pricePerStr;
    int priceBase;
};

struct ShieldRow {
    const char16_t *listText; // also the record's ShieldName
    int str;
    int evasion;
    int hitMod;
    int price;
};

inline constexpr int WeaponCount = 65;
// Weapon numbers 0..36 are on page 1 of a slot's lists, 37..64 on page 2.
inline constexpr int WeaponPageSize = 37;
inline constexpr int ArmorCount = 9;
inline constexpr int ShieldCount = 3;
inline constexpr int MagicCount = 4; // "なし", "＋１", "＋２", "＋３"
inline constexpr int BareHands = 0;  // weapon number of 素手

extern const std::array<WeaponRow, WeaponCount> WeaponTable;
extern const std::array<ArmorRow, ArmorCount> ArmorTable;
extern const std::array<ShieldRow, ShieldCount> ShieldTable;
extern const std::array<QString, MagicCount> MagicTexts;

// Expected damage of a rating 0..50 (in 36ths of the dice outcomes).
inline constexpr std::array<Integer, 51> RatingSum = {
    60,  65,  72,  77,  84,  90,  96,  102, 108, 114, 120, 126, 132, 138, 144, 149, 156,
    162, 167, 174, 180, 186, 191, 198, 205, 209, 217, 222, 228, 234, 240, 245, 251, 257,
    264, 270, 276, 282, 288, 294, 300, 306, 312, 318, 324, 329, 336, 342, 347, 354, 360};
// Indexed by 13 − critical value (critical values 13 down to 9): 36 minus the
// outcomes of two dice that reach the critical value.
inline constexpr std::array<Integer, 5> CritDivisor = {36, 35, 33, 30, 26};

inline QString TableText(const char16_t *s) { return QString::fromUtf16(s); }

// The weapon lists: list i (0..3) belongs to slot i / 2 and shows page i % 2.
inline constexpr int WeaponListOf(int slot, int page) { return 2 * slot + page; }
inline constexpr int WeaponPageOf(int n) { return n >= WeaponPageSize ? 1 : 0; }
// Weapon number of item pos of list i.
inline constexpr int WeaponNumberAt(int list, int pos) { return (list % 2) * WeaponPageSize + pos; }
// Item of weapon n in the list of its page.
inline constexpr int WeaponListItem(int n) { return n - WeaponPageOf(n) * WeaponPageSize; }
inline constexpr int PageItemCount(int page) { return page == 0 ? WeaponPageSize : WeaponCount - WeaponPageSize; }
