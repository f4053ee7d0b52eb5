// The sheet window shows its record and the folder: the sheet text is the
// rendering of CharaWork once no render is pending, the character list
// reads as the files it was built from, the table has a line per row taking
// part, and the menu check marks show the modes.
#include "random_user.h"

#include <QPointer>

#include "script_driver.h"
#include "sheet/char_list.h"
#include "sheet/form_text_sheet.h"
#include "sheet/sheet_text.h"
#include "shell/chara_file.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"

namespace {
// What the last render showed. The sheet text is rendered only by its timer:
// a recomputation that copies the record into CharaWork leaves the text
// behind by design, and the box is free text a person may type over. So
// the text must be the render of CharaWork only while neither has changed
// since; the modes, though, must never change without a render.
struct LastRender {
    QPointer<KTimer> timer;
    bool done = false;
    QByteArray work;
    int sheetMode = 0;
    int crLfMode = 0;
    QString text;
};
LastRender &lastRender()
{
    static LastRender r;
    return r;
}
} // namespace

KTCMT_WINDOW_CHECK("FormTextSheet", sheetShowsRecord)
{
    const QString w = QStringLiteral("FormTextSheet.");
    FormTextSheet *f = formTextSheet(); // exists: the checks run only then
    LastRender &last = lastRender();
    if (last.timer != f->TimerSheet) {
        // Watching the render (after the window's own handler) changes nothing.
        last = LastRender();
        last.timer = f->TimerSheet;
        QObject::connect(f->TimerSheet, &KTimer::Timer, f->TimerSheet, [f] {
            LastRender &r = lastRender();
            r.done = true;
            r.work = RecordToBytes(CharaWork);
            r.sheetMode = SheetMode;
            r.crLfMode = CrLfMode;
            r.text = f->TextSheet->text();
        });
    }
    if (last.done && p.value(w + QStringLiteral("TimerSheet.enabled")) == QLatin1String("0")) {
        p.expect(QStringLiteral("Globals.SheetMode"), QString::number(last.sheetMode));
        p.expect(QStringLiteral("Globals.CrLfMode"), QString::number(last.crLfMode));
        if (UnescapePrinted(p.value(w + QStringLiteral("TextSheet.text"))) == last.text && RecordToBytes(CharaWork) == last.work
            && SheetMode == last.sheetMode && CrLfMode == last.crLfMode)
            p.expect(w + QStringLiteral("TextSheet.text"), ScriptDriver::escape(SheetText(CharaWork, SheetMode, CrLfMode)));
    }

    for (int i = 0; i < 2; ++i)
        p.expect(w + QStringLiteral("MenuMode(%1).checked").arg(i), SheetMode == i ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        p.expect(w + QStringLiteral("MenuCrLfMode(%1).checked").arg(i), CrLfMode == i ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        p.expect(w + QStringLiteral("MenuListSort(%1).checked").arg(i), ListSortMode == i ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 0; i < 9; ++i)
        p.expect(w + QStringLiteral("MenuListSortSkill(%1).checked").arg(i),
                 ListSortMode == SortBySkill + i ? QStringLiteral("1") : QStringLiteral("0"));
}

KTCMT_WINDOW_CHECK("FormTextSheet", characterListShowsFiles)
{
    const QString w = QStringLiteral("FormTextSheet.");
    // The files as the last list pass left them: row data k is file k − 1.
    QStringList listed;
    const int files = p.value(w + QStringLiteral("FileCL.count")).toInt();
    for (int i = 0; i < files; ++i)
        listed << UnescapePrinted(p.value(w + QStringLiteral("FileCL.item(%1)").arg(i)));
    const int count = p.value(w + QStringLiteral("ListC.count")).toInt();
    QList<ListRow> rows;
    for (int r = 0; r < count; ++r) {
        const QString item = w + QStringLiteral("ListC.item(%1)").arg(r);
        const int k = p.value(w + QStringLiteral("ListC.data(%1)").arg(r)).toInt();
        rows.append({UnescapePrinted(p.value(item)), k, ListEntry()});
        if (k == 0) {
            // The edited character's row takes the name at a list pass or a
            // load only: a name typed since is not in it yet.
            const QString shown = UnescapePrinted(p.value(item));
            if (!shown.startsWith(EditedRowText(QString())))
                p.expect(item, ScriptDriver::escape(EditedRowText(Chara.Name)));
            continue;
        }
        const QString file = FileOfNumber(listed, k);
        if (file.isEmpty()) {
            p.expect(w + QStringLiteral("ListC.data(%1)").arg(r), QStringLiteral("a number of a listed file"));
            continue;
        }
        CharaRecord rec;
        const QByteArray bytes = QByteArray::fromHex(p.value(QStringLiteral("Files.Characters(%1)").arg(file)).toLatin1());
        // A file changed or damaged since the pass is the tracker's business.
        if (RecordFromBytes(bytes, rec) && rec.CharaNo == k)
            p.expect(item, ScriptDriver::escape(ListedName(rec.Name)));
    }
    // The table is built at a pass, a load or a sort, with the edited row
    // taking part while the character had no file then: a number given or
    // taken since (a save elsewhere, a new character) shows at the next build.
    const QString lines = p.value(w + QStringLiteral("ListSort.count"));
    const QString withRow = QString::number(TableLines(rows, 0, Chara.Name).size());
    const QString withoutRow = QString::number(TableLines(rows, 1, Chara.Name).size());
    if (lines != withoutRow)
        p.expect(w + QStringLiteral("ListSort.count"), withRow);
}
