#include "profile/form_base.h"

#include "shell/globals.h"
#include "shell/mdi_form_kt.h"

FormBase::FormBase()
    : ChildForm(QStringLiteral("FormBase"), QStringLiteral("基本設定"), 7320, 2400)
{
}

void FormBase::Form_Load()
{
    Chara.Name = QStringLiteral("サンプル");
    Chara.God = 0;
}

void FormBase::Form_Unload()
{
    mdiFormKT()->KTMenuBase->setChecked(false);
}

FormBase *formBase()
{
    static QPointer<FormBase> form;
    return ensureChildForm(form);
}
