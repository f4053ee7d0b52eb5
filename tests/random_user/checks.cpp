#include "random_user.h"

#include "script_driver.h"
#include "shell/chara_file.h"
#include "shell/forms.h"
#include "shell/globals.h"

#include <QDir>
#include <QFile>
#include <algorithm>

QString QuoteArg(const QString &raw)
{
    QString r = QStringLiteral("\"");
    for (const QChar c : raw) {
        switch (c.unicode()) {
        case '\r': r += QLatin1String("\\r"); break;
        case '\n': r += QLatin1String("\\n"); break;
        case '\t': r += QLatin1String("\\t"); break;
        case '\\': r += QLatin1String("\\\\"); break;
        case '"': r += QLatin1String("\\\""); break;
        default: r += c;
        }
    }
    return r + QLatin1Char('"');
}

QString UnescapePrinted(const QString &printed)
{
    QString r;
    for (int i = 0; i < printed.size(); ++i) {
        const QChar c = printed[i];
        if (c != QLatin1Char('\\') || i + 1 >= printed.size()) {
            r += c;
            continue;
        }
        const QChar e = printed[++i];
        switch (e.unicode()) {
        case 'r': r += QChar(13); break;
        case 'n': r += QChar(10); break;
        case 't': r += QChar(9); break;
        default: r += e;
        }
    }
    return r;
}

// ---------------------------------------------------------------- window checks

namespace {
// "FormAbility.TextAb(0).text" -> "FormAbility.TextAb(0)": the control a person edits.
QString controlOf(const QString &target)
{
    int depth = 0, dots = 0;
    for (int i = 0; i < target.size(); ++i) {
        const QChar c = target[i];
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (c == QLatin1Char('.') && depth == 0 && ++dots == 2)
            return target.left(i);
    }
    return target;
}
} // namespace

QString Probe::value(const QString &target, bool *ok)
{
    QString v;
    const bool good = m_driver.value(target, v);
    if (ok)
        *ok = good;
    return good ? v : QString();
}

void Probe::expect(const QString &target, const QString &expected)
{
    bool ok = false;
    const QString shown = value(target, &ok);
    // A control this build does not have is no disagreement.
    if (!ok)
        return;
    const QString key = controlOf(target);
    if (shown == expected) {
        m_edited.remove(key);
        return;
    }
    if (m_edited.contains(key))
        return;
    mismatches.append({m_check, target, shown, expected});
}

void Probe::same(const QString &target, const QString &source)
{
    bool ok = false;
    const QString expected = value(source, &ok);
    if (ok)
        expect(target, expected);
}

QList<WindowCheckEntry> &windowChecks()
{
    static QList<WindowCheckEntry> checks;
    return checks;
}

QList<Mismatch> RunWindowChecks(ScriptDriver &driver, QSet<QString> &edited)
{
    Probe probe(driver, edited);
    for (const WindowCheckEntry &e : windowChecks()) {
        // Reading a window that is not there would create it (and run its load).
        if (!formExists(QString::fromLatin1(e.form)))
            continue;
        probe.setCheck(QString::fromLatin1(e.name));
        e.fn(probe);
    }
    return probe.mismatches;
}

// ---------------------------------------------------------------- characters

QString CharacterTracker::read(QList<QByteArray> &prints, QStringList &names, QStringList &characterNames)
{
    QDir dir(m_folder);
    QStringList files;
    for (const QString &n : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (QDir::match(QStringLiteral("*.ktc"), n))
            files << n;
    for (const QString &n : files) {
        QFile f(dir.filePath(n));
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("%1 cannot be opened").arg(n);
        const QByteArray bytes = f.readAll();
        CharaRecord rec;
        if (!RecordFromBytes(bytes, rec))
            return QStringLiteral("%1 does not read back complete (%2 bytes)").arg(n).arg(bytes.size());
        characterNames << rec.Name;
        rec.CharaNo = 0;
        prints << RecordToBytes(rec);
        names << n;
    }
    return QString();
}

QString CharacterTracker::take()
{
    m_prints.clear();
    m_names.clear();
    m_characterNames.clear();
    return read(m_prints, m_names, m_characterNames);
}

QString CharacterTracker::verify(const QStringList &deletesConfirmed, bool replacing)
{
    QList<QByteArray> now;
    QStringList names, characterNames;
    const QString unreadable = read(now, names, characterNames);
    if (!unreadable.isEmpty())
        return unreadable;

    // Multiset difference both ways, remembering who went missing.
    QList<QByteArray> added = now;
    QStringList removedNames;
    for (int i = 0; i < m_prints.size(); ++i) {
        const auto hit = std::find(added.begin(), added.end(), m_prints[i]);
        if (hit != added.end())
            added.erase(hit);
        else
            removedNames << m_characterNames[i];
    }

    // The edited character as a file can hold it: texts in code page 932,
    // cut to what a length prefix holds.
    CharaRecord current;
    RecordFromBytes(RecordToBytes(Chara), current);
    current.CharaNo = 0;
    const QByteArray edited = RecordToBytes(current);
    QString why;
    if (added.size() > 1 || (added.size() == 1 && added[0] != edited))
        why = QStringLiteral("%1 character(s) appeared that are not the edited character").arg(added.size());

    QStringList deletable = deletesConfirmed;
    int replaceable = replacing && added.size() == 1 ? 1 : 0;
    for (const QString &gone : removedNames) {
        const QString shownAs = gone.isEmpty() ? QStringLiteral("(-NO NAME-)") : gone;
        if (deletable.removeOne(shownAs) || deletable.removeOne(gone))
            continue;
        if (replaceable-- > 0)
            continue;
        why += (why.isEmpty() ? QString() : QStringLiteral("; "))
               + QStringLiteral("character %1 went missing").arg(QuoteArg(gone));
    }
    if (!why.isEmpty()) {
        why += QStringLiteral(" (files before: %1; now: %2)").arg(m_names.join(QLatin1Char('|')), names.join(QLatin1Char('|')));
        return why;
    }
    m_prints = now;
    m_names = names;
    m_characterNames = characterNames;
    return QString();
}
