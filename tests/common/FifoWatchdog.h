// For a step that must never wait on a FIFO: should the step open it for reading all the same, a writer comes
// after a second and ends the wait, so that the test fails instead of hanging.
#pragma once

#include <QByteArray>
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

    // Starts the clock.
    explicit FifoWatchdog(const QString& fifo) : path_(QFile::encodeName(fifo)), thread_([this] { watch(); }) {}
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
    void watch()
    {
        using namespace std::chrono_literals;
        while (!stopped_ && Clock::now() < start_ + 1s)
            std::this_thread::sleep_for(10ms);
        if (const int writer = stopped_ ? -1 : open(path_.constData(), O_WRONLY | O_NONBLOCK); writer >= 0)
            close(writer);
    }

    QByteArray path_;
    Clock::time_point start_ = Clock::now();
    std::atomic<bool> stopped_ = false;
    std::thread thread_;  // last: it starts once the rest is set
};
