// The game's constant tables for the abilities subsystem (races, births,
// first names, list items) and the dice draws of new-character generation.
//
// New-character generation sets controls of other windows between its steps,
// and each of those runs its own handling, so the draws are offered step by
// step here; the abilities window calls them in its own order. Every Roll*
// function takes its dice from Rnd() (shell/random.h), one fresh draw per die.
#pragma once

#include <QString>
#include <array>
#include "shell/chara_record.h"
#include "shell/indexes.h"

// ---------------------------------------------------------------- indexes

// Race index: position in the race list and the record's `Race`.
enum RaceIndex : int {
    RaceHuman = 0,
    RaceDwarf = 1,
    RaceGrassRunner = 2,
    RaceElf = 3,
    RaceHalfElf = 4,
    RaceFeatherFolk = 5,
    RaceMerman = 6,
    RaceDarkElf = 7,
    RaceLizardMan = 8,
    RaceCentaur = 9,
};
inline constexpr int RaceCount = 10;

// Mother tongues, counted from 1 in the languages window's list.
enum LanguageNumber : int {
    LangEastern = 2,
    LangWestern = 3,
    LangElvish = 6,
    LangDwarvish = 7,
    LangCentaur = 9,
    LangHarpy = 12,
    LangMerman = 14,
    LangLizardMan = 16,
};

// ---------------------------------------------------------------- list items

// Items of the race list, in race-index order.
extern const std::array<QString, RaceCount> RaceNames;
// Items of the age-category list, index 0..10 (the record's `AgeClass`).
extern const std::array<QString, 11> AgeClassNames;
// Items of the class-adaptation list, index 0..5 (0 = leave as rolled).
extern const std::array<QString, 6> ShiftItems;
// Captions of the three fixed-value buttons, index k of FixedBaseValue.
extern const std::array<QString, 3> FixedValueCaptions;
// Captions of the two undead-template check boxes (`UndeadType` - 1).
extern const std::array<QString, 2> UndeadNames;
// The six abilities in record order.
extern const std::array<QString, 6> AbilityNames;

// ---------------------------------------------------------------- race dice

// One race's dice: entries 0-7 the number of six-sided dice for base values
// A-H, entries 8-15 the constant added to each. A count of 0 means one
// three-sided die instead.
using RaceDiceRow = std::array<Byte, 16>;

inline constexpr std::array<RaceDiceRow, RaceCount> RaceDiceTable{{
    //  A  B  C  D  E  F  G  H    +A +B +C +D +E +F +G +H
    {{2, 2, 2, 2, 2, 2, 2, 2, /**/ 0, 0, 0, 0, 0, 0, 0, 0}}, // 人間
    {{2, 0, 1, 1, 1, 1, 2, 2, /**/ 6, 0, 4, 0, 4, 6, 4, 4}}, // ドワーフ
    {{1, 2, 1, 1, 0, 0, 2, 2, /**/ 6, 4, 6, 0, 0, 0, 6, 4}}, // グラスランナー
    {{1, 1, 1, 1, 1, 0, 1, 1, /**/ 6, 6, 6, 6, 0, 0, 4, 6}}, // エルフ
    {{1, 1, 1, 1, 1, 1, 1, 2, /**/ 4, 6, 4, 6, 2, 2, 4, 0}}, // ハーフエルフ
    {{2, 1, 2, 2, 1, 2, 1, 2, /**/ 0, 6, 0, 0, 3, 0, 2, 6}}, // フェザーフォルク
    {{2, 1, 2, 2, 0, 2, 2, 1, /**/ 0, 6, 0, 0, 0, 0, 0, 6}}, // マーマン
    {{1, 1, 1, 1, 1, 0, 1, 1, /**/ 6, 6, 6, 6, 0, 0, 4, 6}}, // ダークエルフ
    {{2, 1, 2, 2, 2, 2, 2, 2, /**/ 0, 3, 0, 0, 0, 6, 0, 0}}, // ノーブルリザードマン
    {{2, 2, 2, 2, 1, 1, 1, 1, /**/ 0, 0, 0, 0, 6, 6, 6, 0}}, // ケンタウロス
}};

// Base value i (0..7) rolled with the given dice: n six-sided dice, or one
// three-sided die when n is 0, plus the constant.
float RollBaseValue(const RaceDiceRow &dice, int i);
// All eight, rolled in the order A..H.
std::array<float, 8> RollBaseValues(const RaceDiceRow &dice);

// Fixed base value i for button k: 0 "最大" (6 per die), 1 "期待値" (3.5 per
// die), 2 "最小" (1 per die); a three-sided die counts 3, 2 and 1.
// k outside 0..2 is treated as the nearest valid button.
float FixedBaseValue(const RaceDiceRow &dice, int i, int k);
std::array<float, 8> FixedBaseValues(const RaceDiceRow &dice, int k);

// ---------------------------------------------------------------- race settings

// What a race (or an upbringing) gives a new character besides its dice.
struct RaceSetting {
    QString birthLabel;            // caption of the skills window's birth label; empty when birthRoll
    bool birthRoll = false;        // label, skills, experience and money come from the birth table
    int nativeLanguage = 0;        // language number; 0 = drawn as 2 + coin (東方語 or 西方語)
    std::array<Byte, 9> skills{};  // starting adventurer skills (level 1 each)
    Long exp = 0;                  // `ExpTotal`; unused when birthRoll
    int ageBase = 15;              // age = Int(ageBase / 15) × (two 0-5 dice) + ageBase
    int moneyMul = 200;            // `Gold` = 2D6 × this; overridden by the birth row when birthRoll
    Integer generalSkillPoints = 0;
    QString generalSkillName;      // starting general skill in entry 0, empty = none
    Integer generalSkillLevel = 0; // its level
    bool deityRoll = true;         // false: generation leaves the deity alone
};

// One row per race; the ハーフエルフ row (index 4) is the elf-raised one.
extern const std::array<RaceSetting, RaceCount> RaceSettings;
// The ハーフエルフ raised among humans (two cases in three): a human's row.
extern const RaceSetting HalfElfHumanRaised;

// The half-elf's upbringing draw, Int(r × 3): 0 = raised by elves.
int RollHalfElfUpbringing();
// The setting that applies to a race; `upbringing` (a RollHalfElfUpbringing
// result) matters for ハーフエルフ only. Out-of-range races give 人間.
const RaceSetting &SettingForRace(int race, int upbringing = 0);

// ---------------------------------------------------------------- birth table

struct BirthRow {
    QString label;
    std::array<Byte, 9> skills{};
    Long exp = 0;
    int moneyMul = 200;
    Integer generalSkillPoints = 0;
};

// Rows for 2D6 results 2..12 (index = roll - 2).
extern const std::array<BirthRow, 11> BirthTable;
// The row for a 2D6 result; results outside 2..12 are clamped.
const BirthRow &BirthFor(int roll2d6);
// 2D6 for the birth table.
int RollBirth();

// ---------------------------------------------------------------- starting package

// Everything generation steps 7 and 8 settle: the race row, or for humans and
// human-raised half-elves the race row overlaid with the birth row.
struct StartingPackage {
    QString birthLabel;
    Integer nativeLanguage = 0;
    std::array<Byte, 9> skills{};
    Long exp = 0;
    int moneyMul = 200;
    int ageBase = 15;
    Integer generalSkillPoints = 0;
    QString generalSkillName;
    Integer generalSkillLevel = 0;
    bool deityRoll = true;
    int birthRoll = 0; // the 2D6 rolled for the birth table, 0 when none
};

// The mother tongue of a setting, drawing the coin when it has none fixed.
Integer RollNativeLanguage(const RaceSetting &s);
// Combines a setting with a birth row (birthRoll 2..12, or 0 for none).
StartingPackage MakeStartingPackage(const RaceSetting &s, Integer nativeLanguage, int birthRoll);
// Steps 7 and 8 with their draws in order: the half-elf's upbringing,
// the mother-tongue coin, the birth 2D6.
StartingPackage RollStartingPackage(int race);

// Record writes of generation steps 2, 4 (the number) and 5: manual
// adjustments, character number, skill levels, general skill levels and points.
void ClearForNewCharacter(CharaRecord &r);
// Record writes of steps 7 to 9: mother tongue, starting skills, experience,
// general skill points and the starting general skill, and the copy of the
// skill levels into `BirthSkillLevel`. Money and age are separate steps.
// `BirthGeneralSkill` and `BirthGeneralSkillLevel` are the new character's
// own: the starting general skill and its level, or "" and 0 without one.
void ApplyStartingPackage(CharaRecord &r, const StartingPackage &p);

// ---------------------------------------------------------------- other draws

// 2D6 × the money multiplier.
Long RollGold(int moneyMul);
// Int(ageBase / 15) × (d1 + d2) + ageBase with d = Int(r × 6), 0..5 each.
Integer RollAge(int ageBase);
// Sex: a coin, 0 男 / 1 女 (the profile's sex list index).
Byte RollSex();

// First-name tables, [sex][k] with k = Int(r × 5).
extern const std::array<std::array<QString, 5>, 2> FirstNames;
int RollFirstNameIndex();
// The deity list index, Int(r × 6): "なし" or one of the first five deities.
int RollDeityIndex();
// Two dice Int(r × 6) summing to 10, one chance in 36.
bool RollAmbidextrous();

// The two handedness captions: index 0 "利腕", index 1 "利腕" or "逆腕".
QString ArmLabel(int index, bool ambidextrous);
