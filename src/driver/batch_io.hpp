#pragma once
// Batch driver: reads the sequence and the tolerances from "e.in" in the current
// directory and writes one "first last" answer line per tolerance to "e.out".

#include <cstdint>

namespace stable_stretch {

extern std::int32_t queryCount;
// Program-wide on purpose: a query whose tolerance cannot be read reuses the last one read.
extern std::int32_t tolerance;

// Runs the whole batch and returns the exit status: 0 on success, 1 when a file cannot be
// opened, read or written, or the sequence is longer than the tables hold (each reported
// on standard error).
int runBatch();

}  // namespace stable_stretch
