// Time of one sheet render: the median over many renders of a full
// character (nine skills, four magic lines, songs, languages, a long
// description), in each line-break mode.
//
// usage: bench-sheet-render [RUNS]   (default 20000)
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#include "shell/chara_record.h"
#include "sheet/sheet_text.h"

namespace {

CharaRecord FullCharacter()
{
    CharaRecord r;
    r.Name = QStringLiteral("アーサー・ペンドラゴン");
    r.CommonName = QStringLiteral("疾風の");
    r.Race = 7;
    r.UndeadType = 1;
    r.Age = 120;
    r.CharaNo = 12;
    r.Ability = {17, 19.5f, 22, 15, 20, 18};
    r.SkillLevel = {5, 3, 2, 4, 2, 3, 4, 5, 1};
    r.AdventurerLevel = 5;
    r.ExpSpent = 123450;
    r.GeneralSkillPoints = 5;
    const QString general[5] = {QStringLiteral("ドラゴンテイマー"), QStringLiteral("マーチャント"),
                                QStringLiteral("クラフトマン"), QStringLiteral("ヒーラー"), QStringLiteral("セイラー")};
    for (int i = 0; i < 5; ++i) {
        r.GeneralSkillName[size_t(i)] = general[i];
        r.GeneralSkillLevel[size_t(i)] = Integer(5 - i);
    }
    r.WeaponName = {QStringLiteral("バスタードソード"), QStringLiteral("マンゴーシュ")};
    r.WeaponMagic = {2, 1};
    r.WeaponStr = {15, 8};
    r.ShieldStr = -1;
    for (int k = 0; k < 4; ++k) {
        r.CombatValue(0, k) = Integer(10 + k);
        r.CombatValue(1, k) = Integer(5 + k);
    }
    r.ArmorName = QStringLiteral("チェインメイル");
    r.ArmorStr = 18;
    r.ArmorMagic = 1;
    r.DefenseValue = {9, 22, 1};
    r.God = 6;
    r.SongFlag[0] = 5;
    for (int i = 0; i < 5; ++i)
        r.SongName[size_t(i)] = QStringLiteral("呪歌") + QString::number(i) + QStringLiteral("番の歌");
    for (int i = 0; i < 12; ++i) {
        r.LangName(i, 0) = QStringLiteral("言語") + QChar(0xFF21 + i);
        r.LangName(i, 1) = QStringLiteral("文字") + QChar(0xFF21 + i);
    }
    r.Description = QStringLiteral("あいうえおかきくけこさしすせそ").repeated(14);
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;
    const CharaRecord rec = FullCharacter();
    qsizetype sink = 0;
    for (int mode = 0; mode < 3; ++mode) {
        std::vector<double> ms;
        ms.reserve(size_t(runs));
        for (int i = 0; i < 100; ++i) // warm-up
            sink += SheetText(rec, 1, mode).size();
        for (int i = 0; i < runs; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            sink += SheetText(rec, 1, mode).size();
            const auto t1 = std::chrono::steady_clock::now();
            ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("sheet render, mode %d: median %.4f ms, p90 %.4f ms over %d runs (%lld characters)\n", mode,
                    ms[ms.size() / 2], ms[ms.size() * 9 / 10], runs,
                    (long long)SheetText(rec, 1, mode).size());
    }
    return sink > 0 ? 0 : 1;
}
