#include "shell/ui_seam.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>

UiHooks &uiHooks()
{
    static UiHooks hooks;
    return hooks;
}

MsgAnswer ShowMessage(const QString &title, const QString &text, MsgButtons buttons, MsgIcon icon)
{
    if (uiHooks().message)
        return uiHooks().message(title, text, buttons, icon);

    QMessageBox box(icon == MsgIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    title, QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == MsgButtons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return MsgAnswer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
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
