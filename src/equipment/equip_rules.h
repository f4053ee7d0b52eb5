// Equipment rules: what holding an item writes into the record, the choice
// of the fighting skill, the strength shortfalls, prices, the combat figures
// of each weapon, the defensive figures, the money shown and the
// resistances. Plain functions over a record passed in, shared by the
// equipment window and the tests; nothing here touches a widget or a global.
//
// Items are held through the record: ItemIndex(0, slot) is the weapon of a
// slot, ItemIndex(1, 0) the shield, ItemIndex(1, 1) the armour, with the
// chosen strengths in WeaponStr, ShieldStr (fixed by the shield) and
// ArmorStr. WeaponStr(1) = -1 means the off hand holds no weapon (shield
// mode); ShieldStr = -1 means it holds no shield (weapon mode).
#pragma once

#include <QString>
#include <array>
#include "equipment/equip_tables.h"
#include "shell/chara_record.h"

// What the off hand holds (the window's LeftMode).
enum LeftModeValue : int { LeftShield = 0, LeftWeaponPage1 = 1, LeftWeaponPage2 = 2 };
// The skill whose level counts (the window's SkillMode): SkillLevel entries 0..2.
enum SkillModeValue : int { ModeFighter = 0, ModeThief = 1, ModeRanger = 2 };

// Index into a table of count rows; anything outside (a damaged file) is row 0.
int TableRow(int index, int count);
// A value kept inside [lo, hi].
int ClampTo(int v, int lo, int hi);

bool IsTwoHanded(int weapon);
// The bows, crossbows and バリスタ: their 追加ダメージ follows the chosen strength.
bool UsesChosenStrength(int weapon);

// ---------------------------------------------------------------- holding items
// Each writes the table columns of the item into the record. The strength
// stays as it is (the window's strength bar owns it); the "none" items
// (素手, shield なし, armour なし) never carry a magic bonus.
void HoldWeapon(CharaRecord &rec, int slot, int weapon);
void HoldShield(CharaRecord &rec, int shield);
void HoldArmor(CharaRecord &rec, int armor);
// The off hand takes up a weapon: the shield is set down (なし, ShieldStr -1).
void PutAwayShield(CharaRecord &rec);
// The off hand returns to the shield side: slot 1 holds nothing (the 素手
// row, no magic, WeaponStr(1) -1, no price, no figures).
void PutAwayOffHandWeapon(CharaRecord &rec);

// ---------------------------------------------------------------- skill and strength
// Int(筋力 / 2 + 0.5): the strength an off-hand weapon may use.
int HalfStrength(const CharaRecord &rec);
// Thief when シーフ ≥ ファイター, シーフ > 0, every hand item and the armour
// need at most HalfStrength and the armour has no effect B; else fighter.
int BaseSkillMode(const CharaRecord &rec);
// The ranger skill takes over for one slot when its level is above the base
// skill's and the slot's weapon admits it (kinds 2 and 3).
int SlotSkillMode(const CharaRecord &rec, int baseMode, int slot);
// StrShortfall(0): by how much the main weapon (against 筋力) or the off-hand
// item (a shield against 筋力, a weapon against HalfStrength) is too heavy.
int HandShortfall(const CharaRecord &rec, int leftMode);
// StrShortfall(1): by how much the armour is too heavy.
int ArmorShortfall(const CharaRecord &rec);

// ---------------------------------------------------------------- prices
Long WeaponPrice(int weapon, int str);
Long ArmorPrice(int armor, int str);
Long ShieldPrice(int shield);
// Gold minus the prices of the items held (may be negative).
long long MoneyShown(const CharaRecord &rec);
// Enter in the money box: the typed amount is the money left, so Gold is the
// amount plus the prices held. False (Gold untouched) for text that is not a
// whole number (full-width digits are read too) or a Gold outside the Long range.
bool GoldFromTyped(const QString &text, const CharaRecord &rec, Long &gold);

// ---------------------------------------------------------------- figures
// Expected damage in tenths: Int((RatingSum(rating) / CritDivisor(13 −
// critical) + bonus) × 10 + 0.5), the rating kept inside 0..50.
int ExpectedTenths(int rating, int critical, int bonus);
// A tenths figure with at most one decimal: 42 → "4.2", 40 → "4".
QString TenthsText(int tenths);

struct WeaponFigures {
    int skillMode = ModeFighter; // after the ranger step of this slot
    int attack = 0;              // 攻撃力
    int rating = 0;              // 打撃力
    int extraDamage = 0;         // 追加ダメージ
    int critical = 0;            // クリティカル値
    int expectedTenths = 0;      // 打撃点
};
// The figures of the weapon in slot, as the record holds it now.
WeaponFigures EvaluateWeapon(const CharaRecord &rec, int slot, int leftMode, int baseMode,
                             int handShortfall);

// "○ / " or "× / " for effect A, then "○" or "×" for effect B.
QString EffectText(int effectA, int effectB);

struct DefenseFigures {
    int evasion = 0;       // 回避力
    int defense = 0;       // 防御力
    int reduction = 0;     // ダメージ減少
    int pointsTenths = 0;  // 防御点
    QString effects;       // 付加効果
};
DefenseFigures EvaluateDefense(const CharaRecord &rec, int baseMode, int armorShortfall);

// Everything that follows from the items held.
struct EquipFigures {
    int skillMode = ModeFighter;
    std::array<int, 2> shortfall{}; // StrShortfall(0..1)
    std::array<bool, 2> held{};      // a weapon in slot 0 (always) and slot 1
    std::array<WeaponFigures, 2> weapon{};
    DefenseFigures defense;
    long long money = 0;
    int evaluations = 0; // weapon evaluations this pass ran
};
// Prices (ItemPrice 0..3), CombatValue and DefenseValue recomputed from the
// items held and written into the record; a slot that holds no weapon has
// all its CombatValue at 0.
EquipFigures ApplyEquipment(CharaRecord &rec, int leftMode);
