// Writes the fuzzer's seed corpus: real characters rolled by the program's
// own new-character generation for every race, dressed in every weapon kind,
// shield or second weapon and armour, plus characters with long and unusual
// texts, all saved with the program's writer.
//   ktcmt-fuzz-corpus OUTDIR
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <limits>

#include "abilities/form_ability.h"
#include "abilities/race_tables.h"
#include "shell/app.h"
#include "shell/chara_file.h"
#include "shell/chara_record.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/random.h"
#include "shell/ui_seam.h"
#include "skills/skill_rules.h"

namespace {

struct Weapon {
    const char *name;
    int number;
    int kind; // 0 one-handed, 1 two-handed, 2 and 3 the same usable with レンジャー
    int str;
    int hitMod;
    int ratingMod;
    int critical;
};

// One row of each kind from the weapon table.
const Weapon Weapons[] = {
    {"ブロードソード", 10, 0, 12, 0, 0, 10},
    {"バスタードソード", 13, 1, 15, 0, 5, 10},
    {"ショートスピア", 23, 2, 8, -1, 5, 10},
    {"ロングボウ", 45, 3, 12, 0, 5, 10},
};
const char *const Armours[] = {"なし", "クロースアーマー", "ソフトレザーアーマー", "ハードレザーアーマー",
                               "リングメイルアーマー", "スプリントアーマー", "チェインメイルアーマー",
                               "ラメラーアーマー", "プレートアーマー"};
const char *const Shields[] = {"なし", "スモールシールド", "ラージシールド"};

void setWeapon(CharaRecord &r, int slot, const Weapon &w, int magic)
{
    r.WeaponName[slot] = QString::fromUtf8(w.name);
    r.WeaponKind[slot] = Byte(w.kind);
    r.WeaponStr[slot] = Integer(w.str);
    r.WeaponHitMod[slot] = Integer(w.hitMod);
    r.WeaponRatingMod[slot] = Integer(w.ratingMod);
    r.WeaponCritical[slot] = Byte(w.critical);
    r.WeaponMagic[slot] = Byte(magic);
    r.ItemIndex(0, slot) = Integer(w.number);
    r.ItemPrice[slot == 0 ? 0 : 3] = Integer(10 * w.str + 40);
    for (int k = 0; k < 4; ++k)
        r.CombatValue(slot, k) = Integer(w.str + k - w.hitMod);
}

// Variant v: slot 0 of kind v % 4; with a one-handed first weapon a second
// one (v 4 to 7, 12 to 15, ...) or a shield, with a two-handed one neither;
// armour v % 9.
void equip(CharaRecord &r, int v)
{
    const Weapon &main = Weapons[v % 4];
    setWeapon(r, 0, main, v % 3);
    const bool twoWeapons = (main.kind % 2 == 0) && (v / 4) % 2 == 1;
    if (twoWeapons) {
        setWeapon(r, 1, Weapons[main.kind == 0 ? 2 : 0], 0);
        r.ShieldName.clear();
        r.ShieldStr = -1;
    } else {
        r.WeaponName[1].clear();
        r.WeaponStr[1] = -1;
        const int s = main.kind % 2 ? 0 : 1 + (v / 2) % 2;
        r.ShieldName = QString::fromUtf8(Shields[s]);
        r.ShieldStr = Integer(s == 2 ? 13 : s);
        r.ShieldEvasion = Integer(s);
        r.ShieldHitMod = Integer(s == 2 ? -1 : 0);
        r.ShieldMagic = Byte(v % 2);
        r.ItemIndex(1, 0) = Integer(s);
        r.ItemPrice[1] = Integer(s == 2 ? 300 : 60 * s);
    }
    const int a = v % 9;
    r.ArmorName = QString::fromUtf8(Armours[a]);
    r.ArmorStr = Integer(a == 0 ? 0 : 4 + a);
    r.ArmorEvasionMod = Integer(a >= 5 ? -1 : 0);
    r.ArmorRatingMod = Integer(a >= 5 ? 5 : 0);
    r.ArmorEffectA = Byte(a >= 4);
    r.ArmorEffectB = Byte(a >= 5);
    r.ArmorMagic = Byte(v % 4);
    r.ItemIndex(1, 1) = Integer(a);
    r.ItemPrice[2] = Integer(30 * a);
    for (int k = 0; k < 3; ++k)
        r.DefenseValue[k] = Integer(a + k);
}

bool write(const QString &dir, const QString &name, const CharaRecord &r)
{
    const QString path = QDir(dir).filePath(name);
    QFile::remove(path); // the writer keeps the tail of a longer old file
    WriteRecordFile(path, r);
    std::printf("%s\n", qPrintable(name));
    return QFile::exists(path);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ktcmt-fuzz-corpus OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Characters/Portraits"));
    uiHooks().beep = [] {};
    SetProgramFolder(folder.path());
    SeedRandom(20261209);
    StartProgram();
    KTimer::drainPending();

    bool ok = true;
    for (int race = 0; race < RaceCount; ++race) {
        formAbility()->ComboLace->setListIndex(race);
        KTimer::drainPending();
        equip(Chara, race);
        ok &= write(out, QStringLiteral("race%1.ktc").arg(race), Chara);
    }

    // Long texts: a description past the 65535 bytes a text can hold (the
    // writer cuts it), every song, language and general-skill name used.
    formAbility()->ComboLace->setListIndex(5);
    KTimer::drainPending();
    CharaRecord r = Chara;
    equip(r, 6);
    r.Name = QStringLiteral("アレクサンドラ・フォン・ヴァイセンベルク").repeated(20);
    r.CommonName = QStringLiteral("長い通り名").repeated(100);
    QString description;
    for (int line = 0; description.size() < 40000; ++line)
        description += QStringLiteral("%1行目：冒険者の店で仲間を待っている。ｶﾀｶﾅも混ぜて。\r\n").arg(line);
    r.Description = description;
    for (int k = 0; k < int(r.SongName.size()); ++k) {
        r.SongName[k] = QStringLiteral("呪歌%1番").arg(k);
        r.SongFlag[k % r.SongFlag.size()] = 1;
    }
    for (int i = 0; i < 18; ++i) {
        for (int j = 0; j < 2; ++j) {
            r.LangName(i, j) = QStringLiteral("言語%1の%2").arg(i).arg(j ? QStringLiteral("読み") : QStringLiteral("会話"));
            r.LangFlag(i, j) = 1;
        }
    }
    for (int k = 0; k < int(r.GeneralSkillName.size()); ++k) {
        r.GeneralSkillName[k] = GeneralSkillChoices[k % GeneralSkillChoices.size()] + QString::number(k);
        r.GeneralSkillLevel[k] = Integer(9 - k);
    }
    r.PortraitFile = QStringLiteral("とても長い名前の肖像画ファイル").repeated(8) + QStringLiteral(".jpg");
    ok &= write(out, QStringLiteral("long-texts.ktc"), r);

    // Characters the code page treats specially: NEC and IBM extensions,
    // half-width kana, the signs Windows writes in full width, control
    // codes, and characters it has no code for (written as "?").
    r = Chara;
    equip(r, 3);
    r.Name = QStringLiteral("①Ⅻ㈱纊髙ｱｲｳ");
    r.CommonName = QStringLiteral("〜−‖¢£¬～");
    r.Description = QStringLiteral("a\u001A\u001C\u007Fb\\~€😀한\r\n");
    r.PortraitFile = QStringLiteral("肖像.bmp");
    ok &= write(out, QStringLiteral("code-page.ktc"), r);

    // Empty texts and numbers at the ends of their ranges.
    CharaRecord edge;
    edge.WeaponStr[1] = -1;
    edge.Sex = 255;
    edge.Age = std::numeric_limits<Integer>::min();
    edge.ExpTotal = std::numeric_limits<Long>::max();
    edge.ExpSpent = std::numeric_limits<Long>::min();
    edge.Gold = -1;
    edge.BaseValue[0] = std::numeric_limits<Single>::quiet_NaN();
    edge.BaseValue[1] = std::numeric_limits<Single>::infinity();
    edge.BaseValue[2] = -0.0f;
    edge.CharaNo = std::numeric_limits<Integer>::max();
    ok &= write(out, QStringLiteral("empty-texts.ktc"), edge);

    return ok ? 0 : 1;
}
