// The abilities window shows the record: base values, abilities with their
// bonuses and totals, race, age category and template; the totals are the
// sums the rules make of the values.
#include "random_user.h"

#include "abilities/ability_rules.h"
#include "script_driver.h"
#include "shell/globals.h"
#include "shell/numtext.h"

KTCMT_WINDOW_CHECK("FormAbility", abilitiesShowRecord)
{
    const QString w = QStringLiteral("FormAbility.");
    for (int i = 0; i < 8; ++i)
        p.same(w + QStringLiteral("TextAb(%1).text").arg(i), QStringLiteral("Chara.BaseValue(%1)").arg(i));
    int bonusTotal = 0;
    for (int i = 0; i < 6; ++i) {
        p.same(w + QStringLiteral("TextAbility(%1).text").arg(i), QStringLiteral("Chara.Ability(%1)").arg(i));
        const int bonus = AbilityBonus(Chara.Ability[size_t(i)]);
        bonusTotal += bonus;
        p.expect(w + QStringLiteral("TextAdd(%1).text").arg(i), ScriptDriver::escape(BonusText(bonus)));
    }
    p.expect(w + QStringLiteral("LabelTotalAdd.caption"), QString::number(bonusTotal));
    p.same(w + QStringLiteral("LabelTotalSub.caption"), QStringLiteral("Chara.BaseTotal"));
    p.same(w + QStringLiteral("LabelTotalMain.caption"), QStringLiteral("Chara.AbilityTotal"));
    p.same(w + QStringLiteral("ComboLace.index"), QStringLiteral("Chara.Race"));
    p.same(w + QStringLiteral("ComboAge.index"), QStringLiteral("Chara.AgeClass"));
    for (int j = 0; j < 2; ++j)
        p.expect(w + QStringLiteral("CheckAdd(%1).value").arg(j), Chara.UndeadType == j + 1 ? QStringLiteral("1") : QStringLiteral("0"));
}

KTCMT_WINDOW_CHECK("FormAbility", abilityTotalsAreSums)
{
    p.expect(QStringLiteral("Chara.BaseTotal"), NumText(BaseTotalOf(Chara.BaseValue)));
    p.expect(QStringLiteral("Chara.AbilityTotal"), NumText(SumAbilities(Chara.Ability).abilityTotal));
}
