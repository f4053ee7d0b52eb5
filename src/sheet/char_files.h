// The file work of the character list: listing the folder, reading a file
// for the list, rewriting a stored number in place, renaming without ever
// replacing a file, deleting. Every step but the rename reports failures
// through FileErrorPrompt and is repeated or skipped as the answer says.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include "shell/chara_record.h"

// The character files in folder (see CharacterFileNames), and every entry
// name of the folder (files and folders alike).
QStringList ListCharacterFiles(const QString &folder);
QStringList FolderEntries(const QString &folder);

// Bytes a record takes at the start of bytes, −1 when they end before it.
qsizetype RecordByteLength(QByteArrayView bytes);

struct ListedFile {
    bool complete = false;     // the whole record was read
    qsizetype numberAt = -1;   // offset of the stored CharaNo (complete files)
};
// Reads the file at path into rec (open, read, close, each under the
// prompt). rec starts from a fresh record, so what a failed or short read
// does not reach is 0 or empty. A missing file is never created.
ListedFile ReadListedFile(const QString &path, CharaRecord &rec);

// Writes the two bytes of the stored number at offset, and nothing else
// (open, write, close under the prompt). The file is never created.
void WriteStoredNumber(const QString &path, qsizetype offset, Integer number);

// Renames from to to unless to exists; true when renamed.
bool RenameNoReplace(const QString &from, const QString &to);

// Deletes the file (under the prompt: はい repeats, いいえ gives up).
void DeleteCharacterFile(const QString &path);
