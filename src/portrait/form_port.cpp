#include "portrait/form_port.h"

#include "portrait/portrait_rules.h"
#include "shell/controls.h"
#include "shell/globals.h"

FormPort::FormPort()
    : ChildForm(QStringLiteral("FormPort"), QStringLiteral("肖像"), 5535, 4500)
{
    QWidget *c = client();
    FilePL = new KFileList(QStringLiteral("FilePL"), QStringLiteral("*.bmp;*.jpg"), c);
    Place(FilePL, 120, 120, 2535, 3870);
    auto *noPortrait = new KLabel(QStringLiteral("Label(0)"), QStringLiteral("NO PORTRAIT"), c);
    QFont serif(QStringLiteral("Times New Roman"), 12);
    serif.setStyleHint(QFont::Serif); // any Times-like face where that one is missing
    noPortrait->setFont(serif);
    noPortrait->setAlignment(Qt::AlignCenter);
    Place(noPortrait, 2880, 1560, 2295, 375);
    auto *size = new KLabel(QStringLiteral("Label(1)"), QStringLiteral("165×256"), c);
    size->setAlignment(Qt::AlignCenter);
    Place(size, 2880, 2040, 2295, 375);
    ImagePort = new KPicture(QStringLiteral("ImagePort"), c);
    Place(ImagePort, 2760, 120, 2535, 3855);
    // Created last, the picture lies over the labels, which show through while it is empty.
    TimerPort = new KTimer(QStringLiteral("TimerPort"), this);
    connect(FilePL, &KList::Click, this, &FormPort::FilePL_Click);
    connect(ImagePort, &KPicture::Click, this, &FormPort::ImagePort_Click);
    connect(TimerPort, &KTimer::Timer, this, &FormPort::TimerPort_Timer);
}

void FormPort::Form_Load()
{
    FilePL->setPath(PortraitFolder());
}

void FormPort::FilePL_Click()
{
    Chara.PortraitFile = FilePL->fileName();
    if (!Chara.PortraitFile.isEmpty())
        ShowPortraitFile(ImagePort, FilePL->path(), Chara.PortraitFile);
    else
        ImagePort->clearPicture();
}

void FormPort::ImagePort_Click()
{
    Chara.PortraitFile.clear();
    ImagePort->clearPicture();
}

void FormPort::TimerPort_Timer()
{
    TimerPort->setEnabled(false);
    // Giving up keeps the name in the record: the file may come back.
    if (!Chara.PortraitFile.isEmpty())
        ShowPortraitFile(ImagePort, FilePL->path(), Chara.PortraitFile);
    else
        ImagePort->clearPicture();
}

bool ShowPortraitFile(KPicture *pic, const QString &folder, const QString &name, const QString &promptPath)
{
    QImage img;
    if (!LoadPortraitWithPrompt(folder, name, img, promptPath))
        return false;
    pic->setPicture(PortraitPath(folder, name), img);
    return true;
}

FormPort *formPort()
{
    static QPointer<FormPort> form;
    return ensureChildForm(form);
}
