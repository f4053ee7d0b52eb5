// The character file: byte format, code page 932 texts, file names and the
// file steps with their error prompts.
#include <QtTest>

#include "shell/chara_file.h"
#include "shell/chara_record.h"
#include "shell/cp932.h"
#include "shell/file_error_prompt.h"
#include "shell/globals.h"
#include "shell/ui_seam.h"

#include <cerrno>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct ProgramEnded {};

using Bytes = QByteArray;

Bytes Hex(const char *hex) { return QByteArray::fromHex(hex); }

// Every field gets a value of its own, none of them 0 or empty.
void FillDistinct(CharaRecord &r, const QString &textTag = QStringLiteral("名"))
{
    int k = 0;
    forEachField(r, [&](const char *, auto &field) {
        ForEachScalar(field, [&](auto &v) {
            ++k;
            using T = std::remove_cvref_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>)
                v = textTag.repeated(k % 3 + 1) + QString::number(k) + QStringLiteral("ｶﾅ");
            else if constexpr (std::is_same_v<T, Byte>)
                v = Byte(k % 250 + 1);
            else if constexpr (std::is_same_v<T, Integer>)
                v = Integer(k % 2 ? -(1000 + k) : 300 + k);
            else if constexpr (std::is_same_v<T, Long>)
                v = Long(k % 2 ? -(0x01020304 + k) : 0x01020304 + 65537 * k);
            else
                v = Single(k % 2 ? -k - 0.375f : k + 0.25f);
        });
    });
}

struct Scalar {
    QString text;       // "s:" + text for strings, the number otherwise
    qsizetype fileSize; // bytes the scalar takes in the file
    QString empty;      // the text of the same scalar when 0 or empty
};

// The record flattened in file order.
std::vector<Scalar> Scalars(const CharaRecord &r)
{
    std::vector<Scalar> out;
    forEachField(r, [&](const char *, const auto &field) {
        ForEachScalar(field, [&](const auto &v) {
            using T = std::remove_cvref_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>)
                out.push_back({QStringLiteral("s:") + v, 2 + EncodeCP932(v).size(), QStringLiteral("s:")});
            else
                out.push_back({QString::number(double(v), 'g', 9), qsizetype(sizeof(T)), QStringLiteral("0")});
        });
    });
    return out;
}

QStringList Texts(const std::vector<Scalar> &s)
{
    QStringList l;
    for (const Scalar &x : s)
        l << x.text;
    return l;
}

// Every field of a record in file order, for comparing two records.
QStringList Fields(const CharaRecord &r) { return Texts(Scalars(r)); }

// Sets field name (element i of an array, element (i, j) of an Array2).
template <class V>
void SetField(CharaRecord &r, const QByteArray &name, int i, int j, V value)
{
    bool found = false;
    forEachField(r, [&](const char *n, auto &field) {
        if (name != n)
            return;
        found = true;
        auto assign = [&](auto &x) {
            using T = std::remove_cvref_t<decltype(x)>;
            if constexpr (std::is_same_v<V, QString> == std::is_same_v<T, QString>)
                x = static_cast<T>(value);
            else
                QFAIL("value of the wrong kind");
        };
        using F = std::remove_cvref_t<decltype(field)>;
        if constexpr (requires { field.flat; })
            assign(field(i, j));
        else if constexpr (std::is_same_v<F, QString> || std::is_arithmetic_v<F>)
            assign(field);
        else
            assign(field[i]);
    });
    QVERIFY2(found, name.constData());
}

QString FileText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().toHex()) : QString();
}

Bytes FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : Bytes();
}

void PutFile(const QString &path, const Bytes &b)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(b), b.size());
}

} // namespace

class TestCharaFile : public QObject {
    Q_OBJECT

    QTemporaryDir *dir = nullptr;
    QList<MsgAnswer> answers;
    QStringList boxes;
    std::function<void()> onBox;

    QString pathIn(const QString &name) const { return JoinPath(dir->path(), name); }

    static QStringList Boxes(const QString &path, std::initializer_list<int> codes)
    {
        QStringList l;
        for (int c : codes) {
            const PromptText t = FileErrorPromptText(path, c);
            l << t.title + u'|' + t.text;
        }
        return l;
    }

private Q_SLOTS:
    void init()
    {
        dir = new QTemporaryDir;
        QVERIFY(dir->isValid());
        answers.clear();
        boxes.clear();
        onBox = nullptr;
        uiHooks().message = [this](const QString &title, const QString &text, MsgButtons, MsgIcon) {
            boxes << title + u'|' + text;
            if (onBox)
                onBox();
            // An unplanned box skips (known code) or ends (unexpected code),
            // so a wrong retry loop cannot hang the test.
            return answers.isEmpty() ? MsgAnswer::No : answers.takeFirst();
        };
        uiHooks().end = [] { throw ProgramEnded{}; };
    }
    void cleanup()
    {
        uiHooks() = UiHooks{};
        delete dir;
        dir = nullptr;
    }

    // --- byte format ---

    void emptyRecordIs466Bytes()
    {
        const CharaRecord r;
        QCOMPARE(RecordToBytes(r), Bytes(466, '\0'));
    }

    void numberAtOffset_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Sex after two texts") << Bytes("Sex") << 0 << 0 << 1.0 << 4 << Hex("01");
        QTest::newRow("AgeClass") << Bytes("AgeClass") << 0 << 0 << 10.0 << 7 << Hex("0a00");
        QTest::newRow("SkillLevel(8) opens group 2") << Bytes("SkillLevel") << 8 << 0 << 20.0 << 19 << Hex("14");
        QTest::newRow("ExpTotal closes group 2") << Bytes("ExpTotal") << 0 << 0 << 100000.0 << 62 << Hex("a0860100");
        QTest::newRow("Race opens group 3") << Bytes("Race") << 0 << 0 << 9.0 << 66 << Hex("09");
        QTest::newRow("BaseValue(0) single") << Bytes("BaseValue") << 0 << 0 << 1.5 << 67 << Hex("0000c03f");
        QTest::newRow("Ambidextrous closes group 3") << Bytes("Ambidextrous") << 0 << 0 << 1.0 << 131 << Hex("01");
        QTest::newRow("UndeadType closes group 4") << Bytes("UndeadType") << 0 << 0 << 2.0 << 144 << Hex("0200");
        QTest::newRow("Spare1 between groups 4 and 5") << Bytes("Spare1") << 0 << 0 << 4660.0 << 146 << Hex("3412");
        QTest::newRow("Gold little-endian long") << Bytes("Gold") << 0 << 0 << 16909060.0 << 148 << Hex("04030201");
        QTest::newRow("negative long") << Bytes("Gold") << 0 << 0 << -2.0 << 148 << Hex("feffffff");
        QTest::newRow("WeaponStr(1) -1") << Bytes("WeaponStr") << 1 << 0 << -1.0 << 160 << Hex("ffff");
        QTest::newRow("ArmorMagic") << Bytes("ArmorMagic") << 0 << 0 << 3.0 << 193 << Hex("03");
        QTest::newRow("ItemIndex(1,0) second") << Bytes("ItemIndex") << 1 << 0 << 7.0 << 204 << Hex("0700");
        QTest::newRow("ItemIndex(0,1) third") << Bytes("ItemIndex") << 0 << 1 << 8.0 << 206 << Hex("0800");
        QTest::newRow("CombatValue(1,0) second") << Bytes("CombatValue") << 1 << 0 << 5.0 << 212 << Hex("0500");
        QTest::newRow("CombatValue(0,1) third") << Bytes("CombatValue") << 0 << 1 << 6.0 << 214 << Hex("0600");
        QTest::newRow("CombatValue(1,3) last") << Bytes("CombatValue") << 1 << 3 << 11.0 << 224 << Hex("0b00");
        QTest::newRow("DefenseValue(2) closes group 6") << Bytes("DefenseValue") << 2 << 0 << 4.0 << 230 << Hex("0400");
        QTest::newRow("Spare2 between groups 6 and 7") << Bytes("Spare2") << 0 << 0 << -32768.0 << 232 << Hex("0080");
        QTest::newRow("God opens group 7") << Bytes("God") << 0 << 0 << 13.0 << 234 << Hex("0d");
        QTest::newRow("LangFlag(17,0) before mode 1") << Bytes("LangFlag") << 17 << 0 << 1.0 << 309 << Hex("01");
        QTest::newRow("LangFlag(0,1) after mode 0") << Bytes("LangFlag") << 0 << 1 << 2.0 << 310 << Hex("02");
        QTest::newRow("GeneralSkillPoints opens group 8") << Bytes("GeneralSkillPoints") << 0 << 0 << 3.0 << 400 << Hex("0300");
        QTest::newRow("NativeLanguage opens group 9") << Bytes("NativeLanguage") << 0 << 0 << 1.0 << 438 << Hex("0100");
        QTest::newRow("BirthGeneralSkillLevel") << Bytes("BirthGeneralSkillLevel") << 0 << 0 << 2.0 << 460 << Hex("0200");
        QTest::newRow("CharaNo last") << Bytes("CharaNo") << 0 << 0 << 258.0 << 464 << Hex("0201");
    }
    void numberAtOffset()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, i);
        QFETCH(int, j);
        QFETCH(double, value);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        CharaRecord r;
        SetField(r, field, i, j, value);
        Bytes expected(466, '\0');
        expected.replace(offset, bytes.size(), bytes);
        QCOMPARE(RecordToBytes(r).toHex(' '), expected.toHex(' '));
    }

    void textAtOffset_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<int>("offset");
        QTest::newRow("Name first") << Bytes("Name") << 0 << 0 << 0;
        QTest::newRow("Description") << Bytes("Description") << 0 << 0 << 9;
        QTest::newRow("WeaponName(1)") << Bytes("WeaponName") << 1 << 0 << 154;
        QTest::newRow("ShieldName") << Bytes("ShieldName") << 0 << 0 << 174;
        QTest::newRow("ArmorName") << Bytes("ArmorName") << 0 << 0 << 183;
        QTest::newRow("SongName(19)") << Bytes("SongName") << 19 << 0 << 290;
        QTest::newRow("LangName(17,0)") << Bytes("LangName") << 17 << 0 << 362;
        QTest::newRow("LangName(0,1)") << Bytes("LangName") << 0 << 1 << 364;
        QTest::newRow("GeneralSkillName(8)") << Bytes("GeneralSkillName") << 8 << 0 << 418;
        QTest::newRow("BirthGeneralSkill") << Bytes("BirthGeneralSkill") << 0 << 0 << 458;
        QTest::newRow("PortraitFile") << Bytes("PortraitFile") << 0 << 0 << 462;
    }
    void textAtOffset()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, i);
        QFETCH(int, j);
        QFETCH(int, offset);
        CharaRecord r;
        SetField(r, field, i, j, QStringLiteral("Aア"));
        Bytes expected(466, '\0');
        expected[offset] = 3;
        expected.insert(offset + 2, Hex("418341"));
        QCOMPARE(RecordToBytes(r).toHex(' '), expected.toHex(' '));
    }

    void sampleNameBytes()
    {
        CharaRecord r;
        r.Name = QStringLiteral("サンプル");
        r.WeaponStr[1] = -1;
        const Bytes b = RecordToBytes(r);
        QCOMPARE(b.size(), 474);
        QCOMPARE(b.left(10), Hex("0800" "8354" "8393" "8376" "838b"));
        QCOMPARE(b.mid(168, 2), Hex("ffff"));
    }

    void roundTripEveryField()
    {
        CharaRecord r;
        FillDistinct(r);
        CharaRecord back;
        FillDistinct(back, QStringLiteral("古"));
        QVERIFY(RecordFromBytes(RecordToBytes(r), back));
        QCOMPARE(Fields(back), Fields(r));
    }

    void bytesAfterRecordIgnored()
    {
        CharaRecord r;
        FillDistinct(r);
        CharaRecord back;
        QVERIFY(RecordFromBytes(RecordToBytes(r) + Hex("ffff0102030405"), back));
        QCOMPARE(Fields(back), Fields(r));
    }

    // Every cut point: the fields before the cut are read, the rest are 0 or
    // empty, whatever the target held before.
    void truncatedAtEveryByte()
    {
        CharaRecord r;
        FillDistinct(r);
        const Bytes full = RecordToBytes(r);
        const std::vector<Scalar> original = Scalars(r);
        for (qsizetype cut = 0; cut < full.size(); ++cut) {
            CharaRecord out;
            FillDistinct(out, QStringLiteral("古"));
            QVERIFY(!RecordFromBytes(QByteArrayView(full).first(cut), out));
            QStringList expected;
            qsizetype end = 0;
            for (const Scalar &s : original) {
                end += s.fileSize;
                expected << (end <= cut ? s.text : s.empty);
            }
            const QStringList got = Texts(Scalars(out));
            if (got != expected)
                QCOMPARE(got, expected); // report only the first failing cut
        }
    }

    void lengthRunsPastEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        Bytes huge(466, '\0');
        huge[0] = '\xff';
        huge[1] = '\xff';
        QTest::newRow("Name length 65535 in an empty record") << huge;
        Bytes oneShort(466, '\0');
        oneShort[462] = 3; // PortraitFile claims 3 bytes where 2 are left
        QTest::newRow("last text one byte short") << oneShort;
    }
    void lengthRunsPastEnd()
    {
        QFETCH(QByteArray, bytes);
        CharaRecord out;
        FillDistinct(out);
        QVERIFY(!RecordFromBytes(bytes, out));
        // Nothing is half kept: the text and everything after it are empty.
        QVERIFY(out.PortraitFile.isEmpty());
        QCOMPARE(out.CharaNo, Integer(0));
        QVERIFY(out.Description.isEmpty());
    }

    void garbageNeverCrashes()
    {
        std::mt19937 rng(20240607);
        CharaRecord r;
        FillDistinct(r);
        const Bytes valid = RecordToBytes(r);
        auto below = [&](int n) { return int(rng() % unsigned(n)); };
        for (int round = 0; round < 4000; ++round) {
            Bytes b;
            if (round % 2 == 0) {
                b.resize(below(1600));
                for (char &c : b)
                    c = char(rng());
            } else {
                b = valid;
                for (int k = below(8) + 1; k > 0; --k) {
                    const int at = below(int(b.size()) - 1);
                    switch (below(3)) {
                    case 0: b[at] = char(rng()); break;
                    case 1: b[at] = '\xff'; b[at + 1] = '\xff'; break; // huge length
                    default: b[at] = '\x81'; break;                     // lead byte without trail
                    }
                }
                if (below(2))
                    b.truncate(below(int(b.size())));
            }
            CharaRecord out;
            RecordFromBytes(b, out);
            QVERIFY(RecordToBytes(out).size() >= 466);
        }
    }

    void clearRecordEmptiesTextsOnly()
    {
        CharaRecord r;
        FillDistinct(r);
        const std::vector<Scalar> before = Scalars(r);
        ClearRecord(r);
        const std::vector<Scalar> after = Scalars(r);
        QCOMPARE(after.size(), before.size());
        for (std::size_t k = 0; k < after.size(); ++k)
            QCOMPARE(after[k].text, before[k].text.startsWith(QLatin1String("s:")) ? QStringLiteral("s:") : before[k].text);
    }

    // --- code page 932 ---

    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QString() << Bytes();
        QTest::newRow("kana") << QStringLiteral("サンプル") << Hex("835483938376838b");
        QTest::newRow("ascii and half-width kana") << QStringLiteral("Aｱ\\~") << Hex("41b15c7e");
        QTest::newRow("NEC special") << QStringLiteral("①") << Hex("8740");
        QTest::newRow("wave dash 〜 as ～") << QStringLiteral("〜") << Hex("8160");
        QTest::newRow("full-width tilde") << QStringLiteral("～") << Hex("8160");
        QTest::newRow("minus − as －") << QStringLiteral("−") << Hex("817c");
        QTest::newRow("double bar ‖ as ∥") << QStringLiteral("‖") << Hex("8161");
        QTest::newRow("cent pound not") << QStringLiteral("¢£¬") << Hex("8191819281ca");
        QTest::newRow("euro becomes ?") << QStringLiteral("a€b") << Bytes("a?b");
        QTest::newRow("hangul becomes ?") << QStringLiteral("한국") << Bytes("??");
        QTest::newRow("surrogate pair is one ?") << QStringLiteral("a😀b") << Bytes("a?b");
        QTest::newRow("lone high surrogate") << (QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")) << Bytes("a?b");
        QTest::newRow("lone low surrogate at end") << (QStringLiteral("ア") + QChar(0xDC00)) << Hex("83413f");
        // 81 FC then FC 4B: the bytes FC FC appear without any substitution.
        QTest::newRow("FC FC across two characters") << QStringLiteral("◯\u9ED1") << Hex("81fcfc4b");
        QTest::newRow("unmappable keeps the rest") << QStringLiteral("€サ😀ン") << Hex("3f83543f8393");
        // Invisible characters the converter would drop without a trace.
        QTest::newRow("zero-width space") << QStringLiteral("a\u200Bb") << Hex("613f62");
        QTest::newRow("variation selector") << QStringLiteral("サ\uFE0F") << Hex("83543f");
        QTest::newRow("control codes one to one") << QStringLiteral("\u001A\u001C\u007F") << Hex("1a1c7f");
    }
    void asciiRoundTripsByteForByte()
    {
        // Windows keeps 00-7F one to one; so must a read and a save.
        QByteArray bytes;
        for (int b = 1; b < 0x80; ++b)
            bytes += char(b);
        const QString text = DecodeCP932(bytes);
        for (int b = 1; b < 0x80; ++b)
            QCOMPARE(text.at(b - 1).unicode(), char16_t(b));
        QCOMPARE(EncodeCP932(text), bytes);
    }
    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EncodeCP932(text).toHex(' '), bytes.toHex(' '));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << Bytes() << QString();
        QTest::newRow("kana") << Hex("835483938376838b") << QStringLiteral("サンプル");
        QTest::newRow("8160 is full-width tilde") << Hex("8160") << QStringLiteral("～");
        QTest::newRow("backslash stays") << Hex("5c7e") << QStringLiteral("\\~");
        // Bytes that are no character read as the "?" a save writes for them,
        // so a character read, saved and read again keeps the same text.
        QTest::newRow("no character reads as ?") << Hex("61fc5f62") << QStringLiteral("a?b");
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeCP932(bytes), text);
    }

    void decodeKeepsNoStateBetweenTexts()
    {
        DecodeCP932(Hex("6181")); // ends with a lead byte
        QCOMPARE(DecodeCP932(Bytes("b")), QStringLiteral("b"));
    }

    void cutAtWholeCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<QByteArray>("bytes");
        // 亜 is 88 9F: its trail byte looks like a lead byte.
        QTest::newRow("trail byte in lead range") << QStringLiteral("亜亜亜") << 5 << Hex("889f889f");
        QTest::newRow("odd start") << QStringLiteral("a亜亜") << 4 << Hex("61889f");
        QTest::newRow("fits exactly") << QStringLiteral("a亜亜") << 5 << Hex("61889f889f");
        QTest::newRow("nothing fits") << QStringLiteral("亜") << 1 << Bytes();
        const QString a = QStringLiteral("ア");
        QTest::newRow("65536 bytes of kana") << a.repeated(32768) << 65535 << Hex("8341").repeated(32767);
        QTest::newRow("65535 bytes stay") << (QStringLiteral("a") + a.repeated(32767)) << 65535
                                          << (Bytes("a") + Hex("8341").repeated(32767));
        QTest::newRow("cut after substitution") << (QStringLiteral("€") + a.repeated(40000)) << 65535
                                                << (Bytes("?") + Hex("8341").repeated(32767));
        QTest::newRow("many surrogate pairs") << QStringLiteral("😀").repeated(70000) << 65535 << Bytes("?").repeated(65535);
    }
    void cutAtWholeCharacters()
    {
        QFETCH(QString, text);
        QFETCH(int, maxBytes);
        QFETCH(QByteArray, bytes);
        const Bytes got = EncodeCP932(text, maxBytes);
        QCOMPARE(got.size(), bytes.size());
        QVERIFY(got == bytes);
    }

    void longTextIsStoredCut()
    {
        CharaRecord r;
        r.Description = QStringLiteral("ア").repeated(40000);
        r.CharaNo = 7;
        const Bytes b = RecordToBytes(r);
        QCOMPARE(b.size(), 466 + 65534);
        QCOMPARE(b.mid(9, 2), Hex("feff"));
        CharaRecord back;
        QVERIFY(RecordFromBytes(b, back));
        QCOMPARE(back.Description, QStringLiteral("ア").repeated(32767));
        QCOMPARE(back.CharaNo, Integer(7));
    }

    // --- names ---

    void fileNumberText_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00";
        QTest::newRow("7") << 7 << "07";
        QTest::newRow("9") << 9 << "09";
        QTest::newRow("10") << 10 << "10";
        QTest::newRow("99") << 99 << "99";
        QTest::newRow("100") << 100 << "a100";
        QTest::newRow("999") << 999 << "a999";
        QTest::newRow("1000") << 1000 << "b1000";
        QTest::newRow("-1") << -1 << "b-1";
        QTest::newRow("32767") << 32767 << "b32767";
    }
    void fileNumberText()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(FileNumberText(n), text);
    }

    void fileNames()
    {
        QCOMPARE(CharacterFileName(3), QStringLiteral("KTC01-03.ktc"));
        QCOMPARE(CharacterFileName(12), QStringLiteral("KTC01-12.ktc"));
        QCOMPARE(CharacterFileName(100), QStringLiteral("KTC01-a100.ktc"));
        QCOMPARE(NewCharacterFileName(4), QStringLiteral("KTC05.ktc"));
        QCOMPARE(NewCharacterFileName(0), QStringLiteral("KTC01.ktc"));
        QCOMPARE(NewCharacterFileName(99), QStringLiteral("KTCa100.ktc"));
    }

    // --- file steps ---

    void writeCreatesFile()
    {
        const QString path = pathIn(QStringLiteral("KTC01.ktc"));
        CharaRecord r;
        r.Name = QStringLiteral("サンプル");
        r.WeaponStr[1] = -1;
        WriteRecordFile(path, r);
        QCOMPARE(boxes, QStringList());
        QCOMPARE(FileBytes(path), RecordToBytes(r));
    }

    void fileRoundTrip()
    {
        const QString path = pathIn(QStringLiteral("KTC01-01.ktc"));
        CharaRecord r;
        FillDistinct(r);
        WriteRecordFile(path, r);
        CharaRecord back;
        FillDistinct(back, QStringLiteral("古"));
        ReadRecordFile(path, back);
        QCOMPARE(boxes, QStringList());
        QCOMPARE(Fields(back), Fields(r));
    }

    void shorterRecordKeepsFileLength()
    {
        const QString path = pathIn(QStringLiteral("KTC01-02.ktc"));
        CharaRecord longer;
        FillDistinct(longer);
        WriteRecordFile(path, longer);
        const Bytes old = FileBytes(path);
        CharaRecord shorter;
        shorter.Name = QStringLiteral("短");
        shorter.CharaNo = 2;
        WriteRecordFile(path, shorter);
        const Bytes now = FileBytes(path);
        const Bytes record = RecordToBytes(shorter);
        QCOMPARE(now.size(), old.size());
        QVERIFY(now.startsWith(record));
        QVERIFY(now.mid(record.size()) == old.mid(record.size()));
        CharaRecord back;
        ReadRecordFile(path, back);
        QCOMPARE(Fields(back), Fields(shorter));
        QCOMPARE(boxes, QStringList());
    }

    void writeKeepsPermissions()
    {
        const QString path = pathIn(QStringLiteral("KTC01-03.ktc"));
        PutFile(path, Bytes(600, 'x'));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        WriteRecordFile(path, CharaRecord{});
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0640);
        QCOMPARE(FileBytes(path), Bytes(466, '\0') + Bytes(134, 'x'));
    }

    void readTruncatedFileLeavesNoStaleText()
    {
        const QString path = pathIn(QStringLiteral("KTC01-04.ktc"));
        CharaRecord r;
        FillDistinct(r);
        PutFile(path, RecordToBytes(r).left(20)); // Name, CommonName and a bit
        CharaRecord work;
        FillDistinct(work, QStringLiteral("古"));
        ReadRecordFile(path, work);
        QCOMPARE(boxes, QStringList());
        QCOMPARE(work.Name, r.Name);
        QVERIFY(work.Description.isEmpty());
        QVERIFY(work.LangName(3, 1).isEmpty());
        QCOMPARE(work.CharaNo, Integer(0));
    }

    void readMissingFile()
    {
        const QString path = pathIn(QStringLiteral("KTC01-09.ktc"));
        CharaRecord work;
        FillDistinct(work);
        const Integer age = work.Age;
        answers = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Yes}; // retry, skip, continue
        ReadRecordFile(path, work);
        QCOMPARE(boxes, Boxes(path, {53, 53, 52}));
        QVERIFY(!QFile::exists(path));
        QVERIFY(work.Name.isEmpty());
        QCOMPARE(work.Age, age); // a skipped read only clears the texts
    }

    void retryFindsTheFile()
    {
        const QString path = pathIn(QStringLiteral("KTC01-05.ktc"));
        CharaRecord r;
        FillDistinct(r);
        onBox = [&] { PutFile(path, RecordToBytes(r)); };
        answers = {MsgAnswer::Yes};
        CharaRecord work;
        ReadRecordFile(path, work);
        QCOMPARE(boxes, Boxes(path, {53}));
        QCOMPARE(Fields(work), Fields(r));
    }

    void noAfterSkippedOpenEndsProgram()
    {
        const QString path = pathIn(QStringLiteral("KTC01-06.ktc"));
        answers = {MsgAnswer::No, MsgAnswer::No}; // skip the open, then end at code 52
        CharaRecord work;
        bool ended = false;
        try {
            ReadRecordFile(path, work);
        } catch (const ProgramEnded &) {
            ended = true;
        }
        QVERIFY(ended);
        QCOMPARE(boxes, Boxes(path, {53, 52}));
    }

    void failingOpen_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("read: folder missing") << false << "Missing/KTC01-01.ktc" << 76;
        QTest::newRow("write: folder missing") << true << "Missing/KTC01-01.ktc" << 76;
        QTest::newRow("read: folder opened as a file") << false << "Folder" << 75;
        QTest::newRow("write: folder opened as a file") << true << "Folder" << 75;
        QTest::newRow("read: path through a file") << false << "Plain/KTC01-01.ktc" << 76;
    }
    void failingOpen()
    {
        QFETCH(bool, write);
        QFETCH(QString, name);
        QFETCH(int, code);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Folder")));
        PutFile(pathIn(QStringLiteral("Plain")), Bytes("x"));
        const QString path = pathIn(name);
        answers = {MsgAnswer::No, MsgAnswer::Yes}; // skip the open, continue past code 52
        CharaRecord r;
        if (write)
            WriteRecordFile(path, r);
        else
            ReadRecordFile(path, r);
        QCOMPARE(boxes, Boxes(path, {code, 52}));
        QVERIFY(!QFileInfo::exists(pathIn(QStringLiteral("Missing"))));
        QCOMPARE(FileText(pathIn(QStringLiteral("Plain"))), QStringLiteral("78"));
    }

    void readOnlyFile()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        const QString path = pathIn(QStringLiteral("KTC01-07.ktc"));
        PutFile(path, Bytes(466, '\0'));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        CharaRecord r;
        r.Name = QStringLiteral("新");
        answers = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Yes}; // retry, skip, continue
        WriteRecordFile(path, r);
        QCOMPARE(boxes, Boxes(path, {75, 75, 52}));
        QCOMPARE(FileBytes(path), Bytes(466, '\0'));
        boxes.clear();
        CharaRecord back;
        ReadRecordFile(path, back); // reading a read-only file is fine
        QCOMPARE(boxes, QStringList());
    }

    void readOnlyFolder()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        const QString path = pathIn(QStringLiteral("KTC01-08.ktc"));
        PutFile(path, Bytes(500, 'x'));
        const QByteArray folder = QFile::encodeName(dir->path());
        QVERIFY(::chmod(folder.constData(), 0555) == 0);
        answers = {MsgAnswer::No};
        WriteRecordFile(path, CharaRecord{});
        ::chmod(folder.constData(), 0755);
        // No new file can be made beside it, so the writable file is written
        // in place: saved, and the old bytes after the record kept.
        QCOMPARE(boxes, Boxes(path, {}));
        QCOMPARE(FileBytes(path), RecordToBytes(CharaRecord{}) + Bytes(500, 'x').mid(466));
    }

    void errnoMapping_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("ENOENT in an existing folder") << ENOENT << "KTC01-01.ktc" << 53;
        QTest::newRow("ENOENT in a missing folder") << ENOENT << "Missing/KTC01-01.ktc" << 76;
        QTest::newRow("ENOTDIR") << ENOTDIR << "Plain/KTC01-01.ktc" << 76;
        QTest::newRow("EACCES") << EACCES << "Writable" << 70;
        QTest::newRow("EPERM") << EPERM << "KTC01-01.ktc" << 70;
        QTest::newRow("EACCES on a read-only file") << EACCES << "ReadOnly" << 75;
        QTest::newRow("EROFS") << EROFS << "KTC01-01.ktc" << 75;
        QTest::newRow("EISDIR") << EISDIR << "KTC01-01.ktc" << 75;
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << "KTC01-01.ktc" << 75;
        QTest::newRow("ELOOP") << ELOOP << "KTC01-01.ktc" << 75;
        QTest::newRow("ENXIO") << ENXIO << "KTC01-01.ktc" << 68;
        QTest::newRow("ENODEV") << ENODEV << "KTC01-01.ktc" << 68;
        QTest::newRow("EIO") << EIO << "KTC01-01.ktc" << 71;
        QTest::newRow("ENOSPC") << ENOSPC << "KTC01-01.ktc" << 61;
        QTest::newRow("EMFILE") << EMFILE << "KTC01-01.ktc" << 67;
        QTest::newRow("EINVAL") << EINVAL << "KTC01-01.ktc" << 57;
    }
    void errnoMapping()
    {
        QFETCH(int, err);
        QFETCH(QString, name);
        QFETCH(int, code);
        PutFile(pathIn(QStringLiteral("Plain")), Bytes("x"));
        PutFile(pathIn(QStringLiteral("Writable")), Bytes("x"));
        PutFile(pathIn(QStringLiteral("ReadOnly")), Bytes("x"));
        QVERIFY(::chmod(QFile::encodeName(pathIn(QStringLiteral("ReadOnly"))).constData(), 0444) == 0);
        QCOMPARE(FileErrorCodeFromErrno(err, pathIn(name)), code);
    }
};

QTEST_GUILESS_MAIN(TestCharaFile)
#include "test_chara_file.moc"
