#include "skills/form_exp.h"

#include "shell/controls.h"
#include "shell/mdi_form_kt.h"

FormExp::FormExp()
    : ChildForm(QStringLiteral("FormExp"), QStringLiteral("技能"), 7920, 2400)
{
    QWidget *c = client();
    auto *homeCaption = new KLabel(QStringLiteral("Label1"), QStringLiteral("生まれ"), c);
    Place(homeCaption, 5160, 1680, 615, 255);
    LabelHome = new KLabel(QStringLiteral("LabelHome"), QStringLiteral("商人／学者"), c);
    Place(LabelHome, 5820, 1680, 1815, 255);
    TimerReset = new KTimer(QStringLiteral("TimerReset"), this);
    connect(TimerReset, &KTimer::Timer, this, &FormExp::TimerReset_Timer);
}

void FormExp::Form_Load()
{
}

void FormExp::Form_Unload()
{
    mdiFormKT()->KTMenuExp->setChecked(false);
}

void FormExp::TimerReset_Timer()
{
    TimerReset->setEnabled(false);
}

void FormExp::ShowLoaded(const CharaRecord &)
{
    LabelHome->setCaption(QStringLiteral("呼び出し"));
}

FormExp *formExp()
{
    static QPointer<FormExp> form;
    return ensureChildForm(form);
}
