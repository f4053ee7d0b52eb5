// The equipment window in-process: after any sequence of changes every
// label, control and record field agrees with the rules for the items now
// held; a refresh mends a damaged record; one change costs a fixed number of
// weapon evaluations.
#include <QtTest>

#include <random>
#include "equipment/equip_rules.h"
#include "equipment/equip_tables.h"
#include "abilities/form_ability.h"
#include "equipment/form_equip.h"
#include "shell/chara_record.h"
#include "shell/controls.h"
#include "shell/ui_seam.h"

namespace {

QString num(int v)
{
    return QString::number(v);
}

// Everything that must hold after any change; returns the first broken rule.
QString brokenRule(FormEquip *w)
{
    const CharaRecord &r = Chara;
    CharaRecord again = r;
    const EquipFigures f = ApplyEquipment(again, w->LeftMode);
    if (!(again == r))
        return QStringLiteral("a figure or price is not what the items held give");

    const int main = r.ItemIndex(0, 0);
    KCombo *mainList = w->ComboWeapon[WeaponListOf(0, w->WeaponPage)];
    if (!mainList->isVisibleTo(w) || WeaponNumberAt(WeaponListOf(0, w->WeaponPage), mainList->listIndex()) != main)
        return QStringLiteral("the main weapon list does not show the weapon held");
    if (r.WeaponName[0] != TableText(WeaponTable[std::size_t(main)].sheetName))
        return QStringLiteral("main weapon name");
    if (w->HScrollSTa[0]->value() != r.WeaponStr[0])
        return QStringLiteral("main strength bar");
    if (w->ComboMgW->listIndex() != r.WeaponMagic[0])
        return QStringLiteral("main magic list");
    if (main == BareHands && r.WeaponMagic[0] != 0)
        return QStringLiteral("bare hands with a bonus");

    if (w->LeftMode == LeftShield) {
        if (r.WeaponStr[1] != -1 || r.ItemPrice[3] != 0 || r.WeaponMagic[1] != 0)
            return QStringLiteral("a put-away weapon still counts");
        if (w->ComboShield->listIndex() != r.ItemIndex(1, 0) || w->ComboMgS->listIndex() != r.ShieldMagic)
            return QStringLiteral("shield lists");
        if (r.ItemIndex(1, 0) == 0 && r.ShieldMagic != 0)
            return QStringLiteral("no shield with a bonus");
        if (IsTwoHanded(main) && r.ItemIndex(1, 0) != 0)
            return QStringLiteral("a shield beside a two-handed weapon");
        if (!w->ComboShield->isVisibleTo(w) || w->HScrollSTa[1]->isVisibleTo(w))
            return QStringLiteral("shield layout");
    } else {
        const int off = r.ItemIndex(0, 1);
        if (IsTwoHanded(main))
            return QStringLiteral("a second weapon beside a two-handed weapon");
        if (IsTwoHanded(off))
            return QStringLiteral("a two-handed weapon in the off hand");
        if (r.ShieldStr != -1 || r.ItemPrice[1] != 0 || r.ShieldEvasion != 0 || r.ShieldMagic != 0)
            return QStringLiteral("a set-down shield still counts");
        const int list = WeaponListOf(1, w->LeftMode - 1);
        if (WeaponPageOf(off) != w->LeftMode - 1
            || WeaponNumberAt(list, w->ComboWeapon[list]->listIndex()) != off)
            return QStringLiteral("the off-hand list does not show the weapon held");
        if (w->HScrollSTa[1]->value() != r.WeaponStr[1] || w->ComboMgS->listIndex() != r.WeaponMagic[1])
            return QStringLiteral("off-hand bar or magic list");
        if (w->LabelCRa[1]->caption() != num(r.CombatValue(1, 3))
            || w->LabelAtp1[1]->caption() != num(r.CombatValue(1, 0)))
            return QStringLiteral("off-hand figures shown");
        if (w->ComboShield->isVisibleTo(w) || !w->HScrollSTa[1]->isVisibleTo(w))
            return QStringLiteral("weapon layout");
    }

    if (w->ComboArmor->listIndex() != r.ItemIndex(1, 1) || w->HScrollSTd->value() != r.ArmorStr
        || w->ComboMgA->listIndex() != r.ArmorMagic)
        return QStringLiteral("armour controls");
    if (r.ItemIndex(1, 1) == 0 && r.ArmorMagic != 0)
        return QStringLiteral("no armour with a bonus");

    if (w->LabelAtp1[0]->caption() != num(r.CombatValue(0, 0)) || w->LabelAtp2[0]->caption() != num(r.CombatValue(0, 1))
        || w->LabelAtp3[0]->caption() != num(r.CombatValue(0, 2)) || w->LabelCRa[0]->caption() != num(r.CombatValue(0, 3)))
        return QStringLiteral("main figures shown");
    for (int k = 0; k < 3; ++k)
        if (w->LabelDfp[k]->caption() != num(r.DefenseValue[std::size_t(k)]))
            return QStringLiteral("defence figures shown");
    if (w->LabelDfpS->caption() != w->LabelDfp[0]->caption())
        return QStringLiteral("evasion copy");
    if (w->LabeleA->caption() != TenthsText(f.weapon[0].expectedTenths))
        return QStringLiteral("打撃点");
    if (w->TextGold->text() != QString::number(MoneyShown(r)))
        return QStringLiteral("money shown");
    if (w->StrShortfall != f.shortfall || w->SkillMode != f.skillMode)
        return QStringLiteral("window state");
    return QString();
}

} // namespace

class TestEquipWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void everyChangeLeavesAgreement();
    void damagedRecordIsMended();
    void armourChangeCostsFixedEvaluations();
    void priceShowsTheItemChangedLast();
    void loadedCharacterReachesTheWindow();

private:
    int m_beeps = 0;
    FormEquip *m_w = nullptr;
};

void TestEquipWindow::initTestCase()
{
    uiHooks().beep = [this] { ++m_beeps; };
    Chara.WeaponStr[1] = -1;
    m_w = formEquip();
    KTimer::drainPending();
}

void TestEquipWindow::init()
{
    Chara = CharaRecord();
    Chara.Ability = {12, 12, 12, 12, 12, 12};
    Chara.SkillLevel[0] = 1;
    Chara.SkillLevel[1] = 2;
    Chara.SkillLevel[2] = 3;
    Chara.AdventurerLevel = 3;
    Chara.Gold = 3000;
    Chara.WeaponStr[1] = -1;
    m_w->TimerReset->fire();
    KTimer::drainPending();
    m_beeps = 0;
}

void TestEquipWindow::everyChangeLeavesAgreement()
{
    std::mt19937 rng(20261209);
    auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };
    FormEquip *w = m_w;
    QVERIFY2(brokenRule(w).isEmpty(), qPrintable(brokenRule(w)));
    for (int step = 0; step < 3000; ++step) {
        const int beepsBefore = m_beeps;
        int beepsWanted = 0;
        QString what;
        switch (pick(12)) {
        case 0: case 1: {
            KCombo *list = w->ComboWeapon[WeaponListOf(0, w->WeaponPage)];
            const int i = pick(list->count());
            what = QStringLiteral("main weapon %1").arg(i);
            list->userSelect(i);
            break;
        }
        case 2: {
            if (w->LeftMode == LeftShield) {
                const int i = pick(ShieldCount);
                beepsWanted = i != 0 && IsTwoHanded(Chara.ItemIndex(0, 0)) ? 1 : 0;
                what = QStringLiteral("shield %1").arg(i);
                w->ComboShield->userSelect(i);
            } else {
                const int list = WeaponListOf(1, w->LeftMode - 1);
                const int i = pick(w->ComboWeapon[list]->count());
                beepsWanted = IsTwoHanded(WeaponNumberAt(list, i)) ? 1 : 0;
                what = QStringLiteral("off weapon %1 of list %2").arg(i).arg(list);
                w->ComboWeapon[list]->userSelect(i);
            }
            break;
        }
        case 3: {
            KScroll *bar = w->HScrollSTa[pick(2)];
            if (!bar->isVisibleTo(w))
                continue;
            const int v = bar->minimum() + pick(bar->maximum() - bar->minimum() + 1);
            what = QStringLiteral("%1 to %2").arg(bar->objectName()).arg(v);
            bar->setValue(v);
            break;
        }
        case 4: {
            const int i = pick(ArmorCount);
            what = QStringLiteral("armour %1").arg(i);
            w->ComboArmor->userSelect(i);
            break;
        }
        case 5: {
            const int v = w->HScrollSTd->minimum() + pick(w->HScrollSTd->maximum() - w->HScrollSTd->minimum() + 1);
            what = QStringLiteral("armour strength %1").arg(v);
            w->HScrollSTd->setValue(v);
            break;
        }
        case 6: {
            KCombo *magic = std::array<KCombo *, 3>{w->ComboMgW, w->ComboMgS, w->ComboMgA}[std::size_t(pick(3))];
            const int i = pick(MagicCount);
            what = QStringLiteral("%1 to %2").arg(magic->objectName()).arg(i);
            magic->userSelect(i);
            break;
        }
        case 7: what = QStringLiteral("page"); w->LabelW->click(); break;
        case 8:
            what = QStringLiteral("off hand");
            beepsWanted = w->LeftMode == LeftShield && IsTwoHanded(Chara.ItemIndex(0, 0)) ? 1 : 0;
            w->LabelLeft->click();
            break;
        case 9: what = QStringLiteral("arm"); w->LabelArm[1]->click(); break;
        case 10: {
            const int v = pick(2000) - 500;
            what = QStringLiteral("money %1").arg(v);
            w->TextGold->typeText(QString::number(v));
            w->TextGold->pressKey(QChar(13));
            QCOMPARE(w->TextGold->text(), QString::number(v));
            break;
        }
        default:
            what = QStringLiteral("refresh");
            Chara.Ability[3] = float(6 + pick(20));
            Chara.SkillLevel[std::size_t(pick(3))] = Byte(pick(5));
            w->TimerReset->setEnabled(true);
            break;
        }
        KTimer::drainPending();
        const QString broken = brokenRule(w);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("step %1 (%2): %3").arg(step).arg(what, broken)));
        QVERIFY2(m_beeps - beepsBefore == beepsWanted, qPrintable(QStringLiteral("step %1 (%2): beeps").arg(step).arg(what)));
    }
}

void TestEquipWindow::damagedRecordIsMended()
{
    // Out-of-range indexes, strengths and bonuses, and a two-handed off-hand weapon.
    Chara.ItemIndex(0, 0) = 99;
    Chara.WeaponStr[0] = 500;
    Chara.WeaponMagic[0] = 3;
    Chara.ItemIndex(0, 1) = 13;
    Chara.WeaponStr[1] = 15;
    Chara.ShieldStr = 1;
    Chara.ItemIndex(1, 1) = -3;
    Chara.ArmorMagic = 9;
    m_w->TimerReset->setEnabled(true);
    KTimer::drainPending();
    QCOMPARE(m_beeps, 1);
    QVERIFY2(brokenRule(m_w).isEmpty(), qPrintable(brokenRule(m_w)));
    QCOMPARE(Chara.WeaponName[0], QStringLiteral("素手"));
    QCOMPARE(Chara.WeaponStr[0], Integer(0));
    QCOMPARE(Chara.WeaponMagic[0], Byte(0));
    QCOMPARE(Chara.WeaponName[1], QStringLiteral("素手"));
    QCOMPARE(m_w->LeftMode, int(LeftWeaponPage1));
    QCOMPARE(Chara.ArmorName, QStringLiteral("なし"));
    QCOMPARE(Chara.ArmorMagic, Byte(0));
    // Once mended, a refresh changes nothing and says nothing.
    const CharaRecord mended = Chara;
    m_w->TimerReset->setEnabled(true);
    KTimer::drainPending();
    QCOMPARE(m_beeps, 1);
    QVERIFY(Chara == mended);
}

void TestEquipWindow::armourChangeCostsFixedEvaluations()
{
    m_w->ComboWeapon[0]->userSelect(5);
    m_w->LabelLeft->click();
    m_w->ComboWeapon[2]->userSelect(1);
    m_w->ComboArmor->userSelect(8);
    KTimer::drainPending();
    QCOMPARE(m_w->LeftMode, int(LeftWeaponPage1));
    for (int i = 0; i < 500; ++i) {
        const long long before = m_w->WeaponEvaluations;
        m_w->HScrollSTd->setValue(14 + i % 2);
        QCOMPARE(m_w->WeaponEvaluations - before, 2LL);
    }
    // Shield side: one weapon, one evaluation.
    m_w->LabelLeft->click();
    m_w->LabelLeft->click();
    QCOMPARE(m_w->LeftMode, int(LeftShield));
    const long long before = m_w->WeaponEvaluations;
    m_w->HScrollSTd->setValue(20);
    QCOMPARE(m_w->WeaponEvaluations - before, 1LL);
}

void TestEquipWindow::priceShowsTheItemChangedLast()
{
    m_w->ComboWeapon[0]->userSelect(1);
    m_w->HScrollSTa[0]->setValue(5);
    QCOMPARE(m_w->LabelP->caption(), QStringLiteral("70"));
    m_w->ComboArmor->userSelect(1);
    QCOMPARE(m_w->LabelP->caption(), QStringLiteral("20"));
    // Neither the arm marker nor typed money is an item.
    m_w->LabelArm[1]->click();
    m_w->TextGold->typeText(QStringLiteral("10"));
    m_w->TextGold->pressKey(QChar(13));
    QCOMPARE(m_w->LabelP->caption(), QStringLiteral("20"));
    m_w->ComboShield->userSelect(2);
    QCOMPARE(m_w->LabelP->caption(), QStringLiteral("300"));
    m_w->ComboMgW->userSelect(1);
    QCOMPARE(m_w->LabelP->caption(), QStringLiteral("70"));
}

void TestEquipWindow::loadedCharacterReachesTheWindow()
{
    FormAbility *abilities = formAbility();
    KTimer::drainPending();
    // A character as a file holds it: モーニングスター ＋１ at 15, a second
    // ダガー ＋２ at 4, ハードレザー ＋１ at 9, ambidextrous.
    CharaRecord loaded = Chara;
    HoldWeapon(loaded, 0, 38);
    loaded.WeaponStr[0] = 15;
    loaded.WeaponMagic[0] = 1;
    PutAwayShield(loaded);
    HoldWeapon(loaded, 1, 1);
    loaded.WeaponStr[1] = 4;
    loaded.WeaponMagic[1] = 2;
    HoldArmor(loaded, 3);
    loaded.ArmorStr = 9;
    loaded.ArmorMagic = 1;
    loaded.Ambidextrous = 1;
    loaded.Gold = 777;
    Chara = loaded;
    CharaWork = loaded;
    abilities->TimerAbi->setEnabled(true);
    KTimer::drainPending();

    QCOMPARE(m_w->WeaponPage, 1);
    QCOMPARE(m_w->ComboWeapon[1]->listIndex(), 1);
    QCOMPARE(m_w->HScrollSTa[0]->value(), 15);
    QCOMPARE(m_w->ComboMgW->listIndex(), 1);
    QCOMPARE(m_w->LeftMode, int(LeftWeaponPage1));
    QCOMPARE(m_w->ComboWeapon[2]->listIndex(), 1);
    QCOMPARE(m_w->HScrollSTa[1]->value(), 4);
    QCOMPARE(m_w->ComboMgS->listIndex(), 2);
    QCOMPARE(m_w->ComboArmor->listIndex(), 3);
    QCOMPARE(m_w->HScrollSTd->value(), 9);
    QCOMPARE(m_w->ComboMgA->listIndex(), 1);
    QCOMPARE(m_w->LabelArm[0]->caption(), QStringLiteral("利腕"));
    QCOMPARE(m_w->LabelArm[1]->caption(), QStringLiteral("利腕"));
    QCOMPARE(Chara.Gold, Long(777));
    QCOMPARE(m_w->TextGold->text(), QString::number(777 - (20 * 15 + 40) - (10 * 4 + 20) - (30 * 9 + 30)));
    QVERIFY2(brokenRule(m_w).isEmpty(), qPrintable(brokenRule(m_w)));
    QCOMPARE(m_beeps, 0);
}

QTEST_MAIN(TestEquipWindow)
#include "test_equip_window.moc"
