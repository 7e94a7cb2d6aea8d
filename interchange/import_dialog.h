#pragma once
// CImportDlg ("Импортирование"): the three import templates, checked whenever a field is left
// and again by "Начать", which closes the dialog only when every template has its quotes in
// order. Cancel leaves the author's templates as they were.

#include <wx/dialog.h>

#include "model/interchange_settings.h"

class wxFocusEvent;

namespace vornet {

class HelpBook;

class CImportDlg : public wxDialog {
 public:
  // The fields show the import templates of `templates`; "Помощь" opens `help` when not null.
  CImportDlg(wxWindow* parent, const InterchangeSettings& templates, HelpBook* help);

  // The templates as the fields held at the last check (only the three import templates are
  // the dialog's; the rest is as given). Take them over only after "Начать".
  const InterchangeSettings& Templates() const { return templates_; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  enum class Field { Questions, Answers, RightAnswers };

  void OnFieldFocusLost(wxFocusEvent& event, Field field);
  void CheckField(Field field);
  void OnStart(wxCommandEvent& event);
  void ShowQuoteCountMessage();

  InterchangeSettings templates_;
  // Set while a message of this dialog is open: the focus that the message box takes is not the
  // author leaving a field, and checking again would only show the message again.
  bool messageOpen_ = false;
};

}  // namespace vornet
