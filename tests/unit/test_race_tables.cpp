#include <QtTest>

#include "abilities/race_tables.h"
#include "shell/random.h"

#include <map>

namespace {

// The race dice written the way the rulebook writes them, one word per base
// value; the tests read ranges off these instead of off the code's table.
const char *const diceNotation[RaceCount] = {
    "2D 2D 2D 2D 2D 2D 2D 2D",
    "2D+6 1D3 1D+4 1D 1D+4 1D+6 2D+4 2D+4",
    "1D+6 2D+4 1D+6 1D 1D3 1D3 2D+6 2D+4",
    "1D+6 1D+6 1D+6 1D+6 1D 1D3 1D+4 1D+6",
    "1D+4 1D+6 1D+4 1D+6 1D+2 1D+2 1D+4 2D",
    "2D 1D+6 2D 2D 1D+3 2D 1D+2 2D+6",
    "2D 1D+6 2D 2D 1D3 2D 2D 1D+6",
    "1D+6 1D+6 1D+6 1D+6 1D 1D3 1D+4 1D+6",
    "2D 1D+3 2D 2D 2D 2D+6 2D 2D",
    "2D 2D 2D 2D 1D+6 1D+6 1D+6 1D",
};

struct Range {
    float min, expected, max;
};

Range rangeOf(const QString &word)
{
    if (word == QLatin1String("1D3"))
        return {1, 2, 3};
    const int d = word.indexOf(QLatin1Char('D'));
    const int n = word.left(d).toInt();
    const int plus = word.indexOf(QLatin1Char('+'));
    const int c = plus < 0 ? 0 : word.mid(plus + 1).toInt();
    return {float(n + c), float(n * 3.5 + c), float(6 * n + c)};
}

std::array<Range, 8> rangesOf(int race)
{
    const QStringList words = QString::fromLatin1(diceNotation[race]).split(QLatin1Char(' '));
    std::array<Range, 8> r{};
    for (int i = 0; i < 8; ++i)
        r[size_t(i)] = rangeOf(words[i]);
    return r;
}

using Eight = std::array<float, 8>;
using Skills = std::array<Byte, 9>;

Skills skills(std::initializer_list<int> list)
{
    Skills s{};
    for (int i : list)
        s[size_t(i)] = 1;
    return s;
}

bool allHalfWidthKatakana(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() < 0xFF61 || c.unicode() > 0xFF9F)
            return false;
    return !s.isEmpty();
}

} // namespace

Q_DECLARE_METATYPE(Eight)
Q_DECLARE_METATYPE(Skills)

class TestRaceTables : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixedValuesMatchDice_data();
    void fixedValuesMatchDice();
    void fixedValuesQuoted_data();
    void fixedValuesQuoted();
    void rolledValuesCoverDiceRange_data();
    void rolledValuesCoverDiceRange();
    void raceSettings_data();
    void raceSettings();
    void birthRows_data();
    void birthRows();
    void birthRollShape();
    void halfElfUpbringing();
    void humanPackageFollowsBirth();
    void applyDwarfPackage();
    void ageRange_data();
    void ageRange();
    void goldAndAmbidexterity();
    void listTexts();
};

void TestRaceTables::fixedValuesMatchDice_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("k");
    for (int race = 0; race < RaceCount; ++race)
        for (int k = 0; k < 3; ++k)
            QTest::addRow("%s %s", qPrintable(RaceNames[size_t(race)]),
                          qPrintable(FixedValueCaptions[size_t(k)]))
                << race << k;
}

// Guards every entry of the dice table against the rulebook notation.
void TestRaceTables::fixedValuesMatchDice()
{
    QFETCH(int, race);
    QFETCH(int, k);
    const auto ranges = rangesOf(race);
    const Eight got = FixedBaseValues(RaceDiceTable[size_t(race)], k);
    for (int i = 0; i < 8; ++i) {
        const Range &r = ranges[size_t(i)];
        const float want = k == 0 ? r.max : k == 1 ? r.expected : r.min;
        QVERIFY2(got[size_t(i)] == want,
                 qPrintable(QStringLiteral("base %1: %2 != %3").arg(i).arg(got[size_t(i)]).arg(want)));
    }
}

void TestRaceTables::fixedValuesQuoted_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("k");
    QTest::addColumn<Eight>("want");
    QTest::newRow("ドワーフ 最小") << int(RaceDwarf) << 2 << Eight{8, 1, 5, 1, 5, 7, 6, 6};
    QTest::newRow("人間 期待値") << int(RaceHuman) << 1 << Eight{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("エルフ 期待値 halves") << int(RaceElf) << 1 << Eight{9.5, 9.5, 9.5, 9.5, 3.5, 2, 7.5, 9.5};
}

void TestRaceTables::fixedValuesQuoted()
{
    QFETCH(int, race);
    QFETCH(int, k);
    QFETCH(Eight, want);
    QCOMPARE(FixedBaseValues(RaceDiceTable[size_t(race)], k), want);
}

void TestRaceTables::rolledValuesCoverDiceRange_data()
{
    QTest::addColumn<int>("race");
    for (int race = 0; race < RaceCount; ++race)
        QTest::newRow(qPrintable(RaceNames[size_t(race)])) << race;
}

void TestRaceTables::rolledValuesCoverDiceRange()
{
    QFETCH(int, race);
    SeedRandom(1000 + std::uint64_t(race));
    const auto ranges = rangesOf(race);
    std::array<bool, 8> low{}, high{};
    for (int n = 0; n < 4000; ++n) {
        const Eight v = RollBaseValues(RaceDiceTable[size_t(race)]);
        for (int i = 0; i < 8; ++i) {
            const Range &r = ranges[size_t(i)];
            QVERIFY(v[size_t(i)] >= r.min && v[size_t(i)] <= r.max);
            QCOMPARE(v[size_t(i)], std::floor(v[size_t(i)]));
            low[size_t(i)] = low[size_t(i)] || v[size_t(i)] == r.min;
            high[size_t(i)] = high[size_t(i)] || v[size_t(i)] == r.max;
        }
    }
    for (int i = 0; i < 8; ++i) {
        QVERIFY2(low[size_t(i)], qPrintable(QStringLiteral("base %1 never hit its minimum").arg(i)));
        QVERIFY2(high[size_t(i)], qPrintable(QStringLiteral("base %1 never hit its maximum").arg(i)));
    }
}

void TestRaceTables::raceSettings_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("upbringing");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("lang");
    QTest::addColumn<Skills>("skills");
    QTest::addColumn<int>("exp");
    QTest::addColumn<int>("ageBase");
    QTest::addColumn<int>("moneyMul");
    QTest::addColumn<bool>("deity");

    const QString birth; // label from the birth table
    QTest::newRow("人間 rolls birth") << int(RaceHuman) << 0 << birth << 0 << skills({}) << 0 << 15 << 200 << true;
    QTest::newRow("ドワーフ") << int(RaceDwarf) << 0 << QStringLiteral("ドワーフ") << 7 << skills({}) << 3000 << 30 << 300 << true;
    QTest::newRow("グラスランナー coin language") << int(RaceGrassRunner) << 0 << QStringLiteral("グラスランナー") << 0
                                      << skills({SkillThief, SkillRanger}) << 4500 << 40 << 200 << true;
    QTest::newRow("エルフ no deity") << int(RaceElf) << 0 << QStringLiteral("エルフ") << 6 << skills({SkillShaman})
                                 << 3500 << 100 << 200 << false;
    QTest::newRow("ハーフエルフ elf-raised") << int(RaceHalfElf) << 0 << QStringLiteral("エルフ") << 6
                                        << skills({SkillShaman}) << 3500 << 30 << 200 << true;
    QTest::newRow("ハーフエルフ human-raised 1") << int(RaceHalfElf) << 1 << birth << 0 << skills({}) << 0 << 15 << 200 << true;
    QTest::newRow("ハーフエルフ human-raised 2") << int(RaceHalfElf) << 2 << birth << 0 << skills({}) << 0 << 15 << 200 << true;
    QTest::newRow("フェザーフォルク half-width") << int(RaceFeatherFolk) << 0 << QStringLiteral("ﾌｪｻﾞｰﾌｫﾙｸ") << 12
                                            << skills({SkillRanger, SkillShaman}) << 3500 << 60 << 100 << true;
    QTest::newRow("マーマン") << int(RaceMerman) << 0 << QStringLiteral("マーマン") << 14 << skills({SkillShaman})
                          << 3500 << 60 << 100 << true;
    QTest::newRow("ダークエルフ rolls deity") << int(RaceDarkElf) << 0 << QStringLiteral("ダークエルフ") << 6
                                       << skills({SkillShaman}) << 3500 << 100 << 200 << true;
    QTest::newRow("ノーブルリザードマン half-width") << int(RaceLizardMan) << 0 << QStringLiteral("ﾘｻﾞｰﾄﾞﾏﾝ") << 16
                                               << skills({SkillFighter, SkillRanger}) << 3500 << 30 << 100 << true;
    QTest::newRow("ケンタウロス") << int(RaceCentaur) << 0 << QStringLiteral("ケンタウロス") << 9
                             << skills({SkillFighter, SkillRanger}) << 3500 << 30 << 100 << true;
}

void TestRaceTables::raceSettings()
{
    QFETCH(int, race);
    QFETCH(int, upbringing);
    QFETCH(QString, label);
    QFETCH(int, lang);
    QFETCH(Skills, skills);
    QFETCH(int, exp);
    QFETCH(int, ageBase);
    QFETCH(int, moneyMul);
    QFETCH(bool, deity);

    const RaceSetting &s = SettingForRace(race, upbringing);
    QCOMPARE(s.birthRoll, label.isEmpty());
    QCOMPARE(s.birthLabel, label);
    QCOMPARE(s.nativeLanguage, lang);
    if (!s.birthRoll) {
        QCOMPARE(s.skills, skills);
        QCOMPARE(int(s.exp), exp);
    }
    QCOMPARE(s.ageBase, ageBase);
    QCOMPARE(s.moneyMul, moneyMul);
    QCOMPARE(s.deityRoll, deity);
    QCOMPARE(s.generalSkillName.isEmpty(), race != RaceDwarf);
    if (label.startsWith(QChar(0xFF8C)) || label.startsWith(QChar(0xFF98)))
        QVERIFY(allHalfWidthKatakana(label));
}

void TestRaceTables::birthRows_data()
{
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("label");
    QTest::addColumn<Skills>("skills");
    QTest::addColumn<int>("exp");
    QTest::addColumn<int>("moneyMul");
    QTest::addColumn<int>("points");
    QTest::newRow("2 蛮族") << 2 << QStringLiteral("蛮族") << skills({SkillFighter, SkillRanger}) << 3500 << 100 << 0;
    QTest::newRow("3 魔法使い") << 3 << QStringLiteral("魔法使い") << skills({SkillSorcerer, SkillSage}) << 4000 << 200 << 0;
    QTest::newRow("4 悪党") << 4 << QStringLiteral("悪党") << skills({SkillThief}) << 3500 << 200 << 0;
    QTest::newRow("5 旅人") << 5 << QStringLiteral("旅人") << skills({SkillBard}) << 3500 << 200 << 0;
    QTest::newRow("6 狩人") << 6 << QStringLiteral("狩人") << skills({SkillRanger}) << 3500 << 200 << 0;
    QTest::newRow("7 一般市民 general points") << 7 << QStringLiteral("一般市民") << skills({}) << 3000 << 200 << 3;
    QTest::newRow("8 商人／学者") << 8 << QStringLiteral("商人／学者") << skills({SkillSage}) << 3500 << 200 << 0;
    QTest::newRow("9 傭兵") << 9 << QStringLiteral("傭兵") << skills({SkillFighter}) << 3500 << 200 << 0;
    QTest::newRow("10 司祭") << 10 << QStringLiteral("司祭") << skills({SkillPriest}) << 3500 << 200 << 0;
    QTest::newRow("11 呪い師") << 11 << QStringLiteral("呪い師") << skills({SkillShaman}) << 3500 << 200 << 0;
    QTest::newRow("12 貴族 money 500") << 12 << QStringLiteral("貴族") << skills({SkillFighter, SkillSage}) << 3500 << 500 << 0;
}

void TestRaceTables::birthRows()
{
    QFETCH(int, roll);
    QFETCH(QString, label);
    QFETCH(Skills, skills);
    QFETCH(int, exp);
    QFETCH(int, moneyMul);
    QFETCH(int, points);
    const StartingPackage p = MakeStartingPackage(SettingForRace(RaceHuman), 3, roll);
    QCOMPARE(p.birthLabel, label);
    QCOMPARE(p.skills, skills);
    QCOMPARE(int(p.exp), exp);
    QCOMPARE(p.moneyMul, moneyMul);
    QCOMPARE(int(p.generalSkillPoints), points);
    QCOMPARE(p.birthRoll, roll);
    QCOMPARE(int(p.nativeLanguage), 3);
}

void TestRaceTables::birthRollShape()
{
    SeedRandom(77);
    std::map<int, int> count;
    const int draws = 36000;
    for (int n = 0; n < draws; ++n)
        ++count[RollBirth()];
    QCOMPARE(count.begin()->first, 2);
    QCOMPARE(count.rbegin()->first, 12);
    for (int roll = 2; roll <= 12; ++roll) {
        const double expected = draws / 36.0 * (6 - std::abs(7 - roll));
        QVERIFY2(std::abs(count[roll] - expected) < expected * 0.15,
                 qPrintable(QStringLiteral("%1 drawn %2 times").arg(roll).arg(count[roll])));
    }
}

void TestRaceTables::halfElfUpbringing()
{
    SeedRandom(5);
    int elfRaised = 0;
    const int draws = 3000;
    for (int n = 0; n < draws; ++n) {
        const StartingPackage p = RollStartingPackage(RaceHalfElf);
        if (p.birthRoll == 0) {
            ++elfRaised;
            QCOMPARE(p.birthLabel, QStringLiteral("エルフ"));
            QCOMPARE(int(p.nativeLanguage), 6);
            QCOMPARE(p.ageBase, 30);
        } else {
            QVERIFY(p.nativeLanguage == 2 || p.nativeLanguage == 3);
            QCOMPARE(p.ageBase, 15);
        }
    }
    QVERIFY2(elfRaised > draws / 3 - 150 && elfRaised < draws / 3 + 150, qPrintable(QString::number(elfRaised)));
}

void TestRaceTables::humanPackageFollowsBirth()
{
    SeedRandom(9);
    bool eastern = false, western = false;
    for (int n = 0; n < 500; ++n) {
        const StartingPackage p = RollStartingPackage(RaceHuman);
        QVERIFY(p.birthRoll >= 2 && p.birthRoll <= 12);
        QCOMPARE(p.birthLabel, BirthFor(p.birthRoll).label);
        QCOMPARE(p.moneyMul, BirthFor(p.birthRoll).moneyMul);
        eastern = eastern || p.nativeLanguage == 2;
        western = western || p.nativeLanguage == 3;
        QVERIFY(p.nativeLanguage == 2 || p.nativeLanguage == 3);
    }
    QVERIFY(eastern && western);
}

void TestRaceTables::applyDwarfPackage()
{
    CharaRecord r;
    r.SkillLevel.fill(4);
    r.AbilityAdjust.fill(3);
    r.GeneralSkillLevel.fill(2);
    r.GeneralSkillPoints = 9;
    r.CharaNo = 12;
    r.GeneralSkillName[1] = QStringLiteral("keep");
    ClearForNewCharacter(r);
    QCOMPARE(r.CharaNo, Integer(0));
    QCOMPARE(r.AbilityAdjust, (std::array<Integer, 6>{}));

    ApplyStartingPackage(r, RollStartingPackage(RaceDwarf));
    QCOMPARE(r.SkillLevel, Skills{});
    QCOMPARE(r.ExpTotal, Long(3000));
    QCOMPARE(r.NativeLanguage, Integer(7));
    QCOMPARE(r.GeneralSkillPoints, Integer(5));
    QCOMPARE(r.GeneralSkillName[0], QStringLiteral("クラフトマン"));
    QCOMPARE(r.GeneralSkillLevel[0], Integer(5));
    QCOMPARE(r.GeneralSkillLevel[1], Integer(0));
    QCOMPARE(r.GeneralSkillName[1], QStringLiteral("keep"));
    QCOMPARE(r.BirthGeneralSkill, QStringLiteral("クラフトマン"));
    QCOMPARE(r.BirthGeneralSkillLevel, Integer(5));

    // A later character keeps the general skill names but copies its own
    // skills, and is not left with the dwarf's birth skill.
    ClearForNewCharacter(r);
    ApplyStartingPackage(r, MakeStartingPackage(SettingForRace(RaceCentaur), 9, 0));
    QCOMPARE(r.SkillLevel, skills({SkillFighter, SkillRanger}));
    QCOMPARE(r.BirthSkillLevel, (std::array<Integer, 9>{1, 0, 1, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(r.GeneralSkillPoints, Integer(0));
    QCOMPARE(r.GeneralSkillLevel[0], Integer(0));
    QCOMPARE(r.GeneralSkillName[0], QStringLiteral("クラフトマン"));
    QCOMPARE(r.BirthGeneralSkill, QString());
    QCOMPARE(r.BirthGeneralSkillLevel, Integer(0));
}

void TestRaceTables::ageRange_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("step");
    QTest::newRow("人間 15-25") << int(RaceHuman) << 15 << 25 << 1;
    QTest::newRow("ドワーフ 30-50") << int(RaceDwarf) << 30 << 50 << 2;
    QTest::newRow("グラスランナー 40-60") << int(RaceGrassRunner) << 40 << 60 << 2;
    QTest::newRow("エルフ 100-160") << int(RaceElf) << 100 << 160 << 6;
    QTest::newRow("ダークエルフ 100-160") << int(RaceDarkElf) << 100 << 160 << 6;
    QTest::newRow("フェザーフォルク 60-100") << int(RaceFeatherFolk) << 60 << 100 << 4;
    QTest::newRow("マーマン 60-100") << int(RaceMerman) << 60 << 100 << 4;
}

void TestRaceTables::ageRange()
{
    QFETCH(int, race);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, step);
    SeedRandom(300 + std::uint64_t(race));
    int seenLo = 0, seenHi = 0;
    for (int n = 0; n < 2000; ++n) {
        const int age = RollAge(SettingForRace(race).ageBase);
        QVERIFY2(age >= lo && age <= hi, qPrintable(QString::number(age)));
        QCOMPARE((age - lo) % step, 0);
        seenLo += age == lo;
        seenHi += age == hi;
    }
    QVERIFY(seenLo > 0 && seenHi > 0);
}

void TestRaceTables::goldAndAmbidexterity()
{
    SeedRandom(42);
    int ambi = 0;
    const int draws = 36000;
    for (int n = 0; n < draws; ++n) {
        const Long g = RollGold(300);
        QVERIFY(g >= 600 && g <= 3600 && g % 300 == 0);
        ambi += RollAmbidextrous();
    }
    QVERIFY2(ambi > 800 && ambi < 1200, qPrintable(QString::number(ambi)));
    QCOMPARE(ArmLabel(1, false), QStringLiteral("逆腕"));
    QCOMPARE(ArmLabel(1, true), QStringLiteral("利腕"));
    QCOMPARE(ArmLabel(0, false), QStringLiteral("利腕"));
}

void TestRaceTables::listTexts()
{
    QCOMPARE(RaceNames[RaceLizardMan], QStringLiteral("ノーブルリザードマン"));
    QCOMPARE(AgeClassNames[0], QStringLiteral("１５～５０歳"));
    QCOMPARE(AgeClassNames[10], QStringLiteral("９１歳～"));
    QCOMPARE(AgeClassNames[10].at(3).unicode(), char16_t(0xFF5E)); // full-width tilde
    QCOMPARE(ShiftItems[5], QStringLiteral("ソーサラー"));
    QCOMPARE(FirstNames[0][4], QStringLiteral("ワット"));
    QCOMPARE(FirstNames[1][0], QStringLiteral("ティリス"));
}

QTEST_GUILESS_MAIN(TestRaceTables)
#include "test_race_tables.moc"
