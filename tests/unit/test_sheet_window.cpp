// The sheet window in-process, for what a script cannot arrange: a listed
// file that disappears before it is selected, and activation after one of
// the program's own message boxes.
#include <QtTest>
#include <QDialog>
#include <QTemporaryDir>

#include "sheet/char_files.h"
#include "sheet/form_text_sheet.h"
#include "sheet/sheet_text.h"
#include <QPlainTextEdit>
#include "shell/app.h"
#include "shell/chara_file.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/ui_seam.h"

namespace {

void drainTimers()
{
    for (int n = 0; n < 1000; ++n) {
        QCoreApplication::processEvents();
        KTimer *t = KTimer::firstPending();
        if (!t)
            return;
        t->fire();
    }
}

} // namespace

class TestSheetWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void missingFileAtSelection_data();
    void missingFileAtSelection();
    void noPassAfterOwnBox();
    void textBoxShowsTheSheetLines();
    void rowsMatchTheFilesWhenRenamesNeverSettle();

private:
    QString characterPath(const QString &name) const { return m_dir.filePath(QStringLiteral("Characters/") + name); }
    void writeCharacter(const QString &name, const QString &chara);

    QTemporaryDir m_dir;
    QStringList m_boxes;
    QList<MsgAnswer> m_answers;
};

void TestSheetWindow::writeCharacter(const QString &name, const QString &chara)
{
    CharaRecord rec;
    rec.Name = chara;
    WriteRecordFile(characterPath(name), rec);
}

void TestSheetWindow::initTestCase()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Characters/Portraits")));
    SetProgramFolder(m_dir.path());
    uiHooks().message = [this](const QString &title, const QString &, MsgButtons, MsgIcon) {
        m_boxes << title;
        return m_answers.isEmpty() ? MsgAnswer::Yes : m_answers.takeFirst();
    };
    uiHooks().beep = [] {};
    StartProgram();
    drainTimers();
}

void TestSheetWindow::missingFileAtSelection_data()
{
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("name");
    // はい retries the open; the file is back by then.
    QTest::newRow("retry finds it") << QList<MsgAnswer>{MsgAnswer::Yes} << QStringList{QStringLiteral("ファイルエラー")}
                                    << QStringLiteral("ボブ");
    // いいえ skips the open; the read reports code 52 and はい goes on.
    QTest::newRow("skip")
        << QList<MsgAnswer>{MsgAnswer::No, MsgAnswer::Yes}
        << QStringList{QStringLiteral("ファイルエラー"), QStringLiteral("修正不能のエラー")} << QString();
}

void TestSheetWindow::missingFileAtSelection()
{
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(QString, name);
    writeCharacter(QStringLiteral("KTC01-01.ktc"), QStringLiteral("アリス"));
    writeCharacter(QStringLiteral("KTC01-02.ktc"), QStringLiteral("ボブ"));
    mdiFormKT()->MenuCharaList_Click();
    drainTimers();
    FormTextSheet *sheet = formTextSheet();
    QCOMPARE(sheet->ListC->count(), 3);

    // The file goes away behind the list's back; a retry finds it restored.
    const QByteArray saved = [&] {
        QFile f(characterPath(QStringLiteral("KTC01-02.ktc")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(QFile::remove(characterPath(QStringLiteral("KTC01-02.ktc"))));
    m_boxes.clear();
    m_answers = answers;
    const bool restore = name == QStringLiteral("ボブ");
    if (restore) {
        uiHooks().message = [this, saved](const QString &title, const QString &, MsgButtons, MsgIcon) {
            m_boxes << title;
            QFile f(characterPath(QStringLiteral("KTC01-02.ktc")));
            if (f.open(QIODevice::WriteOnly))
                f.write(saved);
            return m_answers.isEmpty() ? MsgAnswer::Yes : m_answers.takeFirst();
        };
    }
    sheet->ListC->userSelect(2);
    uiHooks().message = [this](const QString &title, const QString &, MsgButtons, MsgIcon) {
        m_boxes << title;
        return m_answers.isEmpty() ? MsgAnswer::Yes : m_answers.takeFirst();
    };
    QCOMPARE(m_boxes, boxes);
    QCOMPARE(CharaWork.Name, name);
    QCOMPARE(sheet->CommandC->text(), QStringLiteral("呼出"));
    // Nothing was created in the file's place.
    QCOMPARE(QFile::exists(characterPath(QStringLiteral("KTC01-02.ktc"))), restore);
    drainTimers();
    QFile::remove(characterPath(QStringLiteral("KTC01-01.ktc")));
    QFile::remove(characterPath(QStringLiteral("KTC01-02.ktc")));
}

void TestSheetWindow::noPassAfterOwnBox()
{
    writeCharacter(QStringLiteral("KTC01-01.ktc"), QStringLiteral("アリス"));
    mdiFormKT()->MenuCharaList_Click();
    drainTimers();
    FormTextSheet *sheet = formTextSheet();
    QCOMPARE(sheet->ListC->count(), 2);
    writeCharacter(QStringLiteral("KTC01-02.ktc"), QStringLiteral("ボブ"));

    // A box of the program takes the activation and hands it back.
    ActivateTopLevel(mdiFormKT());
    QCoreApplication::processEvents();
    QDialog box(sheet);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&box, &activate);
    ActivateTopLevel(sheet);
    QCoreApplication::processEvents();
    if (!sheet->isActiveWindow())
        QSKIP("this platform does not activate windows");
    QCOMPARE(sheet->ListC->count(), 2);

    // A person coming from the main window: the list is rebuilt.
    ActivateTopLevel(mdiFormKT());
    QCoreApplication::processEvents();
    ActivateTopLevel(sheet);
    QCoreApplication::processEvents();
    QCOMPARE(sheet->ListC->count(), 3);
}

void TestSheetWindow::textBoxShowsTheSheetLines()
{
    FormTextSheet *sheet = formTextSheet();
    for (int mode = 0; mode < 3; ++mode) {
        sheet->MenuCrLfMode_Click(mode);
        drainTimers();
        const QString text = SheetText(CharaWork, SheetMode, CrLfMode);
        QVERIFY(text.contains(QStringLiteral("\r\n")));
        QCOMPARE(sheet->TextSheet->text(), text);
        // A CR LF is one line break of the box, and its lines are the sheet's.
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QPlainTextEdit *box = sheet->TextSheet->plainEdit();
        QCOMPARE(box->blockCount(), int(lines.size()));
        QCOMPARE(box->toPlainText(), lines.join(QLatin1Char('\n')));
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    }
}

void TestSheetWindow::rowsMatchTheFilesWhenRenamesNeverSettle()
{
    // Another program keeps dropping a file out of place: every rename makes
    // the next one needed, and the pass gives up at its bound.
    writeCharacter(QStringLiteral("KTC01-01.ktc"), QStringLiteral("アリス"));
    writeCharacter(QStringLiteral("KTC01-99.ktc"), QStringLiteral("追加0"));
    FormTextSheet *sheet = formTextSheet();
    int renames = 0;
    sheet->renameFile = [&](const QString &from, const QString &to) {
        if (!RenameNoReplace(from, to))
            return false;
        writeCharacter(QStringLiteral("KTC01-99.ktc"), QStringLiteral("追加") + QString::number(++renames));
        return true;
    };
    sheet->Form_Activate();
    sheet->renameFile = nullptr;
    QVERIFY(renames >= 10);

    // Row k (its data k) shows the file that number k names.
    const QStringList files = ListCharacterFiles(m_dir.filePath(QStringLiteral("Characters")));
    QCOMPARE(sheet->ListC->count(), int(files.size()) + 1);
    for (int r = 1; r < sheet->ListC->count(); ++r) {
        const int k = sheet->ListC->rowData(r);
        QVERIFY(k >= 1 && k <= files.size());
        CharaRecord rec;
        ReadRecordFile(characterPath(files[k - 1]), rec);
        QCOMPARE(sheet->ListC->item(r)->text(), ListedName(rec.Name));
    }
    for (const QString &f : files)
        QFile::remove(characterPath(f));
    drainTimers();
}

QTEST_MAIN(TestSheetWindow)
#include "test_sheet_window.moc"
