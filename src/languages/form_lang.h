#pragma once

#include "shell/forms.h"

class KCombo;
class KLabel;
class KTimer;

class FormLang : public ChildForm {
    Q_OBJECT
public:
    FormLang();
    void Form_Load() override;
    void Form_Unload() override;
    void ComboGod_Click();
    void TimerReset_Timer();
    // The abilities window's loaded-character refresh: this window's part.
    void ShowLoaded(const struct CharaRecord &rec);

    KCombo *ComboGod;
    KTimer *TimerReset;
};
