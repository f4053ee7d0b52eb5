// The one character record every window edits, and its two instances.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

using Byte = std::uint8_t;
using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// A two-dimensional array stored with the first index running fastest,
// exactly as it lies in the character file.
template <class T, int N1, int N2>
struct Array2 {
    std::array<T, N1 * N2> flat{};
    T &operator()(int i, int j) { return flat[i + N1 * j]; }
    const T &operator()(int i, int j) const { return flat[i + N1 * j]; }
    static constexpr int dim1 = N1;
    static constexpr int dim2 = N2;
    bool operator==(const Array2 &) const = default;
};

struct ProfileGroup {
    QString Name;
    QString CommonName;
    Byte Sex = 0;
    Integer Age = 0;
    Integer AgeClass = 0;
    QString Description;
    bool operator==(const ProfileGroup &) const = default;
};

struct SkillGroup {
    std::array<Byte, 9> SkillLevel{};
    Integer AdventurerLevel = 0;
    std::array<Long, 9> SkillExp{};
    Long ExpSpent = 0;
    Long ExpTotal = 0;
    bool operator==(const SkillGroup &) const = default;
};

struct AbilityGroup {
    Byte Race = 0;
    std::array<Single, 8> BaseValue{};
    Single BaseTotal = 0;
    std::array<Single, 6> Ability{};
    Single AbilityTotal = 0;
    Byte Ambidextrous = 0;
    bool operator==(const AbilityGroup &) const = default;
};

struct AdjustGroup {
    std::array<Integer, 6> AbilityAdjust{};
    Integer UndeadType = 0;
    bool operator==(const AdjustGroup &) const = default;
};

struct EquipGroup {
    Long Gold = 0;
    std::array<QString, 2> WeaponName;
    std::array<Byte, 2> WeaponKind{};
    std::array<Integer, 2> WeaponStr{};
    std::array<Integer, 2> WeaponHitMod{};
    std::array<Integer, 2> WeaponRatingMod{};
    std::array<Byte, 2> WeaponCritical{};
    std::array<Byte, 2> WeaponMagic{};
    QString ShieldName;
    Integer ShieldStr = 0;
    Integer ShieldEvasion = 0;
    Integer ShieldHitMod = 0;
    Byte ShieldMagic = 0;
    QString ArmorName;
    Integer ArmorStr = 0;
    Integer ArmorEvasionMod = 0;
    Integer ArmorRatingMod = 0;
    Byte ArmorEffectA = 0;
    Byte ArmorEffectB = 0;
    Byte ArmorMagic = 0;
    std::array<Integer, 4> ItemPrice{};
    Array2<Integer, 2, 2> ItemIndex;
    bool operator==(const EquipGroup &) const = default;
};

struct CombatGroup {
    Array2<Integer, 2, 4> CombatValue;
    std::array<Integer, 3> DefenseValue{};
    bool operator==(const CombatGroup &) const = default;
};

struct MagicGroup {
    Byte God = 0;
    std::array<Byte, 17> SongFlag{};
    std::array<QString, 20> SongName;
    Array2<Byte, 18, 2> LangFlag;
    Array2<QString, 18, 2> LangName;
    bool operator==(const MagicGroup &) const = default;
};

struct GeneralSkillGroup {
    Integer GeneralSkillPoints = 0;
    std::array<QString, 9> GeneralSkillName;
    std::array<Integer, 9> GeneralSkillLevel{};
    bool operator==(const GeneralSkillGroup &) const = default;
};

struct BirthGroup {
    Integer NativeLanguage = 0;
    std::array<Integer, 9> BirthSkillLevel{};
    QString BirthGeneralSkill;
    Integer BirthGeneralSkillLevel = 0;
    bool operator==(const BirthGroup &) const = default;
};

struct FileGroup {
    QString PortraitFile;
    Integer CharaNo = 0;
    bool operator==(const FileGroup &) const = default;
};

// The in-memory layout is free; the file order lives in forEachField.
struct CharaRecord : ProfileGroup,
                     SkillGroup,
                     AbilityGroup,
                     AdjustGroup,
                     EquipGroup,
                     CombatGroup,
                     MagicGroup,
                     GeneralSkillGroup,
                     BirthGroup,
                     FileGroup {
    Integer Spare1 = 0;
    Integer Spare2 = 0;
    bool operator==(const CharaRecord &) const = default;
};

// Visits every field in file order: f(name, field). A field is a scalar, a
// std::array or an Array2; visitors overload on those.
template <class Rec, class F>
void forEachField(Rec &r, F &&f)
{
    f("Name", r.Name);
    f("CommonName", r.CommonName);
    f("Sex", r.Sex);
    f("Age", r.Age);
    f("AgeClass", r.AgeClass);
    f("Description", r.Description);

    f("SkillLevel", r.SkillLevel);
    f("AdventurerLevel", r.AdventurerLevel);
    f("SkillExp", r.SkillExp);
    f("ExpSpent", r.ExpSpent);
    f("ExpTotal", r.ExpTotal);

    f("Race", r.Race);
    f("BaseValue", r.BaseValue);
    f("BaseTotal", r.BaseTotal);
    f("Ability", r.Ability);
    f("AbilityTotal", r.AbilityTotal);
    f("Ambidextrous", r.Ambidextrous);

    f("AbilityAdjust", r.AbilityAdjust);
    f("UndeadType", r.UndeadType);

    f("Spare1", r.Spare1);

    f("Gold", r.Gold);
    f("WeaponName", r.WeaponName);
    f("WeaponKind", r.WeaponKind);
    f("WeaponStr", r.WeaponStr);
    f("WeaponHitMod", r.WeaponHitMod);
    f("WeaponRatingMod", r.WeaponRatingMod);
    f("WeaponCritical", r.WeaponCritical);
    f("WeaponMagic", r.WeaponMagic);
    f("ShieldName", r.ShieldName);
    f("ShieldStr", r.ShieldStr);
    f("ShieldEvasion", r.ShieldEvasion);
    f("ShieldHitMod", r.ShieldHitMod);
    f("ShieldMagic", r.ShieldMagic);
    f("ArmorName", r.ArmorName);
    f("ArmorStr", r.ArmorStr);
    f("ArmorEvasionMod", r.ArmorEvasionMod);
    f("ArmorRatingMod", r.ArmorRatingMod);
    f("ArmorEffectA", r.ArmorEffectA);
    f("ArmorEffectB", r.ArmorEffectB);
    f("ArmorMagic", r.ArmorMagic);
    f("ItemPrice", r.ItemPrice);
    f("ItemIndex", r.ItemIndex);

    f("CombatValue", r.CombatValue);
    f("DefenseValue", r.DefenseValue);

    f("Spare2", r.Spare2);

    f("God", r.God);
    f("SongFlag", r.SongFlag);
    f("SongName", r.SongName);
    f("LangFlag", r.LangFlag);
    f("LangName", r.LangName);

    f("GeneralSkillPoints", r.GeneralSkillPoints);
    f("GeneralSkillName", r.GeneralSkillName);
    f("GeneralSkillLevel", r.GeneralSkillLevel);

    f("NativeLanguage", r.NativeLanguage);
    f("BirthSkillLevel", r.BirthSkillLevel);
    f("BirthGeneralSkill", r.BirthGeneralSkill);
    f("BirthGeneralSkillLevel", r.BirthGeneralSkillLevel);

    f("PortraitFile", r.PortraitFile);
    f("CharaNo", r.CharaNo);
}

// The current record and the working copy shown by the sheet window.
extern CharaRecord Chara;
extern CharaRecord CharaWork;

// Deep copy (QString copies are value copies; later edits never leak across).
inline void CopyRecord(const CharaRecord &from, CharaRecord &to) { to = from; }

// Empties every text; numbers keep their values.
void ClearRecord(CharaRecord &r);
