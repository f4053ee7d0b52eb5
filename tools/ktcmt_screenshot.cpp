// ktcmt-screenshot: a picture of one window of the running program, and a
// check that no caption or text of any window is cut off at the scale used.
//
//   QT_SCALE_FACTOR=2 ktcmt-screenshot [--app-dir DIR] [--seed N] [--script FILE]
//                     [--form NAME] [--mode 0|1] OUT.png
//
// The program starts as for a user; --script runs a driver script first (to
// show a given character, say). For FormTextSheet the sheet window is opened
// in sheet mode, or in list mode with --mode 0. Every label, button, check
// box, text box and combo box of every window whose text needs more room
// than it has, across or down, is listed on standard error; the exit status
// is 1 when there is one, else 0.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <cstdio>
#include <memory>
#include "script_driver.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/random.h"
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

// Controls of one window whose text does not fit the room they give it,
// across or down.
int ReportClipped(const QString &form, QWidget *w)
{
    int clipped = 0;
    // The main window holds the editing windows: each control is listed once, under its own window.
    const auto ownWindow = [&](QWidget *c) {
        for (QWidget *p = c->parentWidget(); p; p = p->parentWidget()) {
            if (formNames().contains(p->objectName()))
                return p == w;
        }
        return true;
    };
    const auto check = [&](QWidget *c, const QString &text, QSize need, QSize room) {
        if (!ownWindow(c) || !c->isVisibleTo(w) || text.isEmpty() || (need.width() <= room.width() && need.height() <= room.height()))
            return;
        std::fprintf(stderr, "clipped: %s.%s \"%s\" needs %dx%d, has %dx%d\n", qPrintable(form),
                     qPrintable(c->objectName()), qPrintable(text), need.width(), need.height(), room.width(),
                     room.height());
        ++clipped;
    };
    const auto textSize = [](const QWidget *c, const QString &text) {
        return QSize(c->fontMetrics().horizontalAdvance(text), c->fontMetrics().height());
    };
    for (QLabel *l : w->findChildren<QLabel *>()) {
        if (!l->wordWrap() && l->pixmap().isNull()) {
            const QSize room = l->contentsRect().size() - QSize(2 * l->margin(), 2 * l->margin());
            check(l, l->text(), textSize(l, l->text()), room);
        }
    }
    // A button's text with a little room at each side; its style's minimum
    // width is not a clipped text.
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        const QString text = QString(b->text()).remove(QLatin1Char('&'));
        QSize need = textSize(b, text) + QSize(8, 0);
        if (!qobject_cast<QPushButton *>(b))
            need.rwidth() += b->iconSize().width() + 8; // the box of a check box
        check(b, text, need, b->size());
    }
    // A text box shows its text inside its frame and the editor's own margins
    // (2 pixels across, 1 down); a number cut off in a read-only box is lost.
    for (QLineEdit *e : w->findChildren<QLineEdit *>()) {
        if (qobject_cast<QComboBox *>(e->parentWidget()))
            continue; // measured with its combo box
        const int frame = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
        const QMargins tm = e->textMargins();
        const QSize room(e->width() - 2 * frame - 4 - tm.left() - tm.right(), e->height() - 2 * frame - 2 - tm.top() - tm.bottom());
        QWidget *named = e->parentWidget() && !e->parentWidget()->objectName().isEmpty() && e->objectName().isEmpty()
                             ? e->parentWidget() : e;
        const QString text = e->text().isEmpty() ? QStringLiteral("0") : e->text(); // the height counts when empty
        QSize need = textSize(e, text);
        if (e->text().isEmpty())
            need.setWidth(0);
        check(named, text, need, room);
    }
    for (QComboBox *c : w->findChildren<QComboBox *>()) {
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.editable = c->isEditable();
        opt.frame = c->hasFrame();
        const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        QString widest;
        for (int i = 0; i < c->count(); ++i) {
            if (c->fontMetrics().horizontalAdvance(c->itemText(i)) > c->fontMetrics().horizontalAdvance(widest))
                widest = c->itemText(i);
        }
        // Every entry must fit when chosen; the editor's margins as for a text box.
        check(c, widest.isEmpty() ? QStringLiteral("0") : widest,
              QSize(widest.isEmpty() ? 0 : c->fontMetrics().horizontalAdvance(widest) + 4, c->fontMetrics().height()),
              field.size());
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
    QString form = QStringLiteral("FormTextSheet"), out, appDir, script;
    int mode = 1;
    bool seeded = false;
    qint64 seed = 0;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--form") && i + 1 < args.size())
            form = args[++i];
        else if (args[i] == QLatin1String("--app-dir") && i + 1 < args.size())
            appDir = args[++i];
        else if (args[i] == QLatin1String("--script") && i + 1 < args.size())
            script = args[++i];
        else if (args[i] == QLatin1String("--mode") && i + 1 < args.size())
            mode = args[++i] == QLatin1String("0") ? 0 : 1;
        else if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
            seed = args[++i].toLongLong(&seeded);
        else
            out = args[i];
    }
    if (out.isEmpty()) {
        std::fprintf(stderr, "usage: ktcmt-screenshot [--app-dir DIR] [--seed N] [--script FILE] [--form NAME] "
                             "[--mode 0|1] OUT.png\n");
        return 2;
    }
    if (seeded)
        SeedRandom(quint64(seed));
    if (!appDir.isEmpty())
        SetProgramFolder(QDir(appDir).absolutePath());
    QStringList lines;
    if (!script.isEmpty()) {
        QFile in(script);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(script));
            return 2;
        }
        lines = QString::fromUtf8(in.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    }
    // The driver answers the program's message boxes only when it runs a script.
    std::unique_ptr<ScriptDriver> driver;
    if (!lines.isEmpty())
        driver = std::make_unique<ScriptDriver>();
    StartProgram();
    RunTimers();

    QWidget *shot = nullptr;
    if (form == QLatin1String("FormTextSheet")) {
        FormTextSheet *sheet = formTextSheet();
        sheet->MenuMode_Click(mode);
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
    // The script runs on the window as shown: it may choose the character on the sheet.
    if (driver && driver->run(lines) != ScriptDriver::Ok) {
        std::fprintf(stderr, "the script failed\n");
        return 2;
    }
    RunTimers();
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
