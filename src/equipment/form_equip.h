// The equipment window: two weapon slots on paged lists, the off hand's
// shield or second weapon, armour, magic bonuses, the money left and the
// combat figures. The rules live in equip_rules; this class holds the
// controls and the display modes and turns each control event into a change
// of the items held, after which every figure is recomputed once from the
// record.
#pragma once

#include <array>
#include "shell/forms.h"

class KCombo;
class KLabel;
class KScroll;
class KText;
class KTimer;
struct CharaRecord;
struct EquipFigures;

class FormEquip : public ChildForm {
    Q_OBJECT
public:
    FormEquip();
    void Form_Load() override;
    void Form_Unload() override;

    void ComboWeapon_Click(int index);
    void HScrollSTa_Change(int index);
    // A bar reports dragging through its Change as well; the Scroll
    // handlers only pass on to it.
    void HScrollSTa_Scroll(int index);
    void LabelW_Click();
    void LabelLeft_Click();
    void LabelArm_Click(int index);
    void ComboMgW_Click();
    void ComboMgS_Click();
    void ComboArmor_Click();
    void HScrollSTd_Change();
    void HScrollSTd_Scroll();
    void ComboShield_Click();
    void ComboMgA_Click();
    void LabelDfp_Change(int index);
    void TextGold_KeyPress(int keyAscii);
    void TimerReset_Timer();
    // The abilities window's loaded-character refresh: this window's part.
    void ShowLoaded(const CharaRecord &rec);

    // Row 1: level and resistances.
    KLabel *LabelMaxLv;
    KLabel *LabelHP[4];
    // Main weapon.
    KLabel *LabelArm[2];
    KLabel *LabelW;
    KCombo *ComboWeapon[4];
    KScroll *HScrollSTa[2];
    KLabel *LabelSTa;
    KCombo *ComboMgW;
    KLabel *LabelAtp1[2];
    KLabel *LabelAtp2[2];
    KLabel *LabelAtp3[2];
    KLabel *LabelCRa[2];
    // Off hand.
    KLabel *LabelLeft;
    KCombo *ComboShield;
    KLabel *LabelSTs;
    KCombo *ComboMgS;
    KLabel *LabelSh;
    KLabel *LabelS[5];
    KLabel *LabelDfp[3];
    KLabel *LabelDfpS;
    // Armour.
    KCombo *ComboArmor;
    KScroll *HScrollSTd;
    KLabel *LabelSTd;
    KCombo *ComboMgA;
    KLabel *LabelCRd;
    // Bottom row.
    KLabel *LabeleA;
    KLabel *LabeleD;
    KLabel *LabelP;
    KText *TextGold;
    KTimer *TimerReset;

    // 0 page 1, 1 page 2 of slot 0's lists.
    int WeaponPage = 0;
    // 0 shield, 1 weapon from page 1, 2 weapon from page 2.
    int LeftMode = 0;
    // The skill that counts for attack and evasion (before a slot's ranger step).
    int SkillMode = 0;
    std::array<int, 2> StrShortfall{};
    // Weapon evaluations run since the window was made (a figure for measurements).
    long long WeaponEvaluations = 0;

private:
    class Quiet;
    void chooseWeapon(int slot, int weapon);
    void setWeaponBar(int slot);
    void setArmorBar();
    void showPage(int page);
    void showOffHand(int mode);
    void toShieldSide();
    void holdWeaponInList(int slot, int weapon);
    void setPriceCaption(long long price);
    void showRecord();
    void recompute();
    void showFigures(const EquipFigures &f);

    // Above zero while this window sets its own controls: the control
    // events that raises are this window's doing and are not handled again.
    int m_quiet = 0;
};
