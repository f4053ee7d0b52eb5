// The languages window in-process: a loaded character's stored languages and
// songs, which the scripted driver cannot load (the list's "呼出" brings them).
#include <QtTest>
#include "abilities/form_ability.h"
#include "abilities/race_tables.h"
#include "languages/form_lang.h"
#include "languages/lang_tables.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/random.h"
#include "shell/ui_seam.h"
#include <QTemporaryDir>

namespace {

using LangFlags = Array2<Byte, 18, 2>;

QStringList rows(const KList *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// A 人間 with mother tongue 東方語 and バード 1, as a character file holds it.
CharaRecord storedCharacter(float intelligence)
{
    CharaRecord rec = Chara;
    rec.Race = RaceHuman;
    rec.NativeLanguage = LangEastern;
    // 知力 is C + D.
    rec.BaseValue = {6, 6, intelligence / 2, intelligence / 2, 6, 6, 6, 6};
    rec.AbilityAdjust = {};
    rec.UndeadType = 0;
    rec.AgeClass = 0;
    rec.SkillLevel = {0, 0, 0, 0, 0, 0, 0, 1, 0};
    rec.BirthSkillLevel = {};
    rec.ExpTotal = 100000;
    rec.God = 3;
    rec.LangFlag = {};
    rec.SongFlag = {};
    rec.SongFlag[0] = 1;
    rec.SongFlag[9] = 1;
    rec.SongName = {};
    rec.SongName[0] = QStringLiteral("ヒーリング");
    return rec;
}

} // namespace

class TestLangWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void loadedLanguagesKept_data();
    void loadedLanguagesKept();
    void loadedSongsListed();

private:
    QTemporaryDir m_dir;
    int m_beeps = 0;
};

void TestLangWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Characters/Portraits")));
    uiHooks().beep = [this] { ++m_beeps; };
    SetProgramFolder(m_dir.path());
    SeedRandom(11);
    StartProgram();
    KTimer::drainPending();
}

void TestLangWindow::loadedLanguagesKept_data()
{
    QTest::addColumn<float>("intelligence");
    QTest::addColumn<QStringList>("speak");
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<QString>("restSpeak");
    QTest::addColumn<QString>("restRead");

    // Speaks 共通語, 東方語 (given) and エルフ語 (chosen, the bard's free
    // one); reads 共通語 and 東方語 (given at 知力 12).
    QTest::newRow("within the allowance") << 12.0f << QStringList{"共通語", "東方語", "エルフ語"}
                                          << QStringList{"共通語", "東方語"} << "0" << "0";
    // The file holds more than the character's 知力 allows now: every
    // stored state stays, given ones included, and no beep sounds.
    QTest::newRow("beyond the allowance") << 4.0f << QStringList{"共通語", "東方語", "エルフ語"}
                                          << QStringList{"共通語", "東方語"} << "-2" << "-2";
}

void TestLangWindow::loadedLanguagesKept()
{
    QFETCH(float, intelligence);
    QFETCH(QStringList, speak);
    QFETCH(QStringList, read);
    QFETCH(QString, restSpeak);
    QFETCH(QString, restRead);

    CharaRecord rec = storedCharacter(intelligence);
    rec.LangFlag(0, 0) = 3;
    rec.LangFlag(1, 0) = LangGiven;
    rec.LangFlag(2, 0) = LangGiven;
    rec.LangFlag(6, 0) = LangChosen;
    rec.LangFlag(0, 1) = 2;
    rec.LangFlag(1, 1) = LangGiven;
    rec.LangFlag(2, 1) = LangGiven;
    const LangFlags stored = rec.LangFlag;

    // As the list's "呼出" leaves it: read into the record, the refresh requested.
    Chara = rec;
    const int beeps = m_beeps;
    formAbility()->TimerAbi->setEnabled(true);
    KTimer::drainPending();

    FormLang *f = formLang();
    QCOMPARE(Chara.Ability[2], intelligence);
    QCOMPARE(CharacterLoaded, Byte(0));
    QCOMPARE(Chara.LangFlag, stored);
    QCOMPARE(m_beeps, beeps);
    QCOMPARE(rows(f->ListLang[0]), speak);
    QCOMPARE(rows(f->ListLang[1]), read);
    QCOMPARE(Chara.LangName(2, 0), QStringLiteral("エルフ語"));
    QCOMPARE(Chara.LangName(2, 1), QString());
    QCOMPARE(f->LabelMaxLang[0]->caption(), restSpeak);
    QCOMPARE(f->LabelMaxLang[1]->caption(), restRead);
    QCOMPARE(Chara.God, Byte(3));
    QCOMPARE(f->ComboGod->listIndex(), 3);
    QCOMPARE(rows(f->ListSong), QStringList{QStringLiteral("ヒーリング")});

    // The stored states are taken over once: the next refresh derives anew.
    f->CommandReset[1]->click();
    KTimer::drainPending();
    QCOMPARE(Chara.LangFlag(6, 0), LangNotTaken);
    QCOMPARE(rows(f->ListLang[0]), (QStringList{"共通語", "東方語"}));
    QCOMPARE(Chara.LangFlag(1, 1), intelligence >= 12 ? LangGiven : LangNotTaken);
    QCOMPARE(m_beeps, beeps);
}

void TestLangWindow::loadedSongsListed()
{
    // The loaded-character refresh lists the first (バード level) song names
    // that are not empty, each with its song number, replacing the old rows.
    CharaRecord rec = storedCharacter(12);
    rec.SkillLevel[SkillBard] = 3;
    rec.SongName[0] = QStringLiteral("シング");
    rec.SongName[1] = QString();
    rec.SongName[2] = QStringLiteral("マーチ");
    rec.SongName[3] = QStringLiteral("ララバイ");
    FormLang *f = formLang();
    f->ListSong->clearRows();
    f->ListSong->addRow(QStringLiteral("古い行"), 1);
    f->ShowLoaded(rec);
    QCOMPARE(rows(f->ListSong), (QStringList{"シング", "マーチ"}));
    QCOMPARE(f->ListSong->rowData(0), 4);
    QCOMPARE(f->ListSong->rowData(1), 10);
    KTimer::drainPending();
}

QTEST_MAIN(TestLangWindow)
#include "test_lang_window.moc"
