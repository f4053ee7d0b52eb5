#include "sheet/sheet_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>
#include "abilities/ability_rules.h"
#include "abilities/race_tables.h"
#include "languages/lang_tables.h"
#include "profile/profile_tables.h"
#include "shell/chara_record.h"
#include "shell/numtext.h"
#include "skills/skill_rules.h"

namespace {

constexpr char16_t Ideo = u'\u3000'; // ideographic space

QString Ideos(int n) { return QString(n, QChar(Ideo)); }

// The digits, point and sign of a plain decimal text in full width.
QString FullWidthText(const QString &s, int w)
{
    QString out;
    out.reserve(int(s.size()) * 2 + 2);
    if (w > 0 && s.size() < w + 1)
        out.fill(QChar(Ideo), w + 1 - int(s.size()));
    for (QChar c : s) {
        if (c >= u'0' && c <= u'9')
            out += QChar(char16_t(u'０' + (c.unicode() - u'0')));
        else if (c == u'.')
            out += c;
        else if (c == u'-')
            out += QStringLiteral(" -");
    }
    return out;
}

QString N(long long x) { return FullWidthNumber(x, 0); }
QString N2(long long x) { return FullWidthNumber(x, 1); }

template <class Table>
QString ListText(const Table &table, long long index)
{
    // Stored indexes come from files too; one outside the list names nothing.
    return index >= 0 && index < (long long)table.size() ? table[size_t(index)] : QString();
}

// Builds the text with each break in front of the line it introduces.
struct Writer {
    QString text;
    QString b0, b1;
    void line(const QString &brk, const QString &s)
    {
        text += brk;
        text += s;
    }
};

// One item of a wrapped list and what it adds to the test string.
struct WrapItem {
    QString text; // appended (after the separator) or starts a new line
    int testExtra; // characters the item adds to the current line's length test
};

// A wrapped list: the label opens the first line (introduced by intro), a
// further line begins with the indent and the item (introduced by B0).
// sepFirst: whether the first item is separated from the label by "　".
void WrapList(Writer &w, const QString &intro, const QString &label, const std::vector<WrapItem> &items,
              const QString &indent, int limit, bool sepFirst)
{
    QString cur = label;
    const QString *brk = &intro;
    bool first = true;
    for (const WrapItem &item : items) {
        if (cur.size() + item.testExtra > limit) {
            w.line(*brk, cur);
            brk = &w.b0;
            cur = indent + item.text;
        } else {
            if (!first || sepFirst)
                cur += QChar(Ideo);
            cur += item.text;
        }
        first = false;
    }
    w.line(*brk, cur);
}

long long Bonus(const CharaRecord &rec, int i) { return AbilityBonus(rec.Ability[size_t(i)]); }

// "名前２（＋０）" style ability text: the label, N2 of the ability, its bonus.
QString AbilityText(const CharaRecord &rec, const QString &label, int i)
{
    return label + FullWidthNumber(rec.Ability[size_t(i)], 1) + QStringLiteral("（＋") + N(Bonus(rec, i)) +
           QStringLiteral("）");
}

// " 追加" parts of an item: "＋" magic and "（必要筋力" strength "）".
QString Extras(int magic, int strength)
{
    QString s;
    if (magic > 0)
        s += QStringLiteral("＋") + N(magic);
    if (strength > 0)
        s += QStringLiteral("（必要筋力") + N(strength) + QStringLiteral("）");
    return s;
}

// Cuts s into pieces of n characters (a surrogate pair counts as one);
// pieces = Int(length / n) + 1, so a multiple of n ends with an empty piece.
QStringList Pieces(const QString &s, int n)
{
    QStringList out;
    QString cur;
    int count = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        cur += s[i];
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            cur += s[++i];
        if (++count == n) {
            out.append(cur);
            cur.clear();
            count = 0;
        }
    }
    out.append(cur);
    return out;
}

} // namespace

QString Pad(int columns, const QString &s)
{
    const qsizetype n = columns - 2 * s.size();
    return n > 0 ? QString(n, QLatin1Char(' ')) : QString();
}

QString FullWidthNumber(long long x, int w) { return FullWidthText(QString::number(x), w); }

QString FullWidthNumber(float x, int w) { return FullWidthText(NumText(x), w); }

QList<int> MagicSkills(const CharaRecord &rec)
{
    QList<int> out;
    for (int v = rec.AdventurerLevel; v >= 1; --v) {
        for (int k : {int(SkillSorcerer), int(SkillShaman), int(SkillPriest), int(SkillDragonPriest)}) {
            if (rec.SkillLevel[size_t(k)] == v)
                out.append(k);
        }
    }
    return out;
}

QString MagicKind(int skill, int god)
{
    switch (skill) {
    case SkillSorcerer: return QStringLiteral("古代語魔法");
    case SkillShaman: return QStringLiteral("精霊魔法");
    case SkillDragonPriest: return QStringLiteral("竜語魔法");
    case SkillPriest: return IsDarkDeity(god) ? QStringLiteral("暗黒魔法") : QStringLiteral("神聖魔法");
    default: return QString();
    }
}

long long MagicPower(const CharaRecord &rec, int skill)
{
    return Bonus(rec, 2) + (skill >= 0 && skill < SkillCount ? rec.SkillLevel[size_t(skill)] : 0);
}

QString SheetIdentityLine(const CharaRecord &rec)
{
    QString s;
    if (!rec.CommonName.isEmpty())
        s += QStringLiteral("「") + rec.CommonName + QStringLiteral("」");
    s += rec.Name;
    s += QStringLiteral(" （");
    const QString race = ListText(RaceNames, rec.Race);
    if (rec.UndeadType == 1 || rec.UndeadType == 2) {
        s += UndeadNames[size_t(rec.UndeadType - 1)];
        if (rec.Race != RaceHuman)
            s += race;
    } else {
        s += race;
    }
    s += QStringLiteral("／") + ListText(SexNames, rec.Sex) + QStringLiteral("／") + N(rec.Age) +
         QStringLiteral("歳）");
    return s;
}

QString SheetText(const CharaRecord &rec, int sheetMode, int crLfMode)
{
    const QString crlf = QStringLiteral("\r\n");
    Writer w;
    w.text.reserve(2048);
    w.b0 = crLfMode == CrLfDouble ? crlf + crlf : crlf;
    w.b1 = crLfMode == CrLfParagraph || crLfMode == CrLfDouble ? crlf + crlf : crlf;
    const QString none;

    // Header and identity.
    if (sheetMode == 1) {
        w.line(none, rec.CharaNo >= 1 ? QStringLiteral("＜キャラクター Ｎｏ.") + N(rec.CharaNo) + QStringLiteral("＞")
                                      : QStringLiteral("＜新規キャラクター＞"));
        w.line(w.b1, SheetIdentityLine(rec));
    } else {
        w.line(none, SheetIdentityLine(rec));
    }

    // Abilities.
    const QString sep = QStringLiteral("　　 ");
    w.line(w.b1, AbilityText(rec, QStringLiteral("　器用度"), 0) + sep + AbilityText(rec, QStringLiteral("敏捷度"), 1) +
                     sep + AbilityText(rec, QStringLiteral("知力"), 2) + sep +
                     AbilityText(rec, QStringLiteral("筋力"), 3));
    w.line(w.b0, AbilityText(rec, QStringLiteral("　生命力"), 4) + sep + AbilityText(rec, QStringLiteral("精神力"), 5));

    // Adventurer skills, highest level first; every skill is listed, nine
    // included, and the magic skills are remembered in the order met.
    const bool dark = IsDarkDeity(rec.God);
    std::vector<WrapItem> skills;
    for (int v = rec.AdventurerLevel; v >= 1; --v) {
        for (int k = 0; k < SkillCount; ++k) {
            if (rec.SkillLevel[size_t(k)] != v)
                continue;
            const QString name = (k == SkillPriest && dark) ? DarkPriestName : SkillNames[size_t(k)];
            QString item = name + N(v);
            skills.push_back({item, 1 + int(item.size())});
        }
    }
    const QString indent7 = Ideos(7);
    if (skills.empty())
        w.line(w.b1, QStringLiteral("　冒険者技能　なし"));
    else
        WrapList(w, w.b1, QStringLiteral("　冒険者技能"), skills, indent7, 43, true);

    // General skills.
    if (rec.GeneralSkillLevel[0] > 0 && rec.GeneralSkillPoints > 0) {
        std::vector<WrapItem> general;
        for (int i = 0; i < GeneralSlotCount && rec.GeneralSkillLevel[size_t(i)] > 0; ++i) {
            const QString &name = rec.GeneralSkillName[size_t(i)];
            general.push_back({name + N(rec.GeneralSkillLevel[size_t(i)]), 1 + int(name.size()) + 2});
        }
        WrapList(w, w.b0, QStringLiteral("　一般技能　"), general, indent7, 39, true);
    }

    // Level, resistances and critical values.
    const long long level = rec.AdventurerLevel;
    w.line(w.b1, QStringLiteral("　冒険者レベル") + N2(level) + QStringLiteral("　（総経験点＝") + N(rec.ExpSpent) +
                     QStringLiteral("）"));
    const bool twoWeapons = rec.ShieldStr == -1;
    QString resist = QStringLiteral("　生命力抵抗力") + N2(LifeResistance(rec)) + QStringLiteral("　　精神力抵抗力") +
                     N2(SpiritResistance(rec)) +
                     QStringLiteral("　　クリティカル値") + N2(rec.CombatValue(0, 3));
    if (twoWeapons)
        resist += QStringLiteral("／") + N2(rec.CombatValue(1, 3));
    w.line(w.b0, resist);

    // Weapons, shield and armour.
    for (int slot = 0; slot < (twoWeapons ? 2 : 1); ++slot) {
        QString s = slot == 0 ? QStringLiteral("　武器：") : Ideos(4);
        if (twoWeapons)
            s += slot == 0 ? QStringLiteral("右／") : QStringLiteral("左／");
        else if (rec.WeaponKind[0] % 2 == 1)
            s += QStringLiteral("両／");
        s += rec.WeaponName[size_t(slot)] + Extras(rec.WeaponMagic[size_t(slot)], rec.WeaponStr[size_t(slot)]);
        w.line(slot == 0 ? w.b1 : w.b0, s + Pad(48, s) + QStringLiteral("攻撃力") + N2(rec.CombatValue(slot, 0)) +
                                             QStringLiteral("　打撃力") + N2(rec.CombatValue(slot, 1)) +
                                             QStringLiteral("　追加ダメージ") + N2(rec.CombatValue(slot, 2)));
    }
    {
        const QString s = QStringLiteral("　　盾：") + rec.ShieldName + Extras(rec.ShieldMagic, rec.ShieldStr);
        w.line(w.b0, s + Pad(48, s) + QStringLiteral("回避力") + N2(rec.DefenseValue[0]));
    }
    {
        const QString s = QStringLiteral("　防具：") + rec.ArmorName + Extras(rec.ArmorMagic, rec.ArmorStr);
        w.line(w.b0, s + Pad(60, s) + QStringLiteral("防御力") + N2(rec.DefenseValue[1]) +
                         QStringLiteral("　ダメージ減少") + N2(rec.DefenseValue[2]));
    }

    // Magic, one line per magic skill in the order listed above.
    const QList<int> magic = MagicSkills(rec);
    for (qsizetype m = 0; m < magic.size(); ++m) {
        const int k = magic[m];
        QString s = (m == 0 ? QStringLiteral("　魔法：") : Ideos(4)) + MagicKind(k, rec.God);
        if (k == SkillPriest)
            s += rec.God != 0 ? QStringLiteral("（") + ListText(DeityNames, rec.God) + QStringLiteral("）")
                              : QStringLiteral("（地方神）");
        s += N(rec.SkillLevel[size_t(k)]) + QStringLiteral("レベル");
        w.line(m == 0 ? w.b1 : w.b0, s + Pad(48, s) + QStringLiteral("魔力　") + N2(MagicPower(rec, k)));
    }

    // Songs.
    const int bard = rec.SkillLevel[SkillBard];
    if (bard > 0) {
        std::vector<WrapItem> songs;
        const int count = std::min<int>(rec.SongFlag[0], int(rec.SongName.size()));
        for (int i = 0; i < count; ++i)
            songs.push_back({rec.SongName[size_t(i)], int(rec.SongName[size_t(i)].size())});
        WrapList(w, w.b1, QStringLiteral("　呪歌（基準値") + N(Bonus(rec, 5) + bard) + QStringLiteral("）："), songs,
                 Ideos(10), 44, false);
    }

    // Languages spoken and read.
    for (int mode = 0; mode < 2; ++mode) {
        const QString label = mode == 0 ? QStringLiteral("　言語：（会話）") : QStringLiteral("　　　　（読解）");
        const QString &brk = mode == 0 ? w.b1 : w.b0;
        std::vector<WrapItem> langs;
        for (int i = 0; i < 18 && !rec.LangName(i, mode).isEmpty(); ++i)
            langs.push_back({rec.LangName(i, mode), 1 + int(rec.LangName(i, mode).size())});
        if (langs.empty())
            w.line(brk, label + QStringLiteral("なし"));
        else
            WrapList(w, brk, label, langs, Ideos(8), 44, false);
    }

    // Description in pieces of 44 characters.
    if (!rec.Description.isEmpty()) {
        w.line(w.b1, QStringLiteral("解説；"));
        for (const QString &piece : Pieces(rec.Description, 44))
            w.line(w.b0, piece);
    }
    return w.text;
}
