// The skills window shows the record: the chosen skill's level, the
// experience figures and the list of skills; the spent experience follows
// the cost tables from the levels.
#include "random_user.h"

#include "script_driver.h"
#include "shell/globals.h"
#include "shell/controls.h"
#include "shell/numtext.h"
#include "skills/form_exp.h"
#include "skills/skill_rules.h"

KTCMT_WINDOW_CHECK("FormExp", skillsFollowTheCostTables)
{
    CharaRecord priced = Chara;
    RecomputeCosts(priced);
    p.expect(QStringLiteral("Chara.ExpSpent"), QString::number(priced.ExpSpent));
    p.expect(QStringLiteral("Chara.AdventurerLevel"), QString::number(priced.AdventurerLevel));
    for (int i = 0; i < SkillCount; ++i)
        p.expect(QStringLiteral("Chara.SkillExp(%1)").arg(i), QString::number(priced.SkillExp[size_t(i)]));
}

KTCMT_WINDOW_CHECK("FormExp", skillsShowRecord)
{
    const QString w = QStringLiteral("FormExp.");
    const FormExp *f = formExp(); // exists: the checks run only then
    auto listShows = [&](const QStringList &rows, const QList<int> &data) {
        p.expect(w + QStringLiteral("ListSkill.count"), QString::number(rows.size()));
        if (p.value(w + QStringLiteral("ListSkill.count")) != QString::number(rows.size()))
            return;
        for (int r = 0; r < rows.size(); ++r) {
            p.expect(w + QStringLiteral("ListSkill.item(%1)").arg(r), ScriptDriver::escape(rows[r]));
            if (!data.isEmpty())
                p.expect(w + QStringLiteral("ListSkill.data(%1)").arg(r), QString::number(data[r]));
        }
    };
    if (f->SkillType == 0) {
        const int s = f->ComboSkill->listIndex();
        if (s >= 0 && s < SkillCount) {
            const int level = Chara.SkillLevel[size_t(s)];
            p.expect(w + QStringLiteral("LabelLv.caption"), level == 0 ? QStringLiteral("なし") : QString::number(level));
            p.expect(w + QStringLiteral("HScrollLv.value"), QString::number(level));
            if (level <= MaxSkillLevel)
                p.expect(w + QStringLiteral("ComboLevel.index"), QString::number(level));
        }
        if (f->TotalExpMode == 0)
            p.expect(w + QStringLiteral("TextExp.text"), QString::number(qint64(Chara.ExpTotal) - Chara.ExpSpent));
        else
            p.same(w + QStringLiteral("LabelTotalExp.caption"), QStringLiteral("Chara.ExpSpent"));
        QStringList rows;
        QList<int> data;
        for (const auto &row : SkillListRows(Chara)) {
            rows << row.first;
            data << row.second;
        }
        listShows(rows, data);
    } else {
        p.same(w + QStringLiteral("TextExp.text"), QStringLiteral("Chara.GeneralSkillPoints"));
        listShows(GeneralListRows(Chara), {});
    }
}
