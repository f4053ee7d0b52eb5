#include "script_driver.h"

#include "shell/app.h"
#include "shell/chara_file.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/ui_seam.h"
#include "sheet/form_text_sheet.h"
#include "sheet/output_menu.h"
#include "shell/cp932.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace {

struct DriverFailure {
    int status;
    QString reason;
};

[[noreturn]] void throwFail(int status, const QString &reason)
{
    throw DriverFailure{status, reason};
}

void writeLine(const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fputc('\n', stdout);
}

[[noreturn]] void exitNow(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

// "Name(1,2)" -> "Name" and {1, 2}; false when the parentheses are malformed.
bool splitIndexed(const QString &s, QString &name, QList<int> &idx)
{
    idx.clear();
    const int open = int(s.indexOf(QLatin1Char('(')));
    if (open < 0) {
        name = s;
        return true;
    }
    if (!s.endsWith(QLatin1Char(')')))
        return false;
    name = s.left(open);
    const QString inner = s.mid(open + 1, s.size() - open - 2);
    for (const QString &part : inner.split(QLatin1Char(','))) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok);
        if (!ok)
            return false;
        idx << v;
    }
    return true;
}

// Splits at dots that are not inside parentheses.
QStringList splitTarget(const QString &t)
{
    QStringList parts;
    QString cur;
    int depth = 0;
    for (const QChar c : t) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char('.') && depth == 0) {
            parts << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts << cur;
    return parts;
}

QString scalarText(Byte v) { return QString::number(v); }
QString scalarText(Integer v) { return QString::number(v); }
QString scalarText(Long v) { return QString::number(v); }
QString scalarText(Single v) { return NumText(v); }
QString scalarText(const QString &v) { return ScriptDriver::escape(v); }

template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};
template <class T>
struct IsArray2 : std::false_type {};
template <class T, int A, int B>
struct IsArray2<Array2<T, A, B>> : std::true_type {};

struct FieldReader {
    QString name;
    QList<int> idx;
    QString value;
    QString error;
    bool found = false;

    template <class T>
    void operator()(const char *n, const T &field)
    {
        if (found || name != QLatin1String(n))
            return;
        found = true;
        if constexpr (IsStdArray<T>::value) {
            if (idx.size() != 1 || idx[0] < 0 || idx[0] >= int(field.size()))
                error = QStringLiteral("field %1 takes one index from 0 to %2").arg(name).arg(field.size() - 1);
            else
                value = scalarText(field[std::size_t(idx[0])]);
        } else if constexpr (IsArray2<T>::value) {
            if (idx.size() != 2 || idx[0] < 0 || idx[0] >= T::dim1 || idx[1] < 0 || idx[1] >= T::dim2)
                error = QStringLiteral("field %1 takes two indexes (0 to %2, 0 to %3)").arg(name).arg(T::dim1 - 1).arg(T::dim2 - 1);
            else
                value = scalarText(field(idx[0], idx[1]));
        } else {
            if (!idx.isEmpty())
                error = QStringLiteral("field %1 takes no index").arg(name);
            else
                value = scalarText(field);
        }
    }
};

// Finds a named control of a form without descending into other forms.
QObject *findControl(QObject *root, const QString &name, QObject *form)
{
    for (QObject *c : root->children()) {
        if (c != form && (qobject_cast<ChildForm *>(c) || qobject_cast<FormTextSheet *>(c)))
            continue;
        if (c->objectName() == name)
            return c;
        if (QObject *hit = findControl(c, name, form))
            return hit;
    }
    return nullptr;
}

QString stateName(const QWidget *w)
{
    const Qt::WindowStates s = w->windowState();
    if (s & Qt::WindowMinimized)
        return QStringLiteral("minimized");
    if (s & Qt::WindowMaximized)
        return QStringLiteral("maximized");
    return QStringLiteral("normal");
}

QString boolText(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

ScriptDriver::ScriptDriver()
{
    UiHooks &h = uiHooks();
    h.beep = [this] {
        ++m_beeps;
        writeLine(QStringLiteral("beep"));
    };
    h.message = [this](const QString &title, const QString &text, MsgButtons buttons, MsgIcon icon) {
        m_lastBox = QStringLiteral("%1|%2|%3|%4")
                        .arg(escape(title), escape(text),
                             buttons == MsgButtons::Ok ? QStringLiteral("ok") : QStringLiteral("yesno"),
                             icon == MsgIcon::Information ? QStringLiteral("information") : QStringLiteral("exclamation"));
        const QString head = QStringLiteral("msgbox ") + m_lastBox + QStringLiteral(" -> ");
        if (m_answers.isEmpty() && answerUnqueued)
            m_answers << answerUnqueued(buttons == MsgButtons::YesNo, title, text);
        if (m_answers.isEmpty()) {
            writeLine(head + QStringLiteral("none"));
            writeLine(QStringLiteral("FAIL line %1: no answer queued for the message box").arg(m_line));
            exitNow(ExpectFailed);
        }
        const QString a = m_answers.takeFirst();
        const bool fits = buttons == MsgButtons::Ok ? a == QLatin1String("ok") : a != QLatin1String("ok");
        if (!fits) {
            writeLine(head + QStringLiteral("none"));
            writeLine(QStringLiteral("FAIL line %1: answer %2 does not fit the message box").arg(m_line).arg(a));
            exitNow(ScriptError);
        }
        writeLine(head + a);
        if (a == QLatin1String("yes"))
            return MsgAnswer::Yes;
        if (a == QLatin1String("no"))
            return MsgAnswer::No;
        return MsgAnswer::Ok;
    };
    h.end = [] {
        writeLine(QStringLiteral("ended"));
        exitNow(ProgramEnded);
    };
    // The save and print dialogs are answered from the script as message
    // boxes are: printed when they appear, a failure when nothing is queued.
    OutputHooks &o = outputHooks();
    o.saveDialog = [this](const QString &title, const QString &suggested, const QStringList &filters)
        -> std::optional<SaveChoice> {
        const QString head = QStringLiteral("savedialog %1|%2|%3 -> ")
                                 .arg(escape(title), escape(QFileInfo(suggested).fileName()), escape(filters.join(QLatin1Char(';'))));
        if (m_saves.isEmpty() && dialogUnqueued)
            execute(QStringList{QStringLiteral("save")} + dialogUnqueued(false, int(filters.size())), {});
        if (m_saves.isEmpty()) {
            writeLine(head + QStringLiteral("none"));
            writeLine(QStringLiteral("FAIL line %1: no answer queued for the save dialog").arg(m_line));
            exitNow(ExpectFailed);
        }
        const SaveAnswer a = m_saves.takeFirst();
        if (a.path.isEmpty()) {
            writeLine(head + QStringLiteral("cancel"));
            return std::nullopt;
        }
        if (a.filter >= filters.size()) {
            writeLine(head + QStringLiteral("none"));
            writeLine(QStringLiteral("FAIL line %1: the save dialog has no file type %2").arg(m_line).arg(a.filter));
            exitNow(ScriptError);
        }
        writeLine(head + escape(a.given) + QLatin1Char('|') + QString::number(a.filter));
        return SaveChoice{a.path, a.filter};
    };
    o.printDialog = [this](QPrinter &printer) {
        const QString head = QStringLiteral("printdialog %1 -> ").arg(escape(printer.docName()));
        if (m_printers.isEmpty() && dialogUnqueued)
            execute(QStringList{QStringLiteral("printer")} + dialogUnqueued(true, 0), {});
        if (m_printers.isEmpty()) {
            writeLine(head + QStringLiteral("none"));
            writeLine(QStringLiteral("FAIL line %1: no answer queued for the print dialog").arg(m_line));
            exitNow(ExpectFailed);
        }
        const SaveAnswer a = m_printers.takeFirst();
        if (a.path.isEmpty()) {
            writeLine(head + QStringLiteral("cancel"));
            return false;
        }
        writeLine(head + escape(a.given));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(a.path);
        return true;
    };
}

QString ScriptDriver::escape(const QString &v)
{
    QString r;
    r.reserve(v.size());
    for (const QChar c : v) {
        switch (c.unicode()) {
        case '\r': r += QLatin1String("\\r"); break;
        case '\n': r += QLatin1String("\\n"); break;
        case '\t': r += QLatin1String("\\t"); break;
        case '\\': r += QLatin1String("\\\\"); break;
        default: r += c;
        }
    }
    return r;
}

QStringList ScriptDriver::splitArgs(const QString &line, bool &ok, QList<bool> *quoted)
{
    QStringList args;
    ok = true;
    int i = 0;
    const int n = int(line.size());
    while (i < n) {
        while (i < n && (line[i] == QLatin1Char(' ') || line[i] == QLatin1Char('\t')))
            ++i;
        if (i >= n)
            break;
        QString arg;
        if (line[i] == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i++];
                if (c == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                if (c == QLatin1Char('\\') && i < n) {
                    const QChar e = line[i++];
                    switch (e.unicode()) {
                    case 'r': arg += QChar(13); break;
                    case 'n': arg += QChar(10); break;
                    case 't': arg += QChar(9); break;
                    case '"':
                    case '\\': arg += e; break;
                    default: ok = false; // no other escapes exist
                    }
                } else {
                    arg += c;
                }
            }
            if (!closed)
                ok = false;
            if (quoted)
                quoted->append(true);
        } else {
            while (i < n && line[i] != QLatin1Char(' ') && line[i] != QLatin1Char('\t'))
                arg += line[i++];
            if (quoted)
                quoted->append(false);
        }
        args << arg;
    }
    return args;
}

void ScriptDriver::drain()
{
    // Posted events first (deferred deletes included), then the one-shot
    // timers in the order they were enabled, until nothing is left.
    for (int guard = 0; guard < 1000000; ++guard) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        KTimer *t = KTimer::firstPending();
        if (!t)
            return;
        t->fire();
    }
    throwFail(ScriptError, QStringLiteral("the refresh timers never settle"));
}

void ScriptDriver::out(const QString &line)
{
    writeLine(line);
}

int ScriptDriver::run(const QStringList &lines)
{
    drain();
    for (m_line = 1; m_line <= lines.size(); ++m_line) {
        const QString line = lines[m_line - 1];
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        bool ok = true;
        QList<bool> quoted;
        const QStringList args = splitArgs(line, ok, &quoted);
        try {
            if (!ok)
                throwFail(ScriptError, QStringLiteral("unterminated quote"));
            execute(args, quoted);
            drain();
        } catch (const DriverFailure &f) {
            out(QStringLiteral("FAIL line %1: %2").arg(m_line).arg(f.reason));
            std::fflush(stdout);
            return f.status;
        }
    }
    std::fflush(stdout);
    return Ok;
}

QObject *ScriptDriver::control(const QString &formName, const QString &name, QWidget **formOut)
{
    if (!formNames().contains(formName))
        throwFail(ScriptError, QStringLiteral("unknown window %1").arg(formName));
    QWidget *form = formByName(formName);
    if (formOut)
        *formOut = form;
    // "Label( 4 )" and "Label(4)" name the same array element.
    QString base;
    QList<int> idx;
    QString wanted = name;
    if (splitIndexed(name, base, idx) && idx.size() == 1)
        wanted = ArrayName(base, idx[0]);
    QObject *c = wanted.isEmpty() ? nullptr : findControl(form, wanted, form);
    if (!c)
        throwFail(ScriptError, QStringLiteral("unknown control %1.%2").arg(formName, name));
    return c;
}

QString ScriptDriver::recordValue(const QString &rec, const QString &field)
{
    FieldReader r;
    if (!splitIndexed(field, r.name, r.idx))
        throwFail(ScriptError, QStringLiteral("malformed field %1").arg(field));
    forEachField(rec == QLatin1String("Chara") ? Chara : CharaWork, r);
    if (!r.found)
        throwFail(ScriptError, QStringLiteral("unknown field %1.%2").arg(rec, r.name));
    if (!r.error.isEmpty())
        throwFail(ScriptError, r.error);
    return r.value;
}

QString ScriptDriver::globalValue(const QString &target)
{
    QString name;
    QList<int> idx;
    if (!splitIndexed(target, name, idx))
        throwFail(ScriptError, QStringLiteral("malformed global %1").arg(target));
    auto noIndex = [&] {
        if (!idx.isEmpty())
            throwFail(ScriptError, QStringLiteral("global %1 takes no index").arg(name));
    };
    if (name == QLatin1String("ProfileLock")) {
        if (idx.size() != 1 || idx[0] < 0 || idx[0] > 5)
            throwFail(ScriptError, QStringLiteral("ProfileLock takes one index from 0 to 5"));
        return QString::number(ProfileLock[std::size_t(idx[0])]);
    }
    noIndex();
    if (name == QLatin1String("CharacterLoaded")) return QString::number(CharacterLoaded);
    if (name == QLatin1String("SheetMode")) return QString::number(SheetMode);
    if (name == QLatin1String("CrLfMode")) return QString::number(CrLfMode);
    if (name == QLatin1String("ListSortMode")) return QString::number(ListSortMode);
    if (name == QLatin1String("ListGroup")) return QString::number(ListGroup);
    if (name == QLatin1String("WindowCmd")) return QString::number(WindowCmd);
    if (name == QLatin1String("AppPath")) return escape(AppPath);
    throwFail(ScriptError, QStringLiteral("unknown global %1").arg(name));
}

QString ScriptDriver::filesValue(const QString &what, const QString &prop)
{
    const QDir dir(CharactersFolder());
    if (what == QLatin1String("Characters") && prop.isEmpty()) {
        QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            const int c = a.compare(b, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a < b;
        });
        return escape(names.join(QLatin1Char('|')));
    }
    static const QRegularExpression re(QStringLiteral("^Characters\\((.*)\\)$"));
    const auto m = re.match(what);
    if (!m.hasMatch())
        throwFail(ScriptError, QStringLiteral("unknown target Files.%1").arg(what));
    QString propName;
    QList<int> idx;
    if (!splitIndexed(prop, propName, idx))
        throwFail(ScriptError, QStringLiteral("malformed property %1").arg(prop));
    const bool head = propName == QLatin1String("head");
    if (!prop.isEmpty() && !head && propName != QLatin1String("text") && propName != QLatin1String("cp932"))
        throwFail(ScriptError, QStringLiteral("unknown property %1 of Files.%2").arg(prop, what));
    if (head ? idx.size() != 1 || idx[0] < 0 : !idx.isEmpty())
        throwFail(ScriptError, head ? QStringLiteral("head takes one count") : QStringLiteral("%1 takes no index").arg(propName));
    QFile f(dir.filePath(m.captured(1)));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = f.readAll();
    if (propName == QLatin1String("text"))
        return escape(QString::fromUtf8(bytes));
    if (propName == QLatin1String("cp932"))
        return escape(DecodeCP932(bytes));
    if (head)
        return escape(QString::fromLatin1(bytes.left(idx[0])));
    return QString::fromLatin1(bytes.toHex());
}

QString ScriptDriver::windowProperty(QWidget *form, const QString &formName, const QString &prop)
{
    if (prop == QLatin1String("caption"))
        return escape(form->windowTitle());
    if (prop == QLatin1String("visible"))
        return boolText(!form->isHidden());
    if (prop == QLatin1String("state"))
        return stateName(form);
    const bool child = qobject_cast<ChildForm *>(form) != nullptr;
    const QRect g = child ? form->geometry() : form->frameGeometry();
    if (prop == QLatin1String("left")) return QString::number(ToTwips(g.x()));
    if (prop == QLatin1String("top")) return QString::number(ToTwips(g.y()));
    if (prop == QLatin1String("width")) return QString::number(ToTwips(g.width()));
    if (prop == QLatin1String("height")) return QString::number(ToTwips(g.height()));
    if (prop == QLatin1String("active") && formName == QLatin1String("MDIFormKT"))
        return mdiFormKT()->activeChildName();
    throwFail(ScriptError, QStringLiteral("unknown property %1 of window %2").arg(prop, formName));
}

QString ScriptDriver::controlProperty(QWidget *form, QObject *ctl, const QString &propSpec)
{
    QString prop;
    QList<int> idx;
    if (!splitIndexed(propSpec, prop, idx))
        throwFail(ScriptError, QStringLiteral("malformed property %1").arg(propSpec));
    auto bad = [&]() -> QString {
        throwFail(ScriptError, QStringLiteral("control %1 has no property %2").arg(ctl->objectName(), propSpec));
    };
    auto entry = [&](int count) {
        if (idx.size() != 1 || idx[0] < 0 || idx[0] >= count)
            throwFail(ScriptError, QStringLiteral("%1 is outside the entries of %2").arg(propSpec, ctl->objectName()));
        return idx[0];
    };
    if (!idx.isEmpty() && prop != QLatin1String("item") && prop != QLatin1String("data"))
        return bad();

    if (auto *a = qobject_cast<QAction *>(ctl)) {
        if (prop == QLatin1String("caption")) return escape(a->text());
        if (prop == QLatin1String("checked")) return boolText(a->isChecked());
        if (prop == QLatin1String("visible")) return boolText(a->isVisible());
        if (prop == QLatin1String("enabled")) return boolText(a->isEnabled());
        return bad();
    }
    if (auto *t = qobject_cast<KTimer *>(ctl)) {
        if (prop == QLatin1String("enabled")) return boolText(t->enabled());
        if (prop == QLatin1String("visible")) return boolText(false); // a timer is never shown
        return bad();
    }
    auto *w = qobject_cast<QWidget *>(ctl);
    if (!w)
        return bad();
    if (prop == QLatin1String("visible")) return boolText(w->isVisibleTo(form));
    if (prop == QLatin1String("enabled")) return boolText(w->isEnabledTo(form));
    if (prop == QLatin1String("left")) return QString::number(ToTwips(w->x()));
    if (prop == QLatin1String("top")) return QString::number(ToTwips(w->y()));
    if (prop == QLatin1String("width")) return QString::number(ToTwips(w->width()));
    if (prop == QLatin1String("height")) return QString::number(ToTwips(w->height()));

    if (auto *l = qobject_cast<KLabel *>(w)) {
        if (prop == QLatin1String("caption")) return escape(l->caption());
        return bad();
    }
    if (auto *b = qobject_cast<KButton *>(w)) {
        if (prop == QLatin1String("caption")) return escape(b->text());
        return bad();
    }
    if (auto *c = qobject_cast<KCheck *>(w)) {
        if (prop == QLatin1String("caption")) return escape(c->text());
        if (prop == QLatin1String("value")) return QString::number(c->value());
        return bad();
    }
    if (auto *t = qobject_cast<KText *>(w)) {
        if (prop == QLatin1String("text")) return escape(t->text());
        return bad();
    }
    if (auto *c = qobject_cast<KCombo *>(w)) {
        if (prop == QLatin1String("text")) return escape(c->text());
        if (prop == QLatin1String("index")) return QString::number(c->listIndex());
        if (prop == QLatin1String("count")) return QString::number(c->count());
        if (prop == QLatin1String("item")) return escape(c->itemText(entry(c->count())));
        if (prop == QLatin1String("data")) return QString::number(c->itemDataInt(entry(c->count())));
        return bad();
    }
    if (auto *l = qobject_cast<KList *>(w)) {
        if (prop == QLatin1String("text")) return escape(l->text());
        if (prop == QLatin1String("index")) return QString::number(l->listIndex());
        if (prop == QLatin1String("count")) return QString::number(l->count());
        if (prop == QLatin1String("item")) return escape(l->item(entry(l->count()))->text());
        if (prop == QLatin1String("data")) return QString::number(l->rowData(entry(l->count())));
        return bad();
    }
    if (auto *s = qobject_cast<KScroll *>(w)) {
        if (prop == QLatin1String("value")) return QString::number(s->value());
        if (prop == QLatin1String("min")) return QString::number(s->minimum());
        if (prop == QLatin1String("max")) return QString::number(s->maximum());
        return bad();
    }
    if (auto *p = qobject_cast<KPicture *>(w)) {
        if (prop == QLatin1String("picture")) return escape(p->picturePath());
        return bad();
    }
    return bad();
}

bool ScriptDriver::value(const QString &target, QString &out, QString *error)
{
    try {
        out = valueOf(target);
        return true;
    } catch (const DriverFailure &f) {
        if (error)
            *error = f.reason;
        return false;
    }
}

QString ScriptDriver::valueOf(const QString &target)
{
    const QStringList parts = splitTarget(target);
    const QString &head = parts[0];
    if (head == QLatin1String("Chara") || head == QLatin1String("CharaWork")) {
        if (parts.size() != 2)
            throwFail(ScriptError, QStringLiteral("malformed target %1").arg(target));
        return recordValue(head, parts[1]);
    }
    if (head == QLatin1String("Globals")) {
        if (parts.size() != 2)
            throwFail(ScriptError, QStringLiteral("malformed target %1").arg(target));
        return globalValue(parts[1]);
    }
    if (head == QLatin1String("App")) {
        if (parts.size() == 2 && parts[1] == QLatin1String("beeps"))
            return QString::number(m_beeps);
        if (parts.size() == 2 && parts[1] == QLatin1String("clipboard"))
            return escape(QGuiApplication::clipboard()->text());
        if (parts.size() == 2 && parts[1] == QLatin1String("msgbox"))
            return m_lastBox;
        throwFail(ScriptError, QStringLiteral("unknown target %1").arg(target));
    }
    if (head == QLatin1String("Files")) {
        if (parts.size() != 2 && parts.size() != 3)
            throwFail(ScriptError, QStringLiteral("malformed target %1").arg(target));
        return filesValue(parts[1], parts.value(2));
    }
    if (!formNames().contains(head))
        throwFail(ScriptError, QStringLiteral("unknown window %1").arg(head));
    QWidget *form = formByName(head);
    if (parts.size() == 2) {
        // FORM.PROP, unless the form has a control of that name.
        QObject *c = parts[1].isEmpty() ? nullptr : findControl(form, parts[1], form);
        if (!c)
            return windowProperty(form, head, parts[1]);
        throwFail(ScriptError, QStringLiteral("%1 names a control: give a property").arg(target));
    }
    if (parts.size() != 3)
        throwFail(ScriptError, QStringLiteral("malformed target %1").arg(target));
    QObject *ctl = control(head, parts[1]);
    return controlProperty(form, ctl, parts[2]);
}

namespace {
// A control a person cannot reach: hidden itself, or disabled.
bool unreachable(QObject *ctl, QWidget *form)
{
    if (auto *a = qobject_cast<QAction *>(ctl))
        return !a->isVisible() || !a->isEnabled();
    if (auto *w = qobject_cast<QWidget *>(ctl))
        return !w->isVisibleTo(form) || !w->isEnabledTo(form);
    return false;
}

// A person cannot type into a locked box.
bool readOnly(const KText *t)
{
    return (t->lineEdit() && t->lineEdit()->isReadOnly()) || (t->plainEdit() && t->plainEdit()->isReadOnly());
}

int toInt(const QString &s, bool &ok)
{
    return s.toInt(&ok);
}
} // namespace

void ScriptDriver::execute(const QStringList &args, const QList<bool> &quoted)
{
    const QString verb = args.value(0);
    auto need = [&](int n) {
        if (args.size() != n)
            throwFail(ScriptError, QStringLiteral("%1 takes %2 argument(s)").arg(verb).arg(n - 1));
    };
    auto controlArg = [&](const QString &target, QWidget **form) -> QObject * {
        const QStringList parts = splitTarget(target);
        if (parts.size() != 2)
            throwFail(ScriptError, QStringLiteral("%1 needs a control, not %2").arg(verb, target));
        return control(parts[0], parts[1], form);
    };
    auto formArg = [&](const QString &name) -> QWidget * {
        if (!formNames().contains(name))
            throwFail(ScriptError, QStringLiteral("unknown window %1").arg(name));
        return formByName(name);
    };
    auto ignored = [&](const QString &target) { out(QStringLiteral("ignored %1").arg(target)); };

    if (verb == QLatin1String("click")) {
        need(2);
        QWidget *form = nullptr;
        QObject *ctl = controlArg(args[1], &form);
        const bool isClickable = qobject_cast<QAction *>(ctl) || qobject_cast<KButton *>(ctl) || qobject_cast<KLabel *>(ctl)
                                 || qobject_cast<KPicture *>(ctl) || qobject_cast<KCheck *>(ctl);
        if (!isClickable)
            throwFail(ScriptError, QStringLiteral("%1 cannot be clicked").arg(args[1]));
        if (unreachable(ctl, form))
            return ignored(args[1]);
        if (auto *a = qobject_cast<QAction *>(ctl))
            a->trigger();
        else if (auto *b = qobject_cast<KButton *>(ctl))
            b->click();
        else if (auto *l = qobject_cast<KLabel *>(ctl))
            l->click();
        else if (auto *p = qobject_cast<KPicture *>(ctl))
            p->click();
        else if (auto *c = qobject_cast<KCheck *>(ctl))
            c->click();
        return;
    }
    if (verb == QLatin1String("select")) {
        need(3);
        QWidget *form = nullptr;
        QObject *ctl = controlArg(args[1], &form);
        bool ok = false;
        const int n = toInt(args[2], ok);
        auto *combo = qobject_cast<KCombo *>(ctl);
        auto *list = qobject_cast<KList *>(ctl);
        if (!combo && !list)
            throwFail(ScriptError, QStringLiteral("%1 is not a list").arg(args[1]));
        const int count = combo ? combo->count() : list->count();
        if (!ok || n < -1 || n >= count)
            throwFail(ScriptError, QStringLiteral("%1 is not an entry of %2").arg(args[2], args[1]));
        if (unreachable(ctl, form))
            return ignored(args[1]);
        if (combo)
            combo->userSelect(n);
        else
            list->userSelect(n);
        return;
    }
    if (verb == QLatin1String("type")) {
        need(3);
        QWidget *form = nullptr;
        QObject *ctl = controlArg(args[1], &form);
        auto *text = qobject_cast<KText *>(ctl);
        auto *combo = qobject_cast<KCombo *>(ctl);
        if (!text && !(combo && combo->isEditable()))
            throwFail(ScriptError, QStringLiteral("%1 is not a text box").arg(args[1]));
        if (unreachable(ctl, form) || (text && readOnly(text)))
            return ignored(args[1]);
        if (text)
            text->typeText(args[2]);
        else
            combo->typeText(args[2]);
        return;
    }
    if (verb == QLatin1String("key")) {
        need(3);
        QWidget *form = nullptr;
        QObject *ctl = controlArg(args[1], &form);
        auto *text = qobject_cast<KText *>(ctl);
        if (!text)
            throwFail(ScriptError, QStringLiteral("%1 is not a text box").arg(args[1]));
        QChar key;
        if (args[2] == QLatin1String("enter") && !quoted.value(2))
            key = QChar(13);
        else if (args[2].size() == 1)
            key = args[2][0];
        else
            throwFail(ScriptError, QStringLiteral("key takes enter or one character"));
        if (unreachable(ctl, form) || readOnly(text))
            return ignored(args[1]);
        text->pressKey(key);
        return;
    }
    if (verb == QLatin1String("scroll")) {
        need(3);
        QWidget *form = nullptr;
        QObject *ctl = controlArg(args[1], &form);
        auto *bar = qobject_cast<KScroll *>(ctl);
        if (!bar)
            throwFail(ScriptError, QStringLiteral("%1 is not a scroll bar").arg(args[1]));
        bool ok = false;
        const int v = toInt(args[2], ok);
        if (!ok)
            throwFail(ScriptError, QStringLiteral("malformed value %1").arg(args[2]));
        // As for a person dragging, the bar stops at the ends of its range.
        if (unreachable(ctl, form))
            return ignored(args[1]);
        bar->setValue(v);
        return;
    }
    if (verb == QLatin1String("check")) {
        need(3);
        QObject *ctl = controlArg(args[1], nullptr);
        auto *box = qobject_cast<KCheck *>(ctl);
        if (!box)
            throwFail(ScriptError, QStringLiteral("%1 is not a check box").arg(args[1]));
        bool ok = false;
        const int v = toInt(args[2], ok);
        if (!ok || v < 0 || v > 2)
            throwFail(ScriptError, QStringLiteral("check takes 0, 1 or 2"));
        box->setValue(v);
        return;
    }
    if (verb == QLatin1String("activate")) {
        need(2);
        QWidget *form = formArg(args[1]);
        // A person cannot click a window that is not shown.
        if (form->isHidden())
            return ignored(args[1]);
        // The window's activation handling runs from the activation itself.
        if (auto *child = qobject_cast<ChildForm *>(form))
            mdiFormKT()->area()->setActiveSubWindow(child);
        else
            ActivateTopLevel(form);
        return;
    }
    if (verb == QLatin1String("close")) {
        need(2);
        formArg(args[1])->close();
        return;
    }
    if (verb == QLatin1String("state")) {
        need(3);
        QWidget *form = formArg(args[1]);
        Qt::WindowStates s;
        if (args[2] == QLatin1String("normal"))
            s = Qt::WindowNoState;
        else if (args[2] == QLatin1String("minimized"))
            s = Qt::WindowMinimized;
        else if (args[2] == QLatin1String("maximized"))
            s = Qt::WindowMaximized;
        else
            throwFail(ScriptError, QStringLiteral("unknown window state %1").arg(args[2]));
        if (auto *child = qobject_cast<ChildForm *>(form)) {
            // An MDI child changes its state through its own show calls.
            if (s == Qt::WindowMinimized)
                child->isHidden() ? child->setWindowState(s) : child->showMinimized();
            else if (s == Qt::WindowMaximized)
                child->isHidden() ? child->setWindowState(s) : child->showMaximized();
            else
                child->isHidden() ? child->setWindowState(s) : child->showNormal();
        } else {
            form->setWindowState(s);
        }
        return;
    }
    if (verb == QLatin1String("answer")) {
        if (args.size() < 2)
            throwFail(ScriptError, QStringLiteral("answer takes at least one answer"));
        for (int i = 1; i < args.size(); ++i) {
            if (args[i] != QLatin1String("yes") && args[i] != QLatin1String("no") && args[i] != QLatin1String("ok"))
                throwFail(ScriptError, QStringLiteral("unknown answer %1").arg(args[i]));
            m_answers << args[i];
        }
        return;
    }
    auto pathArg = [&](const QString &p) {
        // Relative paths are taken from the program's folder.
        return QDir::isAbsolutePath(p) ? p : QDir(AppPath).filePath(p);
    };
    auto recordArg = [&](const QString &name) -> CharaRecord & {
        if (name == QLatin1String("Chara"))
            return Chara;
        if (name == QLatin1String("CharaWork"))
            return CharaWork;
        throwFail(ScriptError, QStringLiteral("unknown record %1").arg(name));
    };
    if (verb == QLatin1String("readfile")) {
        need(2);
        ClearRecord(CharaWork);
        ReadRecordFile(pathArg(args[1]), CharaWork);
        return;
    }
    if (verb == QLatin1String("writefile")) {
        if (args.size() != 2 && args.size() != 3)
            throwFail(ScriptError, QStringLiteral("writefile takes a path and an optional record"));
        CharaRecord &rec = args.size() == 3 ? recordArg(args[2]) : Chara;
        WriteRecordFile(pathArg(args[1]), rec);
        return;
    }
    if (verb == QLatin1String("copy")) {
        need(3);
        CharaRecord &from = recordArg(args[1]);
        CharaRecord &to = recordArg(args[2]);
        CopyRecord(from, to);
        return;
    }
    if (verb == QLatin1String("print")) {
        need(2);
        out(args[1] + QLatin1Char('=') + valueOf(args[1]));
        return;
    }
    if (verb == QLatin1String("save") || verb == QLatin1String("printer")) {
        const bool save = verb == QLatin1String("save");
        if (args.size() != 2 && !(save && args.size() == 3))
            throwFail(ScriptError, save ? QStringLiteral("save takes a path or cancel, and an optional file type")
                                        : QStringLiteral("printer takes a path or cancel"));
        if (args[1].isEmpty())
            throwFail(ScriptError, QStringLiteral("%1 takes a path or cancel").arg(verb));
        SaveAnswer a;
        if (args[1] != QLatin1String("cancel") || quoted.value(1)) {
            a.given = args[1];
            a.path = pathArg(args[1]);
        }
        if (args.size() == 3) {
            bool ok = false;
            a.filter = toInt(args[2], ok);
            if (!ok || a.filter < 0 || a.path.isEmpty())
                throwFail(ScriptError, QStringLiteral("malformed file type %1").arg(args[2]));
        }
        (save ? m_saves : m_printers) << a;
        return;
    }
    if (verb == QLatin1String("same")) {
        need(3);
        const QString a = valueOf(args[1]);
        const QString b = valueOf(args[2]);
        if (a != b)
            throwFail(ExpectFailed, QStringLiteral("%1=%2 differs from %3=%4").arg(args[1], a, args[2], b));
        return;
    }
    if (verb == QLatin1String("expect")) {
        need(3);
        const QString got = valueOf(args[1]);
        // A quoted value stands for the text itself; an unquoted one is compared as printed.
        const bool match = quoted.value(2) ? got == escape(args[2]) : got == args[2];
        if (!match)
            throwFail(ExpectFailed, QStringLiteral("expected %1=%2, got %3").arg(args[1], escape(args[2]), got));
        return;
    }
    throwFail(ScriptError, QStringLiteral("unknown command %1").arg(verb));
}
