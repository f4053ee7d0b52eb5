#include "shell/globals.h"

#include <QDir>

CharaRecord Chara;
CharaRecord CharaWork;

QString AppPath;
std::array<Byte, 6> ProfileLock{};
Byte CharacterLoaded = 0;
Byte SheetMode = 0;
Byte CrLfMode = 1;
Integer ListSortMode = 0;
Integer ListGroup = 0;
Integer WindowCmd = 0;

QString JoinPath(const QString &folder, const QString &name)
{
    return folder + QDir::separator() + name;
}

QString CharactersFolder()
{
    return JoinPath(AppPath, QStringLiteral("Characters"));
}
