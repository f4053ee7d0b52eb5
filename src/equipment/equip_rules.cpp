#include "equipment/equip_rules.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include "abilities/ability_rules.h"
#include "abilities/race_tables.h"
#include "shell/indexes.h"

namespace {

constexpr int NobleLizardmanDefense = 5;

// Int(x) of a double, kept inside the int range (typed abilities may be absurd).
int floorToInt(double x)
{
    if (std::isnan(x))
        return 0;
    const double f = std::floor(x);
    if (f <= double(std::numeric_limits<int>::min() / 4))
        return std::numeric_limits<int>::min() / 4;
    if (f >= double(std::numeric_limits<int>::max() / 4))
        return std::numeric_limits<int>::max() / 4;
    return int(f);
}

int roundHalfUp(double x)
{
    return floorToInt(x + 0.5);
}

float ability(const CharaRecord &rec, int i)
{
    return rec.Ability[std::size_t(i)];
}

Integer toInteger(long long v)
{
    return Integer(std::clamp<long long>(v, std::numeric_limits<Integer>::min(),
                                         std::numeric_limits<Integer>::max()));
}

int sgn(int v)
{
    return v > 0 ? 1 : 0;
}

// Floor of a / b for b > 0, also for negative a.
long long floorDiv(long long a, long long b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Int((r / d + bonus) × 10 + 0.5) in exact integer arithmetic.
int tenths(int r, int d, int bonus)
{
    return int(floorDiv(20LL * r + 20LL * bonus * d + d, 2LL * d));
}

} // namespace

int TableRow(int index, int count)
{
    return index >= 0 && index < count ? index : 0;
}

int ClampTo(int v, int lo, int hi)
{
    return std::clamp(v, lo, std::max(lo, hi));
}

bool IsTwoHanded(int weapon)
{
    return WeaponTable[std::size_t(TableRow(weapon, WeaponCount))].kind % 2 == 1;
}

bool UsesChosenStrength(int weapon)
{
    return (weapon >= 44 && weapon <= 47) || (weapon >= 54 && weapon <= 56);
}

// ---------------------------------------------------------------- holding items

void HoldWeapon(CharaRecord &rec, int slot, int weapon)
{
    const int n = TableRow(weapon, WeaponCount);
    const WeaponRow &w = WeaponTable[std::size_t(n)];
    const auto s = std::size_t(slot);
    rec.ItemIndex(0, slot) = Integer(n);
    rec.WeaponName[s] = TableText(w.sheetName);
    rec.WeaponKind[s] = Byte(w.kind);
    rec.WeaponHitMod[s] = Integer(w.hitMod);
    rec.WeaponRatingMod[s] = Integer(w.ratingMod);
    rec.WeaponCritical[s] = Byte(w.critical);
    if (n == BareHands)
        rec.WeaponMagic[s] = 0;
}

void HoldShield(CharaRecord &rec, int shield)
{
    const int i = TableRow(shield, ShieldCount);
    const ShieldRow &row = ShieldTable[std::size_t(i)];
    rec.ItemIndex(1, 0) = Integer(i);
    rec.ShieldName = TableText(row.listText);
    rec.ShieldStr = Integer(row.str);
    rec.ShieldEvasion = Integer(row.evasion);
    rec.ShieldHitMod = Integer(row.hitMod);
    rec.ItemPrice[1] = Integer(row.price);
    if (i == 0)
        rec.ShieldMagic = 0;
}

void HoldArmor(CharaRecord &rec, int armor)
{
    const int i = TableRow(armor, ArmorCount);
    const ArmorRow &row = ArmorTable[std::size_t(i)];
    rec.ItemIndex(1, 1) = Integer(i);
    rec.ArmorName = TableText(row.listText);
    rec.ArmorEvasionMod = Integer(row.evasionMod);
    rec.ArmorRatingMod = Integer(row.ratingMod);
    rec.ArmorEffectA = Byte(row.effectA);
    rec.ArmorEffectB = Byte(row.effectB);
    if (i == 0)
        rec.ArmorMagic = 0;
}

void PutAwayShield(CharaRecord &rec)
{
    HoldShield(rec, 0);
    rec.ShieldStr = -1;
    rec.ItemPrice[1] = 0;
}

void PutAwayOffHandWeapon(CharaRecord &rec)
{
    HoldWeapon(rec, 1, BareHands);
    rec.WeaponStr[1] = -1;
    rec.ItemPrice[3] = 0;
    for (int k = 0; k < 4; ++k)
        rec.CombatValue(1, k) = 0;
}

// ---------------------------------------------------------------- skill and strength

int HalfStrength(const CharaRecord &rec)
{
    return roundHalfUp(ability(rec, AbilityStrength) / 2.0);
}

int BaseSkillMode(const CharaRecord &rec)
{
    const int f = rec.SkillLevel[SkillFighter];
    const int t = rec.SkillLevel[SkillThief];
    const int h = HalfStrength(rec);
    const bool light = rec.WeaponStr[0] <= h && rec.WeaponStr[1] <= h && rec.ShieldStr <= h
        && rec.ArmorStr <= h && rec.ArmorEffectB == 0;
    return t >= f && t > 0 && light ? ModeThief : ModeFighter;
}

int SlotSkillMode(const CharaRecord &rec, int baseMode, int slot)
{
    if (rec.SkillLevel[std::size_t(baseMode)] < rec.SkillLevel[SkillRanger]
        && rec.WeaponKind[std::size_t(slot)] >= 2)
        return ModeRanger;
    return baseMode;
}

int HandShortfall(const CharaRecord &rec, int leftMode)
{
    const double strength = ability(rec, AbilityStrength);
    const int s0 = roundHalfUp(rec.WeaponStr[0] - strength);
    const int s1 = leftMode == LeftShield ? roundHalfUp(rec.ShieldStr - strength)
                                          : rec.WeaponStr[1] - HalfStrength(rec);
    if (s0 <= 0 && s1 <= 0)
        return 0;
    return std::max(s0, s1);
}

int ArmorShortfall(const CharaRecord &rec)
{
    const double strength = ability(rec, AbilityStrength);
    return rec.ArmorStr > strength ? roundHalfUp(rec.ArmorStr - strength) : 0;
}

// ---------------------------------------------------------------- prices

Long WeaponPrice(int weapon, int str)
{
    const WeaponRow &w = WeaponTable[std::size_t(TableRow(weapon, WeaponCount))];
    return Long(w.pricePerStr) * str + w.priceBase;
}

Long ArmorPrice(int armor, int str)
{
    const ArmorRow &a = ArmorTable[std::size_t(TableRow(armor, ArmorCount))];
    return Long(a.pricePerStr) * str + a.priceBase;
}

Long ShieldPrice(int shield)
{
    return ShieldTable[std::size_t(TableRow(shield, ShieldCount))].price;
}

long long MoneyShown(const CharaRecord &rec)
{
    long long prices = 0;
    for (Integer p : rec.ItemPrice)
        prices += p;
    return static_cast<long long>(rec.Gold) - prices;
}

bool GoldFromTyped(const QString &text, const CharaRecord &rec, Long &gold)
{
    // Compatibility forms turn full-width digits and signs into plain ones.
    const QString plain = text.normalized(QString::NormalizationForm_KC).trimmed();
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]{1,18}$"));
    if (!whole.match(plain).hasMatch())
        return false;
    bool ok = false;
    const long long typed = plain.toLongLong(&ok);
    if (!ok)
        return false;
    const long long total = typed + (static_cast<long long>(rec.Gold) - MoneyShown(rec));
    if (total < std::numeric_limits<Long>::min() || total > std::numeric_limits<Long>::max())
        return false;
    gold = Long(total);
    return true;
}

// ---------------------------------------------------------------- figures

int ExpectedTenths(int rating, int critical, int bonus)
{
    const int r = RatingSum[std::size_t(ClampTo(rating, 0, int(RatingSum.size()) - 1))];
    const int d = CritDivisor[std::size_t(ClampTo(13 - critical, 0, int(CritDivisor.size()) - 1))];
    return tenths(r, d, bonus);
}

QString TenthsText(int tenths)
{
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const long long a = std::llabs(static_cast<long long>(tenths));
    if (a % 10 == 0)
        return sign + QString::number(a / 10);
    return sign + QString::number(a / 10) + QLatin1Char('.') + QString::number(a % 10);
}

WeaponFigures EvaluateWeapon(const CharaRecord &rec, int slot, int leftMode, int baseMode,
                             int handShortfall)
{
    const auto s = std::size_t(slot);
    const int n = rec.ItemIndex(0, slot);
    WeaponFigures f;
    f.skillMode = SlotSkillMode(rec, baseMode, slot);
    const int level = rec.SkillLevel[std::size_t(f.skillMode)];
    const int has = sgn(level);
    const int magic = rec.WeaponMagic[s];

    long long attack = static_cast<long long>(AbilityBonus(ability(rec, AbilityDexterity))) * has + level
        + rec.WeaponHitMod[s] + magic + (1 - sgn(rec.ShieldMagic)) * rec.ShieldHitMod - handShortfall;
    if (leftMode != LeftShield) {
        attack -= 2;
        if (rec.Ambidextrous == 0 && slot == 1)
            attack -= 2;
    }
    f.attack = toInteger(attack);

    const float x = UsesChosenStrength(n) ? float(rec.WeaponStr[s]) : ability(rec, AbilityStrength);
    f.extraDamage = toInteger(static_cast<long long>(AbilityBonus(x)) * has + level + magic);
    f.critical = rec.WeaponCritical[s] - (f.skillMode == ModeThief ? 1 : 0);
    f.rating = toInteger(rec.WeaponStr[s] + rec.WeaponRatingMod[s]);
    f.expectedTenths = ExpectedTenths(f.rating, f.critical, f.extraDamage);
    return f;
}

QString EffectText(int effectA, int effectB)
{
    return (effectA == 1 ? QStringLiteral("○ / ") : QStringLiteral("× / "))
        + (effectB == 1 ? QStringLiteral("○") : QStringLiteral("×"));
}

DefenseFigures EvaluateDefense(const CharaRecord &rec, int baseMode, int armorShortfall)
{
    DefenseFigures f;
    const int level = rec.SkillLevel[std::size_t(baseMode)];
    f.evasion = toInteger(static_cast<long long>(AbilityBonus(ability(rec, AbilityAgility))) * sgn(level) + level
                          + rec.ShieldEvasion + rec.ShieldMagic + rec.ArmorEvasionMod + rec.ArmorMagic
                          - armorShortfall);
    const int rating = rec.ArmorStr + rec.ArmorRatingMod;
    f.defense = toInteger(rating + (rec.Race == RaceLizardMan ? NobleLizardmanDefense : 0));
    f.reduction = toInteger(rec.ArmorMagic + rec.AdventurerLevel);
    f.pointsTenths = ExpectedTenths(rating, 13, rec.ArmorMagic + rec.AdventurerLevel);
    f.effects = EffectText(rec.ArmorEffectA, rec.ArmorEffectB);
    return f;
}

EquipFigures ApplyEquipment(CharaRecord &rec, int leftMode)
{
    EquipFigures out;
    out.held = {true, leftMode != LeftShield};

    rec.ItemPrice[0] = toInteger(WeaponPrice(rec.ItemIndex(0, 0), rec.WeaponStr[0]));
    rec.ItemPrice[3] = out.held[1] ? toInteger(WeaponPrice(rec.ItemIndex(0, 1), rec.WeaponStr[1])) : Integer(0);
    rec.ItemPrice[1] = leftMode == LeftShield ? toInteger(ShieldPrice(rec.ItemIndex(1, 0))) : Integer(0);
    rec.ItemPrice[2] = toInteger(ArmorPrice(rec.ItemIndex(1, 1), rec.ArmorStr));

    out.skillMode = BaseSkillMode(rec);
    out.shortfall = {HandShortfall(rec, leftMode), ArmorShortfall(rec)};

    for (int slot = 0; slot < 2; ++slot) {
        if (!out.held[std::size_t(slot)]) {
            for (int k = 0; k < 4; ++k)
                rec.CombatValue(slot, k) = 0;
            continue;
        }
        const WeaponFigures f = EvaluateWeapon(rec, slot, leftMode, out.skillMode, out.shortfall[0]);
        ++out.evaluations;
        out.weapon[std::size_t(slot)] = f;
        rec.CombatValue(slot, 0) = Integer(f.attack);
        rec.CombatValue(slot, 1) = Integer(f.rating);
        rec.CombatValue(slot, 2) = Integer(f.extraDamage);
        rec.CombatValue(slot, 3) = Integer(f.critical);
    }

    out.defense = EvaluateDefense(rec, out.skillMode, out.shortfall[1]);
    rec.DefenseValue[0] = Integer(out.defense.evasion);
    rec.DefenseValue[1] = Integer(out.defense.defense);
    rec.DefenseValue[2] = Integer(out.defense.reduction);

    out.money = MoneyShown(rec);
    return out;
}
