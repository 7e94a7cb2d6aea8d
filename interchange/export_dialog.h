#pragma once
// CExportDlg ("Экспортирование"): the four export templates, shown for editing before every
// export. They are not checked; OK takes them over, Cancel leaves them.

#include <wx/dialog.h>

#include "model/interchange_settings.h"

namespace vornet {

class HelpBook;

class CExportDlg : public wxDialog {
 public:
  // The fields show the export templates of `templates`; "Помощь" opens `help` when not null.
  CExportDlg(wxWindow* parent, const InterchangeSettings& templates, HelpBook* help);

  // The templates as the fields held when OK was pressed (only the four export templates are
  // the dialog's; the rest is as given).
  const InterchangeSettings& Templates() const { return templates_; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  InterchangeSettings templates_;
};

}  // namespace vornet
