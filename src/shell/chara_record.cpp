#include "shell/chara_record.h"

#include "shell/chara_file.h"

void ClearRecord(CharaRecord &r)
{
    forEachField(r, [](const char *, auto &field) {
        ForEachScalar(field, [](auto &v) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(v)>, QString>)
                v = QString();
        });
    });
}
