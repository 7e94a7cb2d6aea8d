#include "tests/support/modal_answers.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>
#include <wx/utils.h>

namespace vornet::testing {

ModalAnswers::~ModalAnswers() {
  Unregister();
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected dialog(s) never shown";
}

int ModalAnswers::Enter(wxDialog* dialog) {
  std::string description = dialog->GetTitle().utf8_string();
  if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) {
    description += ": " + box->GetMessage().utf8_string();
  }
  shown_.push_back(description);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected dialog: " << description;
    return wxID_CANCEL;
  }
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer(*dialog);
}

void ModalAnswers::ExpectMessage(const std::string& text, const std::string& caption, int code) {
  answers_.push_back([text, caption, code](wxDialog& dialog) {
    auto* box = dynamic_cast<wxMessageDialogBase*>(&dialog);
    EXPECT_NE(box, nullptr) << "expected the message \"" << text << "\", got the dialog \""
                            << dialog.GetTitle().utf8_string() << "\"";
    if (box) {
      EXPECT_EQ(box->GetMessage().utf8_string(), text);
      EXPECT_EQ(box->GetTitle().utf8_string(), caption);
    }
    return code;
  });
}

void ModalAnswers::ExpectFileChoice(const std::string& path) {
  answers_.push_back([path](wxDialog& dialog) {
    auto* chooser = dynamic_cast<wxFileDialog*>(&dialog);
    EXPECT_NE(chooser, nullptr) << "expected a file chooser, got \""
                                << dialog.GetTitle().utf8_string() << "\"";
    if (!chooser || path.empty()) return static_cast<int>(wxID_CANCEL);
    const wxString wanted = wxString::FromUTF8(path);
    chooser->SetPath(wanted);
    for (int k = 0; k < 100 && chooser->GetPath() != wanted; ++k) RunPendingEvents(20);
    EXPECT_EQ(chooser->GetPath(), wanted);
    return static_cast<int>(wxID_OK);
  });
}

void RunPendingEvents(int milliseconds) {
  const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
  do {
    if (wxTheApp) wxTheApp->ProcessPendingEvents();
    while (wxEventLoopBase::GetActive() && wxEventLoopBase::GetActive()->Pending()) {
      wxEventLoopBase::GetActive()->Dispatch();
    }
    wxYield();
    wxMilliSleep(2);
  } while (wxGetLocalTimeMillis() < end);
}

}  // namespace vornet::testing
