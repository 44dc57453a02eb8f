// SPDX-License-Identifier: MIT
#include "settings/RegularFile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileRead failed(const QString& error) { return {std::nullopt, error}; }

const QString kNotRegular = QStringLiteral("not a regular file");

}  // namespace

bool IsRegularFile(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

FileRead ReadRegularFile(const QString& path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return failed(qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return failed(kNotRegular);
    // Non-blocking, so that even a FIFO swapped in after the check cannot make the open wait.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return failed(qt_error_string(errno));
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return failed(kNotRegular);
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return failed(file.errorString());
    }
    return {file.read(limit), {}};
}
