#pragma once
// Writes the whole test to the text file named by interchangeSettings.interchangePath, shaped by
// the four export templates: the head once, then for every listed question its line, one line
// per answer variant and its right-answers line. The test is not changed.

#include "model/test_document.h"

namespace vornet {

// The file is created (or emptied) and held exclusively while it is written. Returns
// kInterchangeDone, kInterchangeCannotOpen (nothing written) or kInterchangeIoFailed (writing
// failed part way; the file keeps what was written) from interchange/interchange_result.h.
int ExportText(const TestDocument& doc);

}  // namespace vornet
