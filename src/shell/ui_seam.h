// The one seam through which the program shows message boxes, beeps and
// ends itself, so that the scripted driver can answer and record them.
#pragma once

#include <QString>
#include <functional>

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { Information, Exclamation };
enum class MsgAnswer { Ok, Yes, No };

struct UiHooks {
    // Each hook replaces the desktop behaviour when set.
    std::function<MsgAnswer(const QString &title, const QString &text, MsgButtons, MsgIcon)> message;
    std::function<void()> beep;
    std::function<void()> end; // must not return
};

UiHooks &uiHooks();

// Message box; lines of text are separated by "\r" (character 13) as the
// program writes them; the desktop box shows them as line breaks.
MsgAnswer ShowMessage(const QString &title, const QString &text, MsgButtons buttons, MsgIcon icon);
void Beep();
// Ends the program at once: nothing is saved and no window asks anything.
[[noreturn]] void EndProgram();
