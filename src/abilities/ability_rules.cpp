#include "abilities/ability_rules.h"

#include "abilities/race_tables.h"
#include "shell/indexes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

std::array<float, 8> ClassAdapt(const std::array<float, 8> &base, int item)
{
    if (item < 1 || item > 5)
        return base;
    std::array<float, 8> s = base;
    for (int i = 0; i < 7; ++i)
        for (int j = i + 1; j < 8; ++j)
            if (s[size_t(j)] > s[size_t(i)])
                std::swap(s[size_t(i)], s[size_t(j)]);
    std::array<float, 8> out{};
    for (int i = 0; i < 8; ++i)
        out[size_t(i)] = s[size_t(ShiftArrangement[item][i])];
    return out;
}

int AgeBracket(int age, int race)
{
    int e = age;
    if (race == RaceHuman) {
        // as is
    } else if (race == RaceElf || race == RaceDarkElf) {
        if (e > 50)
            e = 50;
    } else if (e > 50) {
        e /= 2; // positive here, so the division is the floor
    }

    if (e < 0)
        return 0;
    if (e <= 5)
        return 1;
    if (e <= 8)
        return 2;
    if (e <= 10)
        return 3;
    if (e <= 12)
        return 4;
    if (e <= 14)
        return 5;
    if (e <= 50)
        return 0;
    if (e <= 60)
        return 6;
    if (e <= 70)
        return 7;
    if (e <= 80)
        return 8;
    if (e <= 90)
        return 9;
    return 10;
}

float PairSum(const std::array<float, 8> &base, int i)
{
    return float(double(base[size_t(PairFirst(i))]) + double(base[size_t(PairSecond(i))]));
}

float BaseTotalOf(const std::array<float, 8> &base)
{
    double t = 0;
    for (float v : base)
        t += double(v);
    return float(t);
}

std::array<float, 6> ApplyAgeFactor(const std::array<float, 6> &ability, int ageClass)
{
    std::array<float, 6> out = ability;
    const int k = ageClass;
    if (k >= 1 && k <= 5) {
        for (float &x : out)
            x = float(std::floor(double(k) * double(x) / 6.0 + 0.5));
    } else if (k >= 6 && k <= 10) {
        // Old age leaves 知力 (2) and 精神力 (5) alone.
        for (int i : {0, 1, 3, 4}) {
            float &x = out[size_t(i)];
            x = float(std::floor(double(11 - k) * double(x) / 6.0 + 0.5));
        }
    }
    return out;
}

int AbilityBonus(float ability)
{
    // A base value may be typed as any float, so an ability can be huge or
    // infinite; the bonus saturates so that six of them still add up in an int.
    constexpr double limit = std::numeric_limits<int>::max() / 6;
    const double b = std::floor(double(ability) / 6.0);
    if (std::isnan(b))
        return 0;
    return int(std::clamp(b, -limit, limit));
}

int LifeResistance(const CharaRecord &rec)
{
    return AbilityBonus(rec.Ability[AbilityLife]) + rec.AdventurerLevel;
}

int SpiritResistance(const CharaRecord &rec)
{
    constexpr int DarkElfSpirit = 4;
    return AbilityBonus(rec.Ability[AbilitySpirit]) + rec.AdventurerLevel + (rec.Race == RaceDarkElf ? DarkElfSpirit : 0);
}

QString BonusText(int bonus)
{
    return QStringLiteral("+") + QString::number(bonus);
}

Derived SumAbilities(const std::array<float, 6> &ability)
{
    Derived d;
    d.ability = ability;
    double total = 0;
    for (int i = 0; i < 6; ++i) {
        d.bonus[size_t(i)] = AbilityBonus(ability[size_t(i)]);
        d.bonusTotal += d.bonus[size_t(i)];
        total += double(ability[size_t(i)]);
    }
    d.abilityTotal = float(total);
    return d;
}

Derived DeriveAbilities(const std::array<float, 8> &base, bool vampire, bool nolifeKing,
                        const std::array<Integer, 6> &adjust, int ageClass)
{
    std::array<float, 6> ability{};
    for (int i = 0; i < 6; ++i) {
        double x = double(base[size_t(PairFirst(i))]) + double(base[size_t(PairSecond(i))]);
        if (vampire)
            x += UndeadBonus[0][i];
        if (nolifeKing)
            x += UndeadBonus[1][i];
        x += adjust[size_t(i)];
        ability[size_t(i)] = float(x);
    }
    Derived d = SumAbilities(ApplyAgeFactor(ability, ageClass));
    d.baseTotal = BaseTotalOf(base);
    return d;
}

int AdjustForTypedAbility(float typed, const std::array<float, 8> &base, int i, bool &inRange)
{
    const double diff = double(typed) - (double(base[size_t(PairFirst(i))]) + double(base[size_t(PairSecond(i))]));
    if (std::isnan(diff)) {
        inRange = false;
        return 0;
    }
    // Nearest, halves to the even neighbour.
    double r = std::floor(diff);
    const double frac = diff - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    inRange = r >= -32768.0 && r <= 32767.0;
    if (r < -32768.0)
        return -32768;
    if (r > 32767.0)
        return 32767;
    return int(r);
}
