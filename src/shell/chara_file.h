// The character file: byte format of one record, file names, and the file
// steps that write and read it under the file error prompt.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <type_traits>
#include "shell/chara_record.h"

// Visits every scalar of one record field (the field itself, each element of
// a std::array, or each element of an Array2 in storage order: first index
// fastest). Together with forEachField this walks the record in file order.
template <class Field, class G>
void ForEachScalar(Field &field, G &&g)
{
    using F = std::remove_const_t<Field>;
    if constexpr (std::is_same_v<F, QString> || std::is_arithmetic_v<F>) {
        g(field);
    } else if constexpr (requires { field.flat; }) {
        for (auto &e : field.flat)
            g(e);
    } else {
        for (auto &e : field)
            g(e);
    }
}

// The record in the file format: fields in file order with no gaps,
// little-endian numbers, each text a 2-byte length and its code page 932
// bytes. A record whose texts are all empty takes 466 bytes.
QByteArray RecordToBytes(const CharaRecord &rec);

// Reads a record from the start of bytes; bytes after it are ignored.
// Returns true when the whole record was present. Fields that a short buffer
// does not reach (a text whose length runs past the end included) are 0 or
// empty; nothing of the previous contents of out survives. When consumed is
// given it receives the bytes the whole record took, or -1 for a short one.
bool RecordFromBytes(QByteArrayView bytes, CharaRecord &out, qsizetype *consumed = nullptr);

// The number in file names: 00..09, 10..99, a100..a999, otherwise "b" and
// the decimal number (b1000, b-1), so that names sort in numeric order.
QString FileNumberText(int n);
// The regular name of the character at list position k: KTC01-03.ktc.
QString CharacterFileName(int k);
// The name under which a character is first saved while n files are listed.
QString NewCharacterFileName(int n);

// Writes rec at byte 0 of the file at path (created if missing). A longer
// old file keeps its bytes after the record. Failures go through
// FileErrorPrompt step by step (open, write, close).
void WriteRecordFile(const QString &path, const CharaRecord &rec);
// Clears rec's texts, then reads the record at path into it (open, read,
// close, each under FileErrorPrompt). A missing file is never created.
void ReadRecordFile(const QString &path, CharaRecord &rec);

// The file error code of an operating-system failure (errno) on path.
int FileErrorCodeFromErrno(int err, const QString &path);
