#include "languages/form_lang.h"

#include "languages/lang_tables.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/random.h"
#include "skills/form_exp.h"

FormLang::FormLang()
    : ChildForm(QStringLiteral("FormLang"), QStringLiteral("言語など"), 15235, 2910)
{
    QWidget *c = client();
    auto *godCaption = new KLabel(ArrayName(QStringLiteral("Label"), 0), QStringLiteral("宗派"), c);
    Place(godCaption, 120, 180, 615, 255);
    ComboGod = new KCombo(QStringLiteral("ComboGod"), c);
    for (const QString &g : DeityNames)
        ComboGod->addItem(g);
    ComboGod->setCurrentIndex(-1);
    Place(ComboGod, 780, 120, 2175, 300);
    connect(ComboGod, &KCombo::Click, this, &FormLang::ComboGod_Click);
    TimerReset = new KTimer(QStringLiteral("TimerReset"), this);
    connect(TimerReset, &KTimer::Timer, this, &FormLang::TimerReset_Timer);
}

void FormLang::Form_Load()
{
    ComboGod->setListIndex(Chara.God);
    ProfileLock[5] = 0;
}

void FormLang::Form_Unload()
{
    mdiFormKT()->KTMenuLang->setChecked(false);
}

void FormLang::ComboGod_Click()
{
    Randomize();
    int d = ComboGod->listIndex();
    // Selections made here continue this run; they must not start it anew.
    const QSignalBlocker block(ComboGod);
    if (Chara.SkillLevel[5] > 0 && d == 0) {
        d = int(Rnd() * 5) + 1;
        ComboGod->setCurrentIndex(d);
    }
    if (Chara.SkillLevel[8] > 0 && d > 0) {
        d = 0;
        ComboGod->setCurrentIndex(d);
    }
    if (Chara.Race == 3) {
        d = 0;
        ComboGod->setCurrentIndex(d);
    }
    if (d >= 0 && d != Chara.God) {
        Chara.God = Byte(d);
        formExp()->TimerReset->setEnabled(true);
    }
    ProfileLock[5] = 1;
}

void FormLang::TimerReset_Timer()
{
    TimerReset->setEnabled(false);
}

void FormLang::ShowLoaded(const CharaRecord &rec)
{
    // The deity steps run for the loaded deity even when it is the one shown.
    ComboGod->setListIndexAlways(rec.God);
}

FormLang *formLang()
{
    static QPointer<FormLang> form;
    return ensureChildForm(form);
}
