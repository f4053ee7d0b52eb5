// Baseline for the start-up benchmark: a bare main window with six child
// windows, nothing else. Quits as soon as the event loop is idle.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QMainWindow main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    for (int i = 0; i < 6; ++i) {
        auto *sub = area->addSubWindow(new QLabel(QStringLiteral("子ウィンドウ %1").arg(i)));
        sub->resize(300, 200);
        sub->show();
    }
    main.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
