// The seeded random user: a person who clicks, selects, types and closes at
// random among whatever controls the windows show, with checks after every
// action. The orchestrator (main.cpp) runs the program in child processes
// (agent.cpp), one program run each, and shrinks a failing run to the
// shortest driver script that still fails.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class ScriptDriver;

// The most handler runs one user action may start, timers drained included.
inline constexpr quint64 MaxHandlerRunsPerAction = 200;

// Exit statuses of a child run besides the driver's own (0 done, 3 ended).
inline constexpr int ChildCheckFailed = 10; // the log's last "#FAIL" line says which
inline constexpr int ChildNotReproduced = 20; // replay only: the script itself failed

struct AgentOptions {
    QString appDir;
    quint64 seed = 0;       // the program's dice (ktcmt-script --seed)
    quint64 actionSeed = 0; // the choice of actions
    int actions = 0;
    quint64 maxHandlers = MaxHandlerRunsPerAction;
    int yesPercent = 50; // how often a yes/no box is answered はい
    QString logPath;
    QString replayPath; // replay this script with the checks instead of acting at random
};

// Runs one program run in this process (a QApplication exists); returns the
// child's exit status. Ends the process itself when the program ends.
int RunAgent(const AgentOptions &o);

// A script argument in double quotes with the driver's escapes.
QString QuoteArg(const QString &raw);
// The inverse of ScriptDriver::escape.
QString UnescapePrinted(const QString &printed);

// ---------------------------------------------------------------- checks

// One disagreement between what a window shows and what the record holds.
struct Mismatch {
    QString check;    // the registered check's name
    QString target;   // a driver target, "FormAbility.TextAbility(0).text"
    QString shown;    // as the driver prints it
    QString expected; // as the driver would print it
};

// What a window check reads through: driver targets, compared as printed.
class Probe {
public:
    Probe(ScriptDriver &driver, QSet<QString> &edited) : m_driver(driver), m_edited(edited) {}
    // The value the driver prints for target; "" with ok false when unknown.
    QString value(const QString &target, bool *ok = nullptr);
    // target must print as expected (already in printed form). A control the
    // user has typed into and not confirmed is left alone until it agrees again.
    void expect(const QString &target, const QString &expected);
    // target must print as source prints.
    void same(const QString &target, const QString &source);
    void setCheck(const QString &name) { m_check = name; }
    QList<Mismatch> mismatches;

private:
    ScriptDriver &m_driver;
    QSet<QString> &m_edited;
    QString m_check;
};

using WindowCheck = void (*)(Probe &);
struct WindowCheckEntry {
    const char *form;
    const char *name;
    WindowCheck fn;
};
QList<WindowCheckEntry> &windowChecks();
struct RegisterWindowCheck {
    RegisterWindowCheck(const char *form, const char *name, WindowCheck fn)
    {
        windowChecks().append({form, name, fn});
    }
};

// A window check, run after every action while its window exists (it must
// only read: any value it reads goes through the driver's print). Every
// window adds its own in a checks_*.cpp file of this folder:
//     KTCMT_WINDOW_CHECK("FormAbility", abilitiesShown) { p.same(..., ...); }
#define KTCMT_WINDOW_CHECK(form, name)                                              \
    static void name(Probe &p);                                                     \
    static const RegisterWindowCheck name##_registration(form, #name, name);        \
    static void name(Probe &p)

// Runs the checks of every window that exists now.
QList<Mismatch> RunWindowChecks(ScriptDriver &driver, QSet<QString> &edited);

// The characters in the folder, as a multiset of records without their
// stored number (the list pass renumbers files; that is no change of the character).
class CharacterTracker {
public:
    explicit CharacterTracker(const QString &charactersFolder) : m_folder(charactersFolder) {}
    // Reads the folder; "" when every file reads back complete, else why not.
    QString take();
    // After an action: "" when the folder's characters follow from the ones
    // before, else why not. deletesConfirmed: names for which 削除 was
    // answered はい; replacing: the action may overwrite one file.
    QString verify(const QStringList &deletesConfirmed, bool replacing);

private:
    QString read(QList<QByteArray> &prints, QStringList &names, QStringList &characterNames);
    QString m_folder;
    QList<QByteArray> m_prints;
    QStringList m_names;
    QStringList m_characterNames;
};
