// What the character file reader promises for any bytes at all, checked by
// the fuzzer and by the replay of the kept inputs alike.
#pragma once

#include <QByteArrayView>
#include <QString>

// "" when every promise holds for input, otherwise the first broken one:
// - reading gives a record, complete exactly when the bytes hold every field,
//   and the same record whatever the record read into held before;
// - writing that record and reading the bytes again gives the same record;
// - a complete record whose texts are valid code page 932 is written back
//   as the very bytes it was read from.
// A text is valid when its bytes are the code page's own form of its
// characters: no byte that is no character, and none of the duplicate codes
// (the code page has two codes for some NEC and IBM characters and writes
// only one of them).
QString CharaFileFault(QByteArrayView input);
