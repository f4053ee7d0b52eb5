// ktcmt-screenshot: a picture of one window of the running program, and a
// check that no caption or text of any window is cut off at the scale used.
//
//   QT_SCALE_FACTOR=2 ktcmt-screenshot [--app-dir DIR] [--form NAME] OUT.png
//
// The program starts as for a user; for FormTextSheet the sheet window is
// opened in sheet mode. Every label, button and check box of every window
// whose text needs more room than it has is listed on standard error; the
// exit status is 1 when there is one, else 0.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "sheet/form_text_sheet.h"

namespace {

void RunTimers()
{
    for (int n = 0; n < 1000; ++n) {
        QApplication::processEvents();
        KTimer *t = KTimer::firstPending();
        if (!t)
            return;
        t->fire();
    }
}

// Controls of one window whose text does not fit their width.
int ReportClipped(const QString &form, QWidget *w)
{
    int clipped = 0;
    const auto check = [&](QWidget *c, const QString &text, int need) {
        if (!c->isVisibleTo(w) || text.isEmpty() || need <= c->width())
            return;
        std::fprintf(stderr, "clipped: %s.%s \"%s\" needs %d, has %d\n", qPrintable(form),
                     qPrintable(c->objectName()), qPrintable(text), need, c->width());
        ++clipped;
    };
    for (QLabel *l : w->findChildren<QLabel *>()) {
        if (!l->wordWrap() && l->pixmap().isNull())
            check(l, l->text(), l->fontMetrics().horizontalAdvance(l->text()) + 2 * l->margin());
    }
    // A button's text with a little room at each side; its style's minimum
    // width is not a clipped text.
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        const QString text = QString(b->text()).remove(QLatin1Char('&'));
        int need = b->fontMetrics().horizontalAdvance(text) + 8;
        if (!qobject_cast<QPushButton *>(b))
            need += b->iconSize().width() + 8; // the box of a check box
        check(b, text, need);
    }
    return clipped;
}

} // namespace

int main(int argc, char *argv[])
{
    // A real X screen (xvfb-run) gives the windows their full size; the
    // headless platform's small screen is the fallback.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString form = QStringLiteral("FormTextSheet"), out, appDir;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--form") && i + 1 < args.size())
            form = args[++i];
        else if (args[i] == QLatin1String("--app-dir") && i + 1 < args.size())
            appDir = args[++i];
        else
            out = args[i];
    }
    if (out.isEmpty()) {
        std::fprintf(stderr, "usage: ktcmt-screenshot [--app-dir DIR] [--form NAME] OUT.png\n");
        return 2;
    }
    if (!appDir.isEmpty())
        SetProgramFolder(QDir(appDir).absolutePath());
    StartProgram();
    RunTimers();

    QWidget *shot = nullptr;
    if (form == QLatin1String("FormTextSheet")) {
        FormTextSheet *sheet = formTextSheet();
        sheet->MenuMode_Click(1);
        sheet->TimerFMode->setEnabled(true);
        sheet->show();
        RunTimers();
        shot = sheet;
    } else {
        shot = formByName(form);
        if (!shot) {
            std::fprintf(stderr, "unknown window: %s\n", qPrintable(form));
            return 2;
        }
        shot->show();
        RunTimers();
        if (auto *sub = qobject_cast<QMdiSubWindow *>(shot->parentWidget()))
            shot = sub;
    }
    // The offscreen screen keeps a maximized window at its own size.
    shot->resize(shot->size().boundedTo(shot->screen()->availableSize()));
    RunTimers();

    int clipped = 0;
    for (const QString &name : formNames()) {
        if (formExists(name))
            clipped += ReportClipped(name, formByName(name));
    }
    const QPixmap pixmap = shot->grab();
    if (!pixmap.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 2;
    }
    std::printf("%s: %dx%d pixels at scale %g\n", qPrintable(out), pixmap.width(), pixmap.height(),
                pixmap.devicePixelRatio());
    return clipped ? 1 : 0;
}
