// Plain decimal texts of the record's numbers, as windows and the driver show them.
#pragma once

#include <QString>

// Shortest text that reads back as the same 32-bit value: 12, 9.5, -1, 0.1.
QString NumText(float v);
inline QString NumText(int v) { return QString::number(v); }
inline QString NumText(long long v) { return QString::number(v); }

// The leading number of a text as a lenient reader takes it: blanks skipped,
// reading stops at the first character that cannot continue a number,
// a decimal point is accepted; no number gives 0.
double LeadingNumber(const QString &text);

// Rounds to the nearest integer, halves away from zero; false when outside [lo, hi].
bool RoundToRange(double v, long long lo, long long hi, long long &out);
