#include "creator/parameters_sheet.h"

#include <wx/bookctrl.h>
#include <wx/button.h>

#include "creator/parameters_pages.h"

namespace vornet {

CProp::CProp(wxWindow* parent, const ParameterSheetFields& fields) {
  Create(parent, wxID_ANY, wxString::FromUTF8("Параметры теста"));
  CreateButtons(wxOK | wxCANCEL);
  // The button labels are Russian whatever the user's locale, like those of the message boxes.
  if (auto* ok = dynamic_cast<wxButton*>(FindWindow(wxID_OK))) {
    ok->SetLabel(wxString::FromUTF8("ОК"));
  }
  if (auto* cancel = dynamic_cast<wxButton*>(FindWindow(wxID_CANCEL))) {
    cancel->SetLabel(wxString::FromUTF8("Отмена"));
  }

  wxBookCtrlBase* book = GetBookCtrl();
  namePage_ = new CProp1(book, fields.info);
  otherPage_ = new CProp2(book, fields.other);
  book->AddPage(namePage_, wxString::FromUTF8("Название"), true);
  book->AddPage(otherPage_, wxString::FromUTF8("Другие"));
  LayoutDialog();

  book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &CProp::OnPageChanging, this);
  book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &CProp::OnPageChanged, this);
  Bind(wxEVT_BUTTON, &CProp::OnOk, this, wxID_OK);
}

ParameterPage& CProp::Page(int index) {
  return index == 1 ? static_cast<ParameterPage&>(*otherPage_) : *namePage_;
}

ParameterPage& CProp::ShownPage() { return Page(GetBookCtrl()->GetSelection()); }

bool CProp::AcceptOk() {
  ParameterPage& shown = ShownPage();
  if (!shown.LeavePage()) return false;
  // The other page was checked when it was left (or still holds what the test gave it).
  if (&shown != namePage_) namePage_->TransferDataFromWindow();
  if (&shown != otherPage_) otherPage_->TransferDataFromWindow();
  return true;
}

bool CProp::TurnToPage(size_t page) {
  wxBookCtrlBase* book = GetBookCtrl();
  if (static_cast<int>(page) == book->GetSelection()) return true;
  if (!ShownPage().LeavePage()) return false;
  book->ChangeSelection(page);
  ShownPage().EnterPage();
  return true;
}

ParameterSheetFields CProp::Fields() const {
  return ParameterSheetFields{namePage_->Fields(), otherPage_->Fields()};
}

// The event's own page numbers say which page is left and which is entered: the book's selection
// is not to be trusted while a tab click is under way.
void CProp::OnPageChanging(wxBookCtrlEvent& event) {
  const int leaving = event.GetOldSelection();
  if (leaving != wxNOT_FOUND && !Page(leaving).LeavePage()) event.Veto();
}

void CProp::OnPageChanged(wxBookCtrlEvent& event) {
  if (event.GetSelection() != wxNOT_FOUND) Page(event.GetSelection()).EnterPage();
}

void CProp::OnOk(wxCommandEvent&) {
  if (AcceptOk()) EndModal(wxID_OK);
}

}  // namespace vornet
