// SPDX-License-Identifier: MIT
// Where the companion's output goes: standard output, or the file of -o. Records the first write error with
// the file's name and the system's reason, so that no failure is reported as success; after it, writes do
// nothing.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

class OutputSink {
public:
    // Standard output.
    OutputSink();
    // An open descriptor, written as it is and never closed; `name` is what messages call it.
    OutputSink(int descriptor, const QString& name);
    ~OutputSink();  // a temporary file not yet renamed into place is removed

    OutputSink(const OutputSink&) = delete;
    OutputSink& operator=(const OutputSink&) = delete;

    // A file that is regular or does not exist yet is written to a temporary file in the same folder, which
    // Finish renames over it, so a failed or interrupted run leaves an earlier file whole. Anything else
    // that exists (a device, a FIFO, and every name under /dev or /proc) is written straight into, never
    // replaced. False, with Error() set, where the file cannot be opened.
    bool Open(const QString& name);

    bool Write(const char* data, size_t size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), static_cast<size_t>(bytes.size())); }

    // The output is complete: writes out what is buffered; a temporary file is flushed to the disk and
    // renamed into place. False on any failure so far.
    bool Finish();
    // The output is incomplete: a temporary file is removed; what went straight out stays (the buffer is
    // written out, as far as it goes).
    void Cancel();

    bool Failed() const { return error_ != 0; }
    // "cannot write 'results.csv': No space left on device"; empty while nothing failed.
    QString Error() const;

private:
    bool flush();
    bool fail(int error);
    void close();

    int descriptor_;
    bool owned_ = false;
    QString name_;            // as messages give it
    QByteArray target_;       // the file a temporary one replaces, else empty
    QByteArray temporary_;
    QByteArray buffer_;
    int error_ = 0;
};
