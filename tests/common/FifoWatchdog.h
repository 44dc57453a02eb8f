// SPDX-License-Identifier: MIT
// For a step that must never wait on a FIFO: should the step open it for reading all the same, a writer comes
// after a second and ends the wait, so that the test fails instead of hanging.
#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

class FifoWatchdog {
public:
    using Clock = std::chrono::steady_clock;

    explicit FifoWatchdog(const QString& fifo)
        : thread_([this, path = QFile::encodeName(fifo)] {
              while (!stopped_ && Clock::now() < start_ + std::chrono::seconds(1))
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              if (const int writer = stopped_ ? -1 : open(path.constData(), O_WRONLY | O_NONBLOCK); writer >= 0)
                  close(writer);
          })
    {
    }
    ~FifoWatchdog() { Stop(); }

    // Ends the watch once the step is done; the time it took.
    Clock::duration Stop()
    {
        const Clock::duration elapsed = Clock::now() - start_;
        stopped_ = true;
        if (thread_.joinable())
            thread_.join();
        return elapsed;
    }

private:
    Clock::time_point start_ = Clock::now();
    std::atomic<bool> stopped_ = false;
    std::thread thread_;  // last: it starts once the rest is set
};
