#pragma once

#include "shell/forms.h"

class FormBase : public ChildForm {
    Q_OBJECT
public:
    FormBase();
    void Form_Load() override;
    void Form_Unload() override;
};
