// The profile window: name, common name, number, sex, age and description.
// Every change goes into the current record at once; values entered by hand
// are marked in ProfileLock so that new-character generation keeps them.
#pragma once

#include "shell/forms.h"

class KCombo;
class KLabel;
class KText;
struct CharaRecord;

class FormBase : public ChildForm {
    Q_OBJECT
public:
    FormBase();
    void Form_Load() override;
    void Form_Unload() override;

    // 0 name, 1 common name, 2 description: every keystroke or code change.
    void TextChara_Change(int index);
    void ComboSex_Click();
    void TextAge_KeyPress(int keyAscii);
    void TextID_KeyPress(int keyAscii);
    // The abilities window's loaded-character refresh: this window's part.
    void ShowLoaded(const CharaRecord &rec);

    KText *TextChara[3];
    KText *TextID;
    KCombo *ComboSex;
    KText *TextAge;
};
