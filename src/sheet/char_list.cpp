#include "sheet/char_list.h"

#include "sheet/sheet_text.h"
#include "shell/chara_file.h"

#include <QSet>
#include <algorithm>

ListEntry EntryOf(const CharaRecord &rec)
{
    ListEntry e;
    e.ExpSpent = rec.ExpSpent;
    e.AdventurerLevel = rec.AdventurerLevel;
    for (std::size_t k = 0; k < e.SkillLevel.size(); ++k)
        e.SkillLevel[k] = rec.SkillLevel[k];
    return e;
}

QString EditedRowText(const QString &name)
{
    return QStringLiteral("（編集中）") + name;
}

QString ListedName(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("(-NO NAME-)") : name;
}

long long SortKey(const ListRow &row, int rowCount, int mode)
{
    switch (mode) {
    case 0:
        return (rowCount + 1LL) - row.data;
    case 1:
        return row.entry.AdventurerLevel;
    case 2:
        return row.entry.ExpSpent;
    default: {
        const int k = mode - SortBySkill;
        return k >= 0 && k < int(row.entry.SkillLevel.size()) ? row.entry.SkillLevel[std::size_t(k)] : 0;
    }
    }
}

int FirstTableRow(int charaNo)
{
    return charaNo != 0 ? 1 : 0;
}

void SortRows(QList<ListRow> &rows, int mode, int charaNo)
{
    const int first = FirstTableRow(charaNo);
    const int count = int(rows.size());
    for (int i = first + 1; i < count; ++i) {
        const long long key = SortKey(rows[i], count, mode);
        for (int g = i - 1; g >= first; --g) {
            if (SortKey(rows[g], count, mode) >= key)
                break;
            rows.swapItemsAt(g, g + 1);
        }
    }
}

namespace {
const QString Bar = QStringLiteral("｜");
const QString NoValue = QStringLiteral("　―｜");

QString LevelCell(int level)
{
    return level < 1 ? NoValue : FullWidthNumber(static_cast<long long>(level), 1) + Bar;
}
} // namespace

QString TableHeader()
{
    const QString name = QStringLiteral("名前");
    return QStringLiteral("Ｎｏ｜") + name + Pad(16, name) + Bar + QStringLiteral("ＬＶ｜") + QStringLiteral("   総経験点   ") + Bar
           + QStringLiteral(" Ｆ ｜ Ｔ ｜ Ｒ ｜ Ｍ ｜ Ｅ ｜ Ｐ ｜ Ｓ ｜ Ｂ ｜ Ｄ ｜");
}

QString TableRowText(const ListRow &row, const QString &name)
{
    QString t = row.data < 1 ? NoValue : FullWidthNumber(static_cast<long long>(row.data), 1) + Bar;
    t += name + Pad(16, name) + Bar;
    t += FullWidthNumber(static_cast<long long>(row.entry.AdventurerLevel), 1) + Bar;
    const QString e = FullWidthNumber(static_cast<long long>(row.entry.ExpSpent), 6);
    t += e + Pad(14, e) + Bar;
    for (const Integer level : row.entry.SkillLevel)
        t += LevelCell(level);
    return t;
}

QList<TableLine> TableLines(const QList<ListRow> &rows, int charaNo, const QString &editedName)
{
    QList<TableLine> lines;
    lines.reserve(rows.size() + 1);
    lines.append({TableHeader(), -1});
    for (int r = FirstTableRow(charaNo); r < rows.size(); ++r)
        lines.append({TableRowText(rows[r], r == 0 ? editedName : rows[r].text), rows[r].data});
    return lines;
}

int ListRowOfTableLine(int line, int charaNo, int listRows)
{
    if (line < 0)
        return -1;
    const int row = charaNo != 0 ? line : line - 1;
    return row < listRows ? row : -1;
}

bool SaveAllowed(int listRows)
{
    return listRows <= MaxCharacterFiles;
}

QList<Rename> PlanRenames(const QStringList &listed)
{
    QList<Rename> pending;
    for (int i = 0; i < listed.size(); ++i) {
        const QString to = CharacterFileName(i + 1);
        if (listed[i] != to)
            pending.append({i, listed[i], to});
    }
    // A rename may go once no listed file holds its name any more; a file
    // that is itself renamed frees its name. Repeat until nothing moves:
    // what is left waits for a name that stays taken.
    QSet<QString> taken(listed.cbegin(), listed.cend());
    QList<Rename> plan;
    plan.reserve(pending.size());
    bool moved = true;
    while (moved && !pending.isEmpty()) {
        moved = false;
        for (qsizetype p = pending.size() - 1; p >= 0; --p) {
            const Rename r = pending[p];
            if (taken.contains(r.to))
                continue;
            taken.remove(r.from);
            taken.insert(r.to);
            plan.append(r);
            pending.removeAt(p);
            moved = true;
        }
    }
    return plan;
}

QString FileOfNumber(const QStringList &listed, int charaNo)
{
    return charaNo >= 1 && charaNo <= listed.size() ? listed[charaNo - 1] : QString();
}

int NumberOfFile(const QStringList &listed, const QString &file)
{
    return int(listed.indexOf(file)) + 1;
}

QString FreeNewFileName(int listedCount, const QStringList &taken)
{
    for (int n = listedCount;; ++n) {
        const QString name = NewCharacterFileName(n);
        if (!taken.contains(name, Qt::CaseInsensitive))
            return name;
    }
}

QStringList CharacterFileNames(const QStringList &folderNames)
{
    QStringList names;
    names.reserve(folderNames.size());
    for (const QString &n : folderNames) {
        if (n.endsWith(QStringLiteral(".ktc"), Qt::CaseInsensitive))
            names.append(n);
    }
    std::sort(names.begin(), names.end());
    return names;
}
