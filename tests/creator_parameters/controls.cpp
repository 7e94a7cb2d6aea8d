#include "tests/creator_parameters/controls.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>
// clang-format off
#include <wx/msgdlg.h>  // before the generic box, which builds on it
#include <wx/generic/msgdlgg.h>
// clang-format on

#include <stdexcept>

namespace vornet::testing {

namespace {

template <class Control>
Control& Find(wxWindow& window, int id) {
  auto* control = dynamic_cast<Control*>(window.FindWindow(id));
  if (control == nullptr) {
    ADD_FAILURE() << "no control " << id;
    throw std::runtime_error("missing control");
  }
  return *control;
}

}  // namespace

std::string FieldText(wxWindow& window, int id) {
  return Find<wxTextCtrl>(window, id).GetValue().utf8_string();
}

void TypeInto(wxWindow& window, int id, const std::string& utf8) {
  Find<wxTextCtrl>(window, id).SetValue(wxString::FromUTF8(utf8));
}

bool IsEnabled(wxWindow& window, int id) {
  wxWindow* control = window.FindWindow(id);
  EXPECT_NE(control, nullptr) << "no control " << id;
  return control != nullptr && control->IsEnabled();
}

void ClickCheckBox(wxWindow& window, int id) {
  auto& box = Find<wxCheckBox>(window, id);
  box.SetValue(!box.GetValue());
  wxCommandEvent click(wxEVT_CHECKBOX, id);
  click.SetEventObject(&box);
  click.SetInt(box.GetValue() ? 1 : 0);
  box.GetEventHandler()->ProcessEvent(click);
}

bool IsTicked(wxWindow& window, int id) { return Find<wxCheckBox>(window, id).GetValue(); }

void ExpectStopMessage(ModalAnswers& answers, const std::string& text) {
  answers.Expect<wxGenericMessageDialog>([text](wxGenericMessageDialog& box) {
    EXPECT_EQ(box.GetMessage().utf8_string(), text);
    EXPECT_EQ(box.GetTitle().utf8_string(), "Ошибка");
    EXPECT_TRUE(box.GetMessageDialogStyle() & wxICON_ERROR);
    return wxID_OK;
  });
}

}  // namespace vornet::testing
