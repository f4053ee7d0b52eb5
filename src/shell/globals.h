// Globals shared by the windows besides the two records.
#pragma once

#include <QString>
#include <array>
#include "shell/chara_record.h"

extern QString AppPath;                 // the program's folder, no trailing separator
extern std::array<Byte, 6> ProfileLock; // 1 = value entered by hand (name, common name, description, sex, age, deity)
extern Byte CharacterLoaded;
extern Byte SheetMode;    // 0 list mode, 1 sheet mode
extern Byte CrLfMode;     // 0 通常, 1 段落分け, 2 一行置き
extern Integer ListSortMode;
extern Integer ListGroup;
extern Integer WindowCmd; // 0 toggle, 1 open all, 2 hide all

// Joins a folder and a name with the platform's separator.
QString JoinPath(const QString &folder, const QString &name);
// The characters folder beside the program: AppPath/Characters.
QString CharactersFolder();
