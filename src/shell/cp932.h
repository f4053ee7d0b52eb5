// Conversion between the program's texts and code page 932 (Shift-JIS), the
// encoding of every text in a character file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Encodes text as Windows does: 〜 − ‖ ¢ £ ¬ become their full-width forms
// first, every other character that has no code becomes "?" (a surrogate
// pair is one character), and a result longer than maxBytes is cut after the
// last whole character that fits.
QByteArray EncodeCP932(const QString &text, int maxBytes = 65535);

// Decodes code page 932 bytes; bytes that are no character become "?".
QString DecodeCP932(QByteArrayView bytes);
