// The languages window shows the record: the languages spoken and read, the
// songs and the deity; the counts, the picks left and the deity are what the
// rules give.
#include "random_user.h"

#include "languages/form_lang.h"
#include "languages/lang_rules.h"
#include "languages/lang_tables.h"
#include "script_driver.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace {
// A list shows rows, entry by entry with their data.
void listShows(Probe &p, const QString &list, const QList<LangRow> &rows)
{
    p.expect(list + QStringLiteral(".count"), QString::number(rows.size()));
    if (p.value(list + QStringLiteral(".count")) != QString::number(rows.size()))
        return;
    for (int r = 0; r < rows.size(); ++r) {
        p.expect(list + QStringLiteral(".item(%1)").arg(r), ScriptDriver::escape(rows[r].text));
        p.expect(list + QStringLiteral(".data(%1)").arg(r), QString::number(rows[r].data));
    }
}
} // namespace

KTCMT_WINDOW_CHECK("FormLang", languagesShowRecord)
{
    const QString w = QStringLiteral("FormLang.");
    const FormLang *f = formLang(); // exists: the checks run only then
    const LangAllowance a{f->LangBase, f->ExtraLangPicks};
    CharaRecord counted = Chara;
    const int extra = CountLanguages(counted, a);
    const std::array<int, 2> rest = RemainingLanguages(counted, a, extra);
    for (int c = 0; c < 2; ++c) {
        p.expect(QStringLiteral("Chara.LangFlag(0,%1)").arg(c), QString::number(counted.LangFlag(0, c)));
        p.expect(w + QStringLiteral("LabelMaxLang(%1).caption").arg(c), NumText(rest[size_t(c)]));
        const QList<LangRow> rows = LanguageRows(Chara, c);
        listShows(p, w + QStringLiteral("ListLang(%1)").arg(c), rows);
        for (int i = 0; i < 18; ++i)
            p.expect(QStringLiteral("Chara.LangName(%1,%2)").arg(i).arg(c),
                     ScriptDriver::escape(i < rows.size() ? rows[i].text : QString()));
    }

    int learned = 0;
    for (int m = 1; m < int(Chara.SongFlag.size()); ++m)
        learned += Chara.SongFlag[size_t(m)] != 0 ? 1 : 0;
    p.expect(QStringLiteral("Chara.SongFlag(0)"), QString::number(learned));
    const QList<LangRow> songs = SongRows(Chara);
    listShows(p, w + QStringLiteral("ListSong"), songs);
    for (int i = 0; i < 16; ++i)
        p.expect(QStringLiteral("Chara.SongName(%1)").arg(i), ScriptDriver::escape(i < songs.size() ? songs[i].text : QString()));
    p.expect(w + QStringLiteral("LabelMaxSongs.caption"), NumText(RemainingSongs(Chara)));

    // Every load of the profile window (also one made only to be closed
    // again) clears the deity without telling this window (by design, until
    // the next refresh).
    const bool clearedBehind = Chara.God == 0;
    if (!clearedBehind)
        p.same(w + QStringLiteral("ComboGod.index"), QStringLiteral("Chara.God"));
}

KTCMT_WINDOW_CHECK("FormLang", deityFollowsTheRules)
{
    // An elf and a ドラゴンプリースト have no deity; a deity drawn for a
    // priest is left to the window's own run.
    bool drew = false;
    const int entry = DeityAfterRules(Chara, Chara.God, [&drew] {
        drew = true;
        return 0.0;
    });
    if (!drew)
        p.expect(QStringLiteral("Chara.God"), QString::number(entry));
}
