// The sheet text renderer: numbers, every block of the sheet, wrapping,
// column padding and the three line-break modes.
#include <QtTest>

#include "shell/chara_record.h"
#include "sheet/sheet_text.h"

Q_DECLARE_METATYPE(CharaRecord)

namespace {

QString Sp(int n) { return QString(n, QLatin1Char(' ')); }
QString Ideos(int n) { return QString(n, QChar(0x3000)); }

// An elf vampire fighter-sorcerer with one weapon, shield, armour,
// languages and a description: every block of the sheet has something.
CharaRecord Base()
{
    CharaRecord r;
    r.Name = QStringLiteral("アーサー");
    r.CommonName = QStringLiteral("疾風の");
    r.Race = 3;
    r.UndeadType = 1;
    r.Sex = 0;
    r.Age = 120;
    r.CharaNo = 12;
    r.Ability = {7, 9.5f, 12, 15, 20, 18};
    r.SkillLevel[0] = 3;
    r.SkillLevel[3] = 2;
    r.SkillLevel[6] = 2;
    r.AdventurerLevel = 3;
    r.ExpSpent = 5000;
    r.GeneralSkillPoints = 1;
    r.GeneralSkillName[0] = QStringLiteral("ファーマー");
    r.GeneralSkillLevel[0] = 2;
    r.GeneralSkillName[1] = QStringLiteral("ハンター");
    r.GeneralSkillLevel[1] = 1;
    r.CombatValue(0, 0) = 5;
    r.CombatValue(0, 1) = 20;
    r.CombatValue(0, 2) = 2;
    r.CombatValue(0, 3) = 10;
    // What the equipment window would have left for the unused off hand.
    r.CombatValue(1, 3) = 7;
    r.WeaponName[0] = QStringLiteral("ロングソード");
    r.WeaponMagic[0] = 1;
    r.WeaponStr[0] = 15;
    r.WeaponStr[1] = -1;
    r.ShieldName = QStringLiteral("スモールシールド");
    r.ShieldStr = 5;
    r.ArmorName = QStringLiteral("ハードレザー");
    r.ArmorStr = 10;
    r.DefenseValue = {4, 12, 0};
    r.LangName(0, 0) = QStringLiteral("西方語");
    r.LangName(1, 0) = QStringLiteral("エルフ語");
    r.LangName(0, 1) = QStringLiteral("西方語");
    r.Description = QStringLiteral("テスト");
    return r;
}

template <class F>
CharaRecord With(F change)
{
    CharaRecord r = Base();
    change(r);
    return r;
}

// The base sheet, line by line, and which lines open a paragraph.
struct Line {
    QString text;
    bool paragraph;
};
const QList<Line> &BaseLines()
{
    static const QList<Line> lines = {
        {QStringLiteral("＜キャラクター Ｎｏ.１２＞"), false},
        {QStringLiteral("「疾風の」アーサー （ヴァンパイアエルフ／男／１２０歳）"), true},
        {QStringLiteral("　器用度　７（＋１）　　 敏捷度９.５（＋１）　　 知力１２（＋２）　　 筋力１５（＋２）"), true},
        {QStringLiteral("　生命力２０（＋３）　　 精神力１８（＋３）"), false},
        {QStringLiteral("　冒険者技能　ファイター３　ソーサラー２　セージ２"), true},
        {QStringLiteral("　一般技能　　ファーマー２　ハンター１"), false},
        {QStringLiteral("　冒険者レベル　３　（総経験点＝５０００）"), true},
        {QStringLiteral("　生命力抵抗力　６　　精神力抵抗力　６　　クリティカル値１０"), false},
        {QStringLiteral("　武器：ロングソード＋１（必要筋力１５）") + Sp(8) +
             QStringLiteral("攻撃力　５　打撃力２０　追加ダメージ　２"),
         true},
        {QStringLiteral("　　盾：スモールシールド（必要筋力５）") + Sp(10) + QStringLiteral("回避力　４"), false},
        {QStringLiteral("　防具：ハードレザー（必要筋力１０）") + Sp(24) + QStringLiteral("防御力１２　ダメージ減少　０"),
         false},
        {QStringLiteral("　魔法：古代語魔法２レベル") + Sp(22) + QStringLiteral("魔力　　４"), true},
        {QStringLiteral("　言語：（会話）西方語　エルフ語"), true},
        {QStringLiteral("　　　　（読解）西方語"), false},
        {QStringLiteral("解説；"), true},
        {QStringLiteral("テスト"), false},
    };
    return lines;
}

// Display column of the character at index i: ASCII one cell, the rest two.
int Column(const QString &line, qsizetype i)
{
    int c = 0;
    for (qsizetype k = 0; k < i; ++k)
        c += line[k].unicode() < 0x80 ? 1 : 2;
    return c;
}

const QString CrLf = QStringLiteral("\r\n");

} // namespace

class TestSheetText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fullWidthNumber_data();
    void fullWidthNumber();
    void lineBreakModes_data();
    void lineBreakModes();
    void blocks_data();
    void blocks();
    void columnsLineUp_data();
    void columnsLineUp();
};

void TestSheetText::fullWidthNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<int>("w");
    QTest::addColumn<QString>("text");
    QTest::newRow("one digit padded") << 7.0 << false << 1 << QStringLiteral("　７");
    QTest::newRow("one digit bare") << 7.0 << false << 0 << QStringLiteral("７");
    QTest::newRow("two digits fill the cells") << 12.0 << false << 1 << QStringLiteral("１２");
    QTest::newRow("three digits") << 120.0 << false << 1 << QStringLiteral("１２０");
    QTest::newRow("zero") << 0.0 << false << 1 << QStringLiteral("　０");
    QTest::newRow("negative keeps an ASCII sign") << -1.0 << false << 1 << QStringLiteral(" -１");
    QTest::newRow("single whole number has no point") << 7.0 << true << 1 << QStringLiteral("　７");
    QTest::newRow("single with a fraction") << 9.5 << true << 1 << QStringLiteral("９.５");
    QTest::newRow("single tenth") << 0.1 << true << 0 << QStringLiteral("０.１");
    QTest::newRow("negative single") << -2.5 << true << 0 << QStringLiteral(" -２.５");
}

void TestSheetText::fullWidthNumber()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(int, w);
    QFETCH(QString, text);
    if (single)
        QCOMPARE(FullWidthNumber(float(value), w), text);
    else
        QCOMPARE(FullWidthNumber((long long)value, w), text);
    // The record's narrow fields reach the same text.
    if (!single)
        QCOMPARE(FullWidthNumber(Integer(value), w), text);
}

void TestSheetText::lineBreakModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("within");
    QTest::addColumn<QString>("between");
    QTest::newRow("通常 single-spaced") << 0 << CrLf << CrLf;
    QTest::newRow("段落分け empty line between paragraphs") << 1 << CrLf << CrLf + CrLf;
    QTest::newRow("一行置き empty line after every line") << 2 << CrLf + CrLf << CrLf + CrLf;
    QTest::newRow("unknown mode as 通常") << 7 << CrLf << CrLf;
}

void TestSheetText::lineBreakModes()
{
    QFETCH(int, mode);
    QFETCH(QString, within);
    QFETCH(QString, between);
    for (int sheetMode : {1, 0}) {
        QString expected;
        bool first = true;
        for (const Line &l : BaseLines().mid(sheetMode == 1 ? 0 : 1)) {
            if (!first)
                expected += l.paragraph ? between : within;
            expected += l.text;
            first = false;
        }
        const QString text = SheetText(Base(), sheetMode, mode);
        QCOMPARE(text, expected);
        QVERIFY(!text.endsWith(CrLf));
    }
}

void TestSheetText::blocks_data()
{
    QTest::addColumn<CharaRecord>("rec");
    QTest::addColumn<int>("sheetMode");
    QTest::addColumn<int>("at");             // index of the block's first line, -1 anywhere
    QTest::addColumn<QStringList>("block");  // consecutive lines of the 通常 text
    QTest::addColumn<QStringList>("absent"); // texts found nowhere

    const QString identity = BaseLines()[1].text;
    QTest::newRow("header of a new character")
        << With([](CharaRecord &r) { r.CharaNo = 0; }) << 1 << 0
        << QStringList{QStringLiteral("＜新規キャラクター＞"), identity} << QStringList{};
    QTest::newRow("list mode has no header")
        << Base() << 0 << 0 << QStringList{identity} << QStringList{QStringLiteral("＜")};

    QTest::newRow("human vampire shows only the template")
        << With([](CharaRecord &r) { r.Race = 0; r.Sex = 1; r.Age = 20; }) << 0 << 0
        << QStringList{QStringLiteral("「疾風の」アーサー （ヴァンパイア／女／２０歳）")} << QStringList{};
    QTest::newRow("no common name, no-life king dwarf")
        << With([](CharaRecord &r) { r.CommonName.clear(); r.Race = 1; r.UndeadType = 2; }) << 0 << 0
        << QStringList{QStringLiteral("アーサー （ノーライフキングドワーフ／男／１２０歳）")} << QStringList{};
    QTest::newRow("living elf")
        << With([](CharaRecord &r) { r.UndeadType = 0; }) << 0 << 0
        << QStringList{QStringLiteral("「疾風の」アーサー （エルフ／男／１２０歳）")} << QStringList{};
    QTest::newRow("indexes from a damaged file name nothing")
        << With([](CharaRecord &r) { r.Race = 200; r.Sex = 9; r.UndeadType = 5; r.God = 200; r.SkillLevel[5] = 1; })
        << 0 << 0 << QStringList{QStringLiteral("「疾風の」アーサー （／／１２０歳）")} << QStringList{};

    QTest::newRow("no skills: なし, no magic, no song")
        << With([](CharaRecord &r) { r.SkillLevel = {}; r.AdventurerLevel = 0; }) << 0 << 3
        << QStringList{QStringLiteral("　冒険者技能　なし"), BaseLines()[5].text}
        << QStringList{QStringLiteral("魔法："), QStringLiteral("呪歌")};

    const auto priest = [](int god) {
        return With([god](CharaRecord &r) {
            r.SkillLevel = {};
            r.SkillLevel[5] = 2;
            r.AdventurerLevel = 2;
            r.God = Byte(god);
        });
    };
    QTest::newRow("dark priest of God 6")
        << priest(6) << 0 << -1
        << QStringList{QStringLiteral("　冒険者技能　ダークプリースト２")} << QStringList{QStringLiteral("神聖魔法")};
    QTest::newRow("dark priest magic names the deity")
        << priest(6) << 0 << -1
        << QStringList{QStringLiteral("　魔法：暗黒魔法（ゾルガン）２レベル") + Sp(12) + QStringLiteral("魔力　　４")}
        << QStringList{};
    QTest::newRow("deity above 10 is dark")
        << priest(11) << 0 << -1
        << QStringList{QStringLiteral("　魔法：暗黒魔法（名もなき狂気の神）２レベル") + Sp(4) + QStringLiteral("魔力　　４")}
        << QStringList{QStringLiteral("　プリースト")};
    QTest::newRow("priest without deity: local god")
        << priest(0) << 0 << -1
        << QStringList{QStringLiteral("　冒険者技能　プリースト２"), BaseLines()[5].text}
        << QStringList{QStringLiteral("ダーク")};
    QTest::newRow("priest without deity magic line")
        << priest(0) << 0 << -1
        << QStringList{QStringLiteral("　魔法：神聖魔法（地方神）２レベル") + Sp(14) + QStringLiteral("魔力　　４")}
        << QStringList{};
    QTest::newRow("priest of a light deity")
        << priest(1) << 0 << -1
        << QStringList{QStringLiteral("　魔法：神聖魔法（オルディア）２レベル") + Sp(10) + QStringLiteral("魔力　　４")}
        << QStringList{};

    QTest::newRow("dark elf mind resistance is 4 higher")
        << With([](CharaRecord &r) { r.Race = 7; }) << 0 << -1
        << QStringList{QStringLiteral("　生命力抵抗力　６　　精神力抵抗力１０　　クリティカル値１０")} << QStringList{};

    QTest::newRow("one two-handed weapon")
        << With([](CharaRecord &r) { r.WeaponKind[0] = 3; }) << 0 << -1
        << QStringList{QStringLiteral("　武器：両／ロングソード＋１（必要筋力１５）") + Sp(4) +
                       QStringLiteral("攻撃力　５　打撃力２０　追加ダメージ　２"),
                       BaseLines()[9].text}
        << QStringList{QStringLiteral("右／")};
    const CharaRecord twoWeapons = With([](CharaRecord &r) {
        r.ShieldStr = -1;
        r.ShieldName.clear();
        r.WeaponKind = {1, 1}; // with two weapons the kind does not matter
        r.WeaponName[1] = QStringLiteral("ダガー");
        r.WeaponStr[1] = 3;
        r.CombatValue(1, 0) = 4;
        r.CombatValue(1, 1) = 6;
        r.CombatValue(1, 2) = 2;
        r.CombatValue(1, 3) = 9;
    });
    QTest::newRow("two weapons: right and left, shield line kept")
        << twoWeapons << 0 << -1
        << QStringList{QStringLiteral("　武器：右／ロングソード＋１（必要筋力１５）") + Sp(4) +
                           QStringLiteral("攻撃力　５　打撃力２０　追加ダメージ　２"),
                       QStringLiteral("　　　　左／ダガー（必要筋力３）") + Sp(16) +
                           QStringLiteral("攻撃力　４　打撃力　６　追加ダメージ　２"),
                       QStringLiteral("　　盾：") + Sp(40) + QStringLiteral("回避力　４")}
        << QStringList{QStringLiteral("両／")};
    QTest::newRow("two weapons: the record's own second critical value")
        << twoWeapons << 0 << -1
        << QStringList{QStringLiteral("　生命力抵抗力　６　　精神力抵抗力　６　　クリティカル値１０／　９")}
        << QStringList{};
    QTest::newRow("one weapon shows one critical value")
        << Base() << 0 << -1 << QStringList{BaseLines()[7].text} << QStringList{QStringLiteral("１０／")};
    QTest::newRow("magic bonuses and no strength")
        << With([](CharaRecord &r) { r.ShieldMagic = 2; r.ShieldStr = 0; r.ArmorMagic = 1; r.ArmorStr = 0; })
        << 0 << -1
        << QStringList{QStringLiteral("　　盾：スモールシールド＋２") + Sp(20) + QStringLiteral("回避力　４"),
                       QStringLiteral("　防具：ハードレザー＋１") + Sp(36) + QStringLiteral("防御力１２　ダメージ減少　０")}
        << QStringList{};
    QTest::newRow("pad: a long weapon leaves no spaces")
        << With([](CharaRecord &r) { r.WeaponName[0] = QStringLiteral("伝説の聖剣エクスカリバーオブアヴァロン"); })
        << 0 << -1
        << QStringList{QStringLiteral("　武器：伝説の聖剣エクスカリバーオブアヴァロン＋１（必要筋力１５）"
                                      "攻撃力　５　打撃力２０　追加ダメージ　２")}
        << QStringList{};

    QTest::newRow("nine skills all listed, four magic lines")
        << With([](CharaRecord &r) {
               r.SkillLevel.fill(1);
               r.AdventurerLevel = 1;
           })
        << 0 << 3
        << QStringList{QStringLiteral("　冒険者技能　ファイター１　シーフ１　レンジャー１　ソーサラー１　シャーマン１"),
                       QStringLiteral("　　　　　　　プリースト１　セージ１　バード１　ドラゴンプリースト１"),
                       BaseLines()[5].text,
                       QStringLiteral("　冒険者レベル　１　（総経験点＝５０００）"),
                       QStringLiteral("　生命力抵抗力　４　　精神力抵抗力　４　　クリティカル値１０"),
                       BaseLines()[8].text,
                       BaseLines()[9].text,
                       BaseLines()[10].text,
                       QStringLiteral("　魔法：古代語魔法１レベル") + Sp(22) + QStringLiteral("魔力　　３"),
                       QStringLiteral("　　　　精霊魔法１レベル") + Sp(24) + QStringLiteral("魔力　　３"),
                       QStringLiteral("　　　　神聖魔法（地方神）１レベル") + Sp(14) + QStringLiteral("魔力　　３"),
                       QStringLiteral("　　　　竜語魔法１レベル") + Sp(24) + QStringLiteral("魔力　　３"),
                       QStringLiteral("　呪歌（基準値４）："),
                       BaseLines()[12].text}
        << QStringList{};
    QTest::newRow("magic lines follow the skill order by level")
        << With([](CharaRecord &r) { r.SkillLevel[4] = 3; }) << 0 << -1
        << QStringList{QStringLiteral("　魔法：精霊魔法３レベル") + Sp(24) + QStringLiteral("魔力　　５"),
                       QStringLiteral("　　　　古代語魔法２レベル") + Sp(22) + QStringLiteral("魔力　　４")}
        << QStringList{};

    QTest::newRow("general skills need points")
        << With([](CharaRecord &r) { r.GeneralSkillPoints = 0; }) << 0 << -1 << QStringList{}
        << QStringList{QStringLiteral("一般技能")};
    QTest::newRow("general skills stop at the first empty slot")
        << With([](CharaRecord &r) { r.GeneralSkillLevel[1] = 0; r.GeneralSkillName[2] = QStringLiteral("セイラー"); r.GeneralSkillLevel[2] = 1; })
        << 0 << 4 << QStringList{QStringLiteral("　一般技能　　ファーマー２"), BaseLines()[6].text}
        << QStringList{QStringLiteral("セイラー")};
    QTest::newRow("general skills wrap at 39")
        << With([](CharaRecord &r) {
               const QStringList names = {QStringLiteral("ドラゴンテイマー"), QStringLiteral("マーチャント"),
                                          QStringLiteral("クラフトマン"), QStringLiteral("ヒーラー"),
                                          QStringLiteral("セイラー")};
               for (int i = 0; i < 5; ++i) {
                   r.GeneralSkillName[size_t(i)] = names[i];
                   r.GeneralSkillLevel[size_t(i)] = 1;
               }
               r.GeneralSkillPoints = 5;
           })
        << 0 << 4
        << QStringList{QStringLiteral("　一般技能　　ドラゴンテイマー１　マーチャント１　クラフトマン１　ヒーラー１"),
                       Ideos(7) + QStringLiteral("セイラー１"), BaseLines()[6].text}
        << QStringList{};

    QTest::newRow("songs wrap at 44 without counting the separator")
        << With([](CharaRecord &r) {
               r.SkillLevel[7] = 2;
               r.SongFlag[0] = 7;
               for (int i = 0; i < 7; ++i)
                   r.SongName[size_t(i)] = QStringLiteral("呪歌曲") + QChar(0xFF21 + i) + QStringLiteral("番");
           })
        << 0 << -1
        << QStringList{BaseLines()[11].text,
                       QStringLiteral("　呪歌（基準値５）：呪歌曲Ａ番　呪歌曲Ｂ番　呪歌曲Ｃ番　呪歌曲Ｄ番　呪歌曲Ｅ番　呪歌曲Ｆ番"),
                       Ideos(10) + QStringLiteral("呪歌曲Ｇ番"), BaseLines()[12].text}
        << QStringList{};
    QTest::newRow("languages wrap at 44, none read")
        << With([](CharaRecord &r) {
               for (int i = 0; i < 10; ++i)
                   r.LangName(i, 0) = QStringLiteral("言語") + QChar(0xFF21 + i);
               r.LangName(0, 1).clear();
           })
        << 0 << -1
        << QStringList{QStringLiteral("　言語：（会話）言語Ａ　言語Ｂ　言語Ｃ　言語Ｄ　言語Ｅ　言語Ｆ　言語Ｇ　言語Ｈ　言語Ｉ"),
                       Ideos(8) + QStringLiteral("言語Ｊ"), QStringLiteral("　　　　（読解）なし")}
        << QStringList{};
    QTest::newRow("languages stop at the first empty entry")
        << With([](CharaRecord &r) { r.LangName(1, 0).clear(); r.LangName(2, 0) = QStringLiteral("東方語"); })
        << 0 << -1 << QStringList{QStringLiteral("　言語：（会話）西方語")} << QStringList{QStringLiteral("東方語")};

    const QString hundred = QStringLiteral("あいうえおかきくけこ").repeated(10);
    QTest::newRow("100-character description: 44, 44 and 12")
        << With([&](CharaRecord &r) { r.Description = hundred; }) << 0 << -1
        << QStringList{BaseLines()[13].text, QStringLiteral("解説；"), hundred.left(44), hundred.mid(44, 44),
                       hundred.mid(88)}
        << QStringList{};
    QTest::newRow("88 characters end with an empty piece")
        << With([&](CharaRecord &r) { r.Description = hundred.left(88); }) << 0 << -1
        << QStringList{QStringLiteral("解説；"), hundred.left(44), hundred.mid(44, 44), QString()} << QStringList{};
    QTest::newRow("no description, no block")
        << With([](CharaRecord &r) { r.Description.clear(); }) << 0 << -1 << QStringList{}
        << QStringList{QStringLiteral("解説")};
}

void TestSheetText::blocks()
{
    QFETCH(CharaRecord, rec);
    QFETCH(int, sheetMode);
    QFETCH(int, at);
    QFETCH(QStringList, block);
    QFETCH(QStringList, absent);

    const QString text = SheetText(rec, sheetMode, 0);
    const QStringList lines = text.split(CrLf);
    if (!block.isEmpty()) {
        qsizetype start = at;
        if (start < 0) {
            start = lines.indexOf(block.first());
            if (start < 0)
                qInfo().noquote() << text;
            QVERIFY2(start >= 0, qPrintable(QStringLiteral("missing line: ") + block.first()));
        }
        QCOMPARE(lines.mid(start, block.size()), block);
    }
    for (const QString &s : absent)
        QVERIFY2(!text.contains(s), qPrintable(s));
}

void TestSheetText::columnsLineUp_data()
{
    QTest::addColumn<CharaRecord>("rec");
    QTest::newRow("base") << Base();
    QTest::newRow("two weapons, magic shield") << With([](CharaRecord &r) {
        r.ShieldStr = -1;
        r.WeaponName[1] = QStringLiteral("ショートソード");
        r.WeaponMagic[1] = 2;
        r.ArmorMagic = 3;
    });
    QTest::newRow("four magic skills") << With([](CharaRecord &r) {
        r.SkillLevel = {0, 0, 0, 1, 1, 1, 0, 0, 1};
        r.AdventurerLevel = 1;
        r.God = 12;
    });
}

void TestSheetText::columnsLineUp()
{
    QFETCH(CharaRecord, rec);
    const QStringList lines = SheetText(rec, 0, 0).split(CrLf);
    int checked = 0;
    for (const QString &line : lines) {
        for (const auto &[label, column] : {std::pair{QStringLiteral("攻撃力"), 48}, {QStringLiteral("回避力"), 48},
                                            {QStringLiteral("魔力　"), 48}, {QStringLiteral("防御力"), 60}}) {
            const qsizetype i = line.indexOf(label);
            if (i < 0 || line.startsWith(QStringLiteral("　生命力")))
                continue;
            QCOMPARE(Column(line, i), column);
            ++checked;
        }
    }
    QVERIFY(checked >= 4);
}

QTEST_APPLESS_MAIN(TestSheetText)
#include "test_sheet_text.moc"
