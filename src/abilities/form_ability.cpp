#include "abilities/form_ability.h"

#include "shell/mdi_form_kt.h"

FormAbility::FormAbility()
    : ChildForm(QStringLiteral("FormAbility"), QStringLiteral("基本能力"), 6475, 4725)
{
}

void FormAbility::Form_Load()
{
}

void FormAbility::Form_Unload()
{
    mdiFormKT()->KTMenuAbi->setChecked(false);
}

FormAbility *formAbility()
{
    static QPointer<FormAbility> form;
    return ensureChildForm(form);
}
