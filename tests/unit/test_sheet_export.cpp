// Outputs beyond the sheet text box: the game-board piece and its chat
// palette, text files in both encodings, HTML, PDF and print, and the
// "出力(&O)" menu with its dialogs answered through the seams.
#include <QtTest>

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/chara_record.h"
#include "shell/cp932.h"
#include "shell/globals.h"
#include "shell/ui_seam.h"
#include "sheet/form_text_sheet.h"
#include "sheet/output_menu.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_text.h"

Q_DECLARE_METATYPE(CharaRecord)

namespace {

// A fighter with one weapon and a shield, no magic.
CharaRecord Fighter()
{
    CharaRecord r;
    r.Name = QStringLiteral("ボルグ");
    r.Race = 1;
    r.Age = 40;
    r.Ability = {12, 9.5f, 8, 18, 21, 10};
    r.SkillLevel[0] = 3;
    r.AdventurerLevel = 3;
    r.ExpSpent = 4000;
    r.WeaponName[0] = QStringLiteral("バトルアックス");
    r.CombatValue(0, 0) = 5;
    r.CombatValue(0, 1) = 25;
    r.CombatValue(0, 2) = 6;
    r.CombatValue(0, 3) = 10;
    r.CombatValue(1, 3) = 9; // the unused off hand
    r.WeaponStr[1] = -1;
    r.ShieldName = QStringLiteral("ラージシールド");
    r.ShieldStr = 12;
    r.DefenseValue = {6, 20, 1};
    return r;
}

template <class F>
CharaRecord With(CharaRecord r, F change)
{
    change(r);
    return r;
}

QStringList ParamTexts(const QList<PieceParam> &params)
{
    QStringList out;
    for (const PieceParam &p : params)
        out.append(p.label + QLatin1Char('=') + p.value);
    return out;
}

const QStringList AbilityParams = {
    QStringLiteral("器用度=12"), QStringLiteral("器用度B=2"), QStringLiteral("敏捷度=9.5"), QStringLiteral("敏捷度B=1"),
    QStringLiteral("知力=8"),    QStringLiteral("知力B=1"),   QStringLiteral("筋力=18"),    QStringLiteral("筋力B=3"),
    QStringLiteral("生命力=21"), QStringLiteral("生命力B=3"), QStringLiteral("精神力=10"),  QStringLiteral("精神力B=1"),
};

QList<QAction *> MenuItems(QMenu *menu)
{
    QList<QAction *> items;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            items.append(a);
    return items;
}

QAction *Item(FormTextSheet &w, const QString &name)
{
    return w.menuBar()->findChild<QAction *>(name);
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSheetExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void piece_data();
    void piece();
    void pieceJson();
    void textBytes_data();
    void textBytes();
    void html();
    void unsafePortraitNameGivesNoPortrait_data();
    void unsafePortraitNameGivesNoPortrait();
    void portraitPipeDoesNotHang();
    void documentTitle();
    void pdfPages();
    void menu();
    void menuSavesText_data();
    void menuSavesText();
    void menuSavesHtmlAndPdf();
    void failedSaveIsReported();
    void cancelledDialogWritesNothing();
    void print();
    void copies();

private:
    // A fresh program folder for every test.
    std::unique_ptr<QTemporaryDir> m_tmp;
    QStringList m_boxes;
};

void TestSheetExport::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_boxes.clear();
    uiHooks().message = [this](const QString &title, const QString &text, MsgButtons, MsgIcon) {
        m_boxes.append(title + QLatin1Char('|') + text);
        return MsgAnswer::Ok;
    };
    AppPath = m_tmp->path();
    QDir(m_tmp->path()).mkpath(QStringLiteral("Characters/Portraits"));
    CharaWork = Fighter();
    SheetMode = 1;
    CrLfMode = 1;
}

void TestSheetExport::cleanup()
{
    uiHooks().message = nullptr;
    outputHooks().saveDialog = nullptr;
    outputHooks().printDialog = nullptr;
}

void TestSheetExport::piece_data()
{
    QTest::addColumn<CharaRecord>("rec");
    QTest::addColumn<QStringList>("params"); // after the abilities
    QTest::addColumn<QStringList>("palette");

    QTest::newRow("one weapon and a shield, no magic")
        << Fighter()
        << QStringList{QStringLiteral("冒険者レベル=3"), QStringLiteral("生命力抵抗力=6"),
                       QStringLiteral("精神力抵抗力=4"), QStringLiteral("攻撃力=5"), QStringLiteral("打撃力=25"),
                       QStringLiteral("追加ダメージ=6"), QStringLiteral("クリティカル値=10"),
                       QStringLiteral("回避力=6"), QStringLiteral("防御力=20"), QStringLiteral("ダメージ減少=1")}
        << QStringList{QStringLiteral("2D6+{攻撃力} 命中判定（バトルアックス）"),
                       QStringLiteral("K{打撃力}[{クリティカル値}]+{追加ダメージ} ダメージ（バトルアックス）"),
                       QStringLiteral("2D6+{回避力} 回避判定"), QStringLiteral("K{防御力}[13]+{ダメージ減少} 防御"),
                       QStringLiteral("2D6+{生命力抵抗力} 生命力抵抗"), QStringLiteral("2D6+{精神力抵抗力} 精神力抵抗")};

    QTest::newRow("two weapons: right and left")
        << With(Fighter(), [](CharaRecord &r) {
               r.ShieldStr = -1;
               r.ShieldName.clear();
               r.WeaponName = {QStringLiteral("ハンドアックス"), QStringLiteral("ダガー")};
               r.CombatValue(1, 0) = 3;
               r.CombatValue(1, 1) = 10;
               r.CombatValue(1, 2) = 6;
               r.Race = 7; // ダークエルフ: 精神力抵抗力 4 higher, as on the sheet
           })
        << QStringList{QStringLiteral("冒険者レベル=3"),       QStringLiteral("生命力抵抗力=6"),
                       QStringLiteral("精神力抵抗力=8"),       QStringLiteral("攻撃力（右）=5"),
                       QStringLiteral("打撃力（右）=25"),      QStringLiteral("追加ダメージ（右）=6"),
                       QStringLiteral("クリティカル値（右）=10"), QStringLiteral("攻撃力（左）=3"),
                       QStringLiteral("打撃力（左）=10"),      QStringLiteral("追加ダメージ（左）=6"),
                       QStringLiteral("クリティカル値（左）=9"), QStringLiteral("回避力=6"),
                       QStringLiteral("防御力=20"),            QStringLiteral("ダメージ減少=1")}
        << QStringList{QStringLiteral("2D6+{攻撃力（右）} 命中判定（ハンドアックス）"),
                       QStringLiteral("2D6+{攻撃力（左）} 命中判定（ダガー）"),
                       QStringLiteral("K{打撃力（右）}[{クリティカル値（右）}]+{追加ダメージ（右）} ダメージ（ハンドアックス）"),
                       QStringLiteral("K{打撃力（左）}[{クリティカル値（左）}]+{追加ダメージ（左）} ダメージ（ダガー）"),
                       QStringLiteral("2D6+{回避力} 回避判定"), QStringLiteral("K{防御力}[13]+{ダメージ減少} 防御"),
                       QStringLiteral("2D6+{生命力抵抗力} 生命力抵抗"), QStringLiteral("2D6+{精神力抵抗力} 精神力抵抗")};

    QTest::newRow("one magic skill, no weapon name")
        << With(Fighter(), [](CharaRecord &r) {
               r.SkillLevel = {0, 0, 0, 2, 0, 0, 0, 0, 0};
               r.AdventurerLevel = 2;
               r.WeaponName[0].clear();
           })
        << QStringList{QStringLiteral("冒険者レベル=2"), QStringLiteral("生命力抵抗力=5"),
                       QStringLiteral("精神力抵抗力=3"), QStringLiteral("攻撃力=5"), QStringLiteral("打撃力=25"),
                       QStringLiteral("追加ダメージ=6"), QStringLiteral("クリティカル値=10"),
                       QStringLiteral("回避力=6"), QStringLiteral("防御力=20"), QStringLiteral("ダメージ減少=1"),
                       QStringLiteral("魔力=3")}
        << QStringList{QStringLiteral("2D6+{攻撃力} 命中判定"),
                       QStringLiteral("K{打撃力}[{クリティカル値}]+{追加ダメージ} ダメージ"),
                       QStringLiteral("2D6+{回避力} 回避判定"), QStringLiteral("K{防御力}[13]+{ダメージ減少} 防御"),
                       QStringLiteral("2D6+{生命力抵抗力} 生命力抵抗"), QStringLiteral("2D6+{精神力抵抗力} 精神力抵抗"),
                       QStringLiteral("2D6+{魔力} 魔法行使（古代語魔法）")};

    QTest::newRow("several magic skills in the sheet's order")
        << With(Fighter(), [](CharaRecord &r) {
               r.SkillLevel = {0, 0, 0, 1, 0, 4, 0, 0, 2};
               r.AdventurerLevel = 4;
               r.God = 6; // dark
           })
        << QStringList{QStringLiteral("冒険者レベル=4"),          QStringLiteral("生命力抵抗力=7"),
                       QStringLiteral("精神力抵抗力=5"),          QStringLiteral("攻撃力=5"),
                       QStringLiteral("打撃力=25"),               QStringLiteral("追加ダメージ=6"),
                       QStringLiteral("クリティカル値=10"),       QStringLiteral("回避力=6"),
                       QStringLiteral("防御力=20"),               QStringLiteral("ダメージ減少=1"),
                       QStringLiteral("魔力（暗黒魔法）=5"),      QStringLiteral("魔力（竜語魔法）=3"),
                       QStringLiteral("魔力（古代語魔法）=2")}
        << QStringList{QStringLiteral("2D6+{攻撃力} 命中判定（バトルアックス）"),
                       QStringLiteral("K{打撃力}[{クリティカル値}]+{追加ダメージ} ダメージ（バトルアックス）"),
                       QStringLiteral("2D6+{回避力} 回避判定"), QStringLiteral("K{防御力}[13]+{ダメージ減少} 防御"),
                       QStringLiteral("2D6+{生命力抵抗力} 生命力抵抗"), QStringLiteral("2D6+{精神力抵抗力} 精神力抵抗"),
                       QStringLiteral("2D6+{魔力（暗黒魔法）} 魔法行使（暗黒魔法）"),
                       QStringLiteral("2D6+{魔力（竜語魔法）} 魔法行使（竜語魔法）"),
                       QStringLiteral("2D6+{魔力（古代語魔法）} 魔法行使（古代語魔法）")};
}

void TestSheetExport::piece()
{
    QFETCH(CharaRecord, rec);
    QFETCH(QStringList, params);
    QFETCH(QStringList, palette);
    QCOMPARE(ParamTexts(PieceParams(rec)), AbilityParams + params);
    QCOMPARE(ChatPalette(rec).split(QLatin1Char('\n')), palette);

    // Every {name} of the palette is a param of the piece.
    QStringList labels;
    for (const PieceParam &p : PieceParams(rec))
        labels.append(p.label);
    static const QRegularExpression ref(QStringLiteral("\\{([^}]*)\\}"));
    for (auto it = ref.globalMatch(ChatPalette(rec)); it.hasNext();) {
        const QString name = it.next().captured(1);
        QVERIFY2(labels.contains(name), qPrintable(name));
    }
}

void TestSheetExport::pieceJson()
{
    CharaRecord rec = With(Fighter(), [](CharaRecord &r) {
        r.CommonName = QStringLiteral("鉄壁の");
        r.Description = QStringLiteral("一行目\r\n二行目 \"引用\" \\");
    });
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(PieceText(rec).toUtf8(), &err);
    QCOMPARE(err.error, QJsonParseError::NoError);
    QVERIFY(doc.isObject());
    QCOMPARE(doc[QStringLiteral("kind")].toString(), QStringLiteral("character"));
    const QJsonObject data = doc[QStringLiteral("data")].toObject();
    QCOMPARE(data[QStringLiteral("name")].toString(), QStringLiteral("「鉄壁の」ボルグ"));
    QCOMPARE(data[QStringLiteral("initiative")].toDouble(), 9.5);
    QCOMPARE(data[QStringLiteral("memo")].toString(),
             QStringLiteral("「鉄壁の」ボルグ （ドワーフ／男／４０歳）\n一行目\n二行目 \"引用\" \\"));
    const QJsonArray status = data[QStringLiteral("status")].toArray();
    QCOMPARE(status.size(), 2);
    QCOMPARE(status[0][QStringLiteral("label")].toString(), QStringLiteral("生命点"));
    QCOMPARE(status[0][QStringLiteral("value")].toDouble(), 21.0);
    QCOMPARE(status[0][QStringLiteral("max")].toDouble(), 21.0);
    QCOMPARE(status[1][QStringLiteral("label")].toString(), QStringLiteral("精神点"));
    QCOMPARE(status[1][QStringLiteral("max")].toDouble(), 10.0);
    const QJsonArray params = data[QStringLiteral("params")].toArray();
    QCOMPARE(params.size(), PieceParams(rec).size());
    for (const QJsonValue &p : params)
        QVERIFY(p[QStringLiteral("value")].isString());
    QCOMPARE(data[QStringLiteral("commands")].toString(), ChatPalette(rec));

    rec.CommonName.clear();
    rec.Description.clear();
    const QJsonObject plain = QJsonDocument::fromJson(PieceText(rec).toUtf8())[QStringLiteral("data")].toObject();
    QCOMPARE(plain[QStringLiteral("name")].toString(), QStringLiteral("ボルグ"));
    QCOMPARE(plain[QStringLiteral("memo")].toString(), QStringLiteral("ボルグ （ドワーフ／男／４０歳）"));
}

void TestSheetExport::textBytes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("cp932");
    QTest::addColumn<QByteArray>("start"); // the header, its break and the first bytes of the name
    // ＜新規キャラクター＞ in code page 932, then ボ.
    const QByteArray header932 = QByteArray::fromHex("81839056" "8b4b834c" "83838389" "834e835e" "815b8184");
    const QByteArray header8 = QStringLiteral("＜新規キャラクター＞").toUtf8();
    const QByteArray bo932 = QByteArray::fromHex("837b");
    const QByteArray bo8 = QStringLiteral("ボ").toUtf8();
    QTest::newRow("UTF-8 通常") << 0 << false << header8 + "\r\n" + bo8;
    QTest::newRow("UTF-8 段落分け") << 1 << false << header8 + "\r\n\r\n" + bo8;
    QTest::newRow("UTF-8 一行置き") << 2 << false << header8 + "\r\n\r\n" + bo8;
    QTest::newRow("Shift-JIS 通常") << 0 << true << header932 + "\r\n" + bo932;
    QTest::newRow("Shift-JIS 段落分け") << 1 << true << header932 + "\r\n\r\n" + bo932;
    QTest::newRow("Shift-JIS 一行置き") << 2 << true << header932 + "\r\n\r\n" + bo932;
}

void TestSheetExport::textBytes()
{
    QFETCH(int, mode);
    QFETCH(bool, cp932);
    QFETCH(QByteArray, start);
    // A description typed with bare line feeds still ends its lines in CR LF.
    const CharaRecord rec = With(Fighter(), [](CharaRecord &r) { r.Description = QStringLiteral("上\n下"); });
    const QString sheet = SheetText(rec, 1, mode);
    const QByteArray bytes = SheetTextBytes(sheet, cp932 ? TextEncoding::Cp932 : TextEncoding::Utf8);
    QVERIFY(bytes.startsWith(start));
    QString expected = sheet;
    expected.replace(QStringLiteral("上\n下"), QStringLiteral("上\r\n下"));
    QCOMPARE(bytes, cp932 ? EncodeCP932(expected, 1 << 20) : expected.toUtf8());
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(!bytes.endsWith('\n'));
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    if (cp932)
        QCOMPARE(DecodeCP932(bytes), expected);
}

void TestSheetExport::html()
{
    QImage pic(30, 45, QImage::Format_RGB32);
    pic.fill(Qt::red);
    const QString folder = m_tmp->filePath(QStringLiteral("Characters/Portraits"));
    QVERIFY(pic.save(QDir(folder).filePath(QStringLiteral("p.bmp")), "BMP"));
    CharaRecord rec = With(Fighter(), [](CharaRecord &r) {
        r.Name = QStringLiteral("<b>&ボルグ");
        r.PortraitFile = QStringLiteral("p.bmp");
    });
    const QString sheet = SheetText(rec, 1, 1);
    const QString page = QString::fromUtf8(SheetHtml(rec, sheet, folder));
    QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(page.contains(QStringLiteral("@media print")));
    QVERIFY(page.contains(QStringLiteral("IPAGothic")));
    QVERIFY(page.contains(QStringLiteral("&lt;b&gt;&amp;ボルグ")));
    QVERIFY(!page.contains(QStringLiteral("<b>")));
    QVERIFY(page.contains(QStringLiteral("src=\"data:image/png;base64,")));
    // The sheet's lines, columns and all, stand in the pre block.
    for (const QString &line : sheet.split(QStringLiteral("\r\n")))
        QVERIFY2(page.contains(line.toHtmlEscaped()), qPrintable(line));

    rec.PortraitFile = QStringLiteral("missing.bmp");
    const QString without = QString::fromUtf8(SheetHtml(rec, sheet, folder));
    QVERIFY(!without.contains(QStringLiteral("<img")));
    QVERIFY(without.contains(QStringLiteral("<pre class=\"sheet\">")));
}

void TestSheetExport::unsafePortraitNameGivesNoPortrait_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << QStringLiteral("../outside.bmp");
    QTest::newRow("parent folder, backslashes") << QStringLiteral("..\\..\\outside.bmp");
    QTest::newRow("subfolder") << QStringLiteral("sub/outside.bmp");
    QTest::newRow("drive colon") << QStringLiteral("C:outside.bmp");
    QTest::newRow("control character") << QStringLiteral("out\u0001side.bmp");
    QTest::newRow("dots only") << QStringLiteral("..");
    QTest::newRow("none") << QString();
}

void TestSheetExport::unsafePortraitNameGivesNoPortrait()
{
    QFETCH(QString, name);
    // Pictures wherever the stripped or cut name would lead: none may be used.
    QImage pic(8, 8, QImage::Format_RGB32);
    pic.fill(Qt::blue);
    const QString folder = m_tmp->filePath(QStringLiteral("Characters/Portraits"));
    QVERIFY(QDir(folder).mkpath(QStringLiteral("sub")));
    for (const QString &f : {QStringLiteral("outside.bmp"), QStringLiteral("sub/outside.bmp"),
                             QStringLiteral("../outside.bmp"), QStringLiteral("C:outside.bmp"),
                             QStringLiteral("out\u0001side.bmp"), QStringLiteral("out")})
        QVERIFY(pic.save(QDir(folder).filePath(f), "BMP"));
    CharaRecord rec = Fighter();
    rec.PortraitFile = name;
    QVERIFY(SheetPortrait(rec, folder).isNull());
    const QString page = QString::fromUtf8(SheetHtml(rec, SheetText(rec, 1, 1), folder));
    QVERIFY(!page.contains(QStringLiteral("<img")));
}

void TestSheetExport::portraitPipeDoesNotHang()
{
    const QString folder = m_tmp->filePath(QStringLiteral("Characters/Portraits"));
    const QString pipe = QDir(folder).filePath(QStringLiteral("pipe.bmp"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    CharaRecord rec = Fighter();
    rec.PortraitFile = QStringLiteral("pipe.bmp");
    auto done = std::async(std::launch::async, [&] {
        return SheetPortrait(rec, folder).isNull() && !SheetHtml(rec, QStringLiteral("x"), folder).contains("<img");
    });
    const bool finished = done.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!finished) {
        // Release a blocked reader so the test ends: a writer that closes at once.
        for (int i = 0; i < 4 && done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready; ++i) {
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    }
    QVERIFY2(finished, "loading a pipe under a picture's name blocked");
    QVERIFY(done.get());
}

void TestSheetExport::documentTitle()
{
    CharaRecord rec;
    QCOMPARE(DocumentTitle(rec), QStringLiteral("キャラクターシート"));
    rec.Name = QStringLiteral("ボルグ");
    QCOMPARE(DocumentTitle(rec), QStringLiteral("ボルグ - キャラクターシート"));
}

void TestSheetExport::pdfPages()
{
    const QString shortSheet = SheetText(Fighter(), 1, 1);
    const QByteArray pdf = SheetPdf(shortSheet, QImage(), QStringLiteral("t"));
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.size() > 1000);
    QVERIFY(pdf.contains("IPAGothic"));

    auto pages = [](const QString &text, const QImage &portrait) {
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        QPdfWriter w(&buf);
        w.setPageSize(QPageSize(QPageSize::A4));
        return PaintSheet(&w, text, portrait);
    };
    QCOMPARE(pages(shortSheet, QImage()), 1);
    QImage pic(100, 150, QImage::Format_RGB32);
    pic.fill(Qt::blue);
    QCOMPARE(pages(shortSheet, pic), 1);
    const CharaRecord longRec =
        With(Fighter(), [](CharaRecord &r) { r.Description = QStringLiteral("長").repeated(44 * 150); });
    QVERIFY(pages(SheetText(longRec, 1, 2), pic) >= 3);
}

void TestSheetExport::menu()
{
    FormTextSheet w;
    const int before = int(w.menuBar()->actions().size());
    AddOutputMenu(&w);
    const QList<QAction *> bar = w.menuBar()->actions();
    QCOMPARE(int(bar.size()), before + 1);
    QCOMPARE(bar.last()->text(), QStringLiteral("出力(&O)"));
    QCOMPARE(bar.last()->objectName(), QStringLiteral("MenuOutput"));
    QStringList captions;
    for (QAction *a : MenuItems(bar.last()->menu()))
        captions.append(a->objectName() + QLatin1Char('=') + a->text());
    QCOMPARE(captions, (QStringList{QStringLiteral("MenuOutputText=テキストとして保存(&T)…"),
                                    QStringLiteral("MenuOutputHtml=HTMLとして保存(&H)…"),
                                    QStringLiteral("MenuOutputPdf=PDFとして保存(&P)…"),
                                    QStringLiteral("MenuOutputPrint=印刷(&R)…"),
                                    QStringLiteral("MenuOutputCopy=シートをコピー(&C)"),
                                    QStringLiteral("MenuOutputPiece=オンラインセッション用の駒をコピー(&K)")}));
}

void TestSheetExport::menuSavesText_data()
{
    QTest::addColumn<int>("sheetMode");
    QTest::addColumn<int>("crLfMode");
    QTest::addColumn<int>("filter");
    for (int mode = 0; mode < 3; ++mode) {
        QTest::addRow("UTF-8, sheet mode, line breaks %d", mode) << 1 << mode << 0;
        QTest::addRow("Shift-JIS, list mode, line breaks %d", mode) << 0 << mode << 1;
    }
}

void TestSheetExport::menuSavesText()
{
    QFETCH(int, sheetMode);
    QFETCH(int, crLfMode);
    QFETCH(int, filter);
    SheetMode = Byte(sheetMode);
    CrLfMode = Byte(crLfMode);
    FormTextSheet w;
    AddOutputMenu(&w);
    const QString path = m_tmp->filePath(QStringLiteral("out.txt"));
    QStringList offered;
    outputHooks().saveDialog = [&](const QString &, const QString &suggested, const QStringList &filters) {
        offered = filters;
        [&] { QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("ボルグ.txt")); }();
        return std::optional<SaveChoice>(SaveChoice{path, filter});
    };
    Item(w, QStringLiteral("MenuOutputText"))->trigger();
    QCOMPARE(offered.size(), 2);
    QVERIFY(offered[0].contains(QStringLiteral("UTF-8")));
    QVERIFY(offered[1].contains(QStringLiteral("Shift-JIS")));
    const QString sheet = SheetText(CharaWork, sheetMode, crLfMode);
    QCOMPARE(ReadAll(path), SheetTextBytes(sheet, filter == 1 ? TextEncoding::Cp932 : TextEncoding::Utf8));
    QCOMPARE(m_boxes, QStringList{});
    // The temporary file was renamed into place, nothing left beside it.
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::Files), QStringList{QStringLiteral("out.txt")});
    QFile::remove(path);
}

void TestSheetExport::menuSavesHtmlAndPdf()
{
    FormTextSheet w;
    AddOutputMenu(&w);
    QString path;
    outputHooks().saveDialog = [&](const QString &, const QString &, const QStringList &) {
        return std::optional<SaveChoice>(SaveChoice{path, 0});
    };
    path = m_tmp->filePath(QStringLiteral("s.html"));
    Item(w, QStringLiteral("MenuOutputHtml"))->trigger();
    QCOMPARE(ReadAll(path), SheetHtml(CharaWork, SheetText(CharaWork, SheetMode, CrLfMode), QString()));
    path = m_tmp->filePath(QStringLiteral("s.pdf"));
    Item(w, QStringLiteral("MenuOutputPdf"))->trigger();
    const QByteArray pdf = ReadAll(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.size() > 1000);
    QCOMPARE(m_boxes, QStringList{});
}

void TestSheetExport::failedSaveIsReported()
{
    FormTextSheet w;
    AddOutputMenu(&w);
    // A folder that does not exist, and a path that is a folder.
    for (const QString &path : {m_tmp->filePath(QStringLiteral("nowhere/out.txt")), m_tmp->filePath(QStringLiteral("Characters"))}) {
        m_boxes.clear();
        outputHooks().saveDialog = [&](const QString &, const QString &, const QStringList &) {
            return std::optional<SaveChoice>(SaveChoice{path, 0});
        };
        Item(w, QStringLiteral("MenuOutputText"))->trigger();
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].startsWith(QStringLiteral("保存エラー|ファイル(") + QDir::toNativeSeparators(path) +
                                       QStringLiteral(")を保存できませんでした。\r")),
                 qPrintable(m_boxes[0]));
        QVERIFY(m_boxes[0].section(QLatin1Char('\r'), 1).size() > 0); // the reason
    }
    QVERIFY(!QFileInfo::exists(m_tmp->filePath(QStringLiteral("nowhere"))));
    QVERIFY(QFileInfo(m_tmp->filePath(QStringLiteral("Characters"))).isDir());
}

void TestSheetExport::cancelledDialogWritesNothing()
{
    FormTextSheet w;
    AddOutputMenu(&w);
    int asked = 0;
    outputHooks().saveDialog = [&](const QString &, const QString &, const QStringList &) {
        ++asked;
        return std::optional<SaveChoice>();
    };
    outputHooks().printDialog = [&](QPrinter &) {
        ++asked;
        return false;
    };
    for (const char *name : {"MenuOutputText", "MenuOutputHtml", "MenuOutputPdf", "MenuOutputPrint"})
        Item(w, QString::fromLatin1(name))->trigger();
    QCOMPARE(asked, 4);
    // Headless without dialog hooks (the driver): cancelled, never waiting
    // for a dialog nobody can answer.
    outputHooks() = OutputHooks();
    for (const char *name : {"MenuOutputText", "MenuOutputHtml", "MenuOutputPdf", "MenuOutputPrint"})
        Item(w, QString::fromLatin1(name))->trigger();
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::Files), QStringList{});
    QCOMPARE(m_boxes, QStringList{});
}

void TestSheetExport::print()
{
    FormTextSheet w;
    AddOutputMenu(&w);
    const QString path = m_tmp->filePath(QStringLiteral("printed.pdf"));
    outputHooks().printDialog = [&](QPrinter &printer) {
        [&] {
            QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
            QVERIFY(printer.docName().contains(QStringLiteral("ボルグ")));
        }();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    Item(w, QStringLiteral("MenuOutputPrint"))->trigger();
    QVERIFY(ReadAll(path).startsWith("%PDF-"));
    QCOMPARE(m_boxes, QStringList{});
}

void TestSheetExport::copies()
{
    FormTextSheet w;
    AddOutputMenu(&w);
    CrLfMode = 2;
    Item(w, QStringLiteral("MenuOutputCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), SheetText(CharaWork, 1, 2));
    Item(w, QStringLiteral("MenuOutputPiece"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), PieceText(CharaWork));
}

QTEST_MAIN(TestSheetExport)
#include "test_sheet_export.moc"
