#include "creator/password_dialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>

#include <vector>

#include "creator/parameter_dialog_ids.h"
#include "creator/parameter_dialogs.h"
#include "tests/creator_parameters/controls.h"
#include "tests/support/test_files.h"

namespace vornet {
namespace {

namespace ids = parameter_ids;
using testing::Ansi;
using testing::FieldText;
using testing::TypeInto;

// Answers one prompt: it must open empty; `typed` goes in and OK is pressed.
void ExpectPrompt(testing::ModalAnswers& answers, const std::string& typed) {
  answers.Expect<CPasswordDlg>([typed](CPasswordDlg& prompt) {
    EXPECT_EQ(prompt.GetTitle().utf8_string(), "Введите пароль");
    EXPECT_EQ(FieldText(prompt, ids::kEnteredPassword), "");
    TypeInto(prompt, ids::kEnteredPassword, typed);
    return prompt.Validate() && prompt.TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
  });
}

TEST(EditPasswordCheck, ATestWithoutPasswordPassesWithoutAPrompt) {
  testing::ModalAnswers answers;
  EXPECT_TRUE(CheckEditPassword(nullptr, ""));
  EXPECT_TRUE(answers.Shown().empty());
}

TEST(EditPasswordCheck, WrongTextsBringTheEmptyPromptBackUntilTheRightOne) {
  testing::ModalAnswers answers;
  ExpectPrompt(answers, "пароль");  // case differs
  ExpectPrompt(answers, "");
  ExpectPrompt(answers, "Пароль ");
  ExpectPrompt(answers, "Пароль");
  EXPECT_TRUE(CheckEditPassword(nullptr, Ansi("Пароль")));
  // Four prompts and no message in between.
  EXPECT_EQ(answers.Shown().size(), 4u);
}

TEST(EditPasswordCheck, ExitGivesUp) {
  testing::ModalAnswers answers;
  ExpectPrompt(answers, "не тот");
  answers.Expect<CPasswordDlg>([](CPasswordDlg&) { return static_cast<int>(wxID_CANCEL); });
  EXPECT_FALSE(CheckEditPassword(nullptr, "secret"));
}

TEST(EditPasswordCheck, ExitIsTheCancelButtonSoTheCloseBoxGivesUpToo) {
  CPasswordDlg prompt(nullptr);
  auto* exit = dynamic_cast<wxButton*>(prompt.FindWindow(wxID_CANCEL));
  ASSERT_NE(exit, nullptr);
  EXPECT_EQ(exit->GetLabel().utf8_string(), "Выход");
  auto* ok = dynamic_cast<wxButton*>(prompt.FindWindow(wxID_OK));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(prompt.GetDefaultItem(), ok);
  // Esc and the close box both press the cancel button, "Выход".
  std::vector<int> pressed;
  prompt.Bind(wxEVT_BUTTON,
              [&pressed](wxCommandEvent& event) { pressed.push_back(event.GetId()); });
  prompt.Show();
  wxKeyEvent escape(wxEVT_CHAR_HOOK);
  escape.m_keyCode = WXK_ESCAPE;
  prompt.GetEventHandler()->ProcessEvent(escape);
  EXPECT_EQ(pressed, std::vector<int>{wxID_CANCEL});
  prompt.Close();
  EXPECT_EQ(pressed, (std::vector<int>{wxID_CANCEL, wxID_CANCEL}));
}

}  // namespace
}  // namespace vornet
