#include "portrait/form_port.h"

#include "shell/controls.h"
#include "shell/globals.h"

#include <QDir>

FormPort::FormPort()
    : ChildForm(QStringLiteral("FormPort"), QStringLiteral("肖像"), 5535, 4500)
{
    QWidget *c = client();
    FilePL = new KFileList(QStringLiteral("FilePL"), QStringLiteral("*.bmp;*.jpg"), c);
    Place(FilePL, 120, 120, 2535, 3870);
    auto *noPortrait = new KLabel(QStringLiteral("Label(0)"), QStringLiteral("NO PORTRAIT"), c);
    noPortrait->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    noPortrait->setAlignment(Qt::AlignCenter);
    Place(noPortrait, 2880, 1560, 2295, 375);
    auto *size = new KLabel(QStringLiteral("Label(1)"), QStringLiteral("165×256"), c);
    size->setAlignment(Qt::AlignCenter);
    Place(size, 2880, 2040, 2295, 375);
    ImagePort = new KPicture(QStringLiteral("ImagePort"), c);
    Place(ImagePort, 2760, 120, 2535, 3855);
    // Created last, the picture lies over the labels, which show through while it is empty.
    TimerPort = new KTimer(QStringLiteral("TimerPort"), this);
    connect(TimerPort, &KTimer::Timer, this, &FormPort::TimerPort_Timer);
}

void FormPort::Form_Load()
{
    FilePL->setPath(JoinPath(AppPath, QStringLiteral("Characters") + QDir::separator() + QStringLiteral("Portraits")));
}

void FormPort::TimerPort_Timer()
{
    TimerPort->setEnabled(false);
}

FormPort *formPort()
{
    static QPointer<FormPort> form;
    return ensureChildForm(form);
}
