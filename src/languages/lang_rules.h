// Language, song and deity rules of the languages window: which languages
// come free, how many more may be chosen, the rows of the three lists, the
// song limit and the deity rules. Plain functions over a record passed in,
// so the window and the tests share one implementation.
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include "shell/chara_record.h"

// Columns of LangFlag and LangName.
inline constexpr int SpeakColumn = 0;
inline constexpr int ReadColumn = 1;
// Language numbers the rules name.
inline constexpr int LanguageCommon = 1;
inline constexpr int LanguageLowAncient = 5;
// States of LangFlag(n, k) for n = 1..16.
inline constexpr Byte LangNotTaken = 0;
inline constexpr Byte LangChosen = 1;
inline constexpr Byte LangGiven = 2;
// Data of the list rows "上位古代語" and "精霊語", which cannot be deleted.
inline constexpr int FixedRowData = -1;

// How many languages a column holds at no pick, and the picks beyond that.
struct LangAllowance {
    std::array<int, 2> base{};
    int extraPicks = 0;
    bool operator==(const LangAllowance &) const = default;
};

// The allowance of the record's race, mother tongue, 知力 and skills.
LangAllowance DeriveAllowance(const CharaRecord &rec);
// Clears every language state, sets the given languages (state 2) and
// returns the allowance. Counts in LangFlag(0, k) are left to CountLanguages.
LangAllowance ApplyGivenLanguages(CharaRecord &rec);

// Puts back the languages chosen (state 1) in an earlier state of the
// record that are not taken now; given ones are left as they are.
void RestoreChosenLanguages(CharaRecord &rec, const Array2<Byte, 18, 2> &before);

// Stores the number of taken languages of each column in LangFlag(0, k) and
// returns the picks left (negative when more are taken than allowed).
int CountLanguages(CharaRecord &rec, const LangAllowance &a);
// The "残り" figures of the two columns for the picks left.
std::array<int, 2> RemainingLanguages(const CharaRecord &rec, const LangAllowance &a, int extra);

enum class LangCheck {
    Unchanged,           // the box agrees with the state, or a grey box on a language not given
    Added,               // the user's check: a language newly taken
    Cleared,             // a chosen language put down
    MotherTongueSwapped, // the given 東方語 or 西方語 mother tongue cleared: the other one instead
    GivenKept,           // another given language cleared: refused
};
// Applies the state of check box k (0 clear, 1 checked, 2 grey) to language n.
LangCheck ApplyLanguageCheck(CharaRecord &rec, int n, int k, int box);

struct LangRow {
    QString text;
    int data = 0;
    bool operator==(const LangRow &) const = default;
};
// Rows of language list k: the taken languages in list order, "上位古代語"
// just before 下位古代語 for a ソーサラー, "精霊語" last in the speak column
// for a シャーマン.
QList<LangRow> LanguageRows(const CharaRecord &rec, int column);
// LangName(i, k) = row i, "" beyond the last row.
void StoreLanguageNames(CharaRecord &rec, int column, const QList<LangRow> &rows);

// Keeps the first (バード level) learned songs in list order and unlearns the rest.
void DropSongsBeyondLimit(CharaRecord &rec);
// SongFlag(m) = the box state, SongFlag(0) = the sum; returns SongFlag(0).
int ApplySongCheck(CharaRecord &rec, int m, int box);
// Rows of the song list: the learned songs in list order, each with its number.
QList<LangRow> SongRows(const CharaRecord &rec);
// SongName(i) = row i for rows 0..15, "" beyond the last row.
void StoreSongNames(CharaRecord &rec, const QList<LangRow> &rows);
// Song number 1..16 of a song name, 0 for a name not in the list.
int SongNumber(const QString &name);
// バード level minus the learned songs.
int RemainingSongs(const CharaRecord &rec);

// The deity entry the rules leave of entry d: a プリースト without a deity
// draws one of entries 1 to 5 (calling draw for r in [0, 1) only then), a
// ドラゴンプリースト and an エルフ have none.
int DeityAfterRules(const CharaRecord &rec, int d, const std::function<double()> &draw);
