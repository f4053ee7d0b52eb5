#include "sheet/char_files.h"

#include "sheet/char_list.h"
#include "shell/chara_file.h"
#include "shell/file_error_prompt.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The step after a skipped open finds no open file.
constexpr int FileNotOpen = 52;

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

template <class Step>
void RunStep(const QString &path, Step step)
{
    for (;;) {
        const int code = step();
        if (code == 0 || FileErrorPrompt(path, code))
            return;
    }
}

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

int OpenStep(const QString &path, int flags, Descriptor &d)
{
    const int fd = ::open(Native(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return FileErrorCodeFromErrno(errno, path);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileErrorCodeFromErrno(EISDIR, path);
    }
    d.fd = fd;
    return 0;
}

int CloseStep(const QString &path, Descriptor &d)
{
    if (d.fd < 0)
        return 0;
    const int fd = d.fd;
    d.fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        return FileErrorCodeFromErrno(errno, path);
    return 0;
}

int ReadAll(int fd, QByteArray &out)
{
    out.clear();
    char buffer[16384];
    off_t pos = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, pos);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        out.append(buffer, n);
        pos += n;
    }
}

// Walks the record's fields over the bytes without decoding any text.
class LengthWalker {
public:
    explicit LengthWalker(QByteArrayView bytes) : bytes_(bytes) {}
    qsizetype length() const { return ok_ ? pos_ : -1; }

    void operator()(const QString &)
    {
        if (!ok_ || bytes_.size() - pos_ < 2) {
            ok_ = false;
            return;
        }
        const auto length = qsizetype(std::uint8_t(bytes_[pos_])) | (qsizetype(std::uint8_t(bytes_[pos_ + 1])) << 8);
        pos_ += 2;
        skip(length);
    }
    template <class T>
    void operator()(const T &)
    {
        skip(qsizetype(sizeof(T)));
    }

private:
    void skip(qsizetype n)
    {
        if (!ok_ || bytes_.size() - pos_ < n) {
            ok_ = false;
            return;
        }
        pos_ += n;
    }
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

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
    static const CharaRecord shape;
    LengthWalker w(bytes);
    forEachField(shape, [&](const char *, const auto &field) { ForEachScalar(field, w); });
    return w.length();
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
        result.complete = RecordFromBytes(content, rec);
        if (result.complete)
            result.numberAt = RecordByteLength(content) - qsizetype(sizeof(Integer));
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
