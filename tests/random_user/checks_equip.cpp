// The equipment window shows the record: the items held in its lists, the
// strengths on its bars, every combat figure; and the record's prices and
// figures are what the rules give for the items held.
#include "random_user.h"

#include "abilities/ability_rules.h"
#include "equipment/equip_rules.h"
#include "equipment/equip_tables.h"
#include "equipment/form_equip.h"
#include "script_driver.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace {
QString n(long long v)
{
    return QString::number(v);
}
} // namespace

KTCMT_WINDOW_CHECK("FormEquip", equipFiguresFollowTheRules)
{
    const FormEquip *f = formEquip(); // exists: the checks run only then
    CharaRecord again = Chara;
    ApplyEquipment(again, f->LeftMode);
    for (int k = 0; k < 4; ++k)
        p.expect(QStringLiteral("Chara.ItemPrice(%1)").arg(k), n(again.ItemPrice[size_t(k)]));
    for (int s = 0; s < 2; ++s)
        for (int k = 0; k < 4; ++k)
            p.expect(QStringLiteral("Chara.CombatValue(%1,%2)").arg(s).arg(k), n(again.CombatValue(s, k)));
    for (int k = 0; k < 3; ++k)
        p.expect(QStringLiteral("Chara.DefenseValue(%1)").arg(k), n(again.DefenseValue[size_t(k)]));
    const int main = Chara.ItemIndex(0, 0);
    if (main >= 0 && main < WeaponCount)
        p.expect(QStringLiteral("Chara.WeaponName(0)"), ScriptDriver::escape(TableText(WeaponTable[size_t(main)].sheetName)));
    const int armor = Chara.ItemIndex(1, 1);
    if (armor >= 0 && armor < ArmorCount)
        p.expect(QStringLiteral("Chara.ArmorName"), ScriptDriver::escape(TableText(ArmorTable[size_t(armor)].listText)));
    if (f->LeftMode == LeftShield) {
        const int shield = Chara.ItemIndex(1, 0);
        if (shield >= 0 && shield < ShieldCount)
            p.expect(QStringLiteral("Chara.ShieldName"), ScriptDriver::escape(TableText(ShieldTable[size_t(shield)].listText)));
        p.expect(QStringLiteral("Chara.WeaponStr(1)"), QStringLiteral("-1"));
    } else {
        const int off = Chara.ItemIndex(0, 1);
        if (off >= 0 && off < WeaponCount)
            p.expect(QStringLiteral("Chara.WeaponName(1)"), ScriptDriver::escape(TableText(WeaponTable[size_t(off)].sheetName)));
        p.expect(QStringLiteral("Chara.ShieldStr"), QStringLiteral("-1"));
    }
}

KTCMT_WINDOW_CHECK("FormEquip", equipShowsRecord)
{
    const QString w = QStringLiteral("FormEquip.");
    const FormEquip *f = formEquip();
    // The list of a slot shows the weapon the slot holds.
    auto weaponShown = [&](int slot, int page) {
        const int list = WeaponListOf(slot, page);
        bool ok = false;
        const int pos = p.value(w + QStringLiteral("ComboWeapon(%1).index").arg(list), &ok).toInt();
        if (ok)
            p.expect(QStringLiteral("Chara.ItemIndex(0,%1)").arg(slot), n(pos < 0 ? -1 : WeaponNumberAt(list, pos)));
    };
    weaponShown(0, f->WeaponPage);
    p.same(w + QStringLiteral("HScrollSTa(0).value"), QStringLiteral("Chara.WeaponStr(0)"));
    p.same(w + QStringLiteral("LabelSTa.caption"), QStringLiteral("Chara.WeaponStr(0)"));
    p.same(w + QStringLiteral("ComboMgW.index"), QStringLiteral("Chara.WeaponMagic(0)"));
    if (f->LeftMode == LeftShield) {
        p.same(w + QStringLiteral("ComboShield.index"), QStringLiteral("Chara.ItemIndex(1,0)"));
        p.same(w + QStringLiteral("ComboMgS.index"), QStringLiteral("Chara.ShieldMagic"));
        p.same(w + QStringLiteral("LabelSTs.caption"), QStringLiteral("Chara.ShieldStr"));
    } else {
        weaponShown(1, f->LeftMode - 1);
        p.same(w + QStringLiteral("HScrollSTa(1).value"), QStringLiteral("Chara.WeaponStr(1)"));
        p.same(w + QStringLiteral("LabelSTs.caption"), QStringLiteral("Chara.WeaponStr(1)"));
        p.same(w + QStringLiteral("ComboMgS.index"), QStringLiteral("Chara.WeaponMagic(1)"));
    }
    p.same(w + QStringLiteral("ComboArmor.index"), QStringLiteral("Chara.ItemIndex(1,1)"));
    p.same(w + QStringLiteral("HScrollSTd.value"), QStringLiteral("Chara.ArmorStr"));
    p.same(w + QStringLiteral("LabelSTd.caption"), QStringLiteral("Chara.ArmorStr"));
    p.same(w + QStringLiteral("ComboMgA.index"), QStringLiteral("Chara.ArmorMagic"));

    CharaRecord again = Chara;
    const EquipFigures fig = ApplyEquipment(again, f->LeftMode);
    static const char *const atp[4] = {"LabelAtp1", "LabelAtp2", "LabelAtp3", "LabelCRa"};
    for (int s = 0; s < 2; ++s) {
        const bool held = s == 0 || f->LeftMode != LeftShield;
        for (int k = 0; k < 4; ++k) {
            const QString label = w + QStringLiteral("%1(%2).caption").arg(QLatin1String(atp[k])).arg(s);
            if (held)
                p.same(label, QStringLiteral("Chara.CombatValue(%1,%2)").arg(s).arg(k));
            else
                p.expect(label, QString());
        }
    }
    for (int k = 0; k < 3; ++k)
        p.same(w + QStringLiteral("LabelDfp(%1).caption").arg(k), QStringLiteral("Chara.DefenseValue(%1)").arg(k));
    p.same(w + QStringLiteral("LabelDfpS.caption"), QStringLiteral("Chara.DefenseValue(0)"));
    p.expect(w + QStringLiteral("LabeleA.caption"), ScriptDriver::escape(TenthsText(fig.weapon[0].expectedTenths)));
    p.expect(w + QStringLiteral("LabeleD.caption"), ScriptDriver::escape(TenthsText(fig.defense.pointsTenths)));
    p.expect(w + QStringLiteral("LabelCRd.caption"), ScriptDriver::escape(fig.defense.effects));
    p.expect(w + QStringLiteral("LabelMaxLv.caption"), NumText(int(Chara.AdventurerLevel)));
    p.same(w + QStringLiteral("LabelHP(0).caption"), QStringLiteral("Chara.Ability(4)"));
    p.same(w + QStringLiteral("LabelHP(1).caption"), QStringLiteral("Chara.Ability(5)"));
    p.expect(w + QStringLiteral("LabelHP(2).caption"), NumText(LifeResistance(Chara)));
    p.expect(w + QStringLiteral("LabelHP(3).caption"), NumText(SpiritResistance(Chara)));

    // After Enter the box keeps what was typed; what must agree is the money
    // that text stands for.
    const QString typed = UnescapePrinted(p.value(w + QStringLiteral("TextGold.text")));
    Long gold = 0;
    if (!GoldFromTyped(typed, Chara, gold) || gold != Chara.Gold)
        p.expect(w + QStringLiteral("TextGold.text"), n(MoneyShown(Chara)));
}
