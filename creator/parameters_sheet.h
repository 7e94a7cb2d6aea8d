#pragma once
// CProp, "Параметры теста": the sheet with the pages "Название" and "Другие". A page that holds
// unacceptable values cannot be left, neither for the other page nor by OK.

#include <wx/propdlg.h>

#include "creator/test_parameters.h"

class wxBookCtrlEvent;

namespace vornet {

class CProp1;
class CProp2;
class ParameterPage;

class CProp : public wxPropertySheetDialog {
 public:
  // Opens on its first page, filled from `fields`.
  CProp(wxWindow* parent, const ParameterSheetFields& fields);

  // What the OK button does: the page shown must let itself be left; then the values of both
  // pages are taken. True when the sheet may close.
  bool AcceptOk();
  // Turns to another page under the same check as a click on its tab (a programmatic page
  // change cannot be vetoed on every platform). False when the page shown refuses.
  bool TurnToPage(size_t page);

  ParameterSheetFields Fields() const;
  CProp1& NamePage() { return *namePage_; }
  CProp2& OtherPage() { return *otherPage_; }

 private:
  ParameterPage& Page(int index);
  ParameterPage& ShownPage();
  void OnPageChanging(wxBookCtrlEvent& event);
  void OnPageChanged(wxBookCtrlEvent& event);
  void OnOk(wxCommandEvent& event);

  CProp1* namePage_;
  CProp2* otherPage_;
};

}  // namespace vornet
