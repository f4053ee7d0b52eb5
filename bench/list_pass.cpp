// One list pass over 100 character files, timed in one run of the program:
// the median over many passes (the files are already regular, so each pass
// reads all 100 files, rebuilds the name list and the table, and selects
// the edited row).
//
//   bench-list-pass [runs]      (QT_QPA_PLATFORM=offscreen)
#include "sheet/form_text_sheet.h"
#include "shell/app.h"
#include "shell/chara_file.h"
#include "shell/controls.h"
#include "shell/mdi_form_kt.h"
#include "shell/forms.h"
#include "shell/ui_seam.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Characters/Portraits"));
    SetProgramFolder(dir.path());
    uiHooks().message = [](const QString &, const QString &, MsgButtons, MsgIcon) { return MsgAnswer::Yes; };
    uiHooks().beep = [] {};

    CharaRecord rec;
    for (int k = 1; k <= 100; ++k) {
        rec.Name = QStringLiteral("キャラクター%1").arg(k);
        rec.CommonName = QStringLiteral("通名");
        rec.Description = QString(120, QChar(0x3042));
        rec.AdventurerLevel = Integer(k % 10);
        rec.ExpSpent = k * 500;
        rec.SkillLevel[std::size_t(k % 9)] = Byte(k % 10);
        rec.CharaNo = Integer(k);
        WriteRecordFile(QDir(dir.path()).filePath(QStringLiteral("Characters/") + CharacterFileName(k)), rec);
    }
    StartProgram();
    mdiFormKT()->MenuCharaList_Click();
    auto drain = [] {
        while (KTimer *t = KTimer::firstPending())
            t->fire();
    };
    drain();
    FormTextSheet *sheet = formTextSheet();
    if (sheet->ListC->count() != 101) {
        std::fprintf(stderr, "expected 101 rows, got %d\n", sheet->ListC->count());
        return 1;
    }

    std::vector<double> ms;
    ms.reserve(std::size_t(runs));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        sheet->RefreshList();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        drain(); // the render the pass asks for is not part of the pass
    }
    std::sort(ms.begin(), ms.end());
    std::printf("list pass over 100 files: median %.3f ms, min %.3f ms, max %.3f ms (%d runs)\n",
                ms[ms.size() / 2], ms.front(), ms.back(), runs);
    return 0;
}
