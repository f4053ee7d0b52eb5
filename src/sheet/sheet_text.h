// The character sheet text, built from a record alone.
#pragma once

#include <QList>
#include <QString>

struct CharaRecord;

// Full-width digits for the sheet and the list table; w = 1 right-aligns
// one-digit numbers in two cells.
QString FullWidthNumber(long long x, int w = 0);
QString FullWidthNumber(float x, int w = 0);
// The record's Byte, Integer and Long fields promote to int without ambiguity.
inline QString FullWidthNumber(int x, int w = 0) { return FullWidthNumber((long long)x, w); }

// Column padding: columns − 2 × (characters of s) ASCII spaces, none when
// that is 0 or less. Every character counts as two columns, half-width or not.
QString Pad(int columns, const QString &s);

// The line-break modes of the sheet window's "改行(&R)" menu.
enum CrLfModeIndex : int {
    CrLfNormal = 0,    // 通常
    CrLfParagraph = 1, // 段落分け
    CrLfDouble = 2,    // 一行置き
};

// The whole sheet text of rec: the header only when sheetMode is 1, line
// breaks by crLfMode (0 通常, 1 段落分け, 2 一行置き), no break at the end.
// A crLfMode outside 0..2 is taken as 通常.
QString SheetText(const CharaRecord &rec, int sheetMode, int crLfMode);

// The identity line of the sheet: 「通名」名前 （種族／性別／年齢歳）.
QString SheetIdentityLine(const CharaRecord &rec);

// Figures the sheet derives, shared with the other outputs.
// The magic skills (ソーサラー, シャーマン, プリースト, ドラゴンプリースト) in the
// order the sheet lists them: by level, highest first, then skill order.
QList<int> MagicSkills(const CharaRecord &rec);
// The kind of magic of a magic skill: 古代語魔法, 精霊魔法, 竜語魔法, and for
// プリースト 暗黒魔法 or 神聖魔法 by the deity.
QString MagicKind(int skill, int god);
// 魔力 of a magic skill: bonus of 知力 plus the skill level.
long long MagicPower(const CharaRecord &rec, int skill);
