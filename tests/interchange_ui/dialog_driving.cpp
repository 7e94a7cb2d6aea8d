#include "tests/interchange_ui/dialog_driving.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
// The generic box needs the declarations above.
#include <wx/generic/msgdlgg.h>
#include <wx/textctrl.h>

#include "tests/interchange/interchange_fixture.h"

namespace vornet::testing {

std::string FieldText(const wxDialog& dialog, int id) {
  return wxStaticCast(dialog.FindWindow(id), wxTextCtrl)->GetValue().utf8_string();
}

void TypeIntoField(wxDialog& dialog, int id, const std::string& utf8) {
  wxStaticCast(dialog.FindWindow(id), wxTextCtrl)->SetValue(wxString::FromUTF8(utf8));
}

void LeaveField(wxDialog& dialog, int id) {
  wxWindow* field = dialog.FindWindow(id);
  wxFocusEvent lost(wxEVT_KILL_FOCUS, id);
  lost.SetEventObject(field);
  field->GetEventHandler()->ProcessEvent(lost);
  RunPendingEvents();
}

int Click(wxDialog& dialog, int id) {
  wxWindow* button = dialog.FindWindow(id);
  EXPECT_NE(button, nullptr) << "no button " << id;
  if (!button) return wxID_NONE;
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
  RunPendingEvents();
  return dialog.IsModal() ? static_cast<int>(wxID_NONE) : dialog.GetReturnCode();
}

void ExpectMessageBox(ModalAnswers& answers, const std::string& text, const std::string& caption,
                      long icon) {
  answers.Expect<wxGenericMessageDialog>([text, caption, icon](wxGenericMessageDialog& box) {
    EXPECT_EQ(box.GetMessage().utf8_string(), text);
    EXPECT_EQ(box.GetTitle().utf8_string(), caption);
    EXPECT_EQ(box.GetMessageDialogStyle() & wxICON_MASK, icon) << text;
    return static_cast<int>(wxID_OK);
  });
}

InterchangeWindowTest::InterchangeWindowTest() : doc_(NewDocument()) {
  mainWindow_ = new wxFrame(nullptr, wxID_ANY, "Vornet - Creation");
}

InterchangeWindowTest::~InterchangeWindowTest() {
  mainWindow_->Destroy();
  RunPendingEvents(0);
}

}  // namespace vornet::testing
