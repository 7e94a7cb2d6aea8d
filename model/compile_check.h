#pragma once
// The four checks that decide whether a test is complete enough to be saved or exported. They
// look at the listed questions only, and at the first answerCount variants of each.

#include "model/test_document.h"

namespace vornet {

struct CompileChecks {
  bool everyQuestionHasAnswer = true;      // at least one variant per question
  bool everyTextPresent = true;            // no empty question or variant text
  bool everyMediaFileOpens = true;         // every named picture and sound can be read
  bool everyQuestionHasFullAnswer = true;  // a variant of accuracy 100 per question

  bool Passed() const {
    return everyQuestionHasAnswer && everyTextPresent && everyMediaFileOpens &&
           everyQuestionHasFullAnswer;
  }
};

// Runs all four checks over every listed question; none stops at the first failure. The only
// side effect is that media files are opened and closed again.
CompileChecks RunCompileChecks(const TestDocument& doc);

// True when `path` names a regular file that can be opened for reading now (a file held for
// writing by another program cannot).
bool MediaFileOpens(const std::string& path);

}  // namespace vornet
