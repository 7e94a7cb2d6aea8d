#include "tester/candidate_dlg.h"

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "platform/integer_validator.h"
#include "platform/message_box.h"
#include "platform/wx_text.h"
#include "tester/command_ids.h"
#include "tester/tester_resources.h"

namespace vornet {

bool CandidateDataComplete(const CandidateData& data) {
  return !data.surname.empty() && !data.firstName.empty() && !data.patronymic.empty() &&
         data.birthYear > 1900 && data.birthYear < 2100;
}

CCandidateDlg::CCandidateDlg(wxWindow* parent) {
  LoadTesterResources();
  wxXmlResource::Get()->LoadDialog(this, parent, "CCandidateDlg");
  SetEscapeId(wxID_NONE);
  Field(tester_ids::kBirthYear)->SetValidator(IntegerValidator(&data_.birthYear));
  Bind(wxEVT_CLOSE_WINDOW, &CCandidateDlg::OnClose, this);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Confirm(); }, wxID_OK);
}

wxTextCtrl* CCandidateDlg::Field(int id) const { return wxDynamicCast(FindWindow(id), wxTextCtrl); }

bool CCandidateDlg::Confirm() {
  data_.surname = ToAnsi(Field(tester_ids::kSurname)->GetValue());
  data_.firstName = ToAnsi(Field(tester_ids::kFirstName)->GetValue());
  data_.patronymic = ToAnsi(Field(tester_ids::kPatronymic)->GetValue());
  wxValidator* year = Field(tester_ids::kBirthYear)->GetValidator();
  // A field without a number is refused with the validator's own message and leaves the year
  // as it was; the check below runs all the same.
  if (year->Validate(this)) year->TransferFromWindow();
  if (!CandidateDataComplete(data_)) {
    ShowMessage(this, wxString::FromUTF8("Введите все данные"), kCaptionError, MessageIcon::Stop);
    return false;
  }
  SetReturnCode(wxID_OK);
  EndDialog(wxID_OK);
  return true;
}

void CCandidateDlg::OnClose(wxCloseEvent& event) {
  // The close box leaves the dialog open.
  if (event.CanVeto()) event.Veto();
}

}  // namespace vornet
