#pragma once
// Writing the test to a .qb file with every picture and sound embedded, and reading one back,
// whole or merged into the current test.

#include "model/test_document.h"
#include "model/test_file_layout.h"

namespace vornet {

// Writes the whole document to doc.testFilePath. The new file is written beside the target and
// replaces it only when complete, so a failed save (target not creatable or held by another
// program, a media file missing or locked, a full disk) returns kFileNoAccess and leaves any
// previous file untouched.
int SaveTestFile(const TestDocument& doc);

// True when `path` names no file, an empty file, or a file that begins as a test file does: a
// save may replace it without asking. A file of another kind (one that a failed load left as the
// current path) is only replaced after the author chose it in the save dialog.
bool MayReplaceWithoutAsking(const std::string& path);

// Reads doc.testFilePath into the document. A plain load expects the caller to have run
// ResetTest; a merge keeps the current info and settings and adds the file's questions in the
// lowest free slots. Embedded media are written to staged files. Returns kFileOk,
// kFileNoAccess (cannot be opened, or a staged file cannot be written), kFileBadFormat (no
// magic, or lengths and counts that break the capacities or run past the end) or kFileNoRoom
// (a merge that brings more questions than there are free slots). Whenever it fails the
// document is left exactly as it was and the media it staged are removed.
int LoadTestFile(TestDocument& doc, bool merge);

}  // namespace vornet
