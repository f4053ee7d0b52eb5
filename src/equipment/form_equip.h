#pragma once

#include "shell/forms.h"

class KLabel;
class KText;
class KTimer;

class FormEquip : public ChildForm {
    Q_OBJECT
public:
    FormEquip();
    void Form_Load() override;
    void Form_Unload() override;
    void TimerReset_Timer();
    // The abilities window's loaded-character refresh: this window's part.
    void ShowLoaded(const struct CharaRecord &rec);

    KText *TextGold;
    KLabel *LabelArm[2];
    KTimer *TimerReset;
};
