#include "shell/file_steps.h"

#include "shell/chara_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Descriptor::~Descriptor()
{
    if (fd >= 0)
        ::close(fd);
}

int OpenStep(const QString &path, int flags, Descriptor &d)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0666);
    if (fd < 0)
        return FileErrorCodeFromErrno(errno, path);
    // Reading opens a folder without complaint; it is still no character file.
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
    char buffer[65536];
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
