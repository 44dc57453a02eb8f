// SPDX-License-Identifier: MIT
// Reading a file whose name anyone may have given to something else: only a regular file is opened. A FIFO, a
// device, a socket or a folder of that name never is (opening a FIFO without a writer would wait for one).
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whether the path names a regular file, links followed.
bool IsRegularFile(const QString& path);

struct FileRead {
    std::optional<QByteArray> bytes;  // nothing where the file cannot be read
    QString error;                    // then why: the system's reason, or that it is not a regular file
};

// The file's first bytes, up to `limit`. The kind of file is checked again on the open file, so a name swapped
// in between is refused as well.
FileRead ReadRegularFile(const QString& path, qint64 limit);
