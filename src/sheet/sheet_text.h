// The character sheet text, built from a record alone.
#pragma once

#include <QString>

struct CharaRecord;

// Full-width digits for the sheet and the list table; w = 1 right-aligns
// one-digit numbers in two cells.
QString FullWidthNumber(long long x, int w = 0);
QString FullWidthNumber(float x, int w = 0);
// The record's Byte, Integer and Long fields promote to int without
// ambiguity; a double is written from its own shortest text.
inline QString FullWidthNumber(int x, int w = 0) { return FullWidthNumber((long long)x, w); }
QString FullWidthNumber(double x, int w = 0);

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

// The dark deities: a priest of one is a ダークプリースト using 暗黒魔法.
bool IsDarkDeity(int god);
