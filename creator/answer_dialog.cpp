#include "creator/answer_dialog.h"

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "creator/command_ids.h"
#include "creator/creator_resources.h"
#include "model/test_document.h"
#include "platform/integer_validator.h"
#include "platform/wx_text.h"

namespace vornet {

using namespace creator_ids;

CAnswerDlg::CAnswerDlg(wxWindow* parent, const AnswerFields& fields) : fields_(fields) {
  LoadCreatorResources();
  wxXmlResource::Get()->LoadDialog(this, parent, "CAnswerDlg");
  SetClientSize(ConvertDialogToPixels(wxSize(300, 121)));
  Field(kAnswerText)->SetMaxLength(kMaxTextLength);
  Field(kAnswerAccuracy)
      ->SetValidator(IntegerValidator(&fields_.accuracy, IntegerValidator::Range{0, 100}));
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Browse(MediaKind::Picture); }, kAnswerBrowsePicture);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Browse(MediaKind::Sound); }, kAnswerBrowseSound);
  // The fields are filled now, not only when the dialog is shown, so that whoever handles the
  // dialog before it appears sees them.
  TransferDataToWindow();
  CentreOnParent();
}

wxTextCtrl* CAnswerDlg::Field(int id) const { return wxStaticCast(FindWindow(id), wxTextCtrl); }

bool CAnswerDlg::TransferDataToWindow() {
  Field(kAnswerText)->ChangeValue(FromAnsi(fields_.text));
  Field(kAnswerPicture)->ChangeValue(FromPath(fields_.picturePath));
  Field(kAnswerSound)->ChangeValue(FromPath(fields_.soundPath));
  return wxDialog::TransferDataToWindow();  // the accuracy, through its validator
}

void CAnswerDlg::TakeTexts() {
  fields_.picturePath = ToPath(Field(kAnswerPicture)->GetValue());
  fields_.text = CapText(ToAnsi(Field(kAnswerText)->GetValue()));
  fields_.soundPath = ToPath(Field(kAnswerSound)->GetValue());
}

bool CAnswerDlg::TransferDataFromWindow() {
  if (!wxDialog::TransferDataFromWindow()) return false;  // the accuracy
  TakeTexts();
  return true;
}

void CAnswerDlg::Browse(MediaKind kind) {
  std::string& stored = kind == MediaKind::Picture ? fields_.picturePath : fields_.soundPath;
  std::string chosen;
  if (!BrowseForMedia(this, kind, stored, chosen)) return;
  // What was typed so far is kept. An accuracy out of range is reported as OK would report it,
  // and stays in its field as typed rather than being overwritten.
  wxTextCtrl* accuracy = Field(kAnswerAccuracy);
  if (accuracy->GetValidator()->Validate(this)) accuracy->GetValidator()->TransferFromWindow();
  TakeTexts();
  const int pathId = kind == MediaKind::Picture ? kAnswerPicture : kAnswerSound;
  (kind == MediaKind::Picture ? fields_.picturePath : fields_.soundPath) = chosen;
  Field(pathId)->ChangeValue(FromPath(chosen));
}

}  // namespace vornet
