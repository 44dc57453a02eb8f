// SPDX-License-Identifier: MIT
#include "cli/BatchJobs.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

// A chunk ends after this many records or once its cells hold this many bytes.
constexpr size_t kChunkRecords = 2048;
constexpr size_t kChunkBytes = 1 << 18;

// Records read, and then their rows.
struct Chunk {
    std::string bytes;                // the records' cells back to back
    std::vector<size_t> cellEnds;     // where each cell ends in bytes
    std::vector<size_t> recordEnds;   // where each record's cells end in cellEnds
    std::vector<RecordFlags> records;
    std::vector<char> rows;           // their text, once written
    qint64 failedRows = 0;
    bool written = false;

    void Clear()
    {
        bytes.clear();
        cellEnds.clear();
        recordEnds.clear();
        records.clear();
        rows.clear();
        failedRows = 0;
        written = false;
    }
};

// False when the input has no record left.
bool readChunk(CsvReader& reader, Chunk& chunk, std::vector<std::string_view>& cells)
{
    while (chunk.records.size() < kChunkRecords && chunk.bytes.size() < kChunkBytes && reader.Next(cells)) {
        for (const std::string_view cell : cells) {
            chunk.bytes += cell;
            chunk.cellEnds.push_back(chunk.bytes.size());
        }
        chunk.recordEnds.push_back(chunk.cellEnds.size());
        chunk.records.push_back({reader.LineNumber(), reader.Oversized(), reader.Unterminated()});
    }
    return !chunk.records.empty();
}

void writeRows(BatchRow& row, Chunk& chunk, std::vector<std::string_view>& cells, std::vector<char>& text)
{
    size_t cell = 0;
    for (size_t record = 0; record < chunk.records.size(); ++record) {
        cells.clear();
        for (; cell < chunk.recordEnds[record]; ++cell) {
            const size_t start = cell == 0 ? 0 : chunk.cellEnds[cell - 1];
            cells.emplace_back(chunk.bytes.data() + start, chunk.cellEnds[cell] - start);
        }
        bool failed = false;
        const size_t length = row.Write(cells, chunk.records[record], text, failed);
        chunk.failedRows += failed ? 1 : 0;
        chunk.rows.insert(chunk.rows.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
    }
}

class Workers {
public:
    Workers(int jobs, const std::function<std::unique_ptr<BatchRow>()>& makeRow)
    {
        for (int job = 0; job < jobs; ++job)
            threads_.emplace_back([this, &makeRow] { work(makeRow()); });
    }

    ~Workers()
    {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
        }
        ready_.notify_all();
        for (std::thread& thread : threads_)
            thread.join();
    }

    void Give(Chunk* chunk)
    {
        {
            const std::lock_guard lock(mutex_);
            queue_.push_back(chunk);
        }
        ready_.notify_one();
    }

    bool Written(const Chunk* chunk)
    {
        const std::lock_guard lock(mutex_);
        return chunk->written;
    }

    void AwaitRows(const Chunk* chunk)
    {
        std::unique_lock lock(mutex_);
        written_.wait(lock, [chunk] { return chunk->written; });
    }

private:
    void work(std::unique_ptr<BatchRow> row)
    {
        std::vector<std::string_view> cells;
        std::vector<char> text;
        for (;;) {
            Chunk* chunk = nullptr;
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [this] { return closing_ || !queue_.empty(); });
                if (queue_.empty())
                    return;
                chunk = queue_.front();
                queue_.pop_front();
            }
            writeRows(*row, *chunk, cells, text);
            {
                const std::lock_guard lock(mutex_);
                chunk->written = true;
            }
            written_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_;    // a chunk to write, or closing
    std::condition_variable written_;  // a chunk's rows are written
    std::deque<Chunk*> queue_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace

void RunBatchJobs(CsvReader& reader, OutputSink& output, int jobs,
                  const std::function<std::unique_ptr<BatchRow>()>& makeRow, BatchSummary& summary)
{
    std::vector<Chunk> ring(2 * static_cast<size_t>(jobs) + 2);
    std::deque<Chunk*> idle;
    for (Chunk& chunk : ring)
        idle.push_back(&chunk);
    std::deque<Chunk*> busy;  // in the records' order
    std::vector<std::string_view> cells;
    Workers workers(jobs, makeRow);

    const auto writeOldest = [&] {
        Chunk* const chunk = busy.front();
        busy.pop_front();
        workers.AwaitRows(chunk);
        summary.rows += static_cast<qint64>(chunk->records.size());
        summary.failedRows += chunk->failedRows;
        output.Write(chunk->rows.data(), chunk->rows.size());
        chunk->Clear();
        idle.push_back(chunk);
    };
    while (!output.Failed()) {
        if (idle.empty()) {
            writeOldest();
            continue;
        }
        Chunk* const chunk = idle.front();
        if (!readChunk(reader, *chunk, cells))
            break;
        idle.pop_front();
        busy.push_back(chunk);
        workers.Give(chunk);
        while (!busy.empty() && workers.Written(busy.front()))
            writeOldest();
    }
    while (!busy.empty())
        writeOldest();
}
