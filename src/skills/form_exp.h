#pragma once

#include "shell/forms.h"

class KLabel;
class KTimer;

class FormExp : public ChildForm {
    Q_OBJECT
public:
    FormExp();
    void Form_Load() override;
    void Form_Unload() override;
    void TimerReset_Timer();
    // The abilities window's loaded-character refresh: this window's part.
    void ShowLoaded(const struct CharaRecord &rec);

    KLabel *LabelHome;
    KTimer *TimerReset;
};
