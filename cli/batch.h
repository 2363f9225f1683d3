// A batch: one roll a CSV row in, the same row with every figure out, streamed row by row.
#pragma once

#include <iosfwd>

#include "cli/writers.h"

// Returns the exit code: 0, 1 when a row was refused or bad (each reported on `err` with its line
// number), 2 when the header or the CSV itself cannot be read.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputOptions& options);
