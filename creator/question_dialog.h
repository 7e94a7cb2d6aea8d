#pragma once
// CQuestionDlg: the text, picture and sound of one question. Nothing is validated here; the
// compile check reports what is missing.

#include <wx/dialog.h>

#include <string>

#include "creator/media_browse.h"

class wxTextCtrl;

namespace vornet {

// Texts are Windows-1251 bytes, paths in the system's path encoding.
struct QuestionFields {
  std::string text;
  std::string picturePath;
  std::string soundPath;
};

class CQuestionDlg : public wxDialog {
 public:
  CQuestionDlg(wxWindow* parent, const QuestionFields& fields);

  // The values taken from the controls by OK (or by a browse).
  const QuestionFields& Fields() const { return fields_; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void Browse(MediaKind kind);
  wxTextCtrl* Field(int id) const;

  QuestionFields fields_;
};

}  // namespace vornet
