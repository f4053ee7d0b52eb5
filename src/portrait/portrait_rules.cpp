#include "portrait/portrait_rules.h"

#include "shell/chara_file.h"
#include "shell/file_error_prompt.h"
#include "shell/globals.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString PortraitFolder()
{
    return JoinPath(CharactersFolder(), QStringLiteral("Portraits"));
}

bool IsSafePortraitName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        // A colon names a drive ("C:x.bmp") or a stream; control characters
        // (a NUL above all) would cut the name short on its way to the system.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20
            || c.unicode() == 0x7f)
            return false;
    }
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c == QLatin1Char('.'); }))
        return false;
    return !QDir::isAbsolutePath(name);
}

QString PortraitPath(const QString &folder, const QString &name)
{
    return JoinPath(folder, name);
}

int LoadPortrait(const QString &folder, const QString &name, QImage &out, QByteArray *fileBytes)
{
    if (!IsSafePortraitName(name))
        return PictureNotFound;
    const QString path = PortraitPath(folder, name);
    // Non-blocking: a pipe given a picture's name must not hang the window.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileErrorCodeFromErrno(errno, path);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // A folder, pipe or device under a picture's name: no file to read.
        ::close(fd);
        return 75;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return 75;
    }
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    if (img.isNull())
        return PictureNotReadable;
    out = img;
    if (fileBytes)
        *fileBytes = bytes;
    return 0;
}

bool LoadPortraitWithPrompt(const QString &folder, const QString &name, QImage &out, const QString &promptPath)
{
    const QString shown = promptPath.isEmpty() ? PortraitPath(folder, name) : promptPath;
    for (;;) {
        // Each attempt reports its own code: a retry may fail differently.
        const int code = LoadPortrait(folder, name, out);
        if (code == 0)
            return true;
        if (FileErrorPrompt(shown, code))
            return false;
    }
}
