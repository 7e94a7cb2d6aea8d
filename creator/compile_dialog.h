#pragma once
// CCompileDlg shows the four compile checks with "Да" or "Нет"; CompileTest runs them, shows the
// dialog and records the outcome in compileState, which Save, Save As and Export consult.

#include <wx/dialog.h>

#include "model/compile_check.h"

namespace vornet {

class CCompileDlg : public wxDialog {
 public:
  CCompileDlg(wxWindow* parent, const CompileChecks& checks);

  // "Да" or "Нет" of row 1..4, as shown.
  wxString RowResult(int row) const;
};

// Checks the test, shows the result modally and, once the dialog is closed (by OK or by the
// window's close box alike), sets compileState to 1 when every check holds and to -1 otherwise.
void CompileTest(wxWindow* parent, TestDocument& doc);

}  // namespace vornet
