#pragma once
// Constants of the .qb test file layout shared by the creator's reader and writer and the
// tester's own reader.

#include <cstddef>

namespace vornet {

constexpr char kTestFileMagic[] = "QBv1.0";
constexpr size_t kTestFileMagicSize = 6;
// Media are copied between files through a buffer of this size, never held whole in memory.
constexpr size_t kMediaCopyBufferSize = 16384;

// Result codes of the test-file reader and writer.
constexpr int kFileOk = 0;
constexpr int kFileNoAccess = -1;    // cannot be opened or created
constexpr int kFileBadFormat = -2;   // no magic, or damaged
constexpr int kFileNoRoom = -3;      // a merge brings more questions than there are free slots

}  // namespace vornet
