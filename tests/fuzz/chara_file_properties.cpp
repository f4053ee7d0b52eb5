#include "chara_file_properties.h"

#include "shell/chara_file.h"
#include "shell/chara_record.h"
#include "shell/cp932.h"

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// One scalar of a record in file order: its field name and its value as
// bytes (a Single by its bits, so a NaN equals itself).
using FlatRecord = std::vector<std::pair<const char *, QByteArray>>;

FlatRecord Flatten(const CharaRecord &rec)
{
    FlatRecord out;
    forEachField(rec, [&](const char *name, const auto &field) {
        ForEachScalar(field, [&](const auto &v) {
            using T = std::remove_cvref_t<decltype(v)>;
            QByteArray value;
            if constexpr (std::is_same_v<T, QString>) {
                value = "s" + QByteArray(reinterpret_cast<const char *>(v.utf16()), v.size() * 2);
            } else {
                value = QByteArray(qsizetype(sizeof(T)), '\0');
                std::memcpy(value.data(), &v, sizeof(T));
            }
            out.emplace_back(name, value);
        });
    });
    return out;
}

// The framing of the bytes walked on its own, apart from the reader: where
// each text lies and how many bytes the record takes.
struct Framing {
    bool complete = true;
    qsizetype length = 0;
    std::vector<QByteArrayView> texts;
};

Framing Walk(QByteArrayView in)
{
    Framing f;
    CharaRecord shape;
    forEachField(shape, [&](const char *, auto &field) {
        ForEachScalar(field, [&](auto &v) {
            using T = std::remove_cvref_t<decltype(v)>;
            if (!f.complete)
                return;
            const qsizetype left = in.size() - f.length;
            if constexpr (std::is_same_v<T, QString>) {
                if (left < 2) {
                    f.complete = false;
                    return;
                }
                const qsizetype n = std::uint8_t(in[f.length]) | (std::uint8_t(in[f.length + 1]) << 8);
                if (left - 2 < n) {
                    f.complete = false;
                    return;
                }
                f.texts.push_back(in.sliced(f.length + 2, n));
                f.length += 2 + n;
            } else {
                if (left < qsizetype(sizeof(T))) {
                    f.complete = false;
                    return;
                }
                f.length += sizeof(T);
            }
        });
    });
    return f;
}

// A record with nothing 0 or empty, to read over.
CharaRecord Stale()
{
    CharaRecord rec;
    forEachField(rec, [&](const char *, auto &field) {
        ForEachScalar(field, [&](auto &v) {
            using T = std::remove_cvref_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>)
                v = QStringLiteral("前の人");
            else
                v = T(1);
        });
    });
    return rec;
}

bool ValidCodePage932(QByteArrayView text)
{
    return EncodeCP932(DecodeCP932(text)) == text;
}

QString FirstDifference(const FlatRecord &a, const FlatRecord &b)
{
    if (a.size() != b.size())
        return QStringLiteral("the records have different numbers of fields");
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].second != b[k].second)
            return QStringLiteral("%1 (scalar %2)").arg(QLatin1String(a[k].first)).arg(k);
    }
    return QString();
}

} // namespace

QString CharaFileFault(QByteArrayView input)
{
    CharaRecord first;
    const bool complete = RecordFromBytes(input, first);
    const Framing framing = Walk(input);
    if (complete != framing.complete)
        return complete ? QStringLiteral("read as complete, but the bytes end inside the record")
                        : QStringLiteral("read as incomplete, but the bytes hold the whole record");

    // Reading over another character leaves nothing of it behind.
    CharaRecord over = Stale();
    RecordFromBytes(input, over);
    const QString stale = FirstDifference(Flatten(first), Flatten(over));
    if (!stale.isEmpty())
        return QStringLiteral("reading over another record kept its ") + stale;

    const QByteArray written = RecordToBytes(first);
    CharaRecord second;
    if (!RecordFromBytes(written, second))
        return QStringLiteral("a written record reads back incomplete");
    const QString changed = FirstDifference(Flatten(first), Flatten(second));
    if (!changed.isEmpty())
        return QStringLiteral("writing and reading again changed ") + changed;

    if (!complete)
        return QString();
    for (const QByteArrayView text : framing.texts) {
        if (!ValidCodePage932(text))
            return QString();
    }
    const QByteArrayView original = input.first(framing.length);
    if (written != original) {
        qsizetype at = 0;
        while (at < written.size() && at < original.size() && written[at] == original[at])
            ++at;
        return QStringLiteral("a valid record was written back with other bytes from offset %1 (%2 bytes instead of %3)")
            .arg(at)
            .arg(written.size())
            .arg(original.size());
    }
    return QString();
}
