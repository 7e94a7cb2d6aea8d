#pragma once
// The walk over a test file's question records that finds where each record begins. It checks
// every count and length against the capacities and the end of the file, and it seeks over
// media without reading them: after a seek only a small window is read, growing again while the
// walk goes on sequentially, so the bytes read do not grow with the size of the media.

#include <array>
#include <cstdint>

#include "model/test_document.h"
#include "model/test_file_layout.h"
#include "platform/locked_file.h"

namespace vornet {

// Walks `count` question records from `start`, storing each record's offset in `offsets`.
// False when a record is damaged: a negative text length, more than 16 variants, or anything
// that runs past the end of the file. Reads with pread, leaving the file position alone.
bool WalkQuestionRecords(const LockedFile& file, int64_t start, int count,
                         std::array<int64_t, kMaxQuestions>& offsets);

}  // namespace vornet
