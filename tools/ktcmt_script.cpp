// ktcmt-script: runs the real program headless from a script.
#include "script_driver.h"

#include "shell/app.h"
#include "shell/random.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {
int usage(const char *why)
{
    std::fprintf(stdout, "FAIL line 0: %s\n", why);
    std::fprintf(stderr, "usage: ktcmt-script [--app-dir DIR] [--seed N] [SCRIPT]\n");
    return ScriptDriver::ScriptError;
}
}

// Qt's notes about the headless platform are not the script's output.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (msg.contains(QLatin1String("propagateSizeHints")) || msg.contains(QLatin1String("does not support raise"))
        || msg.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QString appDir, scriptPath;
    bool seeded = false;
    qint64 seed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--app-dir")) {
            if (++i >= argc)
                return usage("--app-dir needs a folder");
            appDir = QString::fromLocal8Bit(argv[i]);
        } else if (a == QLatin1String("--seed")) {
            if (++i >= argc)
                return usage("--seed needs a number");
            bool ok = false;
            seed = QString::fromLocal8Bit(argv[i]).toLongLong(&ok);
            if (!ok)
                return usage("--seed needs a number");
            seeded = true;
        } else if (scriptPath.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            scriptPath = a;
        } else {
            return usage("unknown argument");
        }
    }

    QStringList lines;
    QByteArray bytes;
    if (scriptPath.isEmpty()) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return usage("cannot read standard input");
        bytes = in.readAll();
    } else {
        QFile in(scriptPath);
        if (!in.open(QIODevice::ReadOnly))
            return usage("cannot read the script file");
        bytes = in.readAll();
    }
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines = text.split(QLatin1Char('\n'));

    QApplication app(argc, argv);
    if (seeded)
        SeedRandom(quint64(seed));
    if (!appDir.isEmpty())
        SetProgramFolder(QDir(appDir).absolutePath());
    ScriptDriver driver;
    StartProgram();
    return driver.run(lines);
}
