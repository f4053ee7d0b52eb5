// The character sheet text, built from a record alone.
#pragma once

#include <QString>

struct CharaRecord;

// Full-width digits for the sheet and the list table; w = 1 right-aligns
// one-digit numbers in two cells.
QString FullWidthNumber(long long x, int w = 0);
QString FullWidthNumber(float x, int w = 0);

// The whole sheet text of rec: the header only when sheetMode is 1, line
// breaks by crLfMode (0 通常, 1 段落分け, 2 一行置き), no break at the end.
QString SheetText(const CharaRecord &rec, int sheetMode, int crLfMode);
