#include "shell/chara_file.h"

#include "shell/cp932.h"
#include "shell/file_steps.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(sizeof(Single) == 4 && std::numeric_limits<Single>::is_iec559, "Single must be IEEE-754 binary32");

namespace {

// A text's length is stored in two bytes.
constexpr int MaxTextBytes = 65535;

template <class T>
auto UnsignedBits(T v)
{
    if constexpr (std::is_floating_point_v<T>)
        return std::bit_cast<std::uint32_t>(v);
    else
        return static_cast<std::make_unsigned_t<T>>(v);
}

template <class T>
void AppendLittleEndian(QByteArray &out, T v)
{
    const auto bits = UnsignedBits(v);
    for (std::size_t k = 0; k < sizeof(T); ++k)
        out += static_cast<char>((bits >> (8 * k)) & 0xFF);
}

class RecordWriter {
public:
    QByteArray out;

    void operator()(const QString &s)
    {
        const QByteArray bytes = EncodeCP932(s, MaxTextBytes);
        AppendLittleEndian(out, static_cast<std::uint16_t>(bytes.size()));
        out += bytes;
    }
    template <class T>
    void operator()(T v)
    {
        AppendLittleEndian(out, v);
    }
};

// Reads fields in order until the bytes run out; from then on every field
// keeps the value of the fresh record it reads into (0 or empty).
class RecordReader {
public:
    explicit RecordReader(QByteArrayView bytes) : bytes_(bytes) {}

    bool complete() const { return complete_; }
    qsizetype consumed() const { return pos_; }

    void operator()(QString &s)
    {
        std::uint16_t length = 0;
        if (!take(length))
            return;
        if (bytes_.size() - pos_ < length) {
            // A text cut by the end of the file is not half kept.
            complete_ = false;
            return;
        }
        s = DecodeCP932(bytes_.sliced(pos_, length));
        pos_ += length;
    }
    template <class T>
    void operator()(T &v)
    {
        take(v);
    }

private:
    template <class T>
    bool take(T &v)
    {
        if (!complete_ || bytes_.size() - pos_ < qsizetype(sizeof(T))) {
            complete_ = false;
            return false;
        }
        decltype(UnsignedBits(v)) bits = 0;
        for (std::size_t k = 0; k < sizeof(T); ++k)
            bits |= static_cast<decltype(bits)>(static_cast<std::uint8_t>(bytes_[pos_ + k])) << (8 * k);
        pos_ += sizeof(T);
        if constexpr (std::is_floating_point_v<T>)
            v = std::bit_cast<T>(bits);
        else
            v = static_cast<T>(bits);
        return true;
    }

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    bool complete_ = true;
};

int SaveFileErrorCode(const QSaveFile &file, int err, const QString &path)
{
    if (err != 0)
        return FileErrorCodeFromErrno(err, path);
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return FileErrorCodeFromErrno(EACCES, path);
    case QFileDevice::ResourceError:
        return FileErrorCodeFromErrno(ENOSPC, path);
    default:
        return FileErrorCodeFromErrno(EIO, path);
    }
}

// Writing never shortens the file: the record is laid over the current
// contents. The result replaces the file in one rename, so a failure leaves
// the previous character intact instead of half a record.
int WriteStep(const QString &path, int fd, const QByteArray &record)
{
    QByteArray content;
    if (const int err = ReadAll(fd, content))
        return FileErrorCodeFromErrno(err, path);
    if (content.size() < record.size())
        content.resize(record.size());
    std::memcpy(content.data(), record.constData(), record.size());

    QSaveFile file(path);
    // A folder the user may not create files in still lets a writable
    // character be saved, written in place as the platform would.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return SaveFileErrorCode(file, errno, path);
    errno = 0;
    if (file.write(content) != content.size()) {
        const int err = errno;
        file.cancelWriting();
        return SaveFileErrorCode(file, err, path);
    }
    errno = 0;
    if (!file.commit())
        return SaveFileErrorCode(file, errno, path);
    return 0;
}

int ReadStep(const QString &path, int fd, CharaRecord &rec)
{
    QByteArray content;
    if (const int err = ReadAll(fd, content))
        return FileErrorCodeFromErrno(err, path);
    RecordFromBytes(content, rec);
    return 0;
}

} // namespace

QByteArray RecordToBytes(const CharaRecord &rec)
{
    RecordWriter w;
    w.out.reserve(1024);
    forEachField(rec, [&](const char *, const auto &field) { ForEachScalar(field, w); });
    return w.out;
}

bool RecordFromBytes(QByteArrayView bytes, CharaRecord &out, qsizetype *consumed)
{
    CharaRecord fresh;
    RecordReader r(bytes);
    forEachField(fresh, [&](const char *, auto &field) { ForEachScalar(field, r); });
    out = std::move(fresh);
    if (consumed)
        *consumed = r.complete() ? r.consumed() : -1;
    return r.complete();
}

QString FileNumberText(int n)
{
    if (n >= 0 && n <= 9)
        return QLatin1Char('0') + QString::number(n);
    if (n >= 10 && n <= 99)
        return QString::number(n);
    if (n >= 100 && n <= 999)
        return QLatin1Char('a') + QString::number(n);
    return QLatin1Char('b') + QString::number(n);
}

QString CharacterFileName(int k)
{
    // One list group only: group 0 is written as FileNumberText(0 + 1).
    return QStringLiteral("KTC") + FileNumberText(1) + QLatin1Char('-') + FileNumberText(k) + QStringLiteral(".ktc");
}

QString NewCharacterFileName(int n)
{
    return QStringLiteral("KTC") + FileNumberText(n + 1) + QStringLiteral(".ktc");
}

void WriteRecordFile(const QString &path, const CharaRecord &rec)
{
    const QByteArray record = RecordToBytes(rec);
    Descriptor d;
    RunStep(path, [&] { return OpenStep(path, O_RDWR | O_CREAT, d); });
    RunStep(path, [&] { return d.fd < 0 ? FileNotOpen : WriteStep(path, d.fd, record); });
    // After a skipped open there is nothing to close; that passes silently.
    RunStep(path, [&] { return CloseStep(path, d); });
}

void ReadRecordFile(const QString &path, CharaRecord &rec)
{
    ClearRecord(rec);
    Descriptor d;
    // Read-only: looking at a missing file must not leave an empty one behind.
    RunStep(path, [&] { return OpenStep(path, O_RDONLY, d); });
    RunStep(path, [&] { return d.fd < 0 ? FileNotOpen : ReadStep(path, d.fd, rec); });
    RunStep(path, [&] { return CloseStep(path, d); });
}

// errno                                   code
// ENOENT, parent folder exists            53 file not found
// ENOENT, parent folder missing; ENOTDIR  76 path not found
// EACCES, EPERM on a file without any
//   write permission (a read-only file)   75 path or file access error
// EACCES, EPERM otherwise                 70 permission denied
// EROFS, EISDIR, ETXTBSY, ENAMETOOLONG,
//   ELOOP                                 75 path or file access error
// ENODEV, ENXIO                           68 device unavailable
// EIO, ENOMEDIUM                          71 disk not ready
// ENOSPC, EDQUOT                          61 disk full
// EMFILE, ENFILE                          67 too many files
// anything else                           57 device I/O error
int FileErrorCodeFromErrno(int err, const QString &path)
{
    switch (err) {
    case ENOENT:
        return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? 53 : 76;
    case ENOTDIR:
        return 76;
    case EACCES:
    case EPERM: {
        struct stat st {};
        const bool readOnlyFile = ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISDIR(st.st_mode)
                                  && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
        return readOnlyFile ? 75 : 70;
    }
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case ENAMETOOLONG:
    case ELOOP:
        return 75;
    case ENODEV:
    case ENXIO:
        return 68;
    case EIO:
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
        return 71;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return 61;
    case EMFILE:
    case ENFILE:
        return 67;
    default:
        return 57;
    }
}
