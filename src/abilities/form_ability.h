#pragma once

#include "shell/forms.h"

class FormAbility : public ChildForm {
    Q_OBJECT
public:
    FormAbility();
    void Form_Load() override;
    void Form_Unload() override;
};
