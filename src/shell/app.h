// Start-up shared by the program and the scripted driver.
#pragma once

#include <QString>

// The folder the program keeps its characters beside: the executable's
// folder unless the driver chose another.
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

// Font names as the windows ask for them, mapped to installed stand-ins.
void InstallFontSubstitutes();

// Runs the main window's start-up (creates it, opens and arranges the child
// windows, rolls the first character) and shows it.
void StartProgram();

// The desktop program: start-up, then the event loop.
int RunKtcmt(int argc, char *argv[]);
