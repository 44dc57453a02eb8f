// SPDX-License-Identifier: MIT
// Makes a folder unwritable while in scope. Permission bits do not stop root, so a test run as root
// also takes the effective identity of "nobody" until the scope ends.
#pragma once

#include <QFile>
#include <QString>

#include <unistd.h>

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(path), original_(QFile::permissions(path))
    {
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
        if (geteuid() == 0)
            switched_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
    }

    ~ReadOnlyFolder()
    {
        if (switched_) {
            [[maybe_unused]] const int user = seteuid(0);
            [[maybe_unused]] const int group = setegid(0);
        }
        QFile::setPermissions(path_, original_);
    }

    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Whether the folder really refuses new files now (the test is void otherwise).
    bool Effective() const
    {
        QFile probe(path_ + QStringLiteral("/.write-probe"));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    static constexpr uid_t kNobody = 65534;
    QString path_;
    QFileDevice::Permissions original_;
    bool switched_ = false;
};
