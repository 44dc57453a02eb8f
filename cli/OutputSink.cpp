// SPDX-License-Identifier: MIT
#include "cli/OutputSink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kBufferBytes = 1 << 16;

// Names of devices and of a process's open files (/dev/null, /dev/stdout, /proc/self/fd/1): written straight,
// whatever they lead to, so that "-o /dev/stdout" writes where standard output goes and replaces nothing.
bool deviceName(const QString& name)
{
    const QString absolute = QDir::cleanPath(QFileInfo(name).absoluteFilePath());
    return absolute.startsWith(QLatin1String("/dev/")) || absolute.startsWith(QLatin1String("/proc/"));
}

mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

OutputSink::OutputSink() : OutputSink(STDOUT_FILENO, QStringLiteral("standard output")) {}

OutputSink::OutputSink(int descriptor, const QString& name) : descriptor_(descriptor), name_(name) {}

OutputSink::~OutputSink()
{
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    close();
}

bool OutputSink::Open(const QString& name)
{
    name_ = QStringLiteral("'%1'").arg(name);
    const QByteArray path = QFile::encodeName(name);
    struct stat status {};
    const bool exists = ::stat(path.constData(), &status) == 0;
    if (!exists && errno != ENOENT)
        return fail(errno);
    struct stat link {};
    const bool dangling = !exists && ::lstat(path.constData(), &link) == 0;
    if (dangling || (exists && (!S_ISREG(status.st_mode) || deviceName(name)))) {
        // Straight in: a regular file behind such a name is emptied first, a new one created.
        const int flags = exists && !S_ISREG(status.st_mode) ? 0 : O_CREAT | O_TRUNC;
        descriptor_ = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | flags, 0666);
        if (descriptor_ < 0)
            return fail(errno);
        owned_ = true;
        return true;
    }

    // Beside the file that is replaced; a symbolic link stays and its target is replaced.
    target_ = exists ? QFile::encodeName(QFileInfo(name).canonicalFilePath()) : path;
    QByteArray temporary = target_ + ".XXXXXX";
    descriptor_ = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor_ < 0)
        return fail(errno);
    owned_ = true;
    temporary_ = temporary;
    if (::fchmod(descriptor_, exists ? status.st_mode & 07777 : newFileMode()) != 0)
        return fail(errno);
    return true;
}

bool OutputSink::Write(const char* data, size_t size)
{
    if (Failed())
        return false;
    buffer_.append(data, static_cast<qsizetype>(size));
    return buffer_.size() < kBufferBytes || flush();
}

bool OutputSink::flush()
{
    const char* data = buffer_.constData();
    auto left = static_cast<size_t>(buffer_.size());
    while (left > 0 && !Failed()) {
        const ssize_t written = ::write(descriptor_, data, left);
        if (written > 0) {
            data += written;
            left -= static_cast<size_t>(written);
        } else if (written == 0 || errno != EINTR) {
            fail(written == 0 ? EIO : errno);
        }
    }
    buffer_.resize(0);  // keeps the capacity for the next round
    return !Failed();
}

bool OutputSink::Finish()
{
    if (!Failed())
        flush();
    if (temporary_.isEmpty()) {
        close();
        return !Failed();
    }
    if (!Failed() && ::fsync(descriptor_) != 0)
        fail(errno);
    close();
    if (!Failed() && ::rename(temporary_.constData(), target_.constData()) != 0)
        fail(errno);
    if (Failed())
        ::unlink(temporary_.constData());
    temporary_.clear();
    return !Failed();
}

void OutputSink::Cancel()
{
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        temporary_.clear();
        buffer_.clear();
    } else if (!Failed()) {
        flush();
    }
    close();
}

void OutputSink::close()
{
    if (owned_ && ::close(descriptor_) != 0)
        fail(errno);
    owned_ = false;
}

bool OutputSink::fail(int error)
{
    if (error_ == 0)
        error_ = error;
    return false;
}

QString OutputSink::Error() const
{
    return Failed() ? QStringLiteral("cannot write %1: %2").arg(name_, qt_error_string(error_)) : QString();
}
