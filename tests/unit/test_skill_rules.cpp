#include <QtTest>
#include "skills/skill_rules.h"

namespace {

const QString Craftsman = QStringLiteral("クラフトマン");
const QString Healer = QStringLiteral("ヒーラー");
const QString Hunter = QStringLiteral("ハンター");

CharaRecord recordWithLevels(std::initializer_list<std::pair<int, int>> levels)
{
    CharaRecord rec;
    for (auto [skill, level] : levels)
        rec.SkillLevel[skill] = Byte(level);
    RecomputeCosts(rec);
    return rec;
}

QStringList rowTexts(const QList<QPair<QString, int>> &rows)
{
    QStringList texts;
    for (const auto &row : rows)
        texts.append(row.first);
    return texts;
}

} // namespace

class TestSkillRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void levelText_data();
    void levelText();
    void levelCost_data();
    void levelCost();
    void sageDiscount_data();
    void sageDiscount();
    void ceiling_data();
    void ceiling();
    void raceRestriction_data();
    void raceRestriction();
    void onlyChangedSkillChecked();
    void priestExclusion_data();
    void priestExclusion();
    void skillListRows_data();
    void skillListRows();
    void generalSlotSearch_data();
    void generalSlotSearch();
    void generalLevelFollowsTheEditedSlot();
    void generalLevel();
    void generalFloorOnlyForBirthSlot();
    void generalSort();
    void generalListRows();
    void generalRemaining_data();
    void generalRemaining();
    void generalResetKeepsBirthLevel();
    void adventurerReset();
};

void TestSkillRules::levelText_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << QStringLiteral("なし");
    QTest::newRow("one digit") << 9 << QStringLiteral("９");
    QTest::newRow("two digits") << 10 << QStringLiteral("１０");
    QTest::newRow("top") << 20 << QStringLiteral("２０");
}

void TestSkillRules::levelText()
{
    QFETCH(int, level);
    QFETCH(QString, text);
    QCOMPARE(LevelText(level), text);
}

void TestSkillRules::levelCost_data()
{
    QTest::addColumn<int>("skill");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("price");
    QTest::addColumn<int>("cost");
    QTest::newRow("column 0 level 1") << int(SkillRanger) << 1 << 500 << 500;
    QTest::newRow("column 0 level 10") << int(SkillSage) << 10 << 12000 << 45000;
    QTest::newRow("column 1 level 3") << int(SkillFighter) << 3 << 2000 << 4500;
    QTest::newRow("column 1 level 10") << int(SkillFighter) << 10 << 15000 << 59500;
    QTest::newRow("column 1 level 11") << int(SkillFighter) << 11 << 30000 << 89500;
    QTest::newRow("column 2 level 10") << int(SkillShaman) << 10 << 20000 << 78500;
    QTest::newRow("column 3 level 1") << int(SkillSorcerer) << 1 << 2000 << 2000;
    QTest::newRow("column 3 level 10") << int(SkillSorcerer) << 10 << 25000 << 102000;
    QTest::newRow("column 3 level 20") << int(SkillSorcerer) << 20 << 500000 << 1792000;
    QTest::newRow("column 0 level 11") << int(SkillBard) << 11 << 30000 << 75000;
    QTest::newRow("column 0 level 20") << int(SkillRanger) << 20 << 500000 << 1735000;
    QTest::newRow("column 1 level 20") << int(SkillPriest) << 20 << 500000 << 1749500;
    QTest::newRow("column 2 level 11") << int(SkillDragonPriest) << 11 << 30000 << 108500;
    QTest::newRow("level 0 is free") << int(SkillBard) << 0 << 0 << 0;
}

void TestSkillRules::levelCost()
{
    QFETCH(int, skill);
    QFETCH(int, level);
    QFETCH(int, price);
    QFETCH(int, cost);
    QCOMPARE(LevelPrice(skill, level), price);
    QCOMPARE(LevelCost(skill, level), cost);

    CharaRecord rec;
    ApplyLevelChange(rec, skill, level);
    QCOMPARE(rec.SkillExp[skill], cost);
    QCOMPARE(rec.ExpSpent, cost);
    QCOMPARE(int(rec.AdventurerLevel), level);
}

void TestSkillRules::sageDiscount_data()
{
    QTest::addColumn<int>("sorcerer");
    QTest::addColumn<int>("sage");
    QTest::addColumn<int>("spent");
    QTest::addColumn<QString>("sorcererText");
    QTest::addColumn<QString>("sageText");
    QTest::newRow("sorcerer 3 sage 5") << 3 << 5 << 15000 << QStringLiteral("*9000") << QStringLiteral("*8000");
    QTest::newRow("sage 0") << 3 << 0 << 9000 << QStringLiteral("9000") << QStringLiteral("0");
    QTest::newRow("sorcerer 0") << 0 << 5 << 8000 << QStringLiteral("0") << QStringLiteral("8000");
    QTest::newRow("both at 1") << 1 << 1 << 2000 << QStringLiteral("*2000") << QStringLiteral("*500");
    // 102000 + 45000, less all ten table entries (24500).
    QTest::newRow("both at 10") << 10 << 10 << 122500 << QStringLiteral("*102000") << QStringLiteral("*45000");
    QTest::newRow("sorcerer 11 sage 10") << 11 << 10 << 152500 << QStringLiteral("*132000") << QStringLiteral("*45000");
    // Both at 12: 172000 + 115000, less only the ten table entries (24500).
    QTest::newRow("capped at 10") << 12 << 12 << 262500 << QStringLiteral("*172000") << QStringLiteral("*115000");
}

void TestSkillRules::sageDiscount()
{
    QFETCH(int, sorcerer);
    QFETCH(int, sage);
    QFETCH(int, spent);
    QFETCH(QString, sorcererText);
    QFETCH(QString, sageText);

    CharaRecord rec;
    rec.SkillLevel[SkillSage] = Byte(sage);
    const LevelChangeResult r = ApplyLevelChange(rec, SkillSorcerer, sorcerer);
    QCOMPARE(rec.ExpSpent, spent);
    QCOMPARE(r.costText, sorcererText);
    QCOMPARE(ApplyLevelChange(rec, SkillSage, sage).costText, sageText);
    // Other skills never carry the mark.
    QCOMPARE(ApplyLevelChange(rec, SkillFighter, 1).costText, QStringLiteral("1000"));
}

void TestSkillRules::ceiling_data()
{
    QTest::addColumn<int>("skill");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("ceiling");
    QTest::newRow("exact for two levels") << int(SkillFighter) << 0 << 2500 << 2;
    QTest::newRow("one short") << int(SkillFighter) << 0 << 2499 << 1;
    QTest::newRow("nothing held keeps level") << int(SkillFighter) << 2 << 0 << 2;
    QTest::newRow("negative held keeps level") << int(SkillFighter) << 2 << -100 << 2;
    QTest::newRow("exact for ten levels") << int(SkillFighter) << 0 << 59500 << 10;
    QTest::newRow("one short of ten") << int(SkillFighter) << 0 << 59499 << 9;
    QTest::newRow("exact for level 10") << int(SkillSorcerer) << 9 << 25000 << 10;
    QTest::newRow("one short of level 10") << int(SkillSorcerer) << 9 << 24999 << 9;
    QTest::newRow("stops at 10") << int(SkillRanger) << 0 << 10000000 << 10;
    QTest::newRow("at 10 stays") << int(SkillRanger) << 10 << 10000000 << 10;
    QTest::newRow("above 10 keeps level") << int(SkillRanger) << 12 << 10000000 << 12;
}

void TestSkillRules::ceiling()
{
    QFETCH(int, skill);
    QFETCH(int, level);
    QFETCH(int, held);
    QFETCH(int, ceiling);

    CharaRecord rec;
    rec.ExpTotal = Long(held + LevelCost(skill, level));
    rec.BirthSkillLevel[skill] = 1;
    const LevelChangeResult r = ApplyLevelChange(rec, skill, level);
    QCOMPARE(r.ceiling, ceiling);
    QCOMPARE(r.floor, 1);
    QVERIFY(!r.restricted);
}

void TestSkillRules::raceRestriction_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<QList<int>>("restricted");
    QTest::newRow("人間") << 0 << QList<int>{};
    QTest::newRow("ドワーフ") << 1 << QList<int>{3, 4};
    QTest::newRow("グラスランナー") << 2 << QList<int>{3, 4, 5, 8};
    QTest::newRow("エルフ") << 3 << QList<int>{5, 8};
    for (int race = 4; race <= 9; ++race)
        QTest::addRow("race %d", race) << race << QList<int>{};
}

void TestSkillRules::raceRestriction()
{
    QFETCH(int, race);
    QFETCH(QList<int>, restricted);

    for (int s = 0; s < SkillCount; ++s) {
        CharaRecord rec;
        rec.Race = Byte(race);
        rec.ExpTotal = 1000000;
        const LevelChangeResult r = ApplyLevelChange(rec, s, 3);
        const bool expected = restricted.contains(s);
        QCOMPARE(r.restricted, expected);
        QCOMPARE(int(rec.SkillLevel[s]), expected ? 0 : 3);
        QCOMPARE(r.ceiling, expected ? 0 : 10);
    }
}

void TestSkillRules::onlyChangedSkillChecked()
{
    // A loaded エルフ with プリースト keeps it while another skill changes.
    CharaRecord rec;
    rec.Race = 3;
    rec.SkillLevel[SkillPriest] = 2;
    ApplyLevelChange(rec, SkillFighter, 1);
    QCOMPARE(int(rec.SkillLevel[SkillPriest]), 2);
    QCOMPARE(rec.ExpSpent, 1000 + 2500);
}

void TestSkillRules::priestExclusion_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("secondLevel");
    QTest::addColumn<int>("firstAfter");
    QTest::newRow("dragon priest replaces priest") << int(SkillPriest) << int(SkillDragonPriest) << 1 << 0;
    QTest::newRow("priest replaces dragon priest") << int(SkillDragonPriest) << int(SkillPriest) << 1 << 0;
    QTest::newRow("lowering to 0 leaves the other") << int(SkillPriest) << int(SkillDragonPriest) << 0 << 2;
}

void TestSkillRules::priestExclusion()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, secondLevel);
    QFETCH(int, firstAfter);

    CharaRecord rec;
    ApplyLevelChange(rec, first, 2);
    ApplyLevelChange(rec, second, secondLevel);
    QCOMPARE(int(rec.SkillLevel[first]), firstAfter);
    QCOMPARE(int(rec.SkillLevel[second]), secondLevel);
    QCOMPARE(rec.ExpSpent, LevelCost(first, firstAfter) + LevelCost(second, secondLevel));
}

void TestSkillRules::skillListRows_data()
{
    QTest::addColumn<int>("god");
    QTest::addColumn<QStringList>("rows");
    const QStringList light = {QStringLiteral("ファイター２"), QStringLiteral("シーフ２"),
                               QStringLiteral("プリースト２"), QStringLiteral("セージ１")};
    QStringList dark = light;
    dark[2] = QStringLiteral("ダークプリースト２");
    QTest::newRow("god 0") << 0 << light;
    QTest::newRow("god 6") << 6 << dark;
    QTest::newRow("god 10") << 10 << light;
    QTest::newRow("god 11") << 11 << dark;
    QTest::newRow("god 12") << 12 << dark;
    QTest::newRow("god 13") << 13 << dark;
}

void TestSkillRules::skillListRows()
{
    QFETCH(int, god);
    QFETCH(QStringList, rows);

    CharaRecord rec = recordWithLevels({{SkillSage, 1}, {SkillPriest, 2}, {SkillThief, 2}, {SkillFighter, 2}});
    rec.God = Byte(god);
    const auto list = SkillListRows(rec);
    QCOMPARE(rowTexts(list), rows);
    QCOMPARE(list[2].second, int(SkillPriest));
    QCOMPARE(list[3].second, int(SkillSage));

    QVERIFY(SkillListRows(CharaRecord{}).isEmpty());
}

void TestSkillRules::generalSlotSearch_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("nameAfter");
    const QStringList five = {Craftsman, Healer, Hunter, QStringLiteral("セイラー"), QStringLiteral("マーチャント")};
    QTest::newRow("own slot") << five << QList<int>{5, 1, 1, 1, 1} << Hunter << 2 << Hunter;
    QTest::newRow("full slots") << five << QList<int>{5, 1, 1, 1, 1} << QStringLiteral("ファーマー") << -1 << QString();
    QTest::newRow("freed slot reused") << five << QList<int>{5, 1, 0, 1, 1} << QStringLiteral("ファーマー") << 2
                                       << QStringLiteral("ファーマー");
    QTest::newRow("case sensitive") << QStringList{QStringLiteral("Cook"), {}, {}, {}, {}} << QList<int>{1, 0, 0, 0, 0}
                                    << QStringLiteral("cook") << 1 << QStringLiteral("cook");
    QTest::newRow("empty record") << QStringList{{}, {}, {}, {}, {}} << QList<int>{0, 0, 0, 0, 0} << Healer << 0 << Healer;
    // A freed slot ahead of the name's own slot must not take the name a second time.
    QTest::newRow("own slot after a freed slot") << QStringList{Craftsman, Healer, Hunter, {}, {}}
                                                 << QList<int>{5, 0, 3, 0, 0} << Hunter << 2 << Hunter;
}

void TestSkillRules::generalSlotSearch()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, levels);
    QFETCH(QString, search);
    QFETCH(int, slot);
    QFETCH(QString, nameAfter);

    CharaRecord rec;
    for (int i = 0; i < GeneralSlotCount; ++i) {
        rec.GeneralSkillName[i] = names[i];
        rec.GeneralSkillLevel[i] = Integer(levels[i]);
    }
    rec.GeneralSkillName[5] = QStringLiteral("extra"); // slots beyond 4 never take part
    QCOMPARE(GeneralSlotSearch(rec, search), slot);
    if (slot >= 0)
        QCOMPARE(rec.GeneralSkillName[slot], nameAfter);
    else
        QCOMPARE(rec.GeneralSkillName[5], QStringLiteral("extra"));
}

void TestSkillRules::generalLevelFollowsTheEditedSlot()
{
    // A loaded record may hold one name twice; the edited slot is followed
    // through the sort, not looked up by name.
    CharaRecord rec;
    rec.GeneralSkillPoints = 10;
    rec.GeneralSkillName[0] = Hunter;
    rec.GeneralSkillLevel[0] = 2;
    rec.GeneralSkillName[1] = Hunter;
    rec.GeneralSkillLevel[1] = 0;
    rec.GeneralSkillName[2] = Healer;
    rec.GeneralSkillLevel[2] = 3;
    const GeneralLevelResult r = ApplyGeneralLevel(rec, 1, 4);
    QVERIFY(r.accepted);
    QCOMPARE(r.newSlot, 0);
    QCOMPARE(rec.GeneralSkillLevel[r.newSlot], Integer(4));
    QCOMPARE(rec.GeneralSkillLevel[1], Integer(3));
    QCOMPARE(rec.GeneralSkillLevel[2], Integer(2));
}

void TestSkillRules::generalLevel()
{
    // 5 points all taken by クラフトマン: nothing is left for another skill.
    CharaRecord rec;
    rec.GeneralSkillPoints = 5;
    rec.GeneralSkillName[0] = Craftsman;
    rec.GeneralSkillLevel[0] = 5;
    const int slot = GeneralSlotSearch(rec, Healer);
    QCOMPARE(slot, 1);

    GeneralLevelResult r = ApplyGeneralLevel(rec, slot, 0);
    QVERIFY(r.accepted);
    QCOMPARE(r.ceiling, 0);
    QCOMPARE(r.remaining, 0);

    r = ApplyGeneralLevel(rec, slot, 1);
    QVERIFY(!r.accepted);
    QCOMPARE(r.oldLevel, 0);
    QCOMPARE(r.ceiling, 0);
    QCOMPARE(int(rec.GeneralSkillLevel[slot]), 0);
    QCOMPARE(rec.GeneralSkillName[0], Craftsman);

    // Slots 5..8 are neither counted nor touched.
    rec.GeneralSkillLevel[6] = 9;
    r = ApplyGeneralLevel(rec, 0, 3);
    QVERIFY(r.accepted);
    QCOMPARE(r.remaining, 2);
    QCOMPARE(int(rec.GeneralSkillLevel[6]), 9);
}

void TestSkillRules::generalFloorOnlyForBirthSlot()
{
    CharaRecord rec;
    rec.GeneralSkillPoints = 8;
    rec.BirthGeneralSkill = Craftsman;
    rec.BirthGeneralSkillLevel = 5;
    rec.GeneralSkillName[0] = Craftsman;
    rec.GeneralSkillLevel[0] = 5;

    QCOMPARE(ApplyGeneralLevel(rec, 0, 6).floor, 5);
    const int other = GeneralSlotSearch(rec, Healer);
    const GeneralLevelResult r = ApplyGeneralLevel(rec, other, 2);
    QVERIFY(r.accepted);
    QCOMPARE(r.floor, 0);
    QCOMPARE(r.ceiling, 2);

    // An empty birth skill matches no slot, not even an unnamed one.
    CharaRecord none;
    none.GeneralSkillPoints = 3;
    none.BirthGeneralSkillLevel = 2;
    QCOMPARE(ApplyGeneralLevel(none, 0, 1).floor, 0);
}

void TestSkillRules::generalSort()
{
    CharaRecord rec;
    rec.GeneralSkillPoints = 10;
    rec.GeneralSkillName[0] = Healer;
    rec.GeneralSkillLevel[0] = 1;
    rec.GeneralSkillName[1] = Hunter;
    rec.GeneralSkillLevel[1] = 3;

    // The next accepted change, even one to the same level, sorts; the edited skill follows.
    GeneralLevelResult r = ApplyGeneralLevel(rec, 0, 1);
    QVERIFY(r.accepted);
    QCOMPARE(rec.GeneralSkillName[0], Hunter);
    QCOMPARE(int(rec.GeneralSkillLevel[0]), 3);
    QCOMPARE(rec.GeneralSkillName[1], Healer);
    QCOMPARE(int(rec.GeneralSkillLevel[1]), 1);
    QCOMPARE(r.newSlot, 1);
    QCOMPARE(r.remaining, 6);

    // Equal levels are not exchanged.
    r = ApplyGeneralLevel(rec, 1, 3);
    QVERIFY(r.accepted);
    QCOMPARE(rec.GeneralSkillName[0], Hunter);
    QCOMPARE(r.newSlot, 1);

    // A refused change does not sort.
    rec.GeneralSkillPoints = 6;
    r = ApplyGeneralLevel(rec, 1, 4);
    QVERIFY(!r.accepted);
    QCOMPARE(rec.GeneralSkillName[0], Hunter);
    QCOMPARE(int(rec.GeneralSkillLevel[1]), 3);
}

void TestSkillRules::generalListRows()
{
    CharaRecord rec;
    rec.GeneralSkillName[0] = Craftsman;
    rec.GeneralSkillLevel[0] = 5;
    rec.GeneralSkillName[1] = Healer; // freed slot: name stays, row goes
    rec.GeneralSkillName[2] = Hunter;
    rec.GeneralSkillLevel[2] = 1;
    rec.GeneralSkillName[7] = QStringLiteral("extra");
    rec.GeneralSkillLevel[7] = 2;
    QCOMPARE(GeneralListRows(rec), (QStringList{QStringLiteral("クラフトマン５"), QStringLiteral("ハンター１")}));
    // Past the freed slot, row 1 shows slot 2: a delete on it must reach slot 2.
    QCOMPARE(GeneralListSlots(rec), (QList<int>{0, 2}));
}

void TestSkillRules::generalRemaining_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<int>("remaining");
    QTest::newRow("no levels") << 5 << QList<int>{} << 5;
    QTest::newRow("all points used") << 5 << QList<int>{3, 2} << 0;
    // Points typed below the levels already given: the shortfall shows.
    QTest::newRow("points under the levels") << 2 << QList<int>{3} << -1;
    QTest::newRow("slots beyond the fifth do not count") << 4 << QList<int>{1, 0, 0, 0, 0, 9} << 3;
}

void TestSkillRules::generalRemaining()
{
    QFETCH(int, points);
    QFETCH(QList<int>, levels);
    QFETCH(int, remaining);
    CharaRecord rec;
    rec.GeneralSkillPoints = Integer(points);
    for (qsizetype i = 0; i < levels.size(); ++i)
        rec.GeneralSkillLevel[size_t(i)] = Integer(levels[i]);
    QCOMPARE(GeneralRemaining(rec), remaining);
}

void TestSkillRules::generalResetKeepsBirthLevel()
{
    // A ドワーフ's birth クラフトマン 5, after it was raised and sorted below ハンター.
    CharaRecord rec;
    rec.BirthGeneralSkill = Craftsman;
    rec.BirthGeneralSkillLevel = 5;
    rec.GeneralSkillName[0] = Hunter;
    rec.GeneralSkillLevel[0] = 7;
    rec.GeneralSkillName[1] = Craftsman;
    rec.GeneralSkillLevel[1] = 6;
    rec.GeneralSkillName[2] = Healer;
    rec.GeneralSkillLevel[2] = 1;
    GeneralReset(rec);
    QCOMPARE(int(rec.GeneralSkillLevel[0]), 0);
    QCOMPARE(int(rec.GeneralSkillLevel[1]), 5);
    QCOMPARE(int(rec.GeneralSkillLevel[2]), 0);
    QCOMPARE(rec.GeneralSkillName[0], Hunter);
    QCOMPARE(GeneralListRows(rec), QStringList{QStringLiteral("クラフトマン５")});
}

void TestSkillRules::adventurerReset()
{
    CharaRecord rec;
    rec.BirthSkillLevel[SkillSorcerer] = 1;
    rec.BirthSkillLevel[SkillSage] = 1;
    ApplyLevelChange(rec, SkillFighter, 4);
    ApplyLevelChange(rec, SkillSage, 3);

    AdventurerReset(rec, false);
    QCOMPARE(int(rec.SkillLevel[SkillFighter]), 0);
    QCOMPARE(int(rec.SkillLevel[SkillSage]), 1);
    QCOMPARE(int(rec.AdventurerLevel), 1);
    QCOMPARE(rec.ExpSpent, 2000 + 500 - 500);

    AdventurerReset(rec, true);
    QCOMPARE(int(rec.SkillLevel[SkillSorcerer]), 0);
    QCOMPARE(int(rec.AdventurerLevel), 0);
    QCOMPARE(rec.ExpSpent, 0);
}

QTEST_GUILESS_MAIN(TestSkillRules)
#include "test_skill_rules.moc"
