#pragma once
// CAnswerDlg: the text, picture, sound and accuracy of one answer variant. Only the accuracy is
// validated (an integer 0..100); the dialog stays open on the field otherwise.

#include <wx/dialog.h>

#include <string>

#include "creator/media_browse.h"

class wxTextCtrl;

namespace vornet {

// Texts are Windows-1251 bytes, paths in the system's path encoding.
struct AnswerFields {
  int accuracy = 0;
  std::string picturePath;
  std::string text;
  std::string soundPath;
};

class CAnswerDlg : public wxDialog {
 public:
  CAnswerDlg(wxWindow* parent, const AnswerFields& fields);

  // The values taken from the controls by OK (or by a browse).
  const AnswerFields& Fields() const { return fields_; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void Browse(MediaKind kind);
  wxTextCtrl* Field(int id) const;
  void TakeTexts();

  AnswerFields fields_;
};

}  // namespace vornet
