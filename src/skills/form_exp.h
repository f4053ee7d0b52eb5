// The skills window: adventurer skills bought with experience (held or total
// experience mode) and general-skill levels shared out of a fixed number of
// points. The rules live in skill_rules; this class holds the controls, the
// display modes and the reaction to each control event.
#pragma once

#include <QString>
#include "shell/forms.h"

class KButton;
class KCombo;
class KLabel;
class KList;
class KScroll;
class KText;
class KTimer;
struct CharaRecord;

class FormExp : public ChildForm {
    Q_OBJECT
public:
    FormExp();
    void Form_Load() override;
    void Form_Unload() override;

    void LabelSType_Click();
    void ComboSkill_Click();
    void ComboLevel_Click();
    void HScrollLv_Change();
    void ComboNSkill_Click();
    void ComboNSkill_Change();
    void LabelExpS_Click();
    void TextExp_KeyPress(int keyAscii);
    void ListSkill_Click();
    void CommandDelete_Click();
    void CommandReset_Click();
    void TimerReset_Timer();
    // The abilities window's loaded-character refresh: this window's part.
    void ShowLoaded(const CharaRecord &rec);

    KLabel *LabelSType;
    KCombo *ComboSkill;
    KCombo *ComboLevel;   // entry = level: "なし", "１" … "２０"
    KScroll *HScrollLv;
    KLabel *LabelLv;
    KLabel *Label[5] = {}; // only 1 ("レベル") and 4 ("獲得技能") exist
    KCombo *ComboNSkill;
    KLabel *LabelExpS;
    KText *TextExp;
    KLabel *LabelTotalExp;
    KLabel *LabelE;
    KLabel *LabelExp;
    KList *ListSkill;
    KButton *CommandDelete;
    KButton *CommandReset;
    KLabel *Label1;
    KLabel *LabelHome;
    KTimer *TimerReset;

    // 0 adventurer skills, 1 general skills.
    int SkillType = 0;
    // 0 held-experience mode, 1 total-experience mode.
    int TotalExpMode = 0;
    // Row to select again once the list is rebuilt; -1 none.
    int ListRestoreIndex = -1;
    QString CurrentGeneralSkill;
    // Slot 0..4 of CurrentGeneralSkill, or NoGeneralSlot.
    int CurrentGeneralSlot = 0;
    static constexpr int NoGeneralSlot = 10;

private:
    void skillChosenSteps();
    void levelChosenSteps();
    void generalSkillSteps(const QString &name);
    void generalScrollSteps(int value);
    // Level, remaining number and list rows of the general skill being edited.
    void showGeneralFigures();
    void experienceLabelSteps();
    void toAdventurerSkills();
    void toGeneralSkills();
    void setLevelBar(int lo, int hi, int value);
    void requestOtherRefreshes();

    // Nesting depth of the level and general-level steps: control events
    // from code run them nested, and a bounded depth stops a runaway chain.
    int m_depth = 0;
};
