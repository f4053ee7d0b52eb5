#include "abilities/form_ability.h"

#include "abilities/ability_rules.h"
#include "equipment/form_equip.h"
#include "languages/form_lang.h"
#include "profile/form_base.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/random.h"
#include "shell/ui_seam.h"
#include "skills/form_exp.h"

#include <cfloat>
#include <cmath>

namespace {
// A typed number that a Single can hold.
bool FitsSingle(double v)
{
    return std::isfinite(v) && std::fabs(v) <= double(FLT_MAX);
}
} // namespace

FormAbility::FormAbility()
    : ChildForm(QStringLiteral("FormAbility"), QStringLiteral("基本能力"), 6475, 4725)
{
    QWidget *c = client();
    int labelNo = 0;
    auto label = [c, &labelNo](const QString &caption, int left, int top, int width) {
        auto *l = new KLabel(ArrayName(QStringLiteral("Label"), labelNo++), caption, c);
        Place(l, left, top, width, 255);
        return l;
    };
    auto totalLabel = [c](const QString &name, int left, int top) {
        auto *l = new KLabel(name, QStringLiteral("0"), c);
        l->setBorder(true);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Place(l, left, top, 855, 300);
        return l;
    };

    // Top rows: race, the generation buttons, class adaptation, age category.
    label(QStringLiteral("種族"), 120, 180, 495);
    ComboLace = new KCombo(QStringLiteral("ComboLace"), c);
    for (const QString &r : RaceNames)
        ComboLace->addItem(r);
    Place(ComboLace, 660, 120, 2175, 300);
    CommandRun = new KButton(QStringLiteral("CommandRun"), QStringLiteral("新規作成"), c);
    Place(CommandRun, 2940, 105, 1095, 330);
    for (int k = 0; k < 3; ++k) {
        CommandE[k] = new KButton(ArrayName(QStringLiteral("CommandE"), k), FixedValueCaptions[size_t(k)], c);
        Place(CommandE[k], 4140 + 705 * k, 105, 675, 330);
    }
    label(QStringLiteral("適応"), 120, 600, 495);
    ComboShift = new KCombo(QStringLiteral("ComboShift"), c);
    for (const QString &s : ShiftItems)
        ComboShift->addItem(s);
    Place(ComboShift, 660, 540, 1575, 300);
    label(QStringLiteral("年齢"), 2400, 600, 495);
    ComboAge = new KCombo(QStringLiteral("ComboAge"), c);
    for (const QString &a : AgeClassNames)
        ComboAge->addItem(a);
    Place(ComboAge, 2940, 540, 1575, 300);

    // Base values A-H.
    for (int i = 0; i < 8; ++i) {
        label(QString(QChar(u'A' + i)), 120 + 750 * i, 945, 675)->setAlignment(Qt::AlignCenter);
        TextAb[i] = new KText(ArrayName(QStringLiteral("TextAb"), i), c);
        Place(TextAb[i], 120 + 750 * i, 1200, 675, 330);
    }
    label(QStringLiteral("副能力値合計"), 4140, 1680, 1155)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelTotalSub = totalLabel(QStringLiteral("LabelTotalSub"), 5370, 1650);

    // The six abilities with their bonuses.
    for (int i = 0; i < 6; ++i) {
        const int left = 120 + 1020 * i;
        label(AbilityNames[size_t(i)], left, 2085, 960)->setAlignment(Qt::AlignCenter);
        TextAbility[i] = new KText(ArrayName(QStringLiteral("TextAbility"), i), c);
        Place(TextAbility[i], left, 2340, 960, 330);
    }
    for (int i = 0; i < 6; ++i) {
        TextAdd[i] = new KText(ArrayName(QStringLiteral("TextAdd"), i), c);
        TextAdd[i]->setReadOnly(true);
        TextAdd[i]->setFocusPolicy(Qt::NoFocus);
        Place(TextAdd[i], 120 + 1020 * i, 2730, 960, 330);
    }
    label(QStringLiteral("主能力値合計"), 120, 3210, 1155);
    LabelTotalMain = totalLabel(QStringLiteral("LabelTotalMain"), 1320, 3180);
    label(QStringLiteral("ボーナス合計"), 2400, 3210, 1155);
    LabelTotalAdd = totalLabel(QStringLiteral("LabelTotalAdd"), 3600, 3180);

    // Templates and the recomputation button.
    for (int j = 0; j < 2; ++j) {
        CheckAdd[j] = new KCheck(ArrayName(QStringLiteral("CheckAdd"), j), UndeadNames[size_t(j)], c);
        Place(CheckAdd[j], 120 + 1800 * j, 3690, 1740, 300);
    }
    CommandRe = new KButton(QStringLiteral("CommandRe"), QStringLiteral("計算"), c);
    Place(CommandRe, 5220, 3660, 960, 360);

    TimerAbi = new KTimer(QStringLiteral("TimerAbi"), this);

    // Race and age start unselected so that the load's assignments are real
    // changes (and so run their handling); adaptation starts at "なし".
    ComboLace->setCurrentIndex(-1);
    ComboAge->setCurrentIndex(-1);
    ComboShift->setCurrentIndex(0);

    connect(ComboLace, &KCombo::Click, this, &FormAbility::ComboLace_Click);
    connect(CommandRun, &KButton::clicked, this, &FormAbility::CommandRun_Click);
    for (int k = 0; k < 3; ++k)
        connect(CommandE[k], &KButton::clicked, this, [this, k] { CommandE_Click(k); });
    connect(ComboShift, &KCombo::Click, this, &FormAbility::ComboShift_Click);
    connect(ComboAge, &KCombo::Click, this, &FormAbility::ComboAge_Click);
    for (int i = 0; i < 8; ++i)
        connect(TextAb[i], &KText::KeyPress, this, [this, i](int key) { TextAb_KeyPress(i, key); });
    for (int i = 0; i < 6; ++i)
        connect(TextAbility[i], &KText::KeyPress, this, [this, i](int key) { TextAbility_KeyPress(i, key); });
    for (int j = 0; j < 2; ++j)
        connect(CheckAdd[j], &KCheck::Click, this, [this, j] { CheckAdd_Click(j); });
    connect(CommandRe, &KButton::clicked, this, &FormAbility::CommandRe_Click);
    connect(TimerAbi, &KTimer::Timer, this, &FormAbility::TimerAbi_Timer);
}

void FormAbility::Form_Load()
{
    ComboLace->setListIndex(RaceHuman);
    ComboAge->setListIndex(0);
}

void FormAbility::Form_Unload()
{
    mdiFormKT()->KTMenuAbi->setChecked(false);
}

// ---------------------------------------------------------------- generation

void FormAbility::ComboLace_Click()
{
    const int race = ComboLace->listIndex();
    if (race < 0)
        return;
    Chara.Race = Byte(race);
    RaceDice = RaceDiceTable[size_t(race)];
    // Class adaptation is a human's option only.
    ComboShift->setEnabled(race == RaceHuman);
    ComboShift->setListIndex(0);
    CommandRun_Click();
}

void FormAbility::CommandRun_Click()
{
    CharacterLoaded = 0;
    Randomize();
    // Adjustments, number, skill levels and general skill points start afresh.
    ClearForNewCharacter(Chara);

    Chara.BaseValue = RollBaseValues(RaceDice);
    for (int i = 0; i < 8; ++i)
        TextAb[i]->setText(NumText(Chara.BaseValue[size_t(i)]));

    FormBase *base = formBase();
    base->TextID->setText(QStringLiteral("0"));

    ComboShift->setListIndex(0);
    // A check box repaints on every assignment, so only a checked one is set.
    for (KCheck *box : CheckAdd)
        if (box->value() != 0)
            box->setValue(0);
    // Boxes already clear (a reopened window) ran no handling: the record's
    // template must still end up cleared.
    if (Chara.UndeadType != 0)
        CheckAdd_Click(0);

    const StartingPackage p = RollStartingPackage(Chara.Race);
    ApplyStartingPackage(Chara, p);
    formExp()->LabelHome->setCaption(p.birthLabel);

    Chara.Gold = RollGold(p.moneyMul);
    formEquip()->TextGold->setText(QString::number(Chara.Gold));

    if (!ProfileLock[4]) {
        Chara.Age = RollAge(p.ageBase);
        base->TextAge->setText(NumText(int(Chara.Age)));
    }

    // Setting the profile's boxes marks them as entered by hand; the locks
    // are cleared again so that generated values stay open to the next roll.
    // A generated name that differs from the shown one also releases the
    // age and deity locks (the name box's own handling).
    if (!ProfileLock[3]) {
        const Byte sex = RollSex();
        // The handling runs even when the box already shows the value, so the
        // record and the locks never depend on what was shown before.
        base->ComboSex->setListIndexAlways(sex);
        if (!ProfileLock[0]) {
            const QString &name = FirstNames[sex][size_t(RollFirstNameIndex())];
            base->TextChara[0]->setTextAlways(name);
            ProfileLock[0] = 0;
        }
        ProfileLock[3] = 0;
    }

    if (!ProfileLock[5] && p.deityRoll) {
        FormLang *lang = formLang();
        const int god = RollDeityIndex();
        lang->ComboGod->setListIndexAlways(god);
        ProfileLock[5] = 0;
    }

    const bool ambidextrous = RollAmbidextrous();
    Chara.Ambidextrous = ambidextrous ? 1 : 0;
    FormEquip *equip = formEquip();
    equip->LabelArm[0]->setCaption(ArmLabel(0, ambidextrous));
    equip->LabelArm[1]->setCaption(ArmLabel(1, ambidextrous));

    CommandRe_Click();
}

void FormAbility::CommandE_Click(int index)
{
    Chara.BaseValue = FixedBaseValues(RaceDice, index);
    CommandRe_Click();
}

void FormAbility::ComboShift_Click()
{
    Chara.BaseValue = ClassAdapt(Chara.BaseValue, ComboShift->listIndex());
    CommandRe_Click();
}

// ---------------------------------------------------------------- derivation

void FormAbility::CommandRe_Click()
{
    const Derived d = DeriveAbilities(Chara.BaseValue, UndeadFlag[0] != 0, UndeadFlag[1] != 0,
                                      Chara.AbilityAdjust, ComboAge->listIndex());
    for (int i = 0; i < 8; ++i)
        TextAb[i]->setText(NumText(Chara.BaseValue[size_t(i)]));
    Chara.BaseTotal = d.baseTotal;
    LabelTotalSub->setCaption(NumText(d.baseTotal));
    Chara.Ability = d.ability;
    showAbilities(d);

    CopyRecord(Chara, CharaWork);
    formExp()->TimerReset->setEnabled(true);
    formEquip()->TimerReset->setEnabled(true);
}

void FormAbility::showAbilities(const Derived &d)
{
    for (int i = 0; i < 6; ++i)
        TextAdd[i]->setText(BonusText(d.bonus[size_t(i)]));
    LabelTotalAdd->setCaption(NumText(d.bonusTotal));
    for (int i = 0; i < 6; ++i)
        TextAbility[i]->setText(NumText(d.ability[size_t(i)]));
    Chara.AbilityTotal = d.abilityTotal;
    LabelTotalMain->setCaption(NumText(d.abilityTotal));
}

void FormAbility::ComboAge_Click()
{
    const int k = ComboAge->listIndex();
    if (k < 0)
        return;
    Chara.AgeClass = Integer(k);
    CommandRe_Click();
}

void FormAbility::CheckAdd_Click(int index)
{
    // The templates exclude each other; unchecking the other box runs this
    // same handling for it, nested.
    if (CheckAdd[index]->value() == 1)
        CheckAdd[1 - index]->setValue(0);
    Chara.UndeadType = 0;
    for (int j = 0; j < 2; ++j) {
        const bool on = CheckAdd[j]->value() == 1;
        UndeadFlag[size_t(j)] = on ? 1 : 0;
        if (on)
            Chara.UndeadType = Integer(j + 1);
    }
    CommandRe_Click();
}

// ---------------------------------------------------------------- hand entry

void FormAbility::TextAb_KeyPress(int index, int keyAscii)
{
    if (keyAscii != 13)
        return;
    const double v = LeadingNumber(TextAb[index]->text());
    if (!FitsSingle(v)) {
        Beep();
        TextAb[index]->setText(NumText(Chara.BaseValue[size_t(index)]));
        return;
    }
    Chara.BaseValue[size_t(index)] = float(v);
    TextAb[(index + 1) % 8]->setFocus();
    CommandRe_Click();
}

void FormAbility::TextAbility_KeyPress(int index, int keyAscii)
{
    if (keyAscii != 13)
        return;
    const double x = LeadingNumber(TextAbility[index]->text());
    bool inRange = FitsSingle(x);
    int adjust = 0;
    if (inRange)
        adjust = AdjustForTypedAbility(float(x), Chara.BaseValue, index, inRange);
    if (!inRange) {
        // The adjustment is an Integer; a value it cannot reach is refused.
        Beep();
        TextAbility[index]->setText(NumText(Chara.Ability[size_t(index)]));
        return;
    }
    Chara.Ability[size_t(index)] = float(x);
    Chara.AbilityAdjust[size_t(index)] = Integer(adjust);
    TextAbility[(index + 1) % 6]->setFocus();
    // Only bonuses and totals follow; the typed value itself stays as typed
    // until the next recomputation adds template and age on top.
    showAbilities(SumAbilities(Chara.Ability));
    formEquip()->TimerReset->setEnabled(true);
    formLang()->TimerReset->setEnabled(true);
}

// ---------------------------------------------------------------- loaded character

void FormAbility::TimerAbi_Timer()
{
    TimerAbi->setEnabled(false);
    CopyRecord(Chara, CharaWork);
    const CharaRecord loaded = Chara;

    // The race goes first: when it differs from the one shown, its handling
    // rolls a new character, which rewrites the record, the working copy and
    // several boxes of other windows. Putting both records back and only
    // then setting every other control leaves each box showing the loaded
    // value, the profile's number and age included.
    ComboLace->setListIndex(loaded.Race);
    Chara = loaded;
    CharaWork = loaded;
    CharacterLoaded = 1;

    // The recomputations these run copy the current record into the working
    // copy, so they read the private copy instead.
    formBase()->ShowLoaded(loaded);
    ShowLoaded(loaded);
    CharaWork = loaded;
    formLang()->ShowLoaded(CharaWork);
    formExp()->ShowLoaded(CharaWork);
    formEquip()->ShowLoaded(CharaWork);

    // The controls' handling wrote into the current record; the loaded
    // character is what stays.
    Chara = loaded;
    CommandRe_Click();
}

void FormAbility::ShowLoaded(const CharaRecord &rec)
{
    ComboAge->setListIndex(rec.AgeClass);
    ComboLace->setListIndex(rec.Race);
    CheckAdd[0]->setValue(0);
    CheckAdd[1]->setValue(0);
    if (rec.UndeadType == 1 || rec.UndeadType == 2)
        CheckAdd[rec.UndeadType - 1]->setValue(1);
}

FormAbility *formAbility()
{
    static QPointer<FormAbility> form;
    return ensureChildForm(form);
}
