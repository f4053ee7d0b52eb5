// The skills window shows the record: the chosen skill's level, the
// experience figures and the list of skills; the spent experience follows
// the cost tables from the levels.
#include "random_user.h"

#include <limits>

#include "script_driver.h"
#include "shell/globals.h"
#include "shell/controls.h"
#include "shell/forms.h"
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
    // rows in printed form.
    auto listShows = [&](const QStringList &rows, const QList<int> &data) {
        p.expect(w + QStringLiteral("ListSkill.count"), QString::number(rows.size()));
        if (p.value(w + QStringLiteral("ListSkill.count")) != QString::number(rows.size()))
            return;
        for (int r = 0; r < rows.size(); ++r) {
            p.expect(w + QStringLiteral("ListSkill.item(%1)").arg(r), rows[r]);
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
        auto rowsFor = [](const CharaRecord &rec, QStringList &rows, QList<int> &data) {
            for (const auto &row : SkillListRows(rec)) {
                rows << ScriptDriver::escape(row.first);
                data << row.second;
            }
        };
        QStringList rows;
        QList<int> data;
        rowsFor(Chara, rows, data);
        // A reload of the profile window sets the deity to 0 behind the other
        // windows' backs (by design, until the next refresh): the priest's
        // name may then follow the deity the languages window still shows.
        bool ok = false;
        // Reading a window that is not there would create it.
        const int shownGod = formExists(QStringLiteral("FormLang"))
                                 ? p.value(QStringLiteral("FormLang.ComboGod.index"), &ok).toInt()
                                 : -1;
        if (ok && shownGod >= 0 && shownGod != Chara.God) {
            CharaRecord asShown = Chara;
            asShown.God = Byte(shownGod);
            QStringList other;
            QList<int> otherData;
            rowsFor(asShown, other, otherData);
            QStringList shown;
            const int count = p.value(w + QStringLiteral("ListSkill.count")).toInt();
            for (int r = 0; r < count; ++r)
                shown << p.value(w + QStringLiteral("ListSkill.item(%1)").arg(r));
            if (shown == other)
                rows = other;
        }
        listShows(rows, data);
    } else {
        // After Enter the box keeps what was typed; the points are the number
        // it begins with, rounded, and that is what must agree.
        const QString typed = UnescapePrinted(p.value(w + QStringLiteral("TextExp.text")));
        long long points = 0;
        const bool taken = RoundToRange(LeadingNumber(typed), std::numeric_limits<Integer>::min(),
                                        std::numeric_limits<Integer>::max(), points);
        if (!taken || points != Chara.GeneralSkillPoints)
            p.same(w + QStringLiteral("TextExp.text"), QStringLiteral("Chara.GeneralSkillPoints"));
        QStringList rows;
        for (const QString &row : GeneralListRows(Chara))
            rows << ScriptDriver::escape(row);
        listShows(rows, {});
    }
}
