#include <QtTest>
#include "abilities/race_tables.h"
#include "languages/lang_rules.h"
#include "languages/lang_tables.h"

namespace {

struct Skills {
    int sorcerer = 0;
    int shaman = 0;
    int sage = 0;
    int bard = 0;
    int priest = 0;
    int dragonPriest = 0;
};

CharaRecord character(int race, int mother, float intelligence, const Skills &s = {})
{
    CharaRecord rec;
    rec.Race = Byte(race);
    rec.NativeLanguage = Integer(mother);
    rec.Ability[2] = intelligence;
    rec.SkillLevel[SkillSorcerer] = Byte(s.sorcerer);
    rec.SkillLevel[SkillShaman] = Byte(s.shaman);
    rec.SkillLevel[SkillSage] = Byte(s.sage);
    rec.SkillLevel[SkillBard] = Byte(s.bard);
    rec.SkillLevel[SkillPriest] = Byte(s.priest);
    rec.SkillLevel[SkillDragonPriest] = Byte(s.dragonPriest);
    return rec;
}

QString rowTexts(const QList<LangRow> &rows)
{
    QStringList texts;
    for (const LangRow &r : rows)
        texts.append(r.text);
    return texts.join(QLatin1Char('|'));
}

QList<int> learnedSongs(const CharaRecord &rec)
{
    QList<int> songs;
    for (int m = 1; m <= SongCount; ++m)
        if (rec.SongFlag[size_t(m)] != 0)
            songs.append(m);
    return songs;
}

} // namespace

Q_DECLARE_METATYPE(CharaRecord)

class TestLangRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allowance_data();
    void allowance();
    void refreshClearsChosenLanguages();
    void check_data();
    void check();
    void picks_data();
    void picks();
    void languageNamesHoldTheRows();
    void songLimit_data();
    void songLimit();
    void songNamesHoldTheRows();
    void deity_data();
    void deity();
};

void TestLangRules::allowance_data()
{
    QTest::addColumn<CharaRecord>("rec");
    QTest::addColumn<QString>("speak");
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("restSpeak");
    QTest::addColumn<int>("restRead");

    QTest::newRow("human 知力 5 reads nothing")
        << character(RaceHuman, LangEastern, 5) << "共通語|東方語" << "" << 0 << 0;
    QTest::newRow("human 知力 6 reads the mother tongue")
        << character(RaceHuman, LangEastern, 6) << "共通語|東方語" << "東方語" << 0 << 0;
    QTest::newRow("human 知力 11.5 still not 共通語")
        << character(RaceHuman, LangWestern, 11.5f) << "共通語|西方語" << "西方語" << 0 << 0;
    QTest::newRow("human 知力 12 reads 共通語 too")
        << character(RaceHuman, LangEastern, 12) << "共通語|東方語" << "共通語|東方語" << 0 << 0;
    QTest::newRow("セージ 3 知力 10: 共通語, 下位古代語 and one pick")
        << character(RaceHuman, LangEastern, 10, {.sage = 3}) << "共通語|東方語"
        << "共通語|東方語|下位古代語" << 1 << 1;
    QTest::newRow("セージ 3 知力 12: every level a pick")
        << character(RaceHuman, LangEastern, 12, {.sage = 3}) << "共通語|東方語"
        << "共通語|東方語|下位古代語" << 2 << 2;
    QTest::newRow("セージ 1 知力 5: 共通語 only")
        << character(RaceHuman, LangEastern, 5, {.sage = 1}) << "共通語|東方語" << "共通語" << 0 << 0;
    QTest::newRow("ソーサラー 1: 上位古代語 before 下位古代語 in both")
        << character(RaceHuman, LangEastern, 10, {.sorcerer = 1})
        << "共通語|東方語|上位古代語|下位古代語" << "東方語|上位古代語|下位古代語" << 0 << 0;
    QTest::newRow("ソーサラー and セージ: the sage pick stays")
        << character(RaceHuman, LangEastern, 10, {.sorcerer = 1, .sage = 2})
        << "共通語|東方語|上位古代語|下位古代語" << "共通語|東方語|上位古代語|下位古代語" << 1 << 1;
    QTest::newRow("シャーマン 1: 精霊語 last in the speak list only")
        << character(RaceElf, LangElvish, 10, {.shaman = 1}) << "共通語|エルフ語|精霊語" << "エルフ語" << 0 << 0;
    QTest::newRow("バード 2: two more spoken, none read")
        << character(RaceHuman, LangEastern, 10, {.bard = 2}) << "共通語|東方語" << "東方語" << 2 << 0;
    QTest::newRow("ケンタウロス never reads its mother tongue")
        << character(RaceCentaur, LangCentaur, 20) << "共通語|ケンタウロス語" << "共通語" << 0 << 0;
    QTest::newRow("ダークエルフ reads エルフ語")
        << character(RaceDarkElf, LangElvish, 6) << "共通語|エルフ語" << "エルフ語" << 0 << 0;
    QTest::newRow("ドワーフ reads ドワーフ語")
        << character(RaceDwarf, LangDwarvish, 6) << "共通語|ドワーフ語" << "ドワーフ語" << 0 << 0;
    QTest::newRow("フェザーフォルク never reads its mother tongue")
        << character(RaceFeatherFolk, LangHarpy, 12) << "共通語|ハーピー語" << "共通語" << 0 << 0;
    QTest::newRow("マーマン never reads its mother tongue")
        << character(RaceMerman, LangMerman, 12) << "共通語|マーマン語" << "共通語" << 0 << 0;
    QTest::newRow("ノーブルリザードマン never reads its mother tongue")
        << character(RaceLizardMan, LangLizardMan, 6) << "共通語|リザードマン語" << "" << 0 << 0;
}

void TestLangRules::allowance()
{
    QFETCH(CharaRecord, rec);
    QFETCH(QString, speak);
    QFETCH(QString, read);
    QFETCH(int, restSpeak);
    QFETCH(int, restRead);

    const LangAllowance a = ApplyGivenLanguages(rec);
    QCOMPARE(DeriveAllowance(rec), a);
    const int extra = CountLanguages(rec, a);
    QCOMPARE(rowTexts(LanguageRows(rec, SpeakColumn)), speak);
    QCOMPARE(rowTexts(LanguageRows(rec, ReadColumn)), read);
    QCOMPARE(RemainingLanguages(rec, a, extra), (std::array<int, 2>{restSpeak, restRead}));
    // Every derived language is given, and the counts hold the number of them.
    for (int k = 0; k < 2; ++k) {
        int given = 0;
        for (int n = 1; n <= LanguageCount; ++n) {
            QVERIFY(rec.LangFlag(n, k) == LangNotTaken || rec.LangFlag(n, k) == LangGiven);
            given += rec.LangFlag(n, k) == LangGiven;
        }
        QCOMPARE(int(rec.LangFlag(0, k)), given);
    }
}

void TestLangRules::refreshClearsChosenLanguages()
{
    CharaRecord rec = character(RaceHuman, LangEastern, 10, {.sage = 3});
    rec.LangFlag(4, SpeakColumn) = LangChosen;
    rec.LangFlag(16, ReadColumn) = LangGiven;
    rec.LangFlag(17, ReadColumn) = 1;
    ApplyGivenLanguages(rec);
    QCOMPARE(rec.LangFlag(4, SpeakColumn), LangNotTaken);
    QCOMPARE(rec.LangFlag(16, ReadColumn), LangNotTaken);
    // Language 17 is no language: never touched.
    QCOMPARE(rec.LangFlag(17, ReadColumn), Byte(1));
}

void TestLangRules::check_data()
{
    QTest::addColumn<CharaRecord>("rec");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("mother");

    auto given = [](CharaRecord rec) {
        ApplyGivenLanguages(rec);
        return rec;
    };
    const CharaRecord east = given(character(RaceHuman, LangEastern, 12, {.sorcerer = 1}));
    const CharaRecord west = given(character(RaceHuman, LangWestern, 12));
    QTest::newRow("spoken 東方語 mother tongue cleared: 西方語 instead")
        << east << 2 << 0 << 0 << int(LangCheck::MotherTongueSwapped) << 2 << 3;
    QTest::newRow("read 西方語 mother tongue cleared: 東方語 instead")
        << west << 3 << 1 << 0 << int(LangCheck::MotherTongueSwapped) << 2 << 2;
    QTest::newRow("given 共通語 cleared is kept")
        << east << 1 << 0 << 0 << int(LangCheck::GivenKept) << 2 << 2;
    QTest::newRow("given read 共通語 cleared is kept")
        << west << 1 << 1 << 0 << int(LangCheck::GivenKept) << 2 << 3;
    QTest::newRow("a human's given 下位古代語 cleared is kept, mother tongue too")
        << east << 5 << 0 << 0 << int(LangCheck::GivenKept) << 2 << 2;
    QTest::newRow("エルフ語 mother tongue cleared is kept")
        << given(character(RaceElf, LangElvish, 10)) << 6 << 0 << 0 << int(LangCheck::GivenKept) << 2 << 6;
    QTest::newRow("given language shown grey is no change")
        << east << 2 << 0 << 2 << int(LangCheck::Unchanged) << 2 << 2;
    QTest::newRow("free language checked")
        << east << 4 << 0 << 1 << int(LangCheck::Added) << 1 << 2;
    QTest::newRow("free language shown clear is no change")
        << east << 4 << 1 << 0 << int(LangCheck::Unchanged) << 0 << 2;
    QTest::newRow("grey box on a free language is no change")
        << east << 4 << 0 << 2 << int(LangCheck::Unchanged) << 0 << 2;
    CharaRecord chosen = east;
    chosen.LangFlag(9, 0) = LangChosen;
    QTest::newRow("chosen language cleared") << chosen << 9 << 0 << 0 << int(LangCheck::Cleared) << 0 << 2;
    QTest::newRow("chosen language shown checked is no change")
        << chosen << 9 << 0 << 1 << int(LangCheck::Unchanged) << 1 << 2;
}

void TestLangRules::check()
{
    QFETCH(CharaRecord, rec);
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(int, box);
    QFETCH(int, outcome);
    QFETCH(int, state);
    QFETCH(int, mother);

    QCOMPARE(int(ApplyLanguageCheck(rec, n, k, box)), outcome);
    QCOMPARE(int(rec.LangFlag(n, k)), state);
    QCOMPARE(int(rec.NativeLanguage), mother);
}

void TestLangRules::picks_data()
{
    QTest::addColumn<CharaRecord>("rec");
    QTest::addColumn<QList<QPoint>>("added"); // (language, column), in order
    QTest::addColumn<int>("extra");
    QTest::addColumn<int>("restSpeak");

    const CharaRecord sage = character(RaceHuman, LangEastern, 10, {.sage = 3});
    const CharaRecord bard = character(RaceHuman, LangEastern, 10, {.bard = 2});
    QTest::newRow("sage's pick spoken") << sage << QList<QPoint>{{8, 0}} << 0 << 0;
    QTest::newRow("sage's pick read") << sage << QList<QPoint>{{4, 1}} << 0 << 0;
    QTest::newRow("sage's second pick is over") << sage << QList<QPoint>{{4, 1}, {8, 0}} << -1 << -1;
    QTest::newRow("bard's first free language") << bard << QList<QPoint>{{4, 0}} << 0 << 1;
    QTest::newRow("bard's two free languages") << bard << QList<QPoint>{{4, 0}, {6, 0}} << 0 << 0;
    QTest::newRow("bard's third language is over") << bard << QList<QPoint>{{4, 0}, {6, 0}, {7, 0}} << -1 << -1;
    QTest::newRow("bard reads nothing more") << bard << QList<QPoint>{{4, 1}} << -1 << 1;
    QTest::newRow("human 知力 5 has no pick")
        << character(RaceHuman, LangWestern, 5) << QList<QPoint>{{2, 0}} << -1 << -1;
}

void TestLangRules::picks()
{
    QFETCH(CharaRecord, rec);
    QFETCH(QList<QPoint>, added);
    QFETCH(int, extra);
    QFETCH(int, restSpeak);

    const LangAllowance a = ApplyGivenLanguages(rec);
    for (const QPoint &p : added)
        QCOMPARE(ApplyLanguageCheck(rec, p.x(), p.y(), 1), LangCheck::Added);
    QCOMPARE(CountLanguages(rec, a), extra);
    QCOMPARE(RemainingLanguages(rec, a, extra), (std::array<int, 2>{restSpeak, extra}));
}

void TestLangRules::languageNamesHoldTheRows()
{
    // Every language spoken by a sorcerer-shaman: all 18 rows of the column.
    CharaRecord rec = character(RaceHuman, LangEastern, 10, {.sorcerer = 1, .shaman = 1});
    for (int n = 1; n <= LanguageCount; ++n)
        rec.LangFlag(n, SpeakColumn) = LangChosen;
    QList<LangRow> rows = LanguageRows(rec, SpeakColumn);
    QCOMPARE(rows.size(), 18);
    StoreLanguageNames(rec, SpeakColumn, rows);
    QCOMPARE(rec.LangName(4, SpeakColumn), HighAncientName);
    QCOMPARE(rows[4].data, FixedRowData);
    QCOMPARE(rec.LangName(5, SpeakColumn), QStringLiteral("下位古代語"));
    QCOMPARE(rows[5].data, 5);
    QCOMPARE(rec.LangName(17, SpeakColumn), SpiritName);

    // A shorter list empties the rest; the other column is left alone.
    rec = character(RaceHuman, LangEastern, 5);
    rec.LangName(0, ReadColumn) = QStringLiteral("残す");
    rec.LangName(17, SpeakColumn) = QStringLiteral("古い");
    ApplyGivenLanguages(rec);
    rows = LanguageRows(rec, SpeakColumn);
    StoreLanguageNames(rec, SpeakColumn, rows);
    QCOMPARE(rec.LangName(1, SpeakColumn), QStringLiteral("東方語"));
    QCOMPARE(rec.LangName(2, SpeakColumn), QString());
    QCOMPARE(rec.LangName(17, SpeakColumn), QString());
    QCOMPARE(rec.LangName(0, ReadColumn), QStringLiteral("残す"));
}

void TestLangRules::songLimit_data()
{
    QTest::addColumn<int>("bard");
    QTest::addColumn<QList<int>>("learned");
    QTest::addColumn<QList<int>>("kept");

    QTest::newRow("バード lowered to 1: the later song goes") << 1 << QList<int>{3, 10} << QList<int>{3};
    QTest::newRow("within the limit nothing goes") << 2 << QList<int>{3, 10} << QList<int>{3, 10};
    QTest::newRow("no バード: every song goes") << 0 << QList<int>{1, 16} << QList<int>{};
    QTest::newRow("the first three in list order stay")
        << 3 << QList<int>{16, 2, 9, 1, 5} << QList<int>{1, 2, 5};
}

void TestLangRules::songLimit()
{
    QFETCH(int, bard);
    QFETCH(QList<int>, learned);
    QFETCH(QList<int>, kept);

    CharaRecord rec = character(RaceHuman, LangEastern, 10, {.bard = bard});
    for (int m : learned)
        rec.SongFlag[size_t(m)] = 1;
    DropSongsBeyondLimit(rec);
    QCOMPARE(learnedSongs(rec), kept);
    QCOMPARE(int(rec.SongFlag[0]), int(kept.size()));
    QCOMPARE(RemainingSongs(rec), bard - int(kept.size()));
}

void TestLangRules::songNamesHoldTheRows()
{
    CharaRecord rec = character(RaceHuman, LangEastern, 10, {.bard = 2});
    rec.SongName[3] = QStringLiteral("古い");
    rec.SongName[19] = QStringLiteral("そのまま");
    QCOMPARE(ApplySongCheck(rec, 16, 1), 1);
    QCOMPARE(ApplySongCheck(rec, 4, 1), 2);
    // A third one counts: refusing it is the window's.
    QCOMPARE(ApplySongCheck(rec, 1, 1), 3);
    QCOMPARE(ApplySongCheck(rec, 1, 0), 2);
    const QList<LangRow> rows = SongRows(rec);
    QCOMPARE(rows, (QList<LangRow>{{QStringLiteral("シング"), 4}, {QStringLiteral("ビブラート"), 16}}));
    StoreSongNames(rec, rows);
    QCOMPARE(rec.SongName[0], QStringLiteral("シング"));
    QCOMPARE(rec.SongName[1], QStringLiteral("ビブラート"));
    QCOMPARE(rec.SongName[3], QString());
    QCOMPARE(rec.SongName[19], QStringLiteral("そのまま"));
    QCOMPARE(SongNumber(QStringLiteral("レストアメンタルパワー")), 15);
    QCOMPARE(SongNumber(QStringLiteral("知らない歌")), 0);
}

void TestLangRules::deity_data()
{
    QTest::addColumn<CharaRecord>("rec");
    QTest::addColumn<int>("d");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("drawn");

    const CharaRecord priest = character(RaceHuman, LangEastern, 10, {.priest = 1});
    QTest::newRow("priest without a deity: lowest draw") << priest << 0 << 0.0 << 1 << true;
    QTest::newRow("priest without a deity: middle draw") << priest << 0 << 0.5 << 3 << true;
    QTest::newRow("priest without a deity: highest draw") << priest << 0 << 0.9999 << 5 << true;
    QTest::newRow("priest keeps a chosen deity") << priest << 11 << 0.5 << 11 << false;
    QTest::newRow("no priest keeps なし") << character(RaceHuman, LangEastern, 10) << 0 << 0.5 << 0 << false;
    QTest::newRow("no priest keeps a deity") << character(RaceHuman, LangEastern, 10) << 9 << 0.5 << 9 << false;
    QTest::newRow("dragon priest has none")
        << character(RaceHuman, LangEastern, 10, {.dragonPriest = 1}) << 4 << 0.5 << 0 << false;
    QTest::newRow("priest and dragon priest: the draw is undone")
        << character(RaceHuman, LangEastern, 10, {.priest = 2, .dragonPriest = 1}) << 0 << 0.5 << 0 << true;
    QTest::newRow("elf has none") << character(RaceElf, LangElvish, 10) << 2 << 0.5 << 0 << false;
    QTest::newRow("elf priest has none either")
        << character(RaceElf, LangElvish, 10, {.priest = 1}) << 0 << 0.5 << 0 << true;
    QTest::newRow("dark elf keeps its deity") << character(RaceDarkElf, LangElvish, 10) << 6 << 0.5 << 6 << false;
}

void TestLangRules::deity()
{
    QFETCH(CharaRecord, rec);
    QFETCH(int, d);
    QFETCH(double, r);
    QFETCH(int, entry);
    QFETCH(bool, drawn);

    bool called = false;
    QCOMPARE(DeityAfterRules(rec, d, [&] { called = true; return r; }), entry);
    QCOMPARE(called, drawn);
}

QTEST_APPLESS_MAIN(TestLangRules)
#include "test_lang_rules.moc"
