// SPDX-License-Identifier: MIT
// Batch rows on several threads. The calling thread reads records into chunks and writes the finished chunks in
// their order; each worker writes the rows of the chunks it takes with a BatchRow of its own. The chunks go round
// a ring of a few, so memory stays bounded whatever the input.
#pragma once

#include "cli/Batch.h"
#include "cli/BatchRow.h"
#include "cli/Csv.h"
#include "cli/OutputSink.h"

#include <functional>
#include <memory>

// Runs the records of `reader` on `jobs` workers, each making its BatchRow with `makeRow` on its own thread, and
// writes their rows to `output` in the records' order; counts the rows and the failed ones into `summary`. Reading
// stops at the first failed write.
void RunBatchJobs(CsvReader& reader, OutputSink& output, int jobs,
                  const std::function<std::unique_ptr<BatchRow>()>& makeRow, BatchSummary& summary);
