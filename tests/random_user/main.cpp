// ktcmt-random-user: a seeded random user for the whole program.
//
//   ktcmt-random-user [--seed N | --seeds A-B] [--actions K] [--keep DIR]
//                     [--shrink-seconds S] [--max-handlers N] [--yes-percent P]
//                     [--driver PATH]
//
// Every seed starts in a fresh program folder with a few characters and
// pictures and acts K times at random on whatever the windows show; the
// program ending (終了 answered はい) ends that run and the next one starts
// in the same folder. A failing seed prints the shortest driver script found
// that still fails, with the folder it starts from, runnable with
// ktcmt-script --app-dir FOLDER --seed N SCRIPT. --max-handlers lowers the
// bound on the handler runs of one action (200) to explore the longest chains;
// --yes-percent (50) sets how often はい is answered: lower, runs end less often.
#include "random_user.h"

#include "abilities/ability_rules.h"
#include "abilities/race_tables.h"
#include "shell/chara_file.h"
#include "shell/random.h"
#include "skills/skill_rules.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// The children's bound on the handler runs of one action.
QString maxHandlersArg = QString::number(MaxHandlerRunsPerAction);
QString yesPercentArg = QStringLiteral("50");

void say(const QString &s)
{
    const QByteArray b = s.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

quint64 mix(quint64 seed, quint64 run)
{
    quint64 z = seed * 0x9E3779B97F4A7C15ull + run + 1;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool copyTree(const QString &from, const QString &to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else if (!QFile::copy(src, dst))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- the folder

// A character as new-character generation would make it, from the rules alone.
CharaRecord rolledCharacter(int race, int number, const QStringList &pictures)
{
    CharaRecord r;
    ClearRecord(r);
    r.WeaponStr[1] = -1;
    r.Race = Byte(race);
    const RaceDiceRow &dice = RaceDiceTable[size_t(race)];
    r.BaseValue = RollBaseValues(dice);
    const StartingPackage p = RollStartingPackage(race);
    ApplyStartingPackage(r, p);
    r.Gold = RollGold(p.moneyMul);
    r.Age = RollAge(p.ageBase);
    r.Sex = RollSex();
    r.Name = FirstNames[r.Sex][size_t(RollFirstNameIndex())];
    if (number % 3 == 2)
        r.Name += QStringLiteral("・") + QString::number(number);
    r.Ambidextrous = RollAmbidextrous() ? 1 : 0;
    // Some spent experience on top of the birth skills.
    const int s = int(Rnd() * SkillCount);
    if (!IsRaceRestricted(race, s))
        r.SkillLevel[size_t(s)] = Byte(std::max<int>(r.SkillLevel[size_t(s)], 1 + int(Rnd() * 3)));
    r.ExpTotal += 3000;
    RecomputeCosts(r);
    const Derived d = DeriveAbilities(r.BaseValue, false, false, r.AbilityAdjust, r.AgeClass);
    r.Ability = d.ability;
    r.BaseTotal = d.baseTotal;
    r.AbilityTotal = d.abilityTotal;
    r.PortraitFile = number % 4 == 3 ? QStringLiteral("gone.bmp") : pictures.value(number % (pictures.size() + 1));
    r.CharaNo = Integer(number);
    return r;
}

void makeFolder(const QString &dir, quint64 seed)
{
    const QString chars = dir + QStringLiteral("/Characters");
    const QString ports = chars + QStringLiteral("/Portraits");
    QDir().mkpath(ports);

    // Small pictures of both kinds, one with an upper-case extension, and a
    // file that only claims to be a picture.
    QStringList pictures;
    const struct {
        const char *name;
        const char *format;
        QRgb colour;
    } pics[] = {{"a.bmp", "BMP", qRgb(200, 40, 40)}, {"b.jpg", "JPG", qRgb(40, 160, 60)}, {"Port C.BMP", "BMP", qRgb(20, 20, 200)}};
    for (const auto &pic : pics) {
        QImage img(16 + int(seed % 7), 12, QImage::Format_RGB32);
        img.fill(pic.colour);
        QPainter(&img).drawLine(0, 0, img.width(), img.height());
        img.save(ports + QLatin1Char('/') + QLatin1String(pic.name), pic.format);
        pictures << QLatin1String(pic.name);
    }
    QFile broken(ports + QStringLiteral("/broken.jpg"));
    if (broken.open(QIODevice::WriteOnly))
        broken.write("\xff\xd8\xff not a picture");
    pictures << QStringLiteral("broken.jpg");

    // A few characters under their regular names, one number skipped and one
    // still under its first-save name, written by the program's own writer.
    SeedRandom(seed);
    const int count = 3 + int(seed % 3);
    for (int i = 1; i <= count; ++i) {
        const int race = int(Rnd() * RaceCount);
        const CharaRecord r = rolledCharacter(race, i, pictures);
        QString name = CharacterFileName(i);
        if (i == count && seed % 2 == 1)
            name = CharacterFileName(i + 1);
        if (i == count && seed % 3 == 2)
            name = NewCharacterFileName(i - 1);
        WriteRecordFile(chars + QLatin1Char('/') + name, r);
    }
}

// ---------------------------------------------------------------- runs

struct Unit {
    QStringList answers;
    QString action;
    quint64 handlers = 0;
    qint64 micros = 0; // the action's time, its refreshes included
    QStringList dialogs; // save and printer lines the action's dialogs needed
};

struct RunResult {
    QList<Unit> units;
    bool ended = false;
    bool failed = false;
    QString key; // what failed: "crash", "handlers", "characters", "window CHECK TARGET", "driver"
    QString why;
    QString expectLine;
    int exitCode = 0;
};

RunResult parseLog(const QString &path)
{
    RunResult r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1String("#answered "))) {
            if (!r.units.isEmpty())
                r.units.last().answers << line.mid(10);
        } else if (line.startsWith(QLatin1String("#dialog "))) {
            if (!r.units.isEmpty())
                r.units.last().dialogs << line.mid(8);
        } else if (line.startsWith(QLatin1String("#handlers "))) {
            if (!r.units.isEmpty()) {
                const QStringList f = line.mid(10).split(QLatin1Char(' '));
                r.units.last().handlers = f.value(0).toULongLong();
                r.units.last().micros = f.value(1).toLongLong();
            }
        } else if (line == QLatin1String("#ended")) {
            r.ended = true;
        } else if (line.startsWith(QLatin1String("#FAIL "))) {
            const QStringList parts = line.mid(6).split(QLatin1Char('\t'));
            r.failed = true;
            r.key = parts.value(0);
            r.why = parts.value(1);
            r.expectLine = parts.value(2);
        } else if (!line.startsWith(QLatin1Char('#'))) {
            r.units.append({{}, line, 0, 0, {}});
        }
    }
    return r;
}

QString self()
{
    return QCoreApplication::applicationFilePath();
}

// Runs one child; the log and the child's output land beside logPath.
RunResult runChild(const QStringList &args, const QString &logPath)
{
    QProcess p;
    p.setStandardOutputFile(logPath + QStringLiteral(".out"));
    p.setStandardErrorFile(logPath + QStringLiteral(".err"));
    p.start(self(), args);
    // A child whose log stops growing is stuck in some handler: no action,
    // even a slow one under the sanitizers, takes a minute.
    constexpr qint64 stuckMs = 60000;
    qint64 lastSize = -1;
    QElapsedTimer still;
    still.start();
    bool hung = false;
    while (!p.waitForFinished(1000)) {
        const qint64 size = QFileInfo(logPath).size();
        if (size != lastSize) {
            lastSize = size;
            still.restart();
        } else if (still.elapsed() > stuckMs) {
            hung = true;
            p.kill();
            p.waitForFinished(-1);
            break;
        }
    }
    RunResult r = parseLog(logPath);
    r.exitCode = p.exitCode();
    if (hung) {
        r.failed = true;
        r.key = QStringLiteral("hang");
        r.why = QStringLiteral("the program did not finish an action within %1 s: ").arg(stuckMs / 1000)
                + (r.units.isEmpty() ? QStringLiteral("start-up") : r.units.last().action.left(200));
        r.expectLine.clear();
        return r;
    }
    const bool crashed = p.exitStatus() == QProcess::CrashExit;
    if (!crashed && (r.exitCode == 0 || r.exitCode == 3 || r.exitCode == ChildNotReproduced))
        return r;
    if (!crashed && r.exitCode == ChildCheckFailed && r.failed)
        return r;
    // A signal, a sanitizer's report or any other status: the program broke.
    QFile err(logPath + QStringLiteral(".err"));
    QString text;
    if (err.open(QIODevice::ReadOnly))
        text = QString::fromLocal8Bit(err.read(4000));
    r.failed = true;
    r.key = QStringLiteral("crash");
    r.why = (crashed ? QStringLiteral("the program crashed") : QStringLiteral("the program exited with status %1").arg(r.exitCode))
            + (text.isEmpty() ? QString() : QStringLiteral(": ") + text.simplified().left(600));
    r.expectLine.clear();
    return r;
}

QString scriptOf(const QList<Unit> &units, quint64 seed, const QString &tail = QString())
{
    QString s = QStringLiteral("#! --seed %1\n").arg(seed);
    for (const Unit &u : units) {
        if (!u.answers.isEmpty())
            s += QStringLiteral("answer ") + u.answers.join(QLatin1Char(' ')) + QLatin1Char('\n');
        for (const QString &d : u.dialogs)
            s += d + QLatin1Char('\n');
        s += u.action + QLatin1Char('\n');
    }
    if (!tail.isEmpty())
        s += tail + QLatin1Char('\n');
    return s;
}

bool writeText(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(text.toUtf8());
    return true;
}

// Replays units from a copy of the run's starting folder: does it fail the same way?
struct Shrinker {
    QString work;  // scratch folder
    QString start; // the failing run's starting folder
    quint64 seed = 0;
    QString key;
    int tries = 0;
    QElapsedTimer clock;
    qint64 budgetMs = 0;

    bool fails(const QList<Unit> &units)
    {
        ++tries;
        const QString folder = work + QStringLiteral("/try");
        copyTree(start, folder);
        const QString script = work + QStringLiteral("/try.kts");
        writeText(script, scriptOf(units, seed));
        const QString log = work + QStringLiteral("/try.log");
        const RunResult r = runChild({QStringLiteral("--replay"), script, QStringLiteral("--app-dir"), folder,
                                      QStringLiteral("--seed"), QString::number(seed), QStringLiteral("--log"), log,
                                      QStringLiteral("--max-handlers"), maxHandlersArg, QStringLiteral("--yes-percent"), yesPercentArg},
                                     log);
        return r.failed && r.key == key;
    }

    bool outOfTime() const { return clock.elapsed() > budgetMs; }

    // Delta debugging over the actions (each with the answers it needed).
    QList<Unit> shrink(QList<Unit> cur)
    {
        clock.start();
        int n = 2;
        while (cur.size() >= 2 && !outOfTime()) {
            const int chunk = int((cur.size() + n - 1) / n);
            bool reduced = false;
            for (int at = 0; at < cur.size() && !outOfTime(); at += chunk) {
                QList<Unit> rest = cur.mid(0, at) + cur.mid(at + chunk);
                if (!rest.isEmpty() && fails(rest)) {
                    cur = rest;
                    n = std::max(n - 1, 2);
                    reduced = true;
                    break;
                }
            }
            if (!reduced) {
                if (n >= cur.size())
                    break;
                n = std::min<int>(int(cur.size()), n * 2);
            }
        }
        return cur;
    }
};

struct SeedReport {
    bool failed = false;
    int actions = 0;
    int runs = 0;
    double seconds = 0;
    quint64 maxHandlers = 0;
    QString maxAction;
    qint64 slowestMicros = 0;
    QString slowestAction;
};

SeedReport runSeed(quint64 seed, int actions, const QString &root, int shrinkSeconds, const QString &driverPath)
{
    SeedReport rep;
    QElapsedTimer clock;
    clock.start();
    const QString base = root + QStringLiteral("/seed-%1").arg(seed);
    QDir(base).removeRecursively();
    QDir().mkpath(base);
    const QString work = base + QStringLiteral("/work");
    makeFolder(work, seed);

    int remaining = actions;
    RunResult failing;
    QString start;
    for (int run = 0; remaining > 0; ++run) {
        start = base + QStringLiteral("/start-%1").arg(run);
        copyTree(work, start);
        const QString log = base + QStringLiteral("/run-%1.log").arg(run);
        RunResult r = runChild({QStringLiteral("--child"), QStringLiteral("--app-dir"), work, QStringLiteral("--seed"),
                                QString::number(seed), QStringLiteral("--action-seed"), QString::number(mix(seed, quint64(run))),
                                QStringLiteral("--actions"), QString::number(remaining), QStringLiteral("--log"), log,
                                QStringLiteral("--max-handlers"), maxHandlersArg, QStringLiteral("--yes-percent"), yesPercentArg},
                               log);
        ++rep.runs;
        rep.actions += int(r.units.size());
        for (const Unit &u : r.units) {
            if (u.handlers > rep.maxHandlers) {
                rep.maxHandlers = u.handlers;
                rep.maxAction = u.action;
            }
            if (u.micros > rep.slowestMicros) {
                rep.slowestMicros = u.micros;
                rep.slowestAction = u.action.left(120);
            }
        }
        if (r.failed) {
            failing = r;
            break;
        }
        // A run that ends at once still uses up an action, so the seed always finishes.
        remaining -= std::max<int>(1, int(r.units.size()));
        QDir(start).removeRecursively();
    }
    rep.seconds = double(clock.elapsed()) / 1000.0;
    if (!failing.failed)
        return rep;

    rep.failed = true;
    say(QStringLiteral("seed %1: FAIL after %2 action(s) in run %3: ").arg(seed).arg(rep.actions).arg(rep.runs - 1) + failing.why);
    Shrinker s;
    s.work = base;
    s.start = start;
    s.seed = seed;
    s.key = failing.key;
    s.budgetMs = qint64(shrinkSeconds) * 1000;
    QList<Unit> units = failing.units;
    if (!s.fails(units)) {
        say(QStringLiteral("seed %1: the failing run does not fail again when replayed; its whole script is kept").arg(seed));
    } else {
        units = s.shrink(units);
    }
    const QString fixture = base + QStringLiteral("/repro-folder");
    copyTree(start, fixture);
    const QString script = base + QStringLiteral("/repro.kts");
    QString tail = QStringLiteral("# fails: %1").arg(failing.why.left(300));
    if (!failing.expectLine.isEmpty())
        tail += QLatin1Char('\n') + failing.expectLine;
    writeText(script, scriptOf(units, seed, tail));
    say(QStringLiteral("seed %1: shortest script found (%2 action(s), %3 replays):").arg(seed).arg(units.size()).arg(s.tries));
    QFile f(script);
    if (f.open(QIODevice::ReadOnly))
        say(QString::fromUtf8(f.readAll()).trimmed());
    say(QStringLiteral("reproduce: cp -r %1 /tmp/ktcmt-repro && ktcmt-script --app-dir /tmp/ktcmt-repro --seed %2 %3")
            .arg(fixture).arg(seed).arg(script));
    say(QStringLiteral("with the checks: %1 --replay %2 --app-dir <copy of %3> --seed %4 --log /tmp/replay.log")
            .arg(self(), script, fixture).arg(seed));
    if (!driverPath.isEmpty() && QFile::exists(driverPath)) {
        const QString folder = base + QStringLiteral("/verify");
        copyTree(fixture, folder);
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(driverPath, {QStringLiteral("--app-dir"), folder, QStringLiteral("--seed"), QString::number(seed), script});
        p.waitForFinished(-1);
        say(QStringLiteral("ktcmt-script on that script: %1")
                .arg(p.exitStatus() == QProcess::CrashExit ? QStringLiteral("crashed") : QStringLiteral("exit status %1").arg(p.exitCode())));
    }
    return rep;
}

int usage(const char *why)
{
    std::fprintf(stderr, "%s\nusage: ktcmt-random-user [--seed N | --seeds A-B] [--actions K] [--keep DIR] "
                         "[--shrink-seconds S] [--max-handlers N] [--yes-percent P] [--driver PATH]\n", why);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    auto option = [&](const QString &name, const QString &fallback = QString()) {
        const int i = int(args.indexOf(name));
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };

    if (args.contains(QStringLiteral("--child")) || args.contains(QStringLiteral("--replay"))) {
        // Qt's notes about the headless platform are no finding.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
            if (type == QtDebugMsg || type == QtInfoMsg || msg.contains(QLatin1String("propagateSizeHints"))
                || msg.contains(QLatin1String("does not support raise")) || msg.contains(QLatin1String("XDG_RUNTIME_DIR")))
                return;
            std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
        });
        QApplication app(argc, argv);
        AgentOptions o;
        o.appDir = option(QStringLiteral("--app-dir"));
        o.seed = option(QStringLiteral("--seed"), QStringLiteral("1")).toULongLong();
        o.actionSeed = option(QStringLiteral("--action-seed"), QStringLiteral("1")).toULongLong();
        o.actions = option(QStringLiteral("--actions"), QStringLiteral("0")).toInt();
        o.logPath = option(QStringLiteral("--log"));
        o.yesPercent = option(QStringLiteral("--yes-percent"), QStringLiteral("50")).toInt();
        o.maxHandlers = option(QStringLiteral("--max-handlers"), QString::number(MaxHandlerRunsPerAction)).toULongLong();
        o.replayPath = option(QStringLiteral("--replay"));
        return RunAgent(o);
    }

    QApplication app(argc, argv);
    quint64 first = 1, last = 1;
    if (args.contains(QStringLiteral("--seeds"))) {
        const QStringList range = option(QStringLiteral("--seeds")).split(QLatin1Char('-'));
        bool ok1 = false, ok2 = false;
        first = range.value(0).toULongLong(&ok1);
        last = range.value(1, range.value(0)).toULongLong(&ok2);
        if (!ok1 || !ok2 || last < first)
            return usage("--seeds takes A-B");
    } else if (args.contains(QStringLiteral("--seed"))) {
        bool ok = false;
        first = last = option(QStringLiteral("--seed")).toULongLong(&ok);
        if (!ok)
            return usage("--seed takes a number");
    }
    bool ok = false;
    const int actions = option(QStringLiteral("--actions"), QStringLiteral("1000")).toInt(&ok);
    if (!ok || actions < 1)
        return usage("--actions takes a positive number");
    maxHandlersArg = option(QStringLiteral("--max-handlers"), maxHandlersArg);
    yesPercentArg = option(QStringLiteral("--yes-percent"), yesPercentArg);
    const int shrinkSeconds = option(QStringLiteral("--shrink-seconds"), QStringLiteral("120")).toInt();
    QString driverPath = option(QStringLiteral("--driver"));
    // Beside this program, or at the top of the build tree.
    for (const char *rel : {"/ktcmt-script", "/../../ktcmt-script"}) {
        const QString candidate = QCoreApplication::applicationDirPath() + QLatin1String(rel);
        if (driverPath.isEmpty() && QFile::exists(candidate))
            driverPath = QDir::cleanPath(candidate);
    }

    QTemporaryDir temp;
    QString root = option(QStringLiteral("--keep"));
    if (root.isEmpty())
        root = temp.path();
    QDir().mkpath(root);

    int failures = 0;
    for (quint64 seed = first; seed <= last; ++seed) {
        const SeedReport r = runSeed(seed, actions, root, shrinkSeconds, driverPath);
        // Typed texts may hold "%1": the figures go in first, the texts in one pass.
        say(QStringLiteral("seed %1: %2 action(s) in %3 run(s), %4 s, %5 actions/s, largest handler count %6")
                .arg(seed)
                .arg(r.actions)
                .arg(r.runs)
                .arg(r.seconds, 0, 'f', 1)
                .arg(r.seconds > 0 ? r.actions / r.seconds : 0.0, 0, 'f', 0)
                .arg(r.maxHandlers)
            + QStringLiteral(" (") + r.maxAction + QStringLiteral("), slowest action ")
            + QString::number(double(r.slowestMicros) / 1000.0, 'f', 1) + QStringLiteral(" ms (") + r.slowestAction
            + QStringLiteral(")") + (r.failed ? QStringLiteral(" FAILED") : QString()));
        if (r.failed) {
            ++failures;
            // The failing seed's folders stay for the reproduction.
            temp.setAutoRemove(false);
        }
    }
    return failures ? 1 : 0;
}
