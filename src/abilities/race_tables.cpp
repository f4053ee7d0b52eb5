#include "abilities/race_tables.h"

#include "shell/random.h"

#include <algorithm>

namespace {

// Starting skills: level 1 for each listed skill.
std::array<Byte, 9> skillSet(std::initializer_list<int> list)
{
    std::array<Byte, 9> s{};
    for (int i : list)
        s[size_t(i)] = 1;
    return s;
}

RaceSetting fixedRace(const QString &label, int lang, std::initializer_list<int> skills,
                      Long exp, int ageBase, int moneyMul)
{
    RaceSetting s;
    s.birthLabel = label;
    s.birthRoll = false;
    s.nativeLanguage = lang;
    s.skills = skillSet(skills);
    s.exp = exp;
    s.ageBase = ageBase;
    s.moneyMul = moneyMul;
    return s;
}

RaceSetting humanRow()
{
    RaceSetting s;
    s.birthRoll = true;
    s.nativeLanguage = 0;
    s.ageBase = 15;
    s.moneyMul = 200;
    return s;
}

RaceSetting dwarfRow()
{
    RaceSetting s = fixedRace(QStringLiteral("ドワーフ"), LangDwarvish, {}, 3000, 30, 300);
    s.generalSkillPoints = 5;
    s.generalSkillName = QStringLiteral("クラフトマン");
    s.generalSkillLevel = 5;
    return s;
}

RaceSetting elfRow()
{
    RaceSetting s = fixedRace(QStringLiteral("エルフ"), LangElvish, {SkillShaman}, 3500, 100, 200);
    s.deityRoll = false;
    return s;
}

BirthRow birth(const QString &label, std::initializer_list<int> skills, Long exp, int moneyMul,
               Integer generalPoints = 0)
{
    return BirthRow{label, skillSet(skills), exp, moneyMul, generalPoints};
}

int dieCount(const RaceDiceRow &dice, int i) { return dice[size_t(i)]; }
int dieConstant(const RaceDiceRow &dice, int i) { return dice[size_t(i) + 8]; }

} // namespace

const std::array<QString, RaceCount> RaceNames{
    QStringLiteral("人間"),
    QStringLiteral("ドワーフ"),
    QStringLiteral("グラスランナー"),
    QStringLiteral("エルフ"),
    QStringLiteral("ハーフエルフ"),
    QStringLiteral("フェザーフォルク"),
    QStringLiteral("マーマン"),
    QStringLiteral("ダークエルフ"),
    QStringLiteral("ノーブルリザードマン"),
    QStringLiteral("ケンタウロス"),
};

const std::array<QString, 11> AgeClassNames{
    QStringLiteral("１５～５０歳"),
    QStringLiteral("３～５歳"),
    QStringLiteral("６～８歳"),
    QStringLiteral("９～１０歳"),
    QStringLiteral("１１～１２歳"),
    QStringLiteral("１３～１４歳"),
    QStringLiteral("５１～６０歳"),
    QStringLiteral("６１～７０歳"),
    QStringLiteral("７１～８０歳"),
    QStringLiteral("８１～９０歳"),
    QStringLiteral("９１歳～"),
};

const std::array<QString, 6> ShiftItems{
    QStringLiteral("なし"),
    QStringLiteral("ファイター"),
    QStringLiteral("シーフ"),
    QStringLiteral("プリースト"),
    QStringLiteral("シャーマン"),
    QStringLiteral("ソーサラー"),
};

const std::array<QString, 3> FixedValueCaptions{
    QStringLiteral("最大"),
    QStringLiteral("期待値"),
    QStringLiteral("最小"),
};

const std::array<QString, 2> UndeadNames{
    QStringLiteral("ヴァンパイア"),
    QStringLiteral("ノーライフキング"),
};

const std::array<QString, 6> AbilityNames{
    QStringLiteral("器用度"),
    QStringLiteral("敏捷度"),
    QStringLiteral("知力"),
    QStringLiteral("筋力"),
    QStringLiteral("生命力"),
    QStringLiteral("精神力"),
};

// ---------------------------------------------------------------- dice

float RollBaseValue(const RaceDiceRow &dice, int i)
{
    const int n = dieCount(dice, i);
    int sum = 0;
    if (n > 0) {
        for (int d = 0; d < n; ++d)
            sum += RollD6();
    } else {
        sum = RollD3();
    }
    return float(sum + dieConstant(dice, i));
}

std::array<float, 8> RollBaseValues(const RaceDiceRow &dice)
{
    std::array<float, 8> v{};
    for (int i = 0; i < 8; ++i)
        v[size_t(i)] = RollBaseValue(dice, i);
    return v;
}

float FixedBaseValue(const RaceDiceRow &dice, int i, int k)
{
    // Per-die value for 最大, 期待値, 最小.
    static constexpr float perDie[3] = {6.0f, 3.5f, 1.0f};
    const float c = perDie[std::clamp(k, 0, 2)];
    const int n = dieCount(dice, i);
    // n × c and the halves of 3.5 are exact in a float, so no rounding creeps in.
    const float dicePart = n > 0 ? float(n) * c : float(int(c / 2.0f + 0.5f));
    return float(dieConstant(dice, i)) + dicePart;
}

std::array<float, 8> FixedBaseValues(const RaceDiceRow &dice, int k)
{
    std::array<float, 8> v{};
    for (int i = 0; i < 8; ++i)
        v[size_t(i)] = FixedBaseValue(dice, i, k);
    return v;
}

// ---------------------------------------------------------------- race settings

const std::array<RaceSetting, RaceCount> RaceSettings{
    humanRow(),
    dwarfRow(),
    fixedRace(QStringLiteral("グラスランナー"), 0, {SkillThief, SkillRanger}, 4500, 40, 200),
    elfRow(),
    // ハーフエルフ raised by elves: the elf's row, except the age base and the deity.
    fixedRace(QStringLiteral("エルフ"), LangElvish, {SkillShaman}, 3500, 30, 200),
    // The two labels below are half-width katakana on purpose.
    fixedRace(QStringLiteral("ﾌｪｻﾞｰﾌｫﾙｸ"), LangHarpy, {SkillRanger, SkillShaman}, 3500, 60, 100),
    fixedRace(QStringLiteral("マーマン"), LangMerman, {SkillShaman}, 3500, 60, 100),
    fixedRace(QStringLiteral("ダークエルフ"), LangElvish, {SkillShaman}, 3500, 100, 200),
    fixedRace(QStringLiteral("ﾘｻﾞｰﾄﾞﾏﾝ"), LangLizardMan, {SkillFighter, SkillRanger}, 3500, 30, 100),
    fixedRace(QStringLiteral("ケンタウロス"), LangCentaur, {SkillFighter, SkillRanger}, 3500, 30, 100),
};

const RaceSetting HalfElfHumanRaised = humanRow();

int RollHalfElfUpbringing() { return int(Rnd() * 3); }

const RaceSetting &SettingForRace(int race, int upbringing)
{
    if (race < 0 || race >= RaceCount)
        return RaceSettings[RaceHuman];
    if (race == RaceHalfElf && upbringing != 0)
        return HalfElfHumanRaised;
    return RaceSettings[size_t(race)];
}

// ---------------------------------------------------------------- birth table

const std::array<BirthRow, 11> BirthTable{
    birth(QStringLiteral("蛮族"), {SkillFighter, SkillRanger}, 3500, 100),
    birth(QStringLiteral("魔法使い"), {SkillSorcerer, SkillSage}, 4000, 200),
    birth(QStringLiteral("悪党"), {SkillThief}, 3500, 200),
    birth(QStringLiteral("旅人"), {SkillBard}, 3500, 200),
    birth(QStringLiteral("狩人"), {SkillRanger}, 3500, 200),
    birth(QStringLiteral("一般市民"), {}, 3000, 200, 3),
    birth(QStringLiteral("商人／学者"), {SkillSage}, 3500, 200),
    birth(QStringLiteral("傭兵"), {SkillFighter}, 3500, 200),
    birth(QStringLiteral("司祭"), {SkillPriest}, 3500, 200),
    birth(QStringLiteral("呪い師"), {SkillShaman}, 3500, 200),
    birth(QStringLiteral("貴族"), {SkillFighter, SkillSage}, 3500, 500),
};

const BirthRow &BirthFor(int roll2d6)
{
    return BirthTable[size_t(std::clamp(roll2d6, 2, 12) - 2)];
}

int RollBirth()
{
    const int d1 = RollD6();
    return d1 + RollD6();
}

// ---------------------------------------------------------------- starting package

Integer RollNativeLanguage(const RaceSetting &s)
{
    return Integer(s.nativeLanguage != 0 ? s.nativeLanguage : 2 + Coin());
}

StartingPackage MakeStartingPackage(const RaceSetting &s, Integer nativeLanguage, int birthRoll)
{
    StartingPackage p;
    p.birthLabel = s.birthLabel;
    p.nativeLanguage = nativeLanguage;
    p.skills = s.skills;
    p.exp = s.exp;
    p.moneyMul = s.moneyMul;
    p.ageBase = s.ageBase;
    p.generalSkillPoints = s.generalSkillPoints;
    p.generalSkillName = s.generalSkillName;
    p.generalSkillLevel = s.generalSkillLevel;
    p.deityRoll = s.deityRoll;
    if (s.birthRoll && birthRoll != 0) {
        const BirthRow &b = BirthFor(birthRoll);
        p.birthLabel = b.label;
        p.skills = b.skills;
        p.exp = b.exp;
        p.moneyMul = b.moneyMul;
        p.generalSkillPoints = b.generalSkillPoints;
        p.birthRoll = birthRoll;
    }
    return p;
}

StartingPackage RollStartingPackage(int race)
{
    const int upbringing = race == RaceHalfElf ? RollHalfElfUpbringing() : 0;
    const RaceSetting &s = SettingForRace(race, upbringing);
    const Integer lang = RollNativeLanguage(s);
    const int birthRoll = s.birthRoll ? RollBirth() : 0;
    return MakeStartingPackage(s, lang, birthRoll);
}

void ClearForNewCharacter(CharaRecord &r)
{
    r.AbilityAdjust.fill(0);
    r.CharaNo = 0;
    r.SkillLevel.fill(0);
    r.GeneralSkillLevel.fill(0);
    r.GeneralSkillPoints = 0;
}

void ApplyStartingPackage(CharaRecord &r, const StartingPackage &p)
{
    r.NativeLanguage = p.nativeLanguage;
    r.SkillLevel = p.skills;
    r.ExpTotal = p.exp;
    r.GeneralSkillPoints = p.generalSkillPoints;
    // Only a race with a starting general skill writes a slot name; other
    // characters keep whatever names the record held. The birth skill itself
    // always belongs to the new character: a previous character's birth
    // skill left behind would keep its level floor on someone not born to it.
    if (!p.generalSkillName.isEmpty()) {
        r.GeneralSkillName[0] = p.generalSkillName;
        r.GeneralSkillLevel[0] = p.generalSkillLevel;
    }
    r.BirthGeneralSkill = p.generalSkillName;
    r.BirthGeneralSkillLevel = p.generalSkillLevel;
    for (int i = 0; i < SkillCount; ++i)
        r.BirthSkillLevel[size_t(i)] = r.SkillLevel[size_t(i)];
}

// ---------------------------------------------------------------- other draws

Long RollGold(int moneyMul)
{
    const int d1 = RollD6();
    const int d2 = RollD6();
    return Long(d1 + d2) * Long(moneyMul);
}

Integer RollAge(int ageBase)
{
    const int d1 = int(Rnd() * 6);
    const int d2 = int(Rnd() * 6);
    return Integer(ageBase / 15 * (d1 + d2) + ageBase);
}

Byte RollSex() { return Byte(Coin()); }

const std::array<std::array<QString, 5>, 2> FirstNames{{
    {QStringLiteral("アーサー"), QStringLiteral("カイン"), QStringLiteral("セシル"),
     QStringLiteral("ヤリス"), QStringLiteral("ワット")},
    {QStringLiteral("ティリス"), QStringLiteral("ナディア"), QStringLiteral("フローラ"),
     QStringLiteral("マリア"), QStringLiteral("リリス")},
}};

int RollFirstNameIndex() { return int(Rnd() * 5); }

int RollDeityIndex() { return int(Rnd() * 6); }

bool RollAmbidextrous()
{
    const int d1 = int(Rnd() * 6);
    const int d2 = int(Rnd() * 6);
    return d1 + d2 == 10;
}

QString ArmLabel(int index, bool ambidextrous)
{
    return index == 0 || ambidextrous ? QStringLiteral("利腕") : QStringLiteral("逆腕");
}
