#include "profile/form_base.h"

#include "abilities/ability_rules.h"
#include "abilities/form_ability.h"
#include "profile/profile_tables.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/ui_seam.h"

namespace {
// An Integer field from a typed text: the leading number rounded to the
// nearest integer (halves away from zero). A value outside the field is
// refused: beep, and the box shows the field's value again.
bool ReadIntegerBox(KText *box, Integer &field)
{
    long long v = 0;
    if (!RoundToRange(LeadingNumber(box->text()), -32768, 32767, v)) {
        Beep();
        box->setText(NumText(int(field)));
        return false;
    }
    field = Integer(v);
    return true;
}
} // namespace

FormBase::FormBase()
    : ChildForm(QStringLiteral("FormBase"), QStringLiteral("基本設定"), 7320, 2400)
{
    QWidget *c = client();
    auto label = [c](int k, const QString &caption, int left, int top) {
        auto *l = new KLabel(ArrayName(QStringLiteral("Label"), k), caption, c);
        Place(l, left, top, 555, 255);
    };
    label(0, QStringLiteral("名前"), 120, 120);
    label(1, QStringLiteral("番号"), 5640, 120);
    label(2, QStringLiteral("通名"), 960, 600);
    label(3, QStringLiteral("性別"), 3960, 600);
    label(4, QStringLiteral("年齢"), 5640, 600);
    label(5, QStringLiteral("解説"), 120, 840);

    // Created in tab order. The design contents are set before the handlers
    // are connected, so building the window writes nothing into the record.
    TextChara[0] = new KText(ArrayName(QStringLiteral("TextChara"), 0), c);
    TextChara[0]->setText(QStringLiteral("サンプル"));
    Place(TextChara[0], 720, 120, 4695, 405);
    TextID = new KText(QStringLiteral("TextID"), c);
    TextID->setText(QStringLiteral("0"));
    Place(TextID, 6240, 120, 855, 405);
    TextChara[1] = new KText(ArrayName(QStringLiteral("TextChara"), 1), c);
    Place(TextChara[1], 1560, 600, 2175, 405);
    ComboSex = new KCombo(QStringLiteral("ComboSex"), c);
    for (const QString &sex : SexNames)
        ComboSex->addItem(sex);
    ComboSex->setCurrentIndex(-1);
    Place(ComboSex, 4560, 600, 855, 300);
    TextAge = new KText(QStringLiteral("TextAge"), c);
    TextAge->setText(QStringLiteral("0"));
    Place(TextAge, 6240, 600, 855, 405);
    TextChara[2] = new KText(ArrayName(QStringLiteral("TextChara"), 2), c, true);
    Place(TextChara[2], 120, 1080, 6975, 885);

    for (int i = 0; i < 3; ++i)
        connect(TextChara[i], &KText::Change, this, [this, i] { TextChara_Change(i); });
    connect(ComboSex, &KCombo::Click, this, &FormBase::ComboSex_Click);
    connect(TextAge, &KText::KeyPress, this, &FormBase::TextAge_KeyPress);
    connect(TextID, &KText::KeyPress, this, &FormBase::TextID_KeyPress);
}

void FormBase::Form_Load()
{
    Chara.Name = QStringLiteral("サンプル");
    Chara.God = 0;
}

void FormBase::Form_Unload()
{
    mdiFormKT()->KTMenuBase->setChecked(false);
}

void FormBase::TextChara_Change(int index)
{
    const QString t = TextChara[index]->text();
    switch (index) {
    case 0:
        Chara.Name = t;
        // A new name is a new person: whatever else was entered by hand is
        // released to generation again.
        ProfileLock.fill(0);
        break;
    case 1:
        Chara.CommonName = t;
        break;
    default:
        Chara.Description = t;
        break;
    }
    ProfileLock[size_t(index)] = 1;
}

void FormBase::ComboSex_Click()
{
    const int i = ComboSex->listIndex();
    if (i < 0)
        return;
    Chara.Sex = Byte(i);
    ProfileLock[3] = 1;
}

void FormBase::TextAge_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    if (!ReadIntegerBox(TextAge, Chara.Age))
        return;
    // The bracket comes from the typed age and the race as they are now,
    // before touching the abilities window (creating it rolls a character).
    const int bracket = AgeBracket(Chara.Age, Chara.Race);
    formAbility()->ComboAge->setListIndex(bracket);
    ProfileLock[4] = 1;
}

void FormBase::TextID_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    ReadIntegerBox(TextID, Chara.CharaNo);
}

void FormBase::ShowLoaded(const CharaRecord &rec)
{
    TextID->setText(NumText(int(rec.CharaNo)));
    // The handling runs even for unchanged values: the locks a loaded
    // character ends with must not depend on what the boxes showed before.
    TextChara[0]->setTextAlways(rec.Name);
    TextChara[1]->setTextAlways(rec.CommonName);
    TextChara[2]->setTextAlways(rec.Description);
    ComboSex->setListIndexAlways(rec.Sex);
    TextAge->setText(NumText(int(rec.Age)));
}

FormBase *formBase()
{
    static QPointer<FormBase> form;
    return ensureChildForm(form);
}
