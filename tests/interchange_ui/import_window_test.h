#pragma once
// A test with questions listed out of slot order, a text file to import, and the Import command
// run with the author's steps in the import dialog.

#include <functional>
#include <string>

#include "interchange/import_dialog.h"
#include "tests/interchange/interchange_fixture.h"
#include "tests/interchange_ui/dialog_driving.h"

namespace vornet::testing {

// The fixture's test before any import.
extern const char kQuestionsBefore[];

class ImportWindowTest : public InterchangeWindowTest {
 protected:
  ImportWindowTest();

  // Expects the open dialog, answered with `file`, and then the import dialog, where the author
  // takes `steps`.
  void ExpectImportDialogs(std::function<void(CImportDlg&)> steps,
                           const std::string& file = std::string());
  // Runs the Import command; returns what it returned.
  bool RunImport();

  const InterchangeSettings& Templates() const { return doc_->interchangeSettings; }
};

void ExpectSameImportTemplates(const InterchangeSettings& actual,
                               const InterchangeSettings& expected);

}  // namespace vornet::testing
