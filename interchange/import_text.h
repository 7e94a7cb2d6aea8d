#pragma once
// Adds the questions, answer variants and right-answer marks found in the text file named by
// interchangeSettings.interchangePath to the test, as the three import templates describe them.

#include "model/test_document.h"

namespace vornet {

// Reads the whole file (held against writers meanwhile) and, once it has been opened, lists the
// questions in ascending slot order (questionOrder is rebuilt; the selection is the caller's).
// The templates are left exactly as they are. Returns kInterchangeDone, kInterchangeCannotOpen
// (the test is unchanged) or kInterchangeIoFailed (reading failed part way; what was stored
// stays) from interchange/interchange_result.h.
int ImportText(TestDocument& doc);

}  // namespace vornet
