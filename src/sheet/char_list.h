// The character list's rules: which rows the table shows and how they read,
// the sort orders, the names the list pass gives the files, and how the
// edited character's number follows its file. Plain functions, no widgets.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include "shell/chara_record.h"

// Saving is refused once this many character files are listed.
inline constexpr int MaxCharacterFiles = 100;

// What the table and the sorts need of one listed character.
struct ListEntry {
    Long ExpSpent = 0;
    Integer AdventurerLevel = 0;
    std::array<Integer, 9> SkillLevel{};
    bool operator==(const ListEntry &) const = default;
};
ListEntry EntryOf(const CharaRecord &rec);

// One row of the name list with the data moved along with it when sorting:
// data is the character number (0 for the edited character's row 0).
struct ListRow {
    QString text;
    int data = 0;
    ListEntry entry;
    bool operator==(const ListRow &) const = default;
};

// Row 0 of the name list, and the name shown for a file's character.
QString EditedRowText(const QString &name);  // "（編集中）" + name
QString ListedName(const QString &name);     // the name, "(-NO NAME-)" when empty

// Sort orders: 0 registration order, 1 adventurer level, 2 total experience,
// 3 + k skill k.
inline constexpr int SortBySkill = 3;
long long SortKey(const ListRow &row, int rowCount, int mode);

// The first row taking part in the table and in the sorts: row 0 (the
// edited character) only while it has no file (number 0).
int FirstTableRow(int charaNo);

// Stable insertion sort, largest key first, of rows FirstTableRow.. only;
// equal keys keep their order.
void SortRows(QList<ListRow> &rows, int mode, int charaNo);

// The table: the header, then one line per taking-part row in list order
// (row 0 shows editedName). Each line carries the row's data (−1 header).
QString TableHeader();
QString TableRowText(const ListRow &row, const QString &name);
struct TableLine {
    QString text;
    int data = 0;
};
QList<TableLine> TableLines(const QList<ListRow> &rows, int charaNo, const QString &editedName);

// The list row a click on table line j selects (−1: none).
int ListRowOfTableLine(int line, int charaNo, int listRows);

// 保存 is possible while the list has at most 100 rows (99 files).
bool SaveAllowed(int listRows);


// The renames that give the listed files (sorted by name) their regular
// names, in an order that never needs a name still held by another listed
// file. A rename whose name another file keeps (a foreign name before the
// regular ones, or a chain that cannot move) is left out: nothing is ever
// renamed over an existing file.
struct Rename {
    int index = 0;   // position in the listing, from 0
    QString from;
    QString to;
    bool operator==(const Rename &) const = default;
};
QList<Rename> PlanRenames(const QStringList &listed);

// The file that holds the edited character: the name at position charaNo
// of the listing, "" when the number lies outside it.
QString FileOfNumber(const QStringList &listed, int charaNo);
// The number that follows that file into a new listing: its new position,
// 0 when it is gone.
int NumberOfFile(const QStringList &listed, const QString &file);

// The name a new character is saved under while n files are listed:
// KTC + FileNumberText(n + 1) + .ktc, or the next such name not taken.
QString FreeNewFileName(int listedCount, const QStringList &taken);

// The character files among a folder's names: those ending in ".ktc" in any
// case, in plain code-point order (the regular names sort by number).
QStringList CharacterFileNames(const QStringList &folderNames);
