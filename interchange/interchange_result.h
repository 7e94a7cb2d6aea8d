#pragma once
// Result codes of ExportText and ImportText.

namespace vornet {

constexpr int kInterchangeDone = 0;
// The text file could not be opened (or created): nothing was written, the test is unchanged.
constexpr int kInterchangeCannotOpen = -1;
// Reading or writing failed after the file had been opened. An export file keeps what was
// written; an import keeps the questions stored up to that point (the order is rebuilt).
constexpr int kInterchangeIoFailed = -2;

}  // namespace vornet
