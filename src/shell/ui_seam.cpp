#include "shell/ui_seam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>

namespace {
// A yes/no question is answered with one of its two buttons only: Esc and
// the title bar's close box would otherwise count as いいえ, which in the
// unexpected-error prompt ends the program.
class YesNoBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Escape) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent *e) override
    {
        if (!clickedButton()) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }
};
}

UiHooks &uiHooks()
{
    static UiHooks hooks;
    return hooks;
}

MsgAnswer ShowMessage(const QString &title, const QString &text, MsgButtons buttons, MsgIcon icon)
{
    if (uiHooks().message)
        return uiHooks().message(title, text, buttons, icon);

    YesNoBox box(icon == MsgIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    title, QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == MsgButtons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return MsgAnswer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void Beep()
{
    if (uiHooks().beep)
        uiHooks().beep();
    else
        QApplication::beep();
}

void EndProgram()
{
    if (uiHooks().end)
        uiHooks().end();
    // Ending means ending now: no event loop turn, no question, nothing saved.
    std::fflush(nullptr);
    std::_Exit(0);
}
