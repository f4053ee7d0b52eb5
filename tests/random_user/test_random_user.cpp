// The random user's own machinery: what counts as a lost character, how a
// typed text survives the trip through a script line, what counts as a
// handler run.
#include <QTemporaryDir>
#include <QtTest>

#include "random_user.h"
#include "script_driver.h"
#include "shell/chara_file.h"
#include "shell/controls.h"
#include "shell/globals.h"

namespace {
CharaRecord character(const QString &key)
{
    CharaRecord r;
    ClearRecord(r);
    const QString who = key.left(1);
    r.Name = who == QLatin1String("A") ? QStringLiteral("アリス")
             : who == QLatin1String("B") ? QStringLiteral("ボブ")
             : who == QLatin1String("N") ? QStringLiteral("新人")
             : who == QLatin1String("E") ? QStringLiteral("絵文字\U0001F600")
                                         : QString();
    r.Gold = key.contains(QLatin1Char('*')) ? 999 : 100;
    return r;
}

// "KTC01-01.ktc=A:1": file name, character (A, B, C nameless, N the edited
// one, E a name outside code page 932; * one field changed, ! cut short) and
// stored number. Files hold what the writer makes of the record.
void writeFolder(const QString &folder, const QStringList &files)
{
    QDir dir(folder);
    for (const QString &n : dir.entryList(QDir::Files))
        dir.remove(n);
    for (const QString &entry : files) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const QString who = entry.section(QLatin1Char('='), 1).section(QLatin1Char(':'), 0, 0);
        CharaRecord r = character(who);
        r.CharaNo = Integer(entry.section(QLatin1Char(':'), 1).toInt());
        QByteArray bytes = RecordToBytes(r);
        if (who.contains(QLatin1Char('!')))
            bytes.chop(10);
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
}
} // namespace

class TestRandomUser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void charactersKeptOrAccountedFor_data();
    void charactersKeptOrAccountedFor();
    void typedTextSurvivesTheScriptLine_data();
    void typedTextSurvivesTheScriptLine();
    void handlerRunsCountEveryEmission();
};

void TestRandomUser::charactersKeptOrAccountedFor_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QStringList>("deletes");
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<bool>("kept");

    const QStringList ab = {"KTC01-01.ktc=A:1", "KTC01-02.ktc=B:2"};
    QTest::newRow("renamed and renumbered is no change")
        << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=B:2", "KTC01-04.ktc=C:4"}
        << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=B:2", "KTC01-03.ktc=C:3"} << "N" << QStringList{} << false << true;
    QTest::newRow("save adds the edited character")
        << ab << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=B:2", "KTC03.ktc=N:3"} << "N" << QStringList{} << false << true;
    QTest::newRow("a saved name keeps only what code page 932 holds")
        << ab << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=B:2", "KTC01-03.ktc=E:3"} << "E" << QStringList{} << false << true;
    QTest::newRow("saving a loaded character again is a copy, not a duplicate")
        << ab << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=B:2", "KTC01-03.ktc=A:3"} << "A" << QStringList{} << false << true;
    QTest::newRow("a character that is not the edited one appears")
        << ab << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=B:2", "KTC01-03.ktc=B:3"} << "N" << QStringList{} << false << false;
    QTest::newRow("a character goes missing")
        << ab << QStringList{"KTC01-01.ktc=A:1"} << "N" << QStringList{} << false << false;
    QTest::newRow("deleted after はい")
        << ab << QStringList{"KTC01-01.ktc=A:1"} << "N" << QStringList{"ボブ"} << false << true;
    QTest::newRow("はい for one name deletes another")
        << ab << QStringList{"KTC01-01.ktc=B:1"} << "N" << QStringList{"ボブ"} << false << false;
    QTest::newRow("a nameless character is deleted by its row text")
        << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=C:2"} << QStringList{"KTC01-01.ktc=A:1"} << "N"
        << QStringList{"(-NO NAME-)"} << false << true;
    QTest::newRow("overwrite replaces one character with the edited one")
        << ab << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=N:2"} << "N" << QStringList{} << true << true;
    QTest::newRow("a save must not replace a character")
        << ab << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=N:2"} << "N" << QStringList{} << false << false;
    QTest::newRow("one changed field is another character")
        << ab << QStringList{"KTC01-01.ktc=A*:1", "KTC01-02.ktc=B:2"} << "N" << QStringList{} << false << false;
    QTest::newRow("a file cut short does not read back complete")
        << ab << QStringList{"KTC01-01.ktc=A:1", "KTC01-02.ktc=B!:2"} << "N" << QStringList{} << false << false;
}

void TestRandomUser::charactersKeptOrAccountedFor()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, edited);
    QFETCH(QStringList, deletes);
    QFETCH(bool, replacing);
    QFETCH(bool, kept);

    QTemporaryDir dir;
    writeFolder(dir.path(), before);
    CharacterTracker tracker(dir.path());
    QCOMPARE(tracker.take(), QString());
    writeFolder(dir.path(), after);
    Chara = character(edited);
    Chara.CharaNo = 7; // the edited character's number is no part of who it is
    const QString why = tracker.verify(deletes, replacing);
    QVERIFY2(why.isEmpty() == kept, qPrintable(why));
}

void TestRandomUser::typedTextSurvivesTheScriptLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << QStringLiteral(" ");
    QTest::newRow("quote") << QStringLiteral("\"");
    QTest::newRow("backslash") << QStringLiteral("\\");
    QTest::newRow("escape lookalike") << QStringLiteral("\\n");
    QTest::newRow("line break") << QStringLiteral("a\r\nb");
    QTest::newRow("tab") << QStringLiteral("\t");
    QTest::newRow("outside code page 932") << QStringLiteral("\U0001F600");
    QTest::newRow("full-width") << QStringLiteral("＃名前＃ １２");
}

void TestRandomUser::typedTextSurvivesTheScriptLine()
{
    QFETCH(QString, text);
    bool ok = false;
    const QStringList args = ScriptDriver::splitArgs(QStringLiteral("type FormBase.TextAge ") + QuoteArg(text), ok);
    QVERIFY(ok);
    QCOMPARE(args.size(), 3);
    QCOMPARE(args[2], text);
    QCOMPARE(UnescapePrinted(ScriptDriver::escape(text)), text);
}

void TestRandomUser::handlerRunsCountEveryEmission()
{
    QWidget w;
    auto *text = new KText(QStringLiteral("TextA"), &w);
    auto *button = new KButton(QStringLiteral("CommandA"), QStringLiteral("A"), &w);
    KTimer timer(QStringLiteral("TimerA"), nullptr);
    quint64 before = HandlerRuns();
    text->setText(QStringLiteral("1"));
    QCOMPARE(HandlerRuns() - before, quint64(1));
    before = HandlerRuns();
    text->setText(QStringLiteral("1")); // unchanged: no Change
    QCOMPARE(HandlerRuns() - before, quint64(0));
    before = HandlerRuns();
    text->pressKey(QChar(13)); // KeyPress only
    button->click();
    timer.fire();
    QCOMPARE(HandlerRuns() - before, quint64(3));
}

QTEST_MAIN(TestRandomUser)
#include "test_random_user.moc"
