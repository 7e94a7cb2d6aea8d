#pragma once
// Dialog 133 "Описание теста": the test's name and description. OK ("Продолжить") goes on to
// the candidate's data; Cancel ("Загрузить новый", also Esc and the close box) asks for another
// file.

#include <wx/dialog.h>

#include "model/test_document.h"

namespace vornet {

class CDescriptionDlg : public wxDialog {
 public:
  CDescriptionDlg(wxWindow* parent, const TestInfo& testInfo);
};

// A Windows-1251 text for a label: decoded, with its CR LF line ends as line breaks.
wxString LabelText(const std::string& cp1251);

}  // namespace vornet
