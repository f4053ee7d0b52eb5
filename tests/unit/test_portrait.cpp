// Portraits: which stored names may be opened, what a load of each kind of
// file gives, the retry/give-up loop, and the handlers of the portrait window
// and of the sheet window's portrait box, driven directly.
#include <QtTest>

#include "portrait/form_port.h"
#include "portrait/portrait_rules.h"
#include "sheet/form_text_sheet.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/ui_seam.h"

#include <QTemporaryDir>

namespace {

struct ProgramEnded {};

struct Prompt {
    QString title;
    QString text;
};

// The list row that holds name.
int rowOf(const KList *list, const QString &name)
{
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.first());
}

const QString NotFound = QStringLiteral("ファイルエラー");
const QString Unexpected = QStringLiteral("修正不能のエラー");

} // namespace

class TestPortrait : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void safeName_data();
    void safeName();
    void loadOutcome_data();
    void loadOutcome();
    void promptLoop_data();
    void promptLoop();
    void fileAppearsOnRetry();

    void portWindowList();
    void portWindowChooseAndRemove();
    void portWindowRefreshGivesUp();

    void sheetChoose_data();
    void sheetChoose();
    void sheetRemove_data();
    void sheetRemove();
    void sheetRender_data();
    void sheetRender();

private:
    // Queues answers; every box shown is recorded. Running out of answers fails the test.
    void answer(const QList<MsgAnswer> &answers);
    QString portraits() const { return m_dir.path() + QStringLiteral("/Characters/Portraits"); }
    QString picture(const QString &name) const { return portraits() + QLatin1Char('/') + name; }
    // Puts the sheet's list into a known state without running the list's own click.
    void sheetRows(int selected);

    QTemporaryDir m_dir;
    QList<MsgAnswer> m_answers;
    QList<Prompt> m_prompts;
};

void TestPortrait::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Characters/Portraits/sub.jpg")));
    QImage img(11, 17, QImage::Format_RGB32);
    img.fill(QColor(200, 40, 60));
    QVERIFY(img.save(picture(QStringLiteral("red.bmp")), "BMP"));
    QVERIFY(img.save(picture(QStringLiteral("red.jpg")), "JPG"));
    QVERIFY(img.save(picture(QStringLiteral("UPPER.JPG")), "JPG"));
    // The content decides, as with the platform's own loader.
    QVERIFY(img.save(picture(QStringLiteral("jpeg inside.bmp")), "JPG"));
    QVERIFY(img.save(picture(QStringLiteral("sub.jpg/inner.bmp")), "BMP"));
    QVERIFY(img.save(m_dir.path() + QStringLiteral("/Characters/outside.bmp"), "BMP"));
    QVERIFY(img.save(picture(QStringLiteral("other.png")), "PNG"));
    auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile f(picture(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(QStringLiteral("text.jpg"), "not a picture\r\n");
    write(QStringLiteral("empty.bmp"), QByteArray());
    QFile bmp(picture(QStringLiteral("red.bmp")));
    QVERIFY(bmp.open(QIODevice::ReadOnly));
    write(QStringLiteral("header only.bmp"), bmp.read(54));
    write(QStringLiteral("notes.txt"), "x");
    write(QStringLiteral("red.bmp.bak"), "x");

    SetProgramFolder(m_dir.path());
    AppPath = m_dir.path();
}

void TestPortrait::init()
{
    m_answers.clear();
    m_prompts.clear();
    uiHooks().end = [] { throw ProgramEnded{}; };
    uiHooks().message = [this](const QString &title, const QString &text, MsgButtons, MsgIcon) {
        m_prompts.append({title, text});
        if (m_answers.isEmpty()) {
            qWarning("unexpected message box: %s", qPrintable(text));
            return MsgAnswer::No;
        }
        return m_answers.takeFirst();
    };
}

void TestPortrait::cleanup()
{
    QVERIFY2(m_answers.isEmpty(), "an answer was left over: a prompt did not come");
    uiHooks().message = nullptr;
}

void TestPortrait::answer(const QList<MsgAnswer> &answers)
{
    m_answers = answers;
}

// ---------------------------------------------------------------- rules

void TestPortrait::safeName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("bmp") << QStringLiteral("knight.bmp") << true;
    QTest::newRow("jpg, Japanese, blanks") << QStringLiteral("騎士 の 肖像.jpg") << true;
    QTest::newRow("dots inside a name stay in the folder") << QStringLiteral("a..b.bmp") << true;
    QTest::newRow("leading dot") << QStringLiteral(".hidden.bmp") << true;
    QTest::newRow("empty is no picture") << QString() << false;
    QTest::newRow("parent by slash") << QStringLiteral("../outside.bmp") << false;
    QTest::newRow("parent by backslash") << QStringLiteral("..\\outside.bmp") << false;
    QTest::newRow("subfolder by slash") << QStringLiteral("sub.jpg/inner.bmp") << false;
    QTest::newRow("subfolder by backslash") << QStringLiteral("sub.jpg\\inner.bmp") << false;
    QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false;
    QTest::newRow("drive absolute") << QStringLiteral("C:\\x.bmp") << false;
    QTest::newRow("drive relative") << QStringLiteral("C:x.bmp") << false;
    QTest::newRow("network share") << QStringLiteral("\\\\server\\share\\x.bmp") << false;
    QTest::newRow("stream colon") << QStringLiteral("x.bmp:hidden") << false;
    QTest::newRow("parent alone") << QStringLiteral("..") << false;
    QTest::newRow("folder itself") << QStringLiteral(".") << false;
    QTest::newRow("dots only") << QStringLiteral("...") << false;
    QTest::newRow("NUL cuts the name") << QStringLiteral("x.bmp") + QChar(0) + QStringLiteral("/../y") << false;
    QTest::newRow("line break") << QStringLiteral("x\r\n.bmp") << false;
}

void TestPortrait::safeName()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(IsSafePortraitName(name), safe);
}

void TestPortrait::loadOutcome_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    const QString p = portraits();
    QTest::newRow("bmp") << p << QStringLiteral("red.bmp") << 0;
    QTest::newRow("jpg") << p << QStringLiteral("red.jpg") << 0;
    QTest::newRow("upper-case JPG") << p << QStringLiteral("UPPER.JPG") << 0;
    QTest::newRow("jpeg under a bmp name") << p << QStringLiteral("jpeg inside.bmp") << 0;
    QTest::newRow("missing") << p << QStringLiteral("gone.bmp") << 53;
    QTest::newRow("portrait folder missing") << p + QStringLiteral("/nowhere") << QStringLiteral("red.bmp") << 76;
    QTest::newRow("text under a jpg name") << p << QStringLiteral("text.jpg") << 481;
    QTest::newRow("empty file") << p << QStringLiteral("empty.bmp") << 481;
    QTest::newRow("bmp header without pixels") << p << QStringLiteral("header only.bmp") << 481;
    QTest::newRow("folder under a jpg name") << p << QStringLiteral("sub.jpg") << 75;
    // A good picture lies behind each of these names: none may be opened.
    QTest::newRow("parent by slash") << p << QStringLiteral("../outside.bmp") << 53;
    QTest::newRow("parent by backslash") << p << QStringLiteral("..\\outside.bmp") << 53;
    QTest::newRow("subfolder") << p << QStringLiteral("sub.jpg/inner.bmp") << 53;
    QTest::newRow("absolute") << p << m_dir.path() + QStringLiteral("/Characters/outside.bmp") << 53;
    QTest::newRow("parent alone") << p << QStringLiteral("..") << 53;
}

void TestPortrait::loadOutcome()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(int, code);
    QImage img(3, 3, QImage::Format_RGB32);
    QCOMPARE(LoadPortrait(folder, name, img), code);
    if (code == 0)
        QCOMPARE(img.size(), QSize(11, 17));
    else
        QCOMPARE(img.size(), QSize(3, 3)); // untouched on failure
}

void TestPortrait::promptLoop_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("title");
    const QList<MsgAnswer> no{MsgAnswer::No}, yes{MsgAnswer::Yes};
    QTest::newRow("good picture: no prompt") << QStringLiteral("red.jpg") << QList<MsgAnswer>{} << false << QString();
    QTest::newRow("missing, given up") << QStringLiteral("gone.bmp") << no << false << NotFound;
    QTest::newRow("missing, retried twice") << QStringLiteral("gone.bmp")
                                            << QList<MsgAnswer>{MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::No} << false
                                            << NotFound;
    QTest::newRow("unsafe, retried: refused again") << QStringLiteral("../outside.bmp")
                                                    << QList<MsgAnswer>{MsgAnswer::Yes, MsgAnswer::No} << false << NotFound;
    QTest::newRow("undecodable, はい goes on without it") << QStringLiteral("text.jpg") << yes << false << Unexpected;
    QTest::newRow("undecodable, いいえ ends the program") << QStringLiteral("text.jpg") << no << true << Unexpected;
}

void TestPortrait::promptLoop()
{
    QFETCH(QString, name);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(bool, ends);
    QFETCH(QString, title);
    answer(answers);
    QImage img;
    bool loaded = false;
    bool ended = false;
    try {
        loaded = LoadPortraitWithPrompt(portraits(), name, img);
    } catch (const ProgramEnded &) {
        ended = true;
    }
    QCOMPARE(ended, ends);
    QCOMPARE(m_prompts.size(), answers.size());
    QCOMPARE(loaded, answers.isEmpty());
    QCOMPARE(img.isNull(), !loaded);
    for (const Prompt &p : std::as_const(m_prompts)) {
        QCOMPARE(p.title, title);
        if (title == NotFound)
            QCOMPARE(p.text, QStringLiteral("ファイルまたはパス(") + picture(name) + QStringLiteral(")が見つかりません。\r再試行しますか？"));
        else
            QCOMPARE(p.text, QStringLiteral("予期せぬエラー(481)が発生しました。\r続行しますか？"));
    }
}

void TestPortrait::fileAppearsOnRetry()
{
    // はい tries the same file again: a picture put back meanwhile is shown.
    const QString later = picture(QStringLiteral("later.bmp"));
    uiHooks().message = [this, later](const QString &title, const QString &text, MsgButtons, MsgIcon) {
        m_prompts.append({title, text});
        QFile::copy(picture(QStringLiteral("red.bmp")), later);
        return MsgAnswer::Yes;
    };
    QImage img;
    QVERIFY(LoadPortraitWithPrompt(portraits(), QStringLiteral("later.bmp"), img, QStringLiteral("/shown/later.bmp")));
    QCOMPARE(m_prompts.size(), 1);
    QVERIFY(m_prompts[0].text.contains(QStringLiteral("(/shown/later.bmp)")));
    QCOMPARE(img.size(), QSize(11, 17));
    QFile::remove(later);
}

// ---------------------------------------------------------------- portrait window

void TestPortrait::portWindowList()
{
    FormPort *port = formPort();
    QCOMPARE(port->FilePL->path(), portraits());
    QStringList names;
    for (int i = 0; i < port->FilePL->count(); ++i)
        names << port->FilePL->item(i)->text();
    // Pictures of both kinds, matched without regard to case; no folder, no other file.
    QCOMPARE(names, (QStringList{QStringLiteral("empty.bmp"), QStringLiteral("header only.bmp"),
                                 QStringLiteral("jpeg inside.bmp"), QStringLiteral("red.bmp"), QStringLiteral("red.jpg"),
                                 QStringLiteral("text.jpg"), QStringLiteral("UPPER.JPG")}));
    QCOMPARE(formTextSheet()->FilePL->path(), portraits());
    QCOMPARE(formTextSheet()->FilePL->count(), names.size());
}

void TestPortrait::portWindowChooseAndRemove()
{
    FormPort *port = formPort();
    Chara.PortraitFile.clear();
    port->FilePL->userSelect(rowOf(port->FilePL, QStringLiteral("red.bmp")));
    QCOMPARE(Chara.PortraitFile, QStringLiteral("red.bmp"));
    QCOMPARE(port->ImagePort->picturePath(), picture(QStringLiteral("red.bmp")));
    QVERIFY(!port->ImagePort->pixmap().isNull());
    QCOMPARE(m_prompts.size(), 0);

    // A file that does not decode: はい goes on, the previous picture stays, the name is kept.
    answer({MsgAnswer::Yes});
    port->FilePL->userSelect(rowOf(port->FilePL, QStringLiteral("text.jpg")));
    QCOMPARE(Chara.PortraitFile, QStringLiteral("text.jpg"));
    QCOMPARE(port->ImagePort->picturePath(), picture(QStringLiteral("red.bmp")));
    QCOMPARE(m_prompts.size(), 1);

    port->ImagePort->click();
    QCOMPARE(Chara.PortraitFile, QString());
    QCOMPARE(port->ImagePort->picturePath(), QString());
    QVERIFY(port->ImagePort->pixmap().isNull());
    // Empty, the picture no longer covers the labels beneath it.
    QVERIFY(!port->ImagePort->autoFillBackground());
}

void TestPortrait::portWindowRefreshGivesUp()
{
    FormPort *port = formPort();
    Chara.PortraitFile = QStringLiteral("red.jpg");
    port->TimerPort->setEnabled(true);
    port->TimerPort->fire();
    QVERIFY(!port->TimerPort->enabled());
    QCOMPARE(port->ImagePort->picturePath(), picture(QStringLiteral("red.jpg")));

    // The file is gone: いいえ leaves the picture and the name in the record.
    Chara.PortraitFile = QStringLiteral("gone.bmp");
    answer({MsgAnswer::Yes, MsgAnswer::No});
    port->TimerPort->fire();
    QCOMPARE(m_prompts.size(), 2);
    QCOMPARE(Chara.PortraitFile, QStringLiteral("gone.bmp"));
    QCOMPARE(port->ImagePort->picturePath(), picture(QStringLiteral("red.jpg")));

    Chara.PortraitFile.clear();
    port->TimerPort->fire();
    QCOMPARE(port->ImagePort->picturePath(), QString());
}

// ---------------------------------------------------------------- sheet window

void TestPortrait::sheetRows(int selected)
{
    FormTextSheet *sheet = formTextSheet();
    sheet->TimerSheet->setEnabled(false);
    const QSignalBlocker block(sheet->ListC);
    sheet->ListC->clearRows();
    sheet->ListC->addRow(QStringLiteral("（編集中）サンプル"), 0);
    sheet->ListC->addRow(QStringLiteral("保存済み"), 1);
    sheet->ListC->setCurrentRow(selected);
    if (selected < 0)
        sheet->ListC->clearSelection();
}

void TestPortrait::sheetChoose_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<bool>("shown");
    QTest::newRow("edited row: both records") << 0 << QStringLiteral("red.bmp") << 0 << true;
    QTest::newRow("stored row: the edited character only") << 1 << QStringLiteral("red.jpg") << 0 << true;
    QTest::newRow("no row: the edited character only") << -1 << QStringLiteral("UPPER.JPG") << 0 << true;
    QTest::newRow("undecodable, はい: list hidden, nothing shown") << 0 << QStringLiteral("text.jpg") << 1 << false;
}

void TestPortrait::sheetChoose()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, prompts);
    QFETCH(bool, shown);
    FormTextSheet *sheet = formTextSheet();
    sheetRows(row);
    Chara.PortraitFile.clear();
    CharaWork.PortraitFile = row == 0 ? QString() : QStringLiteral("stored.bmp");
    sheet->ImagePort->clearPicture();
    sheet->FilePL->show();
    if (prompts)
        answer({MsgAnswer::Yes});
    sheet->FilePL->userSelect(rowOf(sheet->FilePL, name));
    QCOMPARE(m_prompts.size(), prompts);
    QCOMPARE(Chara.PortraitFile, name);
    QCOMPARE(CharaWork.PortraitFile, row == 0 ? name : QStringLiteral("stored.bmp"));
    QCOMPARE(sheet->ImagePort->picturePath(), shown ? picture(name) : QString());
    QVERIFY(sheet->FilePL->isHidden());
}

void TestPortrait::sheetRemove_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("removes");
    QTest::newRow("edited row selected") << 0 << true;
    QTest::newRow("stored row selected: nothing") << 1 << false;
    QTest::newRow("no row selected: nothing") << -1 << false;
}

void TestPortrait::sheetRemove()
{
    QFETCH(int, row);
    QFETCH(bool, removes);
    FormTextSheet *sheet = formTextSheet();
    sheetRows(row);
    Chara.PortraitFile = QStringLiteral("red.bmp");
    CharaWork.PortraitFile = QStringLiteral("red.jpg");
    sheet->ShowSheetPortrait();
    sheet->FilePL->hide();
    sheet->ImagePort->click();
    QCOMPARE(Chara.PortraitFile, removes ? QString() : QStringLiteral("red.bmp"));
    QCOMPARE(CharaWork.PortraitFile, removes ? QString() : QStringLiteral("red.jpg"));
    QCOMPARE(sheet->ImagePort->picturePath(), removes ? QString() : picture(QStringLiteral("red.jpg")));
    QCOMPARE(sheet->FilePL->isHidden(), !removes);
    // Shown again, the list lies over the picture's place so that it can be clicked.
    const QObjectList stack = sheet->FilePL->parentWidget()->children();
    QVERIFY(stack.indexOf(sheet->FilePL) > stack.indexOf(sheet->ImagePort));
}

void TestPortrait::sheetRender_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QString>("kept");  // CharaWork.PortraitFile afterwards
    QTest::addColumn<QString>("shown"); // the picture afterwards, "" for none
    QTest::newRow("good picture") << QStringLiteral("red.jpg") << QList<MsgAnswer>{} << QStringLiteral("red.jpg")
                                  << QStringLiteral("red.jpg");
    QTest::newRow("no portrait clears the area") << QString() << QList<MsgAnswer>{} << QString() << QString();
    QTest::newRow("missing, given up: name cleared, previous picture gone")
        << QStringLiteral("gone.bmp") << QList<MsgAnswer>{MsgAnswer::Yes, MsgAnswer::No} << QString() << QString();
    QTest::newRow("undecodable, はい: name cleared") << QStringLiteral("text.jpg") << QList<MsgAnswer>{MsgAnswer::Yes}
                                                    << QString() << QString();
    QTest::newRow("unsafe name never opened") << QStringLiteral("../outside.bmp") << QList<MsgAnswer>{MsgAnswer::No}
                                              << QString() << QString();
}

void TestPortrait::sheetRender()
{
    QFETCH(QString, name);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QString, kept);
    QFETCH(QString, shown);
    FormTextSheet *sheet = formTextSheet();
    sheetRows(1);
    // The previous sheet showed another character's picture.
    CharaWork.PortraitFile = QStringLiteral("red.bmp");
    sheet->ShowSheetPortrait();
    QCOMPARE(sheet->ImagePort->picturePath(), picture(QStringLiteral("red.bmp")));

    Chara.PortraitFile = QStringLiteral("edited.bmp");
    CharaWork.PortraitFile = name;
    answer(answers);
    sheet->ShowSheetPortrait();
    QCOMPARE(m_prompts.size(), answers.size());
    for (const Prompt &p : std::as_const(m_prompts))
        QVERIFY2(p.title == Unexpected || p.text.contains(QLatin1Char('(') + sheet->FilePL->path() + QLatin1Char('/') + name + QLatin1Char(')')),
                 qPrintable(p.text));
    QCOMPARE(CharaWork.PortraitFile, kept);
    QCOMPARE(sheet->ImagePort->picturePath(), shown.isEmpty() ? QString() : picture(shown));
    QCOMPARE(Chara.PortraitFile, QStringLiteral("edited.bmp")); // the render reads the working copy only
}

QTEST_MAIN(TestPortrait)
#include "test_portrait.moc"
