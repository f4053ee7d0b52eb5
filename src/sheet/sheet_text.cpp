#include "sheet/sheet_text.h"

#include "shell/chara_record.h"

QString FullWidthNumber(long long x, int w)
{
    Q_UNUSED(w);
    return QString::number(x);
}

QString FullWidthNumber(float x, int w)
{
    Q_UNUSED(w);
    return QString::number(x);
}

QString SheetText(const CharaRecord &rec, int sheetMode, int crLfMode)
{
    Q_UNUSED(rec);
    Q_UNUSED(sheetMode);
    Q_UNUSED(crLfMode);
    return QString();
}
