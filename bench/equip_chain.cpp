// The equipment window's longest chain, in-process: an armour strength
// change while the off hand holds a second weapon. Starts the program as a
// user would (every window open, a first character rolled), arms the
// character, then times each change on its own and counts the weapon
// evaluations it runs.
//
// usage: bench-equip-chain [CHANGES]   (default 5000)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "equipment/form_equip.h"
#include "shell/app.h"
#include "shell/controls.h"

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int changes = argc > 1 ? std::max(1, atoi(argv[1])) : 5000;
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Characters/Portraits"));
    SetProgramFolder(folder.path());
    StartProgram();
    KTimer::drainPending();

    // ショートソード and a second ダガー, プレートアーマー.
    FormEquip *w = formEquip();
    w->ComboWeapon[0]->userSelect(5);
    w->LabelLeft->click();
    w->ComboWeapon[2]->userSelect(1);
    w->ComboArmor->userSelect(8);
    KTimer::drainPending();
    if (w->LeftMode == 0) {
        std::fprintf(stderr, "the off hand holds no weapon\n");
        return 1;
    }

    std::vector<qint64> ns;
    ns.reserve(std::size_t(changes));
    long long fewest = -1, most = -1;
    const long long start = w->WeaponEvaluations;
    QElapsedTimer t;
    for (int i = 0; i < changes; ++i) {
        const long long before = w->WeaponEvaluations;
        t.start();
        w->HScrollSTd->setValue(i % 2 == 0 ? 20 : 19); // each one a change
        KTimer::drainPending();
        ns.push_back(t.nsecsElapsed());
        const long long e = w->WeaponEvaluations - before;
        fewest = fewest < 0 ? e : std::min(fewest, e);
        most = std::max(most, e);
    }
    std::sort(ns.begin(), ns.end());
    auto at = [&](double q) { return double(ns[std::size_t(q * double(ns.size() - 1))]) / 1000.0; };
    std::printf("armour strength changes with two weapons held: %d\n", changes);
    std::printf("  median %.1f us, 90th percentile %.1f us, slowest %.1f us\n", at(0.5), at(0.9), at(1.0));
    std::printf("  weapon evaluations per change: %lld to %lld (%.2f on average)\n", fewest, most,
                double(w->WeaponEvaluations - start) / changes);
    return 0;
}
