// One program run of the random user, inside the program's own process: the
// actions are driver script lines run through the driver, so that every run
// can be replayed as a script.
#include "random_user.h"

#include "script_driver.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/random.h"
#include "shell/ui_seam.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

// Typed texts: the numbers the boxes expect, their edges, and what a careless
// or hostile person types instead.
const QStringList &textPool()
{
    static const QStringList pool = [] {
        QStringList p = {
            QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("7"),
            QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("15"), QStringLiteral("18"), QStringLiteral("20"),
            QStringLiteral("21"), QStringLiteral("30"), QStringLiteral("-1"), QStringLiteral("-7"), QStringLiteral("3.5"),
            QStringLiteral("0.5"), QStringLiteral("100"), QStringLiteral("1000"), QStringLiteral("5000"),
            QStringLiteral("32767"), QStringLiteral("32768"), QStringLiteral("-32768"), QStringLiteral("65535"),
            QStringLiteral("2147483647"), QStringLiteral("-2147483649"), QStringLiteral("99999999999"),
            QStringLiteral("1e9"), QStringLiteral("1e40"), QStringLiteral("-1e40"), QStringLiteral("&H7FFF"),
            QStringLiteral("12abc"), QStringLiteral("abc"), QStringLiteral(""), QStringLiteral(" "),
            QStringLiteral("10 20"), QStringLiteral("\""), QStringLiteral("\\"), QStringLiteral("a\r\nb"),
            QStringLiteral("\t"), QStringLiteral("サンプル"), QStringLiteral("エルフ"), QStringLiteral("ファーマー"),
            QStringLiteral("１２"), QStringLiteral("ｱｲｳ"), QStringLiteral("＃名前＃"), QStringLiteral("\U0001F600"),
            QStringLiteral("①②"), QStringLiteral("KTC01-01.ktc"), QStringLiteral("..\\..\\x")};
        return p;
    }();
    return pool;
}

const QString KeyChars = QStringLiteral("0123456789-.+ea あ\"\\");

// A control of some window that a person could use now.
struct Candidate {
    QString target; // FORM.CONTROL, or FORM for the window itself
    QObject *obj = nullptr;
    int weight = 1;
};

bool readOnly(const KText *t)
{
    return (t->lineEdit() && t->lineEdit()->isReadOnly()) || (t->plainEdit() && t->plainEdit()->isReadOnly());
}

bool isOtherForm(QObject *o, QObject *form)
{
    return o != form && (qobject_cast<ChildForm *>(o) || o->inherits("FormTextSheet"));
}

void collect(QObject *root, QObject *form, const QString &formName, QList<Candidate> &out)
{
    for (QObject *c : root->children()) {
        if (isOtherForm(c, form))
            continue;
        const QString name = c->objectName();
        if (!name.isEmpty()) {
            const QString target = formName + QLatin1Char('.') + name;
            if (auto *a = qobject_cast<QAction *>(c)) {
                auto *menu = qobject_cast<QMenu *>(a->parent());
                const bool menuOpen = !menu || menu->menuAction()->isEnabled();
                if (!a->isSeparator() && !a->menu() && a->isVisible() && a->isEnabled() && menuOpen)
                    out.append({target, a, 2});
            } else if (auto *w = qobject_cast<QWidget *>(c); w && w->isVisible() && w->isEnabled()) {
                int weight = 0;
                if (auto *t = qobject_cast<KText *>(w))
                    weight = readOnly(t) ? 0 : 4;
                else if (auto *k = qobject_cast<KCombo *>(w))
                    weight = k->count() > 0 || k->isEditable() ? 4 : 0;
                else if (qobject_cast<KList *>(w) || qobject_cast<KScroll *>(w) || qobject_cast<KButton *>(w))
                    weight = 3;
                else if (qobject_cast<KCheck *>(w) || qobject_cast<KPicture *>(w))
                    weight = 2;
                else if (qobject_cast<KLabel *>(w))
                    weight = 1;
                if (weight)
                    out.append({target, w, weight});
            }
        }
        collect(c, form, formName, out);
    }
}

class Agent {
public:
    Agent(const AgentOptions &o) : m_o(o), m_rng(o.actionSeed) {}
    int run();

private:
    std::uint64_t pick(std::uint64_t n) { return n ? m_rng() % n : 0; }
    bool chance(int percent) { return int(pick(100)) < percent; }
    QString randomText(const KCombo *combo);
    QString chooseAction();
    QString actionFor(const Candidate &c);
    void perform(const QString &line);
    void connectMenus();
    quint64 runs() const { return HandlerRuns() + m_menuRuns; }
    void logLine(const QString &l);
    [[noreturn]] void fail(const QString &key, const QString &why, const QString &expectLine = QString());
    [[noreturn]] void finish(int status);

    AgentOptions m_o;
    std::mt19937_64 m_rng;
    QFile m_log;
    ScriptDriver *m_driver = nullptr;
    CharacterTracker *m_tracker = nullptr;
    QSet<QString> m_edited;
    QStringList m_follow;
    struct Box {
        QString title, text;
        MsgAnswer answer;
    };
    QList<Box> m_boxes;
    quint64 m_menuRuns = 0;
    quint64 m_actionStart = 0;
};

void Agent::logLine(const QString &l)
{
    m_log.write(l.toUtf8() + '\n');
    m_log.flush();
}

void Agent::finish(int status)
{
    m_log.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    // The windows are not torn down: the run is over, as when the program ends.
    std::_Exit(status);
}

void Agent::fail(const QString &key, const QString &why, const QString &expectLine)
{
    QString w = why;
    w.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    logLine(QStringLiteral("#FAIL ") + key + QLatin1Char('\t') + w + QLatin1Char('\t') + expectLine);
    finish(ChildCheckFailed);
}

void Agent::connectMenus()
{
    // Menu items are plain actions; their clicks count as handler runs too.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        for (QAction *a : top->findChildren<QAction *>()) {
            if (a->property("ktcmtCounted").toBool())
                continue;
            a->setProperty("ktcmtCounted", true);
            QObject::connect(a, &QAction::triggered, a, [this] { ++m_menuRuns; });
        }
    }
}

QString Agent::randomText(const KCombo *combo)
{
    if (combo && combo->count() > 0 && chance(50))
        return combo->itemText(int(pick(std::uint64_t(combo->count()))));
    // A text past what a file's text holds (two bytes a character in code
    // page 932), and a merely long one: rare, as laying them out is slow.
    if (pick(1000) < 3)
        return QString(33000, QChar(u'長'));
    if (chance(3))
        return QString(300, QChar(u'長'));
    if (chance(15))
        return QString::number(int(pick(60)) - 10);
    if (chance(10)) {
        // A few characters of the pool run together.
        QString s;
        for (int i = int(pick(4)) + 1; i > 0; --i)
            s += textPool()[int(pick(std::uint64_t(textPool().size())))];
        return s;
    }
    return textPool()[int(pick(std::uint64_t(textPool().size())))];
}

QString Agent::actionFor(const Candidate &c)
{
    const QString &t = c.target;
    if (!c.obj) {
        // The window itself.
        switch (pick(4)) {
        case 0:
        case 1: return QStringLiteral("activate ") + t;
        case 2: return QStringLiteral("close ") + t;
        default: {
            static const char *states[] = {"normal", "minimized", "maximized"};
            return QStringLiteral("state %1 %2").arg(t, QLatin1String(states[pick(3)]));
        }
        }
    }
    if (auto *text = qobject_cast<KText *>(c.obj)) {
        const int r = int(pick(10));
        if (r < 5) {
            // A person mostly confirms what was typed.
            if (chance(60))
                m_follow << QStringLiteral("key %1 enter").arg(t);
            QString s = randomText(nullptr);
            if (!text->multiLine())
                s.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
            return QStringLiteral("type %1 %2").arg(t, QuoteArg(s));
        }
        if (r < 8)
            return QStringLiteral("key %1 enter").arg(t);
        return QStringLiteral("key %1 %2").arg(t, QuoteArg(KeyChars.mid(int(pick(std::uint64_t(KeyChars.size()))), 1)));
    }
    if (auto *combo = qobject_cast<KCombo *>(c.obj)) {
        if (combo->isEditable() && (chance(40) || combo->count() == 0))
            return QStringLiteral("type %1 %2").arg(t, QuoteArg(randomText(combo)));
        // A person can pick an entry of a drop-down list but never pick "none".
        return QStringLiteral("select %1 %2").arg(t).arg(pick(std::uint64_t(combo->count())));
    }
    if (auto *list = qobject_cast<KList *>(c.obj)) {
        const int n = chance(5) ? -1 : int(pick(std::uint64_t(list->count() + 1))) - 1;
        return QStringLiteral("select %1 %2").arg(t).arg(n);
    }
    if (auto *bar = qobject_cast<KScroll *>(c.obj)) {
        // One step past either end too: the bar stops there, as for a drag.
        const qint64 lo = std::max<qint64>(qint64(bar->minimum()) - 1, INT_MIN);
        const qint64 hi = std::min<qint64>(qint64(bar->maximum()) + 1, INT_MAX);
        return QStringLiteral("scroll %1 %2").arg(t).arg(lo + qint64(pick(std::uint64_t(hi - lo + 1))));
    }
    // Set from code as another window would; grey is a state only code shows,
    // never one a person or the record can put there.
    if (qobject_cast<KCheck *>(c.obj) && chance(30))
        return QStringLiteral("check %1 %2").arg(t).arg(pick(2));
    return QStringLiteral("click ") + t;
}

QString Agent::chooseAction()
{
    if (!m_follow.isEmpty())
        return m_follow.takeFirst();
    QList<Candidate> cands;
    for (const QString &formName : formNames()) {
        if (!formExists(formName))
            continue;
        QWidget *form = formByName(formName);
        // Only what is on the screen: a child of the hidden main window is not.
        if (!form->isVisible())
            continue;
        cands.append({formName, nullptr, 1});
        collect(form, form, formName, cands);
    }
    int total = 0;
    for (const Candidate &c : cands)
        total += c.weight;
    if (total == 0)
        return QString();
    int r = int(pick(std::uint64_t(total)));
    for (const Candidate &c : cands) {
        if (r < c.weight)
            return actionFor(c);
        r -= c.weight;
    }
    return QString();
}

// The name in the delete confirmation: "キャラクター（NAME）のデータを削除します。".
QString deletedName(const QString &text)
{
    const QString head = QStringLiteral("キャラクター（");
    const QString tail = QStringLiteral("）のデータを削除します");
    const int a = int(text.indexOf(head));
    const int b = int(text.lastIndexOf(tail));
    if (a < 0 || b < a)
        return QString();
    return text.mid(a + head.size(), b - a - head.size());
}

void Agent::perform(const QString &line)
{
    bool ok = true;
    QList<bool> quoted;
    const QStringList args = ScriptDriver::splitArgs(line, ok, &quoted);
    const QString verb = args.value(0);
    if (verb == QLatin1String("type") || (verb == QLatin1String("key") && (args.value(2) != QLatin1String("enter") || quoted.value(2))))
        m_edited.insert(args.value(1));
    else if (verb == QLatin1String("key"))
        m_edited.remove(args.value(1)); // confirmed: the box must agree again

    m_boxes.clear();
    connectMenus();
    m_actionStart = runs();
    QElapsedTimer clock;
    clock.start();
    const int rc = m_driver->run({line});
    const quint64 n = runs() - m_actionStart;
    logLine(QStringLiteral("#handlers %1 %2").arg(n).arg(clock.nsecsElapsed() / 1000));
    if (rc != ScriptDriver::Ok) {
        if (!m_o.replayPath.isEmpty())
            finish(ChildNotReproduced);
        fail(QStringLiteral("driver"), QStringLiteral("the driver refused the line (status %1)").arg(rc));
    }
    if (n > m_o.maxHandlers)
        fail(QStringLiteral("handlers"), QStringLiteral("the action ran %1 handlers (at most %2 allowed)").arg(n).arg(m_o.maxHandlers));

    QStringList deletes;
    for (const Box &b : m_boxes)
        if (b.title == QStringLiteral("削除の確認") && b.answer == MsgAnswer::Yes)
            deletes << deletedName(b.text);
    // 上書 replaces one character with the edited one by design.
    const bool replacing = verb == QLatin1String("click") && args.value(1) == QLatin1String("FormTextSheet.CommandW");
    const QString why = m_tracker->verify(deletes, replacing);
    if (!why.isEmpty())
        fail(QStringLiteral("characters"), why);

    const QList<Mismatch> bad = RunWindowChecks(*m_driver, m_edited);
    if (!bad.isEmpty()) {
        const Mismatch &m = bad.first();
        fail(QStringLiteral("window %1 %2").arg(m.check, m.target),
             QStringLiteral("%1 shows %2, the record says %3").arg(m.target, QuoteArg(m.shown), QuoteArg(m.expected)),
             QStringLiteral("expect %1 %2").arg(m.target, QuoteArg(UnescapePrinted(m.expected))));
    }
}

int Agent::run()
{
    m_log.setFileName(m_o.logPath);
    if (!m_log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(m_o.logPath));
        return 2;
    }
    const bool replay = !m_o.replayPath.isEmpty();
    QStringList script;
    if (replay) {
        QFile in(m_o.replayPath);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(m_o.replayPath));
            return 2;
        }
        script = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    }

    // The same start as ktcmt-script's, so that a run replays there too.
    SeedRandom(m_o.seed);
    SetProgramFolder(QDir(m_o.appDir).absolutePath());
    ScriptDriver driver;
    m_driver = &driver;
    if (!replay) {
        driver.answerUnqueued = [this](bool yesNo, const QString &, const QString &) {
            const QString a = !yesNo ? QStringLiteral("ok") : chance(m_o.yesPercent) ? QStringLiteral("yes") : QStringLiteral("no");
            logLine(QStringLiteral("#answered ") + a);
            return a;
        };
        // Save and print dialogs: mostly cancelled, else a file beside the
        // characters (or a folder that is not there, for the failure box).
        driver.dialogUnqueued = [this](bool print, int fileTypes) {
            QStringList a;
            const int r = int(pick(4));
            if (r < 2)
                a << QStringLiteral("cancel");
            else
                a << (r == 2 ? QStringLiteral("out") : QStringLiteral("missing/out")) + (print ? QStringLiteral(".pdf") : QStringLiteral(".txt"));
            if (!print && r >= 2)
                a << QString::number(pick(std::uint64_t(std::max(fileTypes, 1))));
            logLine(QStringLiteral("#dialog ") + (print ? QStringLiteral("printer ") : QStringLiteral("save ")) + a.join(QLatin1Char(' ')));
            return a;
        };
    }
    UiHooks &h = uiHooks();
    const auto driverMessage = h.message;
    h.message = [this, driverMessage](const QString &title, const QString &text, MsgButtons b, MsgIcon i) {
        const MsgAnswer a = driverMessage(title, text, b, i);
        m_boxes.append({title, text, a});
        return a;
    };
    const auto driverEnd = h.end;
    h.end = [this, driverEnd] {
        logLine(QStringLiteral("#handlers %1").arg(runs() - m_actionStart));
        logLine(QStringLiteral("#ended"));
        driverEnd();
    };

    StartProgram();
    driver.run({}); // start-up's pending timers
    CharacterTracker tracker(QDir(m_o.appDir).filePath(QStringLiteral("Characters")));
    m_tracker = &tracker;
    const QString unreadable = tracker.take();
    if (!unreadable.isEmpty())
        fail(QStringLiteral("characters"), unreadable);

    if (replay) {
        for (const QString &raw : script) {
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (line.startsWith(QLatin1String("answer ")) || line.startsWith(QLatin1String("expect "))) {
                if (driver.run({line}) != ScriptDriver::Ok)
                    finish(ChildNotReproduced);
                continue;
            }
            logLine(line);
            perform(line);
        }
        finish(ScriptDriver::Ok);
    }
    for (int i = 0; i < m_o.actions; ++i) {
        const QString line = chooseAction();
        if (line.isEmpty())
            continue;
        logLine(line);
        perform(line);
    }
    finish(ScriptDriver::Ok);
}

} // namespace

int RunAgent(const AgentOptions &o)
{
    Agent a(o);
    return a.run();
}
