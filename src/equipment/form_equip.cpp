#include "equipment/form_equip.h"

#include "shell/chara_record.h"
#include "shell/controls.h"
#include "shell/mdi_form_kt.h"

FormEquip::FormEquip()
    : ChildForm(QStringLiteral("FormEquip"), QStringLiteral("装備"), 8760, 4725)
{
    QWidget *c = client();
    LabelArm[0] = new KLabel(ArrayName(QStringLiteral("LabelArm"), 0), QStringLiteral("利腕"), c);
    Place(LabelArm[0], 120, 480, 495, 255);
    LabelArm[1] = new KLabel(ArrayName(QStringLiteral("LabelArm"), 1), QStringLiteral("逆腕"), c);
    Place(LabelArm[1], 120, 1680, 495, 255);
    auto *goldCaption = new KLabel(QStringLiteral("Label1"), QStringLiteral("所持金"), c);
    Place(goldCaption, 6600, 3960, 615, 255);
    TextGold = new KText(QStringLiteral("TextGold"), c);
    TextGold->setText(QStringLiteral("0"));
    Place(TextGold, 7260, 3900, 1215, 330);
    TimerReset = new KTimer(QStringLiteral("TimerReset"), this);
    connect(TimerReset, &KTimer::Timer, this, &FormEquip::TimerReset_Timer);
}

void FormEquip::Form_Load()
{
    TimerReset->setEnabled(true);
}

void FormEquip::Form_Unload()
{
    mdiFormKT()->KTMenuEq->setChecked(false);
}

void FormEquip::TimerReset_Timer()
{
    TimerReset->setEnabled(false);
}

void FormEquip::ShowLoaded(const CharaRecord &rec)
{
    TextGold->setText(QString::number(rec.Gold));
    LabelArm[1]->setCaption(rec.Ambidextrous == 1 ? QStringLiteral("利腕") : QStringLiteral("逆腕"));
}

FormEquip *formEquip()
{
    static QPointer<FormEquip> form;
    return ensureChildForm(form);
}
