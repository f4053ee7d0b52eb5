// ktcmt-export: the sheet text, HTML page, PDF or game-board piece of saved
// characters, from the command line.
//
//   ktcmt-export [--format text|html|pdf|piece] [--crlf 0|1|2]
//                [--encoding utf-8|cp932] [-o OUT] FILE.ktc...
//
// Without -o the one output goes to standard output (not for PDF). With -o
// naming a folder (an existing one, one ending in a separator, or whenever
// several files are given; it is created when missing) every input gives
// OUT/<input name>.<txt|html|pdf|json>; with one input -o may name the file.
// An output is never written over an input or to a name ending in .ktc, and
// of two inputs of one name only the first is exported into a folder.
// Exit status: 0 all written, 1 some file could not be read or written (the
// others are still exported), 2 a usage error.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>
#include "shell/chara_file.h"
#include "shell/chara_record.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_text.h"

namespace {

enum class Format { Text, Html, Pdf, Piece };

struct Options {
    Format format = Format::Text;
    int crlf = 1; // the sheet window's sheet mode starts in 段落分け
    TextEncoding encoding = TextEncoding::Utf8;
    QString out;
    QStringList files;
};

void Say(const QString &s) { std::fprintf(stderr, "ktcmt-export: %s\n", s.toLocal8Bit().constData()); }

int Usage(const QString &why)
{
    Say(why);
    std::fprintf(stderr, "usage: ktcmt-export [--format text|html|pdf|piece] [--crlf 0|1|2] "
                         "[--encoding utf-8|cp932] [-o OUT] FILE.ktc...\n");
    return 2;
}

// Reads the character of path; false with a reason when it cannot be read
// completely (a damaged or truncated file gives no output at all).
bool ReadCharacter(const QString &path, CharaRecord &rec, QString *reason)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *reason = f.errorString();
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        *reason = f.errorString();
        return false;
    }
    if (!RecordFromBytes(bytes, rec)) {
        *reason = QStringLiteral("not a complete character file (%1 bytes)").arg(bytes.size());
        return false;
    }
    return true;
}

QString Suffix(Format f)
{
    switch (f) {
    case Format::Text: return QStringLiteral("txt");
    case Format::Html: return QStringLiteral("html");
    case Format::Pdf: return QStringLiteral("pdf");
    case Format::Piece: return QStringLiteral("json");
    }
    return QString();
}

QByteArray Render(const Options &o, const QString &path, const CharaRecord &rec)
{
    const QString sheet = SheetText(rec, 1, o.crlf);
    // Portraits live in the Portraits folder beside the character files.
    const QString portraits = QDir(QFileInfo(path).absolutePath()).filePath(QStringLiteral("Portraits"));
    switch (o.format) {
    case Format::Text: return SheetTextBytes(sheet, o.encoding);
    case Format::Html: return SheetHtml(rec, sheet, portraits);
    case Format::Pdf:
        return SheetPdf(sheet, SheetPortrait(rec, portraits), DocumentTitle(rec));
    case Format::Piece: return PieceText(rec).toUtf8() + '\n';
    }
    return QByteArray();
}

// One spelling of a path for comparing: the canonical one when it exists,
// else the canonical folder with the name (a target is often not there yet).
QString SamePathKey(const QString &path)
{
    const QFileInfo fi(path);
    const QString canonical = fi.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString dir = QFileInfo(fi.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((dir.isEmpty() ? fi.absolutePath() : dir) + QLatin1Char('/') + fi.fileName());
}

// Qt's notes about the headless platform are not the tool's messages.
void QuietHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type == QtDebugMsg || type == QtInfoMsg || msg.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(QuietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Options o;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString *v) {
            if (i + 1 >= args.size())
                return false;
            *v = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--format")) {
            if (!value(&v))
                return Usage(QStringLiteral("--format needs a value"));
            if (v == QLatin1String("text"))
                o.format = Format::Text;
            else if (v == QLatin1String("html"))
                o.format = Format::Html;
            else if (v == QLatin1String("pdf"))
                o.format = Format::Pdf;
            else if (v == QLatin1String("piece"))
                o.format = Format::Piece;
            else
                return Usage(QStringLiteral("unknown format: ") + v);
        } else if (a == QLatin1String("--crlf")) {
            if (!value(&v) || (v != QLatin1String("0") && v != QLatin1String("1") && v != QLatin1String("2")))
                return Usage(QStringLiteral("--crlf needs 0, 1 or 2"));
            o.crlf = v.toInt();
        } else if (a == QLatin1String("--encoding")) {
            if (!value(&v))
                return Usage(QStringLiteral("--encoding needs a value"));
            const QString e = v.toLower();
            if (e == QLatin1String("utf-8") || e == QLatin1String("utf8"))
                o.encoding = TextEncoding::Utf8;
            else if (e == QLatin1String("cp932") || e == QLatin1String("shift-jis") || e == QLatin1String("sjis"))
                o.encoding = TextEncoding::Cp932;
            else
                return Usage(QStringLiteral("unknown encoding: ") + v);
        } else if (a == QLatin1String("-o")) {
            if (!value(&o.out) || o.out.isEmpty())
                return Usage(QStringLiteral("-o needs a file or folder"));
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            return Usage(QStringLiteral("export saved characters"));
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return Usage(QStringLiteral("unknown option: ") + a);
        } else {
            o.files.append(a);
        }
    }
    if (o.files.isEmpty())
        return Usage(QStringLiteral("no character file given"));
    if (o.encoding == TextEncoding::Cp932 && o.format != Format::Text)
        return Usage(QStringLiteral("--encoding applies to --format text only"));

    const bool toFolder = !o.out.isEmpty() && (o.files.size() > 1 || QFileInfo(o.out).isDir() ||
                                               o.out.endsWith(QLatin1Char('/')) || o.out.endsWith(QDir::separator()));
    if (o.out.isEmpty()) {
        if (o.files.size() > 1)
            return Usage(QStringLiteral("several files need -o FOLDER"));
        if (o.format == Format::Pdf)
            return Usage(QStringLiteral("PDF needs -o FILE or FOLDER"));
    }
    if (toFolder && !QDir().mkpath(o.out)) {
        Say(o.out + QStringLiteral(": cannot create the folder"));
        return 1;
    }

    // An export never replaces a character file: neither one of the inputs nor
    // any .ktc, and two inputs of one name never share a target.
    QSet<QString> inputs;
    for (const QString &path : o.files)
        inputs.insert(SamePathKey(path));
    QSet<QString> targets;

    int status = 0;
    for (const QString &path : o.files) {
        CharaRecord rec;
        QString reason;
        if (!ReadCharacter(path, rec, &reason)) {
            Say(path + QStringLiteral(": ") + reason);
            status = 1;
            continue;
        }
        const QByteArray bytes = Render(o, path, rec);
        if (o.out.isEmpty()) {
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
            std::fflush(stdout);
            continue;
        }
        const QString target = toFolder ? QDir(o.out).filePath(QFileInfo(path).completeBaseName() + QLatin1Char('.') +
                                                                Suffix(o.format))
                                        : o.out;
        const QString key = SamePathKey(target);
        if (inputs.contains(key) || target.endsWith(QLatin1String(".ktc"), Qt::CaseInsensitive)) {
            Say(target + QStringLiteral(": would replace a character file; not written"));
            status = 1;
            continue;
        }
        if (targets.contains(key)) {
            Say(path + QStringLiteral(": ") + target + QStringLiteral(" is already the output of another file; not written"));
            status = 1;
            continue;
        }
        targets.insert(key);
        if (!SaveFileAtomically(target, bytes, &reason)) {
            Say(target + QStringLiteral(": ") + reason);
            status = 1;
        }
    }
    return status;
}
