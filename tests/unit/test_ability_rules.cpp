#include <QtTest>

#include "abilities/ability_rules.h"
#include "abilities/race_tables.h"

#include <algorithm>

using Eight = std::array<float, 8>;
using Six = std::array<float, 6>;
using Adj = std::array<Integer, 6>;
Q_DECLARE_METATYPE(Eight)
Q_DECLARE_METATYPE(Six)

class TestAbilityRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void classAdapt_data();
    void classAdapt();
    void classAdaptKeepsValues_data();
    void classAdaptKeepsValues();
    void ageBracket_data();
    void ageBracket();
    void derive_data();
    void derive();
    void bonusText_data();
    void bonusText();
    void typedAdjustment_data();
    void typedAdjustment();
};

// Distinct base values so every sorted position is identifiable: the value
// 9 - s sits at sorted position s (S1 = 8 ... S8 = 1).
static const Eight scrambled{3, 8, 1, 6, 2, 7, 5, 4};

void TestAbilityRules::classAdapt_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<Eight>("want");
    // Expected A..H written as sorted positions S1..S8 turned into values 9 - S.
    auto fromS = [](std::array<int, 8> s) {
        Eight e{};
        for (int i = 0; i < 8; ++i)
            e[size_t(i)] = float(9 - s[size_t(i)]);
        return e;
    };
    QTest::newRow("なし unchanged") << 0 << scrambled;
    QTest::newRow("ファイター S6 S3 S4 S8 S2 S1 S5 S7") << 1 << fromS({6, 3, 4, 8, 2, 1, 5, 7});
    QTest::newRow("シーフ S3 S1 S2 S7 S4 S5 S6 S8") << 2 << fromS({3, 1, 2, 7, 4, 5, 6, 8});
    QTest::newRow("プリースト S8 S1 S5 S7 S6 S4 S2 S3") << 3 << fromS({8, 1, 5, 7, 6, 4, 2, 3});
    QTest::newRow("シャーマン S7 S5 S1 S2 S8 S6 S3 S4") << 4 << fromS({7, 5, 1, 2, 8, 6, 3, 4});
    QTest::newRow("ソーサラー same as シャーマン") << 5 << fromS({7, 5, 1, 2, 8, 6, 3, 4});
    QTest::newRow("unknown item unchanged") << 6 << scrambled;
}

void TestAbilityRules::classAdapt()
{
    QFETCH(int, item);
    QFETCH(Eight, want);
    QCOMPARE(ClassAdapt(scrambled, item), want);
}

void TestAbilityRules::classAdaptKeepsValues_data()
{
    QTest::addColumn<Eight>("base");
    QTest::newRow("distinct") << scrambled;
    QTest::newRow("ties and halves") << Eight{7, 9.5f, 7, 2, 9.5f, 12, 2, 7};
    QTest::newRow("all equal") << Eight{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("negative") << Eight{-1, 0, 3, -4, 5, 0, 2, 1};
}

// The same multiset comes back, and choosing the item again changes nothing.
void TestAbilityRules::classAdaptKeepsValues()
{
    QFETCH(Eight, base);
    Eight sortedBase = base;
    std::sort(sortedBase.begin(), sortedBase.end());
    for (int item = 1; item <= 5; ++item) {
        const Eight once = ClassAdapt(base, item);
        Eight sortedOnce = once;
        std::sort(sortedOnce.begin(), sortedOnce.end());
        QCOMPARE(sortedOnce, sortedBase);
        QCOMPARE(ClassAdapt(once, item), once);
    }
}

void TestAbilityRules::ageBracket_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("bracket");
    QTest::newRow("人間 91 oldest") << 91 << int(RaceHuman) << 10;
    QTest::newRow("人間 90") << 90 << int(RaceHuman) << 9;
    QTest::newRow("ドワーフ 120 halved to 60") << 120 << int(RaceDwarf) << 6;
    QTest::newRow("ドワーフ 101 halved to 50") << 101 << int(RaceDwarf) << 0;
    QTest::newRow("ドワーフ 102 halved to 51") << 102 << int(RaceDwarf) << 6;
    QTest::newRow("ドワーフ 182 halved to 91") << 182 << int(RaceDwarf) << 10;
    QTest::newRow("エルフ 120 capped at 50") << 120 << int(RaceElf) << 0;
    QTest::newRow("ダークエルフ 500 capped at 50") << 500 << int(RaceDarkElf) << 0;
    QTest::newRow("ハーフエルフ 51 halved to 25") << 51 << int(RaceHalfElf) << 0;
    QTest::newRow("ケンタウロス 50 not halved") << 50 << int(RaceCentaur) << 0;
    QTest::newRow("ケンタウロス 30 young adult") << 30 << int(RaceCentaur) << 0;
    QTest::newRow("エルフ 3 child") << 3 << int(RaceElf) << 1;
    QTest::newRow("ドワーフ 3 child") << 3 << int(RaceDwarf) << 1;
    QTest::newRow("0") << 0 << int(RaceHuman) << 1;
    QTest::newRow("negative") << -1 << int(RaceHuman) << 0;
    QTest::newRow("negative ドワーフ") << -200 << int(RaceDwarf) << 0;
    QTest::newRow("5") << 5 << int(RaceHuman) << 1;
    QTest::newRow("6") << 6 << int(RaceHuman) << 2;
    QTest::newRow("8") << 8 << int(RaceHuman) << 2;
    QTest::newRow("9") << 9 << int(RaceHuman) << 3;
    QTest::newRow("10") << 10 << int(RaceHuman) << 3;
    QTest::newRow("11") << 11 << int(RaceHuman) << 4;
    QTest::newRow("12") << 12 << int(RaceHuman) << 4;
    QTest::newRow("13") << 13 << int(RaceHuman) << 5;
    QTest::newRow("14") << 14 << int(RaceHuman) << 5;
    QTest::newRow("15") << 15 << int(RaceHuman) << 0;
    QTest::newRow("50") << 50 << int(RaceHuman) << 0;
    QTest::newRow("51") << 51 << int(RaceHuman) << 6;
    QTest::newRow("60") << 60 << int(RaceHuman) << 6;
    QTest::newRow("61") << 61 << int(RaceHuman) << 7;
    QTest::newRow("71") << 71 << int(RaceHuman) << 8;
    QTest::newRow("81") << 81 << int(RaceHuman) << 9;
    QTest::newRow("32767") << 32767 << int(RaceHuman) << 10;
}

void TestAbilityRules::ageBracket()
{
    QFETCH(int, age);
    QFETCH(int, race);
    QFETCH(int, bracket);
    QCOMPARE(AgeBracket(age, race), bracket);
}

void TestAbilityRules::derive_data()
{
    QTest::addColumn<Eight>("base");
    QTest::addColumn<int>("undead"); // 0 none, 1 ヴァンパイア, 2 ノーライフキング
    QTest::addColumn<Adj>("adjust");
    QTest::addColumn<int>("ageClass");
    QTest::addColumn<Six>("ability");
    QTest::addColumn<int>("bonusTotal");
    QTest::addColumn<float>("abilityTotal");
    QTest::addColumn<float>("baseTotal");

    const Eight sevens{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("all 7 人間") << sevens << 0 << Adj{} << 0 << Six{14, 14, 14, 14, 14, 14} << 12 << 84.f << 56.f;
    QTest::newRow("pairs A+B B+C C+D E+F F+G G+H")
        << Eight{1, 2, 4, 8, 16, 32, 64, 128} << 0 << Adj{} << 0
        << Six{3, 6, 12, 48, 96, 192} << 0 + 1 + 2 + 8 + 16 + 32 << 357.f << 255.f;
    QTest::newRow("ヴァンパイア") << sevens << 1 << Adj{} << 0 << Six{20, 20, 20, 20, 26, 26} << 3 * 4 + 4 * 2 << 132.f << 56.f;
    QTest::newRow("ノーライフキング 精神力 +18") << sevens << 2 << Adj{} << 0 << Six{20, 20, 26, 26, 26, 32}
                                          << 3 + 3 + 4 + 4 + 4 + 5 << 150.f << 56.f;
    QTest::newRow("adjustment added") << sevens << 0 << Adj{6, 0, -2, 0, 0, 0} << 0 << Six{20, 14, 12, 14, 14, 14}
                                    << 3 + 2 + 2 + 2 + 2 + 2 << 88.f << 56.f;
    QTest::newRow("category 1 turns 14 into 2") << sevens << 0 << Adj{} << 1 << Six{2, 2, 2, 2, 2, 2} << 0 << 12.f << 56.f;
    QTest::newRow("category 5 rounds half up") << Eight{1, 2, 1, 2, 1, 2, 1, 2} << 0 << Adj{} << 5
                                             << Six{3, 3, 3, 3, 3, 3} << 0 << 18.f << 12.f;
    QTest::newRow("category 10 spares 知力 精神力") << sevens << 0 << Adj{} << 10 << Six{2, 2, 14, 2, 2, 14}
                                           << 4 << 36.f << 56.f;
    QTest::newRow("category 6 five sixths") << sevens << 0 << Adj{} << 6 << Six{12, 12, 14, 12, 12, 14}
                                          << 12 << 76.f << 56.f;
    QTest::newRow("age factor after template") << sevens << 2 << Adj{} << 3 << Six{10, 10, 13, 13, 13, 16}
                                             << 1 + 1 + 2 + 2 + 2 + 2 << 75.f << 56.f;
    QTest::newRow("halves kept") << Eight{9.5f, 9.5f, 9.5f, 9.5f, 3.5f, 2, 7.5f, 9.5f} << 0 << Adj{} << 0
                               << Six{19, 19, 19, 5.5f, 9.5f, 17} << 3 + 3 + 3 + 0 + 1 + 2 << 89.f << 60.5f;
    QTest::newRow("negative bonus floors") << sevens << 0 << Adj{-15, -20, 0, 0, 0, 0} << 0
                                         << Six{-1, -6, 14, 14, 14, 14} << -1 - 1 + 8 << 49.f << 56.f;
}

void TestAbilityRules::derive()
{
    QFETCH(Eight, base);
    QFETCH(int, undead);
    QFETCH(Adj, adjust);
    QFETCH(int, ageClass);
    QFETCH(Six, ability);
    QFETCH(int, bonusTotal);
    QFETCH(float, abilityTotal);
    QFETCH(float, baseTotal);

    const Derived d = DeriveAbilities(base, undead == 1, undead == 2, adjust, ageClass);
    QCOMPARE(d.ability, ability);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(d.bonus[size_t(i)], int(std::floor(ability[size_t(i)] / 6.0)));
    QCOMPARE(d.bonusTotal, bonusTotal);
    QCOMPARE(d.abilityTotal, abilityTotal);
    QCOMPARE(d.baseTotal, baseTotal);

    // The display after a typed ability uses the same bonus and total rules.
    const Derived s = SumAbilities(d.ability);
    QCOMPARE(s.bonus, d.bonus);
    QCOMPARE(s.abilityTotal, d.abilityTotal);
}

void TestAbilityRules::bonusText_data()
{
    QTest::addColumn<float>("ability");
    QTest::addColumn<QString>("text");
    QTest::newRow("14 +2") << 14.f << QStringLiteral("+2");
    QTest::newRow("0 +0") << 0.f << QStringLiteral("+0");
    QTest::newRow("5.5 +0") << 5.5f << QStringLiteral("+0");
    QTest::newRow("-1 +-1") << -1.f << QStringLiteral("+-1");
    QTest::newRow("-6 +-1") << -6.f << QStringLiteral("+-1");
    QTest::newRow("-7 +-2") << -7.f << QStringLiteral("+-2");
    QTest::newRow("35.9 +5") << 35.9f << QStringLiteral("+5");
    // Typed base values can make any float; the bonus saturates instead of overflowing.
    QTest::newRow("huge saturates") << 1e30f << QStringLiteral("+357913941");
    QTest::newRow("minus infinity saturates") << -std::numeric_limits<float>::infinity() << QStringLiteral("+-357913941");
    QTest::newRow("not a number +0") << std::numeric_limits<float>::quiet_NaN() << QStringLiteral("+0");
}

void TestAbilityRules::bonusText()
{
    QFETCH(float, ability);
    QFETCH(QString, text);
    QCOMPARE(BonusText(AbilityBonus(ability)), text);
}

void TestAbilityRules::typedAdjustment_data()
{
    QTest::addColumn<float>("typed");
    QTest::addColumn<Eight>("base");
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("adjust");
    QTest::addColumn<bool>("inRange");

    const Eight sevens{7, 7, 7, 7, 7, 7, 7, 7};
    const Eight pairs{1, 2, 4, 8, 16, 32, 64, 128};
    QTest::newRow("器用度 20 over 14") << 20.f << sevens << 0 << 6 << true;
    QTest::newRow("敏捷度 pair B+C") << 10.f << pairs << 1 << 4 << true;
    QTest::newRow("知力 pair C+D") << 10.f << pairs << 2 << -2 << true;
    QTest::newRow("筋力 pair E+F") << 50.f << pairs << 3 << 2 << true;
    QTest::newRow("生命力 pair F+G") << 100.f << pairs << 4 << 4 << true;
    QTest::newRow("精神力 pair G+H") << 190.f << pairs << 5 << -2 << true;
    QTest::newRow("6.5 halves to even 6") << 20.5f << sevens << 0 << 6 << true;
    QTest::newRow("7.5 halves to even 8") << 21.5f << sevens << 0 << 8 << true;
    QTest::newRow("-0.5 halves to 0") << 13.5f << sevens << 0 << 0 << true;
    QTest::newRow("-1.5 halves to -2") << 12.5f << sevens << 0 << -2 << true;
    QTest::newRow("6.6 to 7") << 20.6f << sevens << 0 << 7 << true;
    QTest::newRow("half base values") << 20.f << Eight{9.5f, 9.5f, 0, 0, 0, 0, 0, 0} << 0 << 1 << true;
    QTest::newRow("upper limit 32767") << 32781.f << sevens << 0 << 32767 << true;
    QTest::newRow("lower limit -32768") << -32754.f << sevens << 0 << -32768 << true;
    QTest::newRow("too high") << 32782.f << sevens << 0 << 32767 << false;
    QTest::newRow("too low") << -40000.f << sevens << 0 << -32768 << false;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << sevens << 0 << 32767 << false;
}

void TestAbilityRules::typedAdjustment()
{
    QFETCH(float, typed);
    QFETCH(Eight, base);
    QFETCH(int, i);
    QFETCH(int, adjust);
    QFETCH(bool, inRange);
    bool ok = !inRange;
    QCOMPARE(AdjustForTypedAbility(typed, base, i, ok), adjust);
    QCOMPARE(ok, inRange);
}

QTEST_GUILESS_MAIN(TestAbilityRules)
#include "test_ability_rules.moc"
