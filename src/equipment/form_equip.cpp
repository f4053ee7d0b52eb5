#include "equipment/form_equip.h"

#include "abilities/ability_rules.h"
#include "equipment/equip_rules.h"
#include "equipment/equip_tables.h"
#include "shell/chara_record.h"
#include "shell/controls.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/ui_seam.h"

namespace {

const QString ShieldCaption = QStringLiteral("盾");
const QString Weapon1Caption = QStringLiteral("武器１");
const QString Weapon2Caption = QStringLiteral("武器２");
const QString MainArmCaption = QStringLiteral("利腕");
const QString OffArmCaption = QStringLiteral("逆腕");

// Rows of the window, top to bottom (twips in the client area).
constexpr int RowLevel = 120;
constexpr int RowMain = 570;
constexpr int RowMainFigures = 975;
constexpr int RowOff = 1530;
constexpr int RowOffFigures = 1935;
constexpr int RowArmor = 2490;
constexpr int RowArmorFigures = 2895;
constexpr int RowTotals = 3510;

constexpr int LabelHeight = 255;
constexpr int ComboHeight = 315;
constexpr int ValueWidth = 600;

// Columns of the item rows: marker, switch, list, bar, strength, magic.
constexpr int ColMarker = 120;
constexpr int ColSwitch = 780;
constexpr int ColList = 1620;
constexpr int ListWidth = 2700;
constexpr int ColBar = 4380;
constexpr int BarWidth = 1440;
constexpr int ColStrCaption = 5880;
constexpr int ColStrValue = 6660;
constexpr int ColMagicCaption = 7140;
constexpr int ColMagic = 7560;

// Heading and value columns of the figure rows; a value sits a small gap
// after its heading.
constexpr std::array<int, 4> FigureLeft = {780, 2160, 3540, 5460};
constexpr std::array<int, 4> FigureHeadingWidth = {600, 600, 1140, 1320};

const std::array<QString, 4> WeaponHeadings = {QStringLiteral("攻撃力"), QStringLiteral("打撃力"),
                                               QStringLiteral("追加ダメージ"), QStringLiteral("クリティカル値")};

int magicItem(int magic)
{
    return ClampTo(magic, 0, MagicCount - 1);
}

} // namespace

// Marks the window's own setting of its controls (see m_quiet).
class FormEquip::Quiet {
public:
    explicit Quiet(FormEquip *f) : m_f(f) { ++m_f->m_quiet; }
    ~Quiet() { --m_f->m_quiet; }
    Quiet(const Quiet &) = delete;
    Quiet &operator=(const Quiet &) = delete;
private:
    FormEquip *m_f;
};

FormEquip::FormEquip()
    : ChildForm(QStringLiteral("FormEquip"), QStringLiteral("装備"), 8760, 4725)
{
    QWidget *c = client();
    int labelNo = 0;
    auto caption = [&](const QString &text, int left, int top, int width) {
        auto *l = new KLabel(ArrayName(QStringLiteral("Label"), labelNo++), text, c);
        Place(l, left, top, width, LabelHeight);
        return l;
    };
    auto value = [c](const QString &name, int left, int top, int width = ValueWidth) {
        auto *l = new KLabel(name, QString(), c);
        l->setBorder(true);
        l->setAlignment(Qt::AlignCenter);
        Place(l, left, top, width, LabelHeight);
        return l;
    };
    auto switchLabel = [c](const QString &name, const QString &text, int left, int top, int width) {
        auto *l = new KLabel(name, text, c);
        l->setBorder(true);
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(Qt::PointingHandCursor);
        Place(l, left, top, width, LabelHeight);
        return l;
    };
    auto magicList = [c](const QString &name, int top) {
        auto *m = new KCombo(name, c);
        for (const QString &t : MagicTexts)
            m->addItem(t);
        Place(m, ColMagic, top - 30, 780, ComboHeight);
        return m;
    };
    auto strengthRow = [&](int top) {
        caption(QStringLiteral("必要筋力"), ColStrCaption, top, 780);
        caption(QStringLiteral("魔力"), ColMagicCaption, top, 420);
    };

    // Row 1: level and resistances.
    caption(QStringLiteral("冒険者レベル"), 120, RowLevel, 1080);
    LabelMaxLv = value(QStringLiteral("LabelMaxLv"), 1260, RowLevel, 540);
    caption(QStringLiteral("生命力抵抗力"), 2160, RowLevel, 1080);
    LabelHP[2] = value(ArrayName(QStringLiteral("LabelHP"), 2), 3300, RowLevel, 540);
    caption(QStringLiteral("精神力抵抗力"), 4200, RowLevel, 1080);
    LabelHP[3] = value(ArrayName(QStringLiteral("LabelHP"), 3), 5340, RowLevel, 540);

    // Rows 2 and 3: the main weapon.
    LabelArm[0] = new KLabel(ArrayName(QStringLiteral("LabelArm"), 0), MainArmCaption, c);
    Place(LabelArm[0], ColMarker, RowMain, 600, LabelHeight);
    LabelW = switchLabel(QStringLiteral("LabelW"), Weapon1Caption, ColSwitch, RowMain, 720);
    for (int i = 0; i < 4; ++i) {
        ComboWeapon[i] = new KCombo(ArrayName(QStringLiteral("ComboWeapon"), i), c);
        const int first = (i % 2) * WeaponPageSize;
        for (int n = first; n < first + PageItemCount(i % 2); ++n)
            ComboWeapon[i]->addItem(TableText(WeaponTable[std::size_t(n)].listText));
        Place(ComboWeapon[i], ColList, (i < 2 ? RowMain : RowOff) - 30, ListWidth, ComboHeight);
    }
    for (int slot = 0; slot < 2; ++slot) {
        HScrollSTa[slot] = new KScroll(ArrayName(QStringLiteral("HScrollSTa"), slot), c);
        Place(HScrollSTa[slot], ColBar, slot == 0 ? RowMain : RowOff, BarWidth, LabelHeight);
    }
    strengthRow(RowMain);
    LabelSTa = value(QStringLiteral("LabelSTa"), ColStrValue, RowMain, 420);
    ComboMgW = magicList(QStringLiteral("ComboMgW"), RowMain);

    for (int slot = 0; slot < 2; ++slot) {
        const int top = slot == 0 ? RowMainFigures : RowOffFigures;
        std::array<KLabel *, 4> figures{};
        for (int k = 0; k < 4; ++k) {
            if (slot == 0) {
                caption(WeaponHeadings[std::size_t(k)], FigureLeft[std::size_t(k)], top,
                        FigureHeadingWidth[std::size_t(k)]);
            } else {
                LabelS[k] = new KLabel(ArrayName(QStringLiteral("LabelS"), k), WeaponHeadings[std::size_t(k)], c);
                Place(LabelS[k], FigureLeft[std::size_t(k)], top, FigureHeadingWidth[std::size_t(k)], LabelHeight);
            }
            static const std::array<QString, 4> names = {QStringLiteral("LabelAtp1"), QStringLiteral("LabelAtp2"),
                                                         QStringLiteral("LabelAtp3"), QStringLiteral("LabelCRa")};
            figures[std::size_t(k)] = value(ArrayName(names[std::size_t(k)], slot),
                                            FigureLeft[std::size_t(k)] + FigureHeadingWidth[std::size_t(k)], top);
        }
        LabelAtp1[slot] = figures[0];
        LabelAtp2[slot] = figures[1];
        LabelAtp3[slot] = figures[2];
        LabelCRa[slot] = figures[3];
    }

    // Rows 4 and 5: the off hand.
    LabelArm[1] = switchLabel(ArrayName(QStringLiteral("LabelArm"), 1), OffArmCaption, ColMarker, RowOff, 600);
    LabelLeft = switchLabel(QStringLiteral("LabelLeft"), ShieldCaption, ColSwitch, RowOff, 720);
    ComboShield = new KCombo(QStringLiteral("ComboShield"), c);
    for (const ShieldRow &s : ShieldTable)
        ComboShield->addItem(TableText(s.listText));
    Place(ComboShield, ColList, RowOff - 30, ListWidth, ComboHeight);
    strengthRow(RowOff);
    LabelSTs = value(QStringLiteral("LabelSTs"), ColStrValue, RowOff, 420);
    ComboMgS = magicList(QStringLiteral("ComboMgS"), RowOff);
    LabelSh = new KLabel(QStringLiteral("LabelSh"), QStringLiteral("回避力"), c);
    Place(LabelSh, FigureLeft[0], RowOffFigures, FigureHeadingWidth[0], LabelHeight);
    for (int k = 0; k < 3; ++k)
        LabelDfp[k] = value(ArrayName(QStringLiteral("LabelDfp"), k), 0, 0);
    Place(LabelDfp[0], FigureLeft[0] + FigureHeadingWidth[0], RowOffFigures, ValueWidth, LabelHeight);

    // Rows 6 and 7: the armour.
    caption(QStringLiteral("鎧"), ColMarker, RowArmor, 600);
    ComboArmor = new KCombo(QStringLiteral("ComboArmor"), c);
    for (const ArmorRow &a : ArmorTable)
        ComboArmor->addItem(TableText(a.listText));
    Place(ComboArmor, ColList, RowArmor - 30, ListWidth, ComboHeight);
    HScrollSTd = new KScroll(QStringLiteral("HScrollSTd"), c);
    Place(HScrollSTd, ColBar, RowArmor, BarWidth, LabelHeight);
    strengthRow(RowArmor);
    LabelSTd = value(QStringLiteral("LabelSTd"), ColStrValue, RowArmor, 420);
    ComboMgA = magicList(QStringLiteral("ComboMgA"), RowArmor);

    LabelS[4] = new KLabel(ArrayName(QStringLiteral("LabelS"), 4), QStringLiteral("回避力"), c);
    Place(LabelS[4], FigureLeft[0], RowArmorFigures, FigureHeadingWidth[0], LabelHeight);
    LabelDfpS = value(QStringLiteral("LabelDfpS"), FigureLeft[0] + FigureHeadingWidth[0], RowArmorFigures);
    caption(QStringLiteral("防御力"), FigureLeft[1], RowArmorFigures, FigureHeadingWidth[1]);
    Place(LabelDfp[1], FigureLeft[1] + FigureHeadingWidth[1], RowArmorFigures, ValueWidth, LabelHeight);
    caption(QStringLiteral("ダメージ減少"), FigureLeft[2], RowArmorFigures, FigureHeadingWidth[2]);
    Place(LabelDfp[2], FigureLeft[2] + FigureHeadingWidth[2], RowArmorFigures, ValueWidth, LabelHeight);
    caption(QStringLiteral("付加効果"), FigureLeft[3], RowArmorFigures, 720);
    LabelCRd = value(QStringLiteral("LabelCRd"), FigureLeft[3] + 780, RowArmorFigures, 900);

    // Row 8: totals and money.
    caption(QStringLiteral("生命点"), 120, RowTotals, 540);
    LabelHP[0] = value(ArrayName(QStringLiteral("LabelHP"), 0), 720, RowTotals, 540);
    caption(QStringLiteral("精神点"), 1380, RowTotals, 540);
    LabelHP[1] = value(ArrayName(QStringLiteral("LabelHP"), 1), 1980, RowTotals, 540);
    caption(QStringLiteral("打撃点"), 2640, RowTotals, 540);
    LabeleA = value(QStringLiteral("LabeleA"), 3240, RowTotals);
    caption(QStringLiteral("防御点"), 3960, RowTotals, 540);
    LabeleD = value(QStringLiteral("LabeleD"), 4560, RowTotals);
    caption(QStringLiteral("価格"), 5280, RowTotals, 360);
    LabelP = value(QStringLiteral("LabelP"), 5700, RowTotals, 720);
    caption(QStringLiteral("所持金"), 6540, RowTotals, 540);
    TextGold = new KText(QStringLiteral("TextGold"), c);
    TextGold->setText(QStringLiteral("0"));
    Place(TextGold, 7140, RowTotals - 45, 1380, 330);

    TimerReset = new KTimer(QStringLiteral("TimerReset"), this);

    showPage(0);
    showOffHand(LeftShield);

    for (int i = 0; i < 4; ++i)
        connect(ComboWeapon[i], &KCombo::Click, this, [this, i] { ComboWeapon_Click(i); });
    for (int slot = 0; slot < 2; ++slot)
        connect(HScrollSTa[slot], &KScroll::Change, this, [this, slot] { HScrollSTa_Change(slot); });
    connect(LabelW, &KLabel::Click, this, &FormEquip::LabelW_Click);
    connect(LabelLeft, &KLabel::Click, this, &FormEquip::LabelLeft_Click);
    for (int i = 0; i < 2; ++i)
        connect(LabelArm[i], &KLabel::Click, this, [this, i] { LabelArm_Click(i); });
    connect(ComboMgW, &KCombo::Click, this, &FormEquip::ComboMgW_Click);
    connect(ComboMgS, &KCombo::Click, this, &FormEquip::ComboMgS_Click);
    connect(ComboArmor, &KCombo::Click, this, &FormEquip::ComboArmor_Click);
    connect(HScrollSTd, &KScroll::Change, this, &FormEquip::HScrollSTd_Change);
    connect(ComboShield, &KCombo::Click, this, &FormEquip::ComboShield_Click);
    connect(ComboMgA, &KCombo::Click, this, &FormEquip::ComboMgA_Click);
    for (int i = 0; i < 3; ++i)
        connect(LabelDfp[i], &KLabel::Change, this, [this, i] { LabelDfp_Change(i); });
    connect(TextGold, &KText::KeyPress, this, &FormEquip::TextGold_KeyPress);
    connect(TimerReset, &KTimer::Timer, this, &FormEquip::TimerReset_Timer);
}

void FormEquip::Form_Load()
{
    // The window opens on the equipment the character has, never on its
    // lists' first items: a window read by another one at its creation
    // already shows the record.
    showRecord();
    TimerReset->setEnabled(true);
}

void FormEquip::Form_Unload()
{
    mdiFormKT()->KTMenuEq->setChecked(false);
}

// ---------------------------------------------------------------- display modes

void FormEquip::showPage(int page)
{
    WeaponPage = page;
    LabelW->setCaption(page == 0 ? Weapon1Caption : Weapon2Caption);
    ComboWeapon[WeaponListOf(0, 0)]->setVisible(page == 0);
    ComboWeapon[WeaponListOf(0, 1)]->setVisible(page == 1);
}

void FormEquip::showOffHand(int mode)
{
    LeftMode = mode;
    static const std::array<QString, 3> captions = {ShieldCaption, Weapon1Caption, Weapon2Caption};
    LabelLeft->setCaption(captions[std::size_t(mode)]);
    const bool weapon = mode != LeftShield;
    ComboShield->setVisible(!weapon);
    LabelSh->setVisible(!weapon);
    // In weapon mode the second weapon's figures take the evasion's place;
    // its copy under the armour row shows it instead.
    LabelDfp[0]->setVisible(!weapon);
    ComboWeapon[WeaponListOf(1, 0)]->setVisible(mode == LeftWeaponPage1);
    ComboWeapon[WeaponListOf(1, 1)]->setVisible(mode == LeftWeaponPage2);
    HScrollSTa[1]->setVisible(weapon);
    for (KLabel *l : LabelS)
        l->setVisible(weapon);
    for (KLabel *l : {LabelAtp1[1], LabelAtp2[1], LabelAtp3[1], LabelCRa[1], LabelDfpS})
        l->setVisible(weapon);
}

void FormEquip::setWeaponBar(int slot)
{
    const Quiet quiet(this);
    const WeaponRow &w = WeaponTable[std::size_t(TableRow(Chara.ItemIndex(0, slot), WeaponCount))];
    HScrollSTa[slot]->setMin(w.strMin);
    HScrollSTa[slot]->setMax(w.strMax);
    Chara.WeaponStr[std::size_t(slot)] = Integer(HScrollSTa[slot]->value());
}

void FormEquip::setArmorBar()
{
    const Quiet quiet(this);
    const ArmorRow &a = ArmorTable[std::size_t(TableRow(Chara.ItemIndex(1, 1), ArmorCount))];
    HScrollSTd->setMin(a.strMin);
    HScrollSTd->setMax(a.strMax);
    Chara.ArmorStr = Integer(HScrollSTd->value());
}

// The off hand goes back to the shield side, holding no shield.
void FormEquip::toShieldSide()
{
    const Quiet quiet(this);
    PutAwayOffHandWeapon(Chara);
    showOffHand(LeftShield);
    ComboShield->setListIndex(0);
    HoldShield(Chara, 0);
    ComboMgS->setListIndex(0);
}

// A slot takes up a weapon: its list, strength bar and magic list follow.
void FormEquip::holdWeaponInList(int slot, int weapon)
{
    const Quiet quiet(this);
    ComboWeapon[WeaponListOf(slot, WeaponPageOf(weapon))]->setListIndex(WeaponListItem(weapon));
    HoldWeapon(Chara, slot, weapon);
    setWeaponBar(slot);
    KCombo *magic = slot == 0 ? ComboMgW : ComboMgS;
    magic->setListIndex(magicItem(Chara.WeaponMagic[std::size_t(slot)]));
}

void FormEquip::chooseWeapon(int slot, int weapon)
{
    const Quiet quiet(this);
    if (slot == 1 && IsTwoHanded(weapon)) {
        // Refused: the off hand ends on page 1 with bare hands.
        Beep();
        ComboWeapon[WeaponListOf(1, 1)]->setListIndex(0);
        showOffHand(LeftWeaponPage1);
        holdWeaponInList(1, BareHands);
        return;
    }
    holdWeaponInList(slot, weapon);
    if (slot == 0 && IsTwoHanded(weapon))
        toShieldSide(); // both hands are on the weapon
}

void FormEquip::setPriceCaption(long long price)
{
    LabelP->setCaption(QString::number(price));
}

// ---------------------------------------------------------------- weapons

void FormEquip::ComboWeapon_Click(int index)
{
    if (m_quiet || index < 0 || index > 3)
        return;
    const int slot = index / 2;
    // Only the list a slot shows is the slot's choice.
    const bool shown = slot == 0 ? index == WeaponListOf(0, WeaponPage)
                                 : LeftMode != LeftShield && index == WeaponListOf(1, LeftMode - 1);
    const int pos = ComboWeapon[index]->listIndex();
    if (!shown || pos < 0)
        return;
    chooseWeapon(slot, WeaponNumberAt(index, pos));
    recompute();
    setPriceCaption(Chara.ItemPrice[std::size_t(3 * slot)]);
}

void FormEquip::HScrollSTa_Change(int index)
{
    if (m_quiet || index < 0 || index > 1 || (index == 1 && LeftMode == LeftShield))
        return;
    Chara.WeaponStr[std::size_t(index)] = Integer(HScrollSTa[index]->value());
    recompute();
    setPriceCaption(Chara.ItemPrice[std::size_t(3 * index)]);
}

void FormEquip::HScrollSTa_Scroll(int index)
{
    HScrollSTa_Change(index);
}

void FormEquip::LabelW_Click()
{
    if (m_quiet)
        return;
    const int page = 1 - WeaponPage;
    {
        const Quiet quiet(this);
        showPage(page);
        chooseWeapon(0, page * WeaponPageSize); // the new page's first item
    }
    recompute();
    setPriceCaption(Chara.ItemPrice[0]);
}

void FormEquip::LabelLeft_Click()
{
    if (m_quiet)
        return;
    {
        const Quiet quiet(this);
        if (LeftMode == LeftShield && IsTwoHanded(Chara.ItemIndex(0, 0))) {
            // A two-handed main weapon leaves no hand for a second weapon.
            Beep();
        } else if (LeftMode == LeftWeaponPage2) {
            toShieldSide();
        } else {
            const int page = LeftMode == LeftShield ? 0 : 1;
            if (LeftMode == LeftShield)
                PutAwayShield(Chara);
            showOffHand(page + 1);
            holdWeaponInList(1, page * WeaponPageSize);
        }
    }
    recompute();
    setPriceCaption(LeftMode == LeftShield ? Chara.ItemPrice[1] : Chara.ItemPrice[3]);
}

void FormEquip::LabelArm_Click(int index)
{
    if (m_quiet || index != 1)
        return;
    Chara.Ambidextrous = Byte(1 - (Chara.Ambidextrous == 1 ? 1 : 0));
    LabelArm[1]->setCaption(Chara.Ambidextrous == 1 ? MainArmCaption : OffArmCaption);
    recompute();
}

void FormEquip::ComboMgW_Click()
{
    if (m_quiet)
        return;
    {
        const Quiet quiet(this);
        Chara.WeaponMagic[0] = Byte(Chara.ItemIndex(0, 0) == BareHands ? 0 : magicItem(ComboMgW->listIndex()));
        ComboMgW->setListIndex(Chara.WeaponMagic[0]);
    }
    recompute();
    setPriceCaption(Chara.ItemPrice[0]);
}

void FormEquip::ComboMgS_Click()
{
    if (m_quiet)
        return;
    {
        const Quiet quiet(this);
        const int chosen = magicItem(ComboMgS->listIndex());
        if (LeftMode != LeftShield) {
            Chara.WeaponMagic[1] = Byte(Chara.ItemIndex(0, 1) == BareHands ? 0 : chosen);
            ComboMgS->setListIndex(Chara.WeaponMagic[1]);
        } else {
            Chara.ShieldMagic = Byte(Chara.ItemIndex(1, 0) == 0 ? 0 : chosen);
            ComboMgS->setListIndex(Chara.ShieldMagic);
        }
    }
    recompute();
    setPriceCaption(LeftMode == LeftShield ? Chara.ItemPrice[1] : Chara.ItemPrice[3]);
}

// ---------------------------------------------------------------- armour and shield

void FormEquip::ComboArmor_Click()
{
    if (m_quiet || ComboArmor->listIndex() < 0)
        return;
    {
        const Quiet quiet(this);
        HoldArmor(Chara, ComboArmor->listIndex());
        setArmorBar();
        ComboMgA->setListIndex(magicItem(Chara.ArmorMagic));
    }
    recompute();
    setPriceCaption(Chara.ItemPrice[2]);
}

void FormEquip::HScrollSTd_Change()
{
    if (m_quiet)
        return;
    Chara.ArmorStr = Integer(HScrollSTd->value());
    recompute();
    setPriceCaption(Chara.ItemPrice[2]);
}

void FormEquip::HScrollSTd_Scroll()
{
    HScrollSTd_Change();
}

void FormEquip::ComboShield_Click()
{
    // In weapon mode the shield is set down and its list is hidden.
    if (m_quiet || LeftMode != LeftShield || ComboShield->listIndex() < 0)
        return;
    {
        const Quiet quiet(this);
        if (ComboShield->listIndex() != 0 && IsTwoHanded(Chara.ItemIndex(0, 0))) {
            // Both hands are on the main weapon.
            Beep();
            ComboShield->setListIndex(0);
        }
        HoldShield(Chara, ComboShield->listIndex());
        Chara.WeaponStr[1] = -1;
        ComboMgS->setListIndex(magicItem(Chara.ShieldMagic));
    }
    recompute();
    setPriceCaption(Chara.ItemPrice[1]);
}

void FormEquip::ComboMgA_Click()
{
    if (m_quiet)
        return;
    {
        const Quiet quiet(this);
        Chara.ArmorMagic = Byte(Chara.ItemIndex(1, 1) == 0 ? 0 : magicItem(ComboMgA->listIndex()));
        ComboMgA->setListIndex(Chara.ArmorMagic);
    }
    recompute();
    setPriceCaption(Chara.ItemPrice[2]);
}

void FormEquip::LabelDfp_Change(int index)
{
    if (index == 0)
        LabelDfpS->setCaption(LabelDfp[0]->caption());
}

// ---------------------------------------------------------------- money

void FormEquip::TextGold_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    Long gold = 0;
    if (!GoldFromTyped(TextGold->text(), Chara, gold)) {
        Beep();
        TextGold->setText(QString::number(MoneyShown(Chara)));
        return;
    }
    Chara.Gold = gold;
    recompute();
}

// ---------------------------------------------------------------- figures

void FormEquip::recompute()
{
    const EquipFigures f = ApplyEquipment(Chara, LeftMode);
    WeaponEvaluations += f.evaluations;
    SkillMode = f.skillMode;
    StrShortfall = f.shortfall;
    showFigures(f);
}

void FormEquip::showFigures(const EquipFigures &f)
{
    LabelMaxLv->setCaption(NumText(int(Chara.AdventurerLevel)));
    LabelHP[0]->setCaption(NumText(Chara.Ability[4]));
    LabelHP[1]->setCaption(NumText(Chara.Ability[5]));
    LabelHP[2]->setCaption(NumText(LifeResistance(Chara)));
    LabelHP[3]->setCaption(NumText(SpiritResistance(Chara)));

    for (int slot = 0; slot < 2; ++slot) {
        const WeaponFigures &w = f.weapon[std::size_t(slot)];
        const bool held = f.held[std::size_t(slot)];
        LabelAtp1[slot]->setCaption(held ? NumText(w.attack) : QString());
        LabelAtp2[slot]->setCaption(held ? NumText(w.rating) : QString());
        LabelAtp3[slot]->setCaption(held ? NumText(w.extraDamage) : QString());
        LabelCRa[slot]->setCaption(held ? NumText(w.critical) : QString());
    }
    LabelSTa->setCaption(NumText(int(Chara.WeaponStr[0])));
    LabelSTs->setCaption(NumText(int(LeftMode == LeftShield ? Chara.ShieldStr : Chara.WeaponStr[1])));
    LabeleA->setCaption(TenthsText(f.weapon[0].expectedTenths));

    LabelDfp[0]->setCaption(NumText(f.defense.evasion));
    LabelDfp[1]->setCaption(NumText(f.defense.defense));
    LabelDfp[2]->setCaption(NumText(f.defense.reduction));
    LabelCRd->setCaption(f.defense.effects);
    LabelSTd->setCaption(NumText(int(Chara.ArmorStr)));
    LabeleD->setCaption(TenthsText(f.defense.pointsTenths));

    TextGold->setText(QString::number(f.money));
}

// ---------------------------------------------------------------- refresh

void FormEquip::TimerReset_Timer()
{
    TimerReset->setEnabled(false);
    showRecord();
}

void FormEquip::showRecord()
{
    // The controls are set from a snapshot so that nothing set on the way
    // can change what the rest is set from. The snapshot is private: the
    // working copy is the character selected in the list, which "呼出"
    // loads, and a refresh asked for by a skill change must not replace it.
    const CharaRecord snap = Chara;
    {
        const Quiet quiet(this);
        const int main = TableRow(snap.ItemIndex(0, 0), WeaponCount);
        showPage(WeaponPageOf(main));
        Chara.WeaponMagic[0] = Byte(magicItem(snap.WeaponMagic[0]));
        HoldWeapon(Chara, 0, main);
        ComboWeapon[WeaponListOf(0, WeaponPage)]->setListIndex(WeaponListItem(main));
        setWeaponBar(0);
        HScrollSTa[0]->setValue(snap.WeaponStr[0]);
        Chara.WeaponStr[0] = Integer(HScrollSTa[0]->value());
        ComboMgW->setListIndex(Chara.WeaponMagic[0]);

        const int off = TableRow(snap.ItemIndex(0, 1), WeaponCount);
        if (snap.WeaponStr[1] > -1 && !IsTwoHanded(main)) {
            PutAwayShield(Chara);
            ComboShield->setListIndex(0);
            if (IsTwoHanded(off)) {
                // Nothing two-handed is held in the off hand (an old or damaged file).
                chooseWeapon(1, off);
            } else {
                showOffHand(WeaponPageOf(off) + 1);
                Chara.WeaponMagic[1] = Byte(magicItem(snap.WeaponMagic[1]));
                holdWeaponInList(1, off);
                HScrollSTa[1]->setValue(snap.WeaponStr[1]);
                Chara.WeaponStr[1] = Integer(HScrollSTa[1]->value());
            }
        } else {
            toShieldSide();
            const int shield = IsTwoHanded(main) ? 0 : TableRow(snap.ItemIndex(1, 0), ShieldCount);
            ComboShield->setListIndex(shield);
            HoldShield(Chara, shield);
            Chara.ShieldMagic = Byte(shield == 0 ? 0 : magicItem(snap.ShieldMagic));
            ComboMgS->setListIndex(Chara.ShieldMagic);
        }

        const int armor = TableRow(snap.ItemIndex(1, 1), ArmorCount);
        ComboArmor->setListIndex(armor);
        HoldArmor(Chara, armor);
        setArmorBar();
        HScrollSTd->setValue(snap.ArmorStr);
        Chara.ArmorStr = Integer(HScrollSTd->value());
        Chara.ArmorMagic = Byte(armor == 0 ? 0 : magicItem(snap.ArmorMagic));
        ComboMgA->setListIndex(Chara.ArmorMagic);

        LabelArm[0]->setCaption(MainArmCaption);
        LabelArm[1]->setCaption(Chara.Ambidextrous == 1 ? MainArmCaption : OffArmCaption);
    }
    recompute();
    setPriceCaption(Chara.ItemPrice[2]);
}

void FormEquip::ShowLoaded(const CharaRecord &rec)
{
    TextGold->setText(QString::number(rec.Gold));
    LabelArm[1]->setCaption(rec.Ambidextrous == 1 ? MainArmCaption : OffArmCaption);
    // The items, strengths and bonuses follow with the refresh.
    TimerReset->setEnabled(true);
}

FormEquip *formEquip()
{
    static QPointer<FormEquip> form;
    return ensureChildForm(form);
}
