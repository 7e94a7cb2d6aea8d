#include "creator/question_dialog.h"

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "creator/command_ids.h"
#include "creator/creator_resources.h"
#include "model/test_document.h"
#include "platform/wx_text.h"

namespace vornet {

using namespace creator_ids;

CQuestionDlg::CQuestionDlg(wxWindow* parent, const QuestionFields& fields) : fields_(fields) {
  LoadCreatorResources();
  wxXmlResource::Get()->LoadDialog(this, parent, "CQuestionDlg");
  SetClientSize(ConvertDialogToPixels(wxSize(300, 100)));
  Field(kQuestionText)->SetMaxLength(kMaxTextLength);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Browse(MediaKind::Picture); },
      kQuestionBrowsePicture);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Browse(MediaKind::Sound); }, kQuestionBrowseSound);
  // The fields are filled now, not only when the dialog is shown, so that whoever handles the
  // dialog before it appears sees them.
  TransferDataToWindow();
  CentreOnParent();
}

wxTextCtrl* CQuestionDlg::Field(int id) const { return wxStaticCast(FindWindow(id), wxTextCtrl); }

bool CQuestionDlg::TransferDataToWindow() {
  Field(kQuestionText)->ChangeValue(FromAnsi(fields_.text));
  Field(kQuestionPicture)->ChangeValue(FromPath(fields_.picturePath));
  Field(kQuestionSound)->ChangeValue(FromPath(fields_.soundPath));
  return wxDialog::TransferDataToWindow();
}

bool CQuestionDlg::TransferDataFromWindow() {
  fields_.text = CapText(ToAnsi(Field(kQuestionText)->GetValue()));
  fields_.picturePath = ToPath(Field(kQuestionPicture)->GetValue());
  fields_.soundPath = ToPath(Field(kQuestionSound)->GetValue());
  return wxDialog::TransferDataFromWindow();
}

void CQuestionDlg::Browse(MediaKind kind) {
  std::string& stored = kind == MediaKind::Picture ? fields_.picturePath : fields_.soundPath;
  std::string chosen;
  if (!BrowseForMedia(this, kind, stored, chosen)) return;
  // What was typed so far is kept: the controls go into the fields first.
  TransferDataFromWindow();
  (kind == MediaKind::Picture ? fields_.picturePath : fields_.soundPath) = chosen;
  TransferDataToWindow();
}

}  // namespace vornet
