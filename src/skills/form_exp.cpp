#include "skills/form_exp.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include "equipment/form_equip.h"
#include "languages/form_lang.h"
#include "shell/chara_record.h"
#include "shell/controls.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/ui_seam.h"
#include "skills/skill_rules.h"

namespace {

// Deep enough for every legitimate chain (a level change nests at most a few
// levels through the combo, the bar and the list), shallow enough to stop a loop.
constexpr int MaxNesting = 16;
// The bar covers the general levels 0..10.
constexpr int MaxGeneralBarLevel = 10;

const QString HeldExpCaption = QStringLiteral("保有経験点");
const QString TotalExpCaption = QStringLiteral("総経験点");
const QString GeneralPointsCaption = QStringLiteral("合計レベル");
const QString CostCaption = QStringLiteral("必要経験点");
const QString RemainingCaption = QStringLiteral("残り数");
const QString AdventurerTypeCaption = QStringLiteral("冒険者技能");
const QString GeneralTypeCaption = QStringLiteral("一般技能");
const QString NoSlotLevelText = QStringLiteral("×");

class NestingGuard {
public:
    explicit NestingGuard(int &depth) : m_depth(depth) { ++m_depth; }
    ~NestingGuard() { --m_depth; }
    bool tooDeep() const { return m_depth > MaxNesting; }
private:
    int &m_depth;
};

long long heldExperience(const CharaRecord &rec)
{
    // ExpTotal may sit at the bottom of the 32-bit range, so the difference is taken wider.
    return static_cast<long long>(rec.ExpTotal) - rec.ExpSpent;
}

QString adventurerLevelText(int level)
{
    return level == 0 ? QStringLiteral("なし") : NumText(level);
}

} // namespace

FormExp::FormExp()
    : ChildForm(QStringLiteral("FormExp"), QStringLiteral("技能"), 7920, 2400)
{
    QWidget *c = client();

    // Left column: type, skill, level, experience, cost.
    LabelSType = new KLabel(QStringLiteral("LabelSType"), AdventurerTypeCaption, c);
    LabelSType->setBorder(true);
    LabelSType->setAlignment(Qt::AlignCenter);
    LabelSType->setCursor(Qt::PointingHandCursor);
    Place(LabelSType, 120, 90, 1455, 285);

    ComboSkill = new KCombo(QStringLiteral("ComboSkill"), c);
    for (const QString &name : SkillNames)
        ComboSkill->addItem(name);
    ComboSkill->setCurrentIndex(-1); // the load selects the first skill, running its steps
    Place(ComboSkill, 120, 450, 2415, 315);

    ComboNSkill = new KCombo(QStringLiteral("ComboNSkill"), c, true);
    for (const QString &name : GeneralSkillChoices)
        ComboNSkill->addItem(name);
    ComboNSkill->typeText(InitialGeneralSkillText); // typed text: no entry selected
    ComboNSkill->hide();
    Place(ComboNSkill, 120, 450, 2415, 315);

    Label[1] = new KLabel(ArrayName(QStringLiteral("Label"), 1), QStringLiteral("レベル"), c);
    Place(Label[1], 120, 885, 735, 255);

    HScrollLv = new KScroll(QStringLiteral("HScrollLv"), c);
    Place(HScrollLv, 900, 870, 1635, 255);

    ComboLevel = new KCombo(QStringLiteral("ComboLevel"), c);
    for (int level = 0; level <= MaxSkillLevel; ++level)
        ComboLevel->addItem(LevelText(level));
    ComboLevel->setCurrentIndex(-1);
    ComboLevel->hide();
    Place(ComboLevel, 900, 840, 1155, 315);

    LabelLv = new KLabel(QStringLiteral("LabelLv"), QString(), c);
    LabelLv->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(LabelLv, 2580, 885, 495, 255);

    LabelExpS = new KLabel(QStringLiteral("LabelExpS"), HeldExpCaption, c);
    LabelExpS->setBorder(true);
    LabelExpS->setCursor(Qt::PointingHandCursor);
    Place(LabelExpS, 120, 1260, 1095, 285);

    TextExp = new KText(QStringLiteral("TextExp"), c);
    Place(TextExp, 1260, 1245, 1275, 315);

    LabelTotalExp = new KLabel(QStringLiteral("LabelTotalExp"), QString(), c);
    LabelTotalExp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelTotalExp->hide();
    Place(LabelTotalExp, 1260, 1275, 1275, 255);

    LabelE = new KLabel(QStringLiteral("LabelE"), CostCaption, c);
    Place(LabelE, 120, 1650, 1095, 255);

    LabelExp = new KLabel(QStringLiteral("LabelExp"), QString(), c);
    LabelExp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(LabelExp, 1260, 1650, 1275, 255);

    // Right part: the list with its buttons, and the birth.
    Label[4] = new KLabel(ArrayName(QStringLiteral("Label"), 4), QStringLiteral("獲得技能"), c);
    Place(Label[4], 3300, 90, 1215, 255);

    ListSkill = new KList(QStringLiteral("ListSkill"), c);
    Place(ListSkill, 3300, 375, 2775, 1140);

    CommandDelete = new KButton(QStringLiteral("CommandDelete"), QStringLiteral("削除"), c);
    Place(CommandDelete, 6300, 375, 1215, 375);

    CommandReset = new KButton(QStringLiteral("CommandReset"), QStringLiteral("初期化"), c);
    Place(CommandReset, 6300, 855, 1215, 375);

    Label1 = new KLabel(QStringLiteral("Label1"), QStringLiteral("生まれ"), c);
    Place(Label1, 3300, 1650, 615, 255);

    LabelHome = new KLabel(QStringLiteral("LabelHome"), QStringLiteral("商人／学者"), c);
    Place(LabelHome, 3960, 1650, 2115, 255);

    TimerReset = new KTimer(QStringLiteral("TimerReset"), this);

    connect(LabelSType, &KLabel::Click, this, &FormExp::LabelSType_Click);
    connect(ComboSkill, &KCombo::Click, this, &FormExp::ComboSkill_Click);
    connect(ComboLevel, &KCombo::Click, this, &FormExp::ComboLevel_Click);
    connect(HScrollLv, &KScroll::Change, this, &FormExp::HScrollLv_Change);
    connect(ComboNSkill, &KCombo::Click, this, &FormExp::ComboNSkill_Click);
    connect(ComboNSkill, &KCombo::Change, this, &FormExp::ComboNSkill_Change);
    connect(LabelExpS, &KLabel::Click, this, &FormExp::LabelExpS_Click);
    connect(TextExp, &KText::KeyPress, this, &FormExp::TextExp_KeyPress);
    connect(ListSkill, &KList::Click, this, &FormExp::ListSkill_Click);
    connect(CommandDelete, &KButton::clicked, this, &FormExp::CommandDelete_Click);
    connect(CommandReset, &KButton::clicked, this, &FormExp::CommandReset_Click);
    connect(TimerReset, &KTimer::Timer, this, &FormExp::TimerReset_Timer);
}

void FormExp::Form_Load()
{
    ComboSkill->setListIndex(0);
    // While adventurer skills are shown this only locates the general skill's slot.
    ComboNSkill->setListIndex(0);
}

void FormExp::Form_Unload()
{
    mdiFormKT()->KTMenuExp->setChecked(false);
}

// ---------------------------------------------------------------- adventurer skills

void FormExp::ComboSkill_Click()
{
    skillChosenSteps();
}

void FormExp::skillChosenSteps()
{
    const int s = ComboSkill->listIndex();
    if (s < 0)
        return;
    const int level = std::min(int(Chara.SkillLevel[s]), MaxSkillLevel);
    // Either way the level steps run exactly once: the combo runs them only on a change.
    if (ComboLevel->listIndex() == level)
        levelChosenSteps();
    else
        ComboLevel->setListIndex(level);
}

void FormExp::ComboLevel_Click()
{
    levelChosenSteps();
}

void FormExp::levelChosenSteps()
{
    const int s = ComboSkill->listIndex();
    const int v = ComboLevel->listIndex();
    if (s < 0 || v < 0)
        return;
    const NestingGuard guard(m_depth);
    if (guard.tooDeep())
        return;

    const LevelChangeResult r = ApplyLevelChange(Chara, s, v);

    LabelExp->setCaption(r.costText);
    LabelTotalExp->setCaption(NumText(int(Chara.ExpSpent)));
    TextExp->setText(NumText(heldExperience(Chara)));

    // Moving the bar selects the same level in the combo, which is already
    // selected, unless the race restriction has just put the skill to 0.
    setLevelBar(0, MaxSkillLevel, Chara.SkillLevel[s]);
    LabelLv->setCaption(adventurerLevelText(Chara.SkillLevel[s]));

    if (TotalExpMode == 0 && !r.restricted) {
        // The level never exceeds its ceiling, so the maximum moves nothing;
        // only a birth level above the level raises it, and that nested change
        // is the last thing this step does.
        HScrollLv->setMax(r.ceiling);
        HScrollLv->setMin(r.floor);
    }
    // A restricted skill stays at 0 whatever its birth level.
    if (r.restricted)
        HScrollLv->setMax(0);

    ListSkill->clearRows();
    for (const auto &row : SkillListRows(Chara))
        ListSkill->addRow(row.first, row.second);
    if (ListRestoreIndex >= 0 && ListRestoreIndex < ListSkill->count())
        ListSkill->setListIndex(ListRestoreIndex);
    ListRestoreIndex = -1;

    // A level the race refuses must not stay shown in the level combo.
    if (r.restricted && ComboLevel->listIndex() != Chara.SkillLevel[s])
        ComboLevel->setListIndex(Chara.SkillLevel[s]);

    requestOtherRefreshes();
}

void FormExp::requestOtherRefreshes()
{
    formEquip()->TimerReset->setEnabled(true);
    formLang()->TimerReset->setEnabled(true);
}

void FormExp::setLevelBar(int lo, int hi, int value)
{
    // Widen first so that no range change clamps the old value on the way:
    // the handler sees the new value only, and only if it differs.
    const int current = HScrollLv->value();
    HScrollLv->setMax(std::max(hi, current));
    HScrollLv->setMin(std::min(lo, current));
    HScrollLv->setValueFromCode(value);
    HScrollLv->setMax(hi);
    HScrollLv->setMin(lo);
}

void FormExp::HScrollLv_Change()
{
    const int value = HScrollLv->value();
    if (SkillType == 0)
        ComboLevel->setListIndex(value); // runs the level steps when the entry changes
    else
        generalScrollSteps(value);
}

// ---------------------------------------------------------------- general skills

void FormExp::ComboNSkill_Click()
{
    const int i = ComboNSkill->listIndex();
    generalSkillSteps(i >= 0 ? ComboNSkill->itemText(i) : ComboNSkill->text());
}

void FormExp::ComboNSkill_Change()
{
    generalSkillSteps(ComboNSkill->text());
}

void FormExp::generalSkillSteps(const QString &name)
{
    CurrentGeneralSkill = name;
    const int slot = GeneralSlotSearch(Chara, name);
    CurrentGeneralSlot = slot < 0 ? NoGeneralSlot : slot;
    if (SkillType != 1)
        return;

    if (slot < 0) {
        Beep();
        setLevelBar(0, 0, 0);
    } else {
        setLevelBar(0, MaxGeneralBarLevel, Chara.GeneralSkillLevel[slot]);
    }
    // Run even when the bar did not move, so the displays follow the skill.
    generalScrollSteps(HScrollLv->value());
}

void FormExp::generalScrollSteps(int value)
{
    if (CurrentGeneralSlot == NoGeneralSlot) {
        LabelLv->setCaption(NoSlotLevelText);
        return;
    }
    const NestingGuard guard(m_depth);
    if (guard.tooDeep())
        return;

    const GeneralLevelResult r = ApplyGeneralLevel(Chara, CurrentGeneralSlot, value);
    if (!r.accepted) {
        // The refused level never reaches the bar's range: only the old level
        // comes back (running these steps again when the bar moves).
        Beep();
        if (value != r.oldLevel) {
            HScrollLv->setValueFromCode(r.oldLevel);
            return;
        }
        // Points below the levels held refuse even the old level, and the bar
        // does not move: the general figures must still replace whatever the
        // window showed before.
        LabelLv->setCaption(NumText(value));
        LabelExp->setCaption(NumText(r.ceiling - value));
        ListSkill->clearRows();
        for (const QString &row : GeneralListRows(Chara))
            ListSkill->addRow(row);
        return;
    }

    // The sort may have moved the skill: a nested run started by the range
    // below must edit the slot the skill now sits in.
    CurrentGeneralSlot = r.newSlot;
    // An accepted level lies within its ceiling; only a floor above it moves
    // the bar, and then the nested run has already shown the outcome.
    HScrollLv->setMax(r.ceiling);
    HScrollLv->setMin(r.floor);
    if (HScrollLv->value() != value)
        return;

    LabelLv->setCaption(NumText(value));
    LabelExp->setCaption(NumText(r.remaining));
    ListSkill->clearRows();
    for (const QString &row : GeneralListRows(Chara))
        ListSkill->addRow(row);
}

// ---------------------------------------------------------------- modes

void FormExp::LabelSType_Click()
{
    if (SkillType == 0)
        toGeneralSkills();
    else
        toAdventurerSkills();
}

void FormExp::toGeneralSkills()
{
    SkillType = 1;
    LabelSType->setCaption(GeneralTypeCaption);
    ComboNSkill->show();
    ComboSkill->hide();
    LabelE->setCaption(RemainingCaption);
    LabelExpS->setCaption(GeneralPointsCaption);
    LabelExpS->setBorder(false);
    TextExp->show();
    HScrollLv->show();
    LabelLv->show();
    LabelTotalExp->hide();
    ComboLevel->hide();
    TextExp->setText(NumText(int(Chara.GeneralSkillPoints)));
    // Show the general skill at once: left alone, the list and the bar would
    // keep the adventurer figures and the next bar move would give a general
    // slot an adventurer level.
    generalSkillSteps(ComboNSkill->text());
}

void FormExp::toAdventurerSkills()
{
    SkillType = 0;
    LabelSType->setCaption(AdventurerTypeCaption);
    ComboSkill->show();
    ComboNSkill->hide();
    LabelE->setCaption(CostCaption);
    // Coming back always lands in the held-experience mode.
    TotalExpMode = 1;
    experienceLabelSteps();
    LabelExpS->setBorder(true);
    skillChosenSteps();
}

void FormExp::LabelExpS_Click()
{
    if (SkillType == 1)
        return;
    experienceLabelSteps();
}

void FormExp::experienceLabelSteps()
{
    // Only the display changes; the next level change applies the new mode's limits.
    if (TotalExpMode == 1) {
        TotalExpMode = 0;
        TextExp->show();
        LabelLv->show();
        HScrollLv->show();
        LabelTotalExp->hide();
        ComboLevel->hide();
        LabelExpS->setCaption(HeldExpCaption);
    } else {
        TotalExpMode = 1;
        LabelTotalExp->show();
        ComboLevel->show();
        TextExp->hide();
        LabelLv->hide();
        HScrollLv->hide();
        LabelExpS->setCaption(TotalExpCaption);
    }
}

// ---------------------------------------------------------------- typed experience

void FormExp::TextExp_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    const double typed = LeadingNumber(TextExp->text());

    if (SkillType == 0) {
        long long total = 0;
        if (!RoundToRange(typed + double(Chara.ExpSpent), std::numeric_limits<Long>::min(),
                          std::numeric_limits<Long>::max(), total)) {
            Beep();
            TextExp->setText(NumText(heldExperience(Chara)));
            return;
        }
        Chara.ExpTotal = Long(total);
        levelChosenSteps(); // shows the held experience again
        return;
    }

    long long points = 0;
    if (!RoundToRange(typed, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(),
                      points)) {
        Beep();
        TextExp->setText(NumText(int(Chara.GeneralSkillPoints)));
        return;
    }
    Chara.GeneralSkillPoints = Integer(points);
    generalSkillSteps(CurrentGeneralSkill);
}

// ---------------------------------------------------------------- list and buttons

void FormExp::ListSkill_Click()
{
    const int row = ListSkill->listIndex();
    if (row < 0)
        return;
    ListRestoreIndex = row;
    if (SkillType == 0)
        ComboSkill->setListIndex(ListSkill->rowData(row)); // runs the skill steps on a change
}

void FormExp::CommandDelete_Click()
{
    const int row = ListSkill->listIndex();
    if (row < 0)
        return;
    ListRestoreIndex = -1;

    if (SkillType == 0) {
        const int k = ListSkill->rowData(row);
        if (k < 0 || k >= SkillCount)
            return;
        // A skill granted at birth stays while experience limits apply.
        if (Chara.BirthSkillLevel[k] == 0 || TotalExpMode == 1) {
            Chara.SkillLevel[k] = 0;
            skillChosenSteps();
        }
        return;
    }

    // Row t is slot t; the record's slots beyond the fifth are never touched.
    const int t = row;
    if (t >= GeneralSlotCount || Chara.GeneralSkillName[t] == Chara.BirthGeneralSkill)
        return;
    Chara.GeneralSkillLevel[t] = 0; // the slot is free; its name stays until another takes it
    generalSkillSteps(ComboNSkill->text());
}

void FormExp::CommandReset_Click()
{
    ListRestoreIndex = -1;
    if (SkillType == 0) {
        AdventurerReset(Chara, TotalExpMode == 1);
        skillChosenSteps();
        return;
    }
    GeneralReset(Chara);
    generalSkillSteps(ComboNSkill->text());
}

// ---------------------------------------------------------------- refresh

void FormExp::TimerReset_Timer()
{
    TimerReset->setEnabled(false);
    ListRestoreIndex = -1;
    toAdventurerSkills();
}

void FormExp::ShowLoaded(const CharaRecord &)
{
    LabelHome->setCaption(QStringLiteral("呼び出し"));
}

FormExp *formExp()
{
    static QPointer<FormExp> form;
    return ensureChildForm(form);
}
