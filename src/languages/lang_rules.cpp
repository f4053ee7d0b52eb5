#include "languages/lang_rules.h"

#include "abilities/race_tables.h"
#include "languages/lang_tables.h"
#include "shell/indexes.h"

namespace {

using LangFlags = Array2<Byte, 18, 2>;

bool validLanguage(int n) { return n >= 1 && n <= LanguageCount; }

void give(LangFlags *flags, int n, int k)
{
    if (flags && validLanguage(n))
        (*flags)(n, k) = LangGiven;
}

// The one derivation behind both the allowance and the given languages, so
// the two can never disagree.
LangAllowance derive(const CharaRecord &rec, LangFlags *flags)
{
    LangAllowance a;
    const float intelligence = rec.Ability[2];
    const int sorcerer = rec.SkillLevel[SkillSorcerer];
    const int sage = rec.SkillLevel[SkillSage];

    // Everybody speaks 共通語 and the mother tongue.
    a.base[SpeakColumn] = 2;
    give(flags, LanguageCommon, SpeakColumn);
    give(flags, rec.NativeLanguage, SpeakColumn);

    // Races without a script of their own never read their mother tongue.
    if (intelligence >= 6 && (rec.Race < RaceFeatherFolk || rec.Race == RaceDarkElf)) {
        give(flags, rec.NativeLanguage, ReadColumn);
        a.base[ReadColumn] = 1;
    }

    if (intelligence >= 12) {
        give(flags, LanguageCommon, ReadColumn);
        a.base[ReadColumn] += 1;
        a.extraPicks = sage;
    } else if (sage > 0) {
        // The first セージ level is spent on reading 共通語.
        give(flags, LanguageCommon, ReadColumn);
        a.base[ReadColumn] += 1;
        a.extraPicks = sage - 1;
    }

    if (sorcerer > 0) {
        give(flags, LanguageLowAncient, SpeakColumn);
        give(flags, LanguageLowAncient, ReadColumn);
        a.base[SpeakColumn] += 1;
        a.base[ReadColumn] += 1;
    } else if (a.extraPicks > 0) {
        // A sage reads 下位古代語 with the first pick.
        a.extraPicks -= 1;
        give(flags, LanguageLowAncient, ReadColumn);
        a.base[ReadColumn] += 1;
    }

    // A bard may speak one more language per level at no pick.
    a.base[SpeakColumn] += rec.SkillLevel[SkillBard];
    return a;
}

} // namespace

LangAllowance DeriveAllowance(const CharaRecord &rec)
{
    return derive(rec, nullptr);
}

LangAllowance ApplyGivenLanguages(CharaRecord &rec)
{
    for (int k = 0; k < 2; ++k)
        for (int n = 1; n <= LanguageCount; ++n)
            rec.LangFlag(n, k) = LangNotTaken;
    return derive(rec, &rec.LangFlag);
}

void RestoreChosenLanguages(CharaRecord &rec, const Array2<Byte, 18, 2> &before)
{
    for (int k = 0; k < 2; ++k)
        for (int n = 1; n <= LanguageCount; ++n)
            if (before(n, k) == LangChosen && rec.LangFlag(n, k) == LangNotTaken)
                rec.LangFlag(n, k) = LangChosen;
}

int CountLanguages(CharaRecord &rec, const LangAllowance &a)
{
    int extra = a.extraPicks;
    for (int c = 0; c < 2; ++c) {
        int taken = 0;
        for (int n = 1; n <= LanguageCount; ++n)
            if (rec.LangFlag(n, c) != LangNotTaken)
                ++taken;
        rec.LangFlag(0, c) = Byte(taken);
        if (taken > a.base[size_t(c)])
            extra -= taken - a.base[size_t(c)];
    }
    return extra;
}

std::array<int, 2> RemainingLanguages(const CharaRecord &rec, const LangAllowance &a, int extra)
{
    const int spoken = rec.LangFlag(0, SpeakColumn);
    const int speak = a.base[SpeakColumn] > spoken ? a.base[SpeakColumn] + extra - spoken : extra;
    return {speak, extra};
}

LangCheck ApplyLanguageCheck(CharaRecord &rec, int n, int k, int box)
{
    if (!validLanguage(n) || k < 0 || k > 1)
        return LangCheck::Unchanged;
    Byte &state = rec.LangFlag(n, k);
    if (state >= LangGiven) {
        if (box != 0)
            return LangCheck::Unchanged;
        // Only the mother tongue itself can be put down, and only between
        // 東方語 and 西方語: a human is raised in one of the two.
        const int mother = rec.NativeLanguage;
        if (n == mother && (mother == LangEastern || mother == LangWestern)) {
            rec.NativeLanguage = Integer(LangEastern + LangWestern - mother);
            return LangCheck::MotherTongueSwapped;
        }
        return LangCheck::GivenKept;
    }
    // A grey box is never the user's choice on a language that is not given.
    if (box == 2 || box == state)
        return LangCheck::Unchanged;
    state = Byte(box);
    return box ? LangCheck::Added : LangCheck::Cleared;
}

QList<LangRow> LanguageRows(const CharaRecord &rec, int column)
{
    QList<LangRow> rows;
    const bool sorcerer = rec.SkillLevel[SkillSorcerer] > 0;
    for (int i = 0; i < LanguageCount; ++i) {
        if (i + 1 == LanguageLowAncient && sorcerer)
            rows.append({HighAncientName, FixedRowData});
        if (rec.LangFlag(i + 1, column) != LangNotTaken)
            rows.append({LanguageNames[size_t(i)], i + 1});
    }
    if (column == SpeakColumn && rec.SkillLevel[SkillShaman] > 0)
        rows.append({SpiritName, FixedRowData});
    return rows;
}

void StoreLanguageNames(CharaRecord &rec, int column, const QList<LangRow> &rows)
{
    for (int i = 0; i < decltype(rec.LangName)::dim1; ++i)
        rec.LangName(i, column) = i < rows.size() ? rows[i].text : QString();
}

namespace {
void recountSongs(CharaRecord &rec)
{
    int learned = 0;
    for (int m = 1; m <= SongCount; ++m)
        if (rec.SongFlag[size_t(m)] != 0)
            ++learned;
    rec.SongFlag[0] = Byte(learned);
}
} // namespace

void DropSongsBeyondLimit(CharaRecord &rec)
{
    const int limit = rec.SkillLevel[SkillBard];
    int learned = 0;
    for (int m = 1; m <= SongCount; ++m) {
        if (rec.SongFlag[size_t(m)] == 0)
            continue;
        if (++learned > limit)
            rec.SongFlag[size_t(m)] = 0;
    }
    recountSongs(rec);
}

int ApplySongCheck(CharaRecord &rec, int m, int box)
{
    if (m >= 1 && m <= SongCount)
        rec.SongFlag[size_t(m)] = box != 0 ? 1 : 0;
    recountSongs(rec);
    return rec.SongFlag[0];
}

QList<LangRow> SongRows(const CharaRecord &rec)
{
    QList<LangRow> rows;
    for (int m = 1; m <= SongCount; ++m)
        if (rec.SongFlag[size_t(m)] != 0)
            rows.append({SongNames[size_t(m - 1)], m});
    return rows;
}

void StoreSongNames(CharaRecord &rec, const QList<LangRow> &rows)
{
    // Entries 16 to 19 are never written.
    for (int i = 0; i < SongCount; ++i)
        rec.SongName[size_t(i)] = i < rows.size() ? rows[i].text : QString();
}

int SongNumber(const QString &name)
{
    for (int i = 0; i < SongCount; ++i)
        if (SongNames[size_t(i)] == name)
            return i + 1;
    return 0;
}

int RemainingSongs(const CharaRecord &rec)
{
    return rec.SkillLevel[SkillBard] - rec.SongFlag[0];
}

int DeityAfterRules(const CharaRecord &rec, int d, const std::function<double()> &draw)
{
    if (rec.SkillLevel[SkillPriest] > 0 && d == 0)
        d = int(draw() * 5) + 1;
    if (rec.SkillLevel[SkillDragonPriest] > 0 && d > 0)
        d = 0;
    // An elf has no deity, whatever the skills say.
    if (rec.Race == RaceElf)
        d = 0;
    return d;
}
