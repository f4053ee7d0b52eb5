#include "sheet/char_files.h"

#include "sheet/char_list.h"
#include "shell/chara_file.h"
#include "shell/file_steps.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

QStringList FolderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
}

QStringList ListCharacterFiles(const QString &folder)
{
    return CharacterFileNames(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::NoSort));
}

qsizetype RecordByteLength(QByteArrayView bytes)
{
    CharaRecord rec;
    qsizetype consumed = -1;
    RecordFromBytes(bytes, rec, &consumed);
    return consumed;
}

ListedFile ReadListedFile(const QString &path, CharaRecord &rec)
{
    rec = CharaRecord();
    ListedFile result;
    Descriptor d;
    QByteArray content;
    RunStep(path, [&] { return OpenStep(path, O_RDONLY, d); });
    RunStep(path, [&]() -> int {
        if (d.fd < 0)
            return FileNotOpen;
        if (const int err = ReadAll(d.fd, content))
            return FileErrorCodeFromErrno(err, path);
        qsizetype consumed = -1;
        result.complete = RecordFromBytes(content, rec, &consumed);
        if (result.complete)
            result.numberAt = consumed - qsizetype(sizeof(Integer));
        return 0;
    });
    RunStep(path, [&] { return CloseStep(path, d); });
    return result;
}

void WriteStoredNumber(const QString &path, qsizetype offset, Integer number)
{
    const auto bits = static_cast<std::uint16_t>(number);
    const char bytes[2] = {char(bits & 0xFF), char(bits >> 8)};
    Descriptor d;
    RunStep(path, [&] { return OpenStep(path, O_WRONLY, d); });
    RunStep(path, [&]() -> int {
        if (d.fd < 0)
            return FileNotOpen;
        for (;;) {
            const ssize_t n = ::pwrite(d.fd, bytes, sizeof bytes, off_t(offset));
            if (n == ssize_t(sizeof bytes))
                return 0;
            if (n < 0 && errno == EINTR)
                continue;
            return FileErrorCodeFromErrno(n < 0 ? errno : EIO, path);
        }
    });
    RunStep(path, [&] { return CloseStep(path, d); });
}

bool RenameNoReplace(const QString &from, const QString &to)
{
    const QByteArray f = Native(from);
    const QByteArray t = Native(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    // A file system without the atomic form: look first.
    struct stat st {};
    if (::lstat(t.constData(), &st) == 0 || errno != ENOENT)
        return false;
    return ::rename(f.constData(), t.constData()) == 0;
}

void DeleteCharacterFile(const QString &path)
{
    RunStep(path, [&]() -> int {
        if (::unlink(Native(path).constData()) == 0)
            return 0;
        return FileErrorCodeFromErrno(errno, path);
    });
}
