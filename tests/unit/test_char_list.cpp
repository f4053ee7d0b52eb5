#include <QtTest>
#include <QTemporaryDir>
#include "sheet/char_files.h"
#include "sheet/char_list.h"
#include "sheet/sheet_text.h"
#include "shell/chara_file.h"
#include "shell/ui_seam.h"

Q_DECLARE_METATYPE(ListRow)

namespace {

ListRow row(const QString &text, int data, int level = 0, int exp = 0, std::initializer_list<int> skills = {})
{
    ListRow r{text, data, {}};
    r.entry.AdventurerLevel = Integer(level);
    r.entry.ExpSpent = exp;
    int k = 0;
    for (int s : skills)
        r.entry.SkillLevel[std::size_t(k++)] = Integer(s);
    return r;
}

QStringList texts(const QList<ListRow> &rows)
{
    QStringList t;
    for (const ListRow &r : rows)
        t << r.text;
    return t;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestCharList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pad_data();
    void pad();
    void header();
    void tableRow_data();
    void tableRow();
    void tableLinesRowZeroOnlyWhileUnsaved();
    void sort_data();
    void sort();
    void sortByLevelThenExperience();
    void tableLineToListRow_data();
    void tableLineToListRow();
    void saveLimit();
    void renames_data();
    void renames();
    void numberFollowsFile();
    void freeNewName();
    void characterFileNames();
    void recordLength();
    void storedNumberRewrittenInPlace();
    void renameNeverReplaces();
    void unreadableFileStartsFromZero();
};

void TestCharList::pad_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("s");
    QTest::addColumn<int>("spaces");
    QTest::newRow("kanji name") << 16 << QStringLiteral("名前") << 12;
    QTest::newRow("ascii counts double") << 16 << QStringLiteral("Bob") << 10;
    QTest::newRow("exactly full") << 16 << QStringLiteral("アイウエオカキク") << 0;
    QTest::newRow("too long") << 16 << QStringLiteral("アイウエオカキクケ") << 0;
    QTest::newRow("empty") << 14 << QString() << 14;
}

void TestCharList::pad()
{
    QFETCH(int, columns);
    QFETCH(QString, s);
    QFETCH(int, spaces);
    QCOMPARE(Pad(columns, s), QString(spaces, QLatin1Char(' ')));
}

void TestCharList::header()
{
    QCOMPARE(TableHeader(), QStringLiteral("Ｎｏ｜名前            ｜ＬＶ｜   総経験点   ｜ Ｆ ｜ Ｔ ｜ Ｒ ｜ Ｍ ｜ Ｅ ｜ Ｐ ｜ Ｓ ｜ Ｂ ｜ Ｄ ｜"));
}

void TestCharList::tableRow_data()
{
    QTest::addColumn<ListRow>("r");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("unsaved row 0, no skills")
        << row(QStringLiteral("（編集中）サンプル"), 0) << QStringLiteral("サンプル")
        << QStringLiteral("　―｜サンプル        ｜　０｜　　　　　　０｜　―｜　―｜　―｜　―｜　―｜　―｜　―｜　―｜　―｜");
    QTest::newRow("level 7 and 12, two-digit number")
        << row(QStringLiteral("アーサー"), 12, 12, 123456, {7, 0, 12})
        << QStringLiteral("アーサー")
        << QStringLiteral("１２｜アーサー        ｜１２｜　１２３４５６｜　７｜　―｜１２｜　―｜　―｜　―｜　―｜　―｜　―｜");
    QTest::newRow("long name pushes the row")
        << row(QStringLiteral("アイウエオカキクケ"), 3, 1, 1000, {1})
        << QStringLiteral("アイウエオカキクケ")
        << QStringLiteral("　３｜アイウエオカキクケ｜　１｜　　　１０００｜　１｜　―｜　―｜　―｜　―｜　―｜　―｜　―｜　―｜");
}

void TestCharList::tableRow()
{
    QFETCH(ListRow, r);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(TableRowText(r, name), text);
}

void TestCharList::tableLinesRowZeroOnlyWhileUnsaved()
{
    const QList<ListRow> rows = {row(QStringLiteral("（編集中）サンプル"), 0), row(QStringLiteral("A"), 1), row(QStringLiteral("B"), 2)};
    const QList<TableLine> unsaved = TableLines(rows, 0, QStringLiteral("サンプル"));
    QCOMPARE(unsaved.size(), 4);
    QCOMPARE(unsaved[0].data, -1);
    QCOMPARE(unsaved[0].text, TableHeader());
    QVERIFY(unsaved[1].text.contains(QStringLiteral("｜サンプル ")));
    QVERIFY(!unsaved[1].text.contains(QStringLiteral("（編集中）")));
    QCOMPARE(unsaved[1].data, 0);
    QCOMPARE(unsaved[3].data, 2);

    const QList<TableLine> saved = TableLines(rows, 2, QStringLiteral("サンプル"));
    QCOMPARE(saved.size(), 3);
    QCOMPARE(saved[1].data, 1);
    QCOMPARE(saved[2].data, 2);
}

void TestCharList::sort_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("charaNo");
    QTest::addColumn<QStringList>("order");
    // Row 0 is the edited character; rows 1..4 are files.
    QTest::newRow("registration, unsaved") << 0 << 0 << QStringList{"edit", "a", "b", "c", "d"};
    QTest::newRow("level, unsaved: row 0 takes part") << 1 << 0 << QStringList{"c", "edit", "a", "d", "b"};
    QTest::newRow("level, saved: row 0 stays") << 1 << 2 << QStringList{"edit", "c", "a", "d", "b"};
    QTest::newRow("experience") << 2 << 0 << QStringList{"b", "d", "edit", "a", "c"};
    QTest::newRow("fighter skill, ties keep order") << 3 << 0 << QStringList{"d", "edit", "a", "b", "c"};
    QTest::newRow("dragon priest skill") << 11 << 1 << QStringList{"edit", "b", "a", "c", "d"};
}

void TestCharList::sort()
{
    QFETCH(int, mode);
    QFETCH(int, charaNo);
    QFETCH(QStringList, order);
    QList<ListRow> rows = {
        row(QStringLiteral("edit"), 0, 3, 500, {2}),
        row(QStringLiteral("a"), 1, 3, 100, {2, 0, 0, 0, 0, 0, 0, 0, 1}),
        row(QStringLiteral("b"), 2, 1, 9000, {1, 0, 0, 0, 0, 0, 0, 0, 5}),
        row(QStringLiteral("c"), 3, 5, 0, {1}),
        row(QStringLiteral("d"), 4, 2, 800, {4}),
    };
    SortRows(rows, mode, charaNo);
    QCOMPARE(texts(rows), order);
}

void TestCharList::sortByLevelThenExperience()
{
    // A sort starts from the order the previous one left.
    QList<ListRow> rows = {
        row(QStringLiteral("edit"), 0), row(QStringLiteral("a"), 1, 2, 100), row(QStringLiteral("b"), 2, 4, 100),
        row(QStringLiteral("c"), 3, 3, 300), row(QStringLiteral("d"), 4, 3, 100),
    };
    SortRows(rows, 1, 1);
    QCOMPARE(texts(rows), (QStringList{"edit", "b", "c", "d", "a"}));
    SortRows(rows, 2, 1);
    QCOMPARE(texts(rows), (QStringList{"edit", "c", "b", "d", "a"}));
    SortRows(rows, 0, 1);
    QCOMPARE(texts(rows), (QStringList{"edit", "a", "b", "c", "d"}));
}

void TestCharList::tableLineToListRow_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("charaNo");
    QTest::addColumn<int>("listRow");
    QTest::newRow("saved: line is the row") << 2 << 3 << 2;
    QTest::newRow("saved: header is row 0") << 0 << 3 << 0;
    QTest::newRow("unsaved: row 0 is line 1") << 1 << 0 << 0;
    QTest::newRow("unsaved: header selects nothing") << 0 << 0 << -1;
}

void TestCharList::tableLineToListRow()
{
    QFETCH(int, line);
    QFETCH(int, charaNo);
    QFETCH(int, listRow);
    QCOMPARE(ListRowOfTableLine(line, charaNo, 5), listRow);
}

void TestCharList::saveLimit()
{
    QVERIFY(SaveAllowed(100));  // 99 files: the 100th may be saved
    QVERIFY(!SaveAllowed(101)); // 100 files
}

void TestCharList::renames_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("plan"); // "from>to" in the order to run them
    QTest::newRow("all regular") << QStringList{"KTC01-01.ktc", "KTC01-02.ktc"} << QStringList{};
    QTest::newRow("gap closes") << QStringList{"KTC01-01.ktc", "KTC01-02.ktc", "KTC01-04.ktc"}
                                << QStringList{"KTC01-04.ktc>KTC01-03.ktc"};
    QTest::newRow("new file last") << QStringList{"KTC01-01.ktc", "KTC02.ktc"} << QStringList{"KTC02.ktc>KTC01-02.ktc"};
    QTest::newRow("foreign name first: the chain moves from its end")
        << QStringList{"A.ktc", "KTC01-01.ktc", "KTC01-02.ktc"}
        << QStringList{"KTC01-02.ktc>KTC01-03.ktc", "KTC01-01.ktc>KTC01-02.ktc", "A.ktc>KTC01-01.ktc"};
    QTest::newRow("case differs") << QStringList{"KTC01-01.KTC"} << QStringList{"KTC01-01.KTC>KTC01-01.ktc"};
    QTest::newRow("number past a hundred") << QStringList(100, QString()) << QStringList{};
}

void TestCharList::renames()
{
    QFETCH(QStringList, listed);
    QFETCH(QStringList, plan);
    if (listed.size() == 100) {
        for (int i = 0; i < 100; ++i)
            listed[i] = CharacterFileName(i + 1);
        QCOMPARE(listed[99], QStringLiteral("KTC01-a100.ktc"));
        listed.append(QStringLiteral("KTC101.ktc"));
        plan = QStringList{"KTC101.ktc>KTC01-a101.ktc"};
    }
    QStringList got;
    for (const Rename &r : PlanRenames(listed))
        got << r.from + QLatin1Char('>') + r.to;
    QCOMPARE(got, plan);
}

void TestCharList::numberFollowsFile()
{
    const QStringList before = {"KTC01-01.ktc", "KTC01-02.ktc", "KTC01-03.ktc"};
    QCOMPARE(FileOfNumber(before, 3), QStringLiteral("KTC01-03.ktc"));
    QCOMPARE(FileOfNumber(before, 0), QString());
    QCOMPARE(FileOfNumber(before, 4), QString());
    // File 1 deleted and the later ones moved down.
    const QStringList after = {"KTC01-01.ktc", "KTC01-02.ktc"};
    QCOMPARE(NumberOfFile(after, QStringLiteral("KTC01-02.ktc")), 2);
    QCOMPARE(NumberOfFile(QStringList{"KTC01-02.ktc"}, QStringLiteral("KTC01-01.ktc")), 0);
}

void TestCharList::freeNewName()
{
    QCOMPARE(FreeNewFileName(4, {"KTC01-01.ktc"}), QStringLiteral("KTC05.ktc"));
    QCOMPARE(FreeNewFileName(0, {}), QStringLiteral("KTC01.ktc"));
    QCOMPARE(FreeNewFileName(4, {"KTC05.ktc", "ktc06.ktc"}), QStringLiteral("KTC07.ktc"));
}

void TestCharList::characterFileNames()
{
    const QStringList got = CharacterFileNames({"b.ktc", "KTC01-02.ktc", "notes.txt", "KTC01-01.ktc", "X.KTC", "a.ktc"});
    // Code-point order: capitals before small letters.
    QCOMPARE(got, (QStringList{"KTC01-01.ktc", "KTC01-02.ktc", "X.KTC", "a.ktc", "b.ktc"}));
}

void TestCharList::recordLength()
{
    CharaRecord rec;
    rec.Name = QStringLiteral("サンプル");
    rec.CharaNo = 7;
    const QByteArray bytes = RecordToBytes(rec);
    QCOMPARE(RecordByteLength(bytes), bytes.size());
    QCOMPARE(RecordByteLength(bytes + QByteArray("tail")), bytes.size());
    QCOMPARE(RecordByteLength(bytes.left(bytes.size() - 1)), qsizetype(-1));
    QCOMPARE(RecordByteLength(QByteArray()), qsizetype(-1));
}

void TestCharList::storedNumberRewrittenInPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KTC01-01.ktc"));
    CharaRecord rec;
    rec.Name = QStringLiteral("アーサー");
    rec.CharaNo = 4;
    // Bytes after the record and a text that would not encode back the same stay.
    QByteArray bytes = RecordToBytes(rec) + QByteArray("\x81\xff old tail", 11);
    bytes[2] = char(0x82);
    writeBytes(path, bytes);

    CharaRecord read;
    const ListedFile f = ReadListedFile(path, read);
    QVERIFY(f.complete);
    QCOMPARE(read.CharaNo, Integer(4));
    WriteStoredNumber(path, f.numberAt, 3);
    QByteArray expected = bytes;
    expected[f.numberAt] = 3;
    expected[f.numberAt + 1] = 0;
    QCOMPARE(fileBytes(path), expected);
}

void TestCharList::renameNeverReplaces()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("A.ktc"));
    const QString b = dir.filePath(QStringLiteral("KTC01-01.ktc"));
    writeBytes(a, "first");
    writeBytes(b, "second");
    QVERIFY(!RenameNoReplace(a, b));
    QCOMPARE(fileBytes(a), QByteArray("first"));
    QCOMPARE(fileBytes(b), QByteArray("second"));
    QVERIFY(QFile::remove(b));
    QVERIFY(RenameNoReplace(a, b));
    QCOMPARE(fileBytes(b), QByteArray("first"));
    QVERIFY(!QFile::exists(a));
}

void TestCharList::unreadableFileStartsFromZero()
{
    QTemporaryDir dir;
    QStringList boxes;
    uiHooks().message = [&](const QString &title, const QString &, MsgButtons, MsgIcon) {
        boxes << title;
        return boxes.size() == 1 ? MsgAnswer::No : MsgAnswer::Yes;
    };
    CharaRecord rec;
    rec.Age = 30;
    rec.Name = QStringLiteral("x");
    const ListedFile f = ReadListedFile(dir.filePath(QStringLiteral("gone.ktc")), rec);
    uiHooks().message = nullptr;
    QCOMPARE(boxes, (QStringList{QStringLiteral("ファイルエラー"), QStringLiteral("修正不能のエラー")}));
    QVERIFY(!f.complete);
    QCOMPARE(rec, CharaRecord());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gone.ktc"))));

    // A truncated file is read as far as it goes and reported incomplete.
    CharaRecord full;
    full.Name = QStringLiteral("途中");
    full.Age = 20;
    const QString cut = dir.filePath(QStringLiteral("cut.ktc"));
    writeBytes(cut, RecordToBytes(full).left(40));
    const ListedFile g = ReadListedFile(cut, rec);
    QVERIFY(!g.complete);
    QCOMPARE(rec.Name, full.Name);
    QCOMPARE(rec.Age, Integer(20));
    QCOMPARE(rec.CharaNo, Integer(0));
}

QTEST_GUILESS_MAIN(TestCharList)
#include "test_char_list.moc"
