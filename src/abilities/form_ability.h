// The abilities window: race, base values A-H, the six abilities with their
// bonuses and totals, age category, undead templates, and new-character
// generation. Its recomputation is the one place abilities are derived.
#pragma once

#include <array>

#include "abilities/race_tables.h"
#include "shell/chara_record.h"
#include "shell/forms.h"

class KButton;
class KCheck;
class KCombo;
class KLabel;
class KText;
class KTimer;
struct Derived;

class FormAbility : public ChildForm {
    Q_OBJECT
public:
    FormAbility();
    void Form_Load() override;
    void Form_Unload() override;

    void ComboLace_Click();
    // New-character generation for the current race.
    void CommandRun_Click();
    // 0 最大, 1 期待値, 2 最小.
    void CommandE_Click(int index);
    void ComboShift_Click();
    // The recomputation: derives and shows everything from the record.
    void CommandRe_Click();
    void ComboAge_Click();
    void CheckAdd_Click(int index);
    void TextAb_KeyPress(int index, int keyAscii);
    void TextAbility_KeyPress(int index, int keyAscii);
    // Pushes a freshly loaded character into every window.
    void TimerAbi_Timer();
    // The loaded-character refresh: this window's part (age category and
    // templates; the race is set first, see TimerAbi_Timer).
    void ShowLoaded(const CharaRecord &rec);

    KCombo *ComboLace;
    KButton *CommandRun;
    KButton *CommandE[3];
    KCombo *ComboShift;
    KCombo *ComboAge;
    KText *TextAb[8];
    KText *TextAbility[6];
    KText *TextAdd[6];
    KLabel *LabelTotalSub;
    KLabel *LabelTotalMain;
    KLabel *LabelTotalAdd;
    KCheck *CheckAdd[2];
    KButton *CommandRe;
    KTimer *TimerAbi;

    // Mirrors of the two template boxes, rebuilt on every CheckAdd click.
    std::array<Byte, 2> UndeadFlag{};
    // The chosen race's dice (counts A-H, then constants).
    RaceDiceRow RaceDice{};

private:
    // Recomputation steps 4 and 5: bonuses, ability boxes and totals.
    void showAbilities(const Derived &d);
};
