// The tester's own dialogs with real controls: the candidate's data checks and the dialog that
// cannot be left without them, the description, and About.

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "tester/candidate_dlg.h"
#include "tester/command_ids.h"
#include "tester/description_dlg.h"
#include "tester/tester_about_dlg.h"
#include "tests/support/modal_answers.h"
#include "tests/support/test_files.h"

namespace vornet {
namespace {

using testing::Ansi;
using testing::ModalAnswers;

struct CandidateCase {
  const char* surname;
  const char* firstName;
  const char* patronymic;
  const char* year;
  bool accepted;
};

void Fill(CCandidateDlg& dialog, const CandidateCase& c) {
  dialog.Field(tester_ids::kSurname)->SetValue(wxString::FromUTF8(c.surname));
  dialog.Field(tester_ids::kFirstName)->SetValue(wxString::FromUTF8(c.firstName));
  dialog.Field(tester_ids::kPatronymic)->SetValue(wxString::FromUTF8(c.patronymic));
  dialog.Field(tester_ids::kBirthYear)->SetValue(c.year);
}

TEST(CandidateDialog, ChecksTheNamesAndTheYear) {
  const CandidateCase cases[] = {
      {"Иванов", "Петр", "Сергеевич", "1901", true},
      {"Иванов", "Петр", "Сергеевич", "2099", true},
      {"Иванов", "Петр", "Сергеевич", "1900", false},
      {"Иванов", "Петр", "Сергеевич", "2100", false},
      {"Иванов", "Петр", "", "1985", false},
      {"", "Петр", "Сергеевич", "1985", false},
      {"Иванов", "", "Сергеевич", "1985", false},
      {" ", " ", " ", "1985", true},  // blanks count as given
  };
  for (const CandidateCase& c : cases) {
    CCandidateDlg dialog(nullptr);
    Fill(dialog, c);
    ModalAnswers answers;
    if (!c.accepted) answers.ExpectMessage("Введите все данные", "Ошибка");
    EXPECT_EQ(dialog.Confirm(), c.accepted) << c.patronymic << " " << c.year;
    if (c.accepted) {
      EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
      EXPECT_EQ(dialog.Data().surname, Ansi(c.surname));
      EXPECT_EQ(dialog.Data().patronymic, Ansi(c.patronymic));
      EXPECT_EQ(dialog.Data().birthYear, std::stoi(c.year));
    }
  }
}

TEST(CandidateDialog, AnEmptyYearIsRefusedTwiceAndKeepsTheYearItHad) {
  CCandidateDlg dialog(nullptr);
  ModalAnswers answers;
  // First attempt: no year at all. The number is refused, then the data.
  Fill(dialog, {"Иванов", "Петр", "", "", false});
  answers.ExpectMessage("Введите целое число.", "Ошибка");
  answers.ExpectMessage("Введите все данные", "Ошибка");
  EXPECT_FALSE(dialog.Confirm());
  EXPECT_EQ(dialog.Data().birthYear, 0);
  // A valid year with a missing patronymic is remembered...
  Fill(dialog, {"Иванов", "Петр", "", "1985", false});
  answers.ExpectMessage("Введите все данные", "Ошибка");
  EXPECT_FALSE(dialog.Confirm());
  // ...and an emptied year field keeps it: the data are complete after the number's message.
  Fill(dialog, {"Иванов", "Петр", "Сергеевич", "", false});
  answers.ExpectMessage("Введите целое число.", "Ошибка");
  EXPECT_TRUE(dialog.Confirm());
  EXPECT_EQ(dialog.Data().birthYear, 1985);
}

TEST(CandidateDialog, EscapeAndTheCloseBoxLeaveItOpen) {
  auto* dialog = new CCandidateDlg(nullptr);
  dialog->Show();
  testing::RunPendingEvents(50);
  wxKeyEvent escape(wxEVT_CHAR_HOOK);
  escape.m_keyCode = WXK_ESCAPE;
  escape.SetEventObject(dialog);
  dialog->ProcessWindowEvent(escape);
  testing::RunPendingEvents(50);
  EXPECT_TRUE(dialog->IsShown());
  EXPECT_FALSE(dialog->Close());  // the close box
  testing::RunPendingEvents(50);
  EXPECT_TRUE(dialog->IsShown());
  EXPECT_EQ(dialog->GetEscapeId(), wxID_NONE);
  dialog->Destroy();
  testing::RunPendingEvents(20);
}

TEST(CandidateDialog, TheYearFieldTakesDigitsOnly) {
  CCandidateDlg dialog(nullptr);
  wxTextCtrl* year = dialog.Field(tester_ids::kBirthYear);
  for (int key : {'1', 'x', '9'}) {
    wxKeyEvent typed(wxEVT_CHAR);
    typed.m_keyCode = key;
    typed.m_uniChar = static_cast<wxChar>(key);
    typed.SetEventObject(year);
    // The validator lets a key through by skipping the event.
    EXPECT_EQ(!year->GetValidator()->ProcessEvent(typed) || typed.GetSkipped(), key != 'x')
        << static_cast<char>(key);
  }
}

TEST(DescriptionDialog, ShowsTheNameAndTheDescriptionOnItsLines) {
  TestInfo info;
  info.name = Ansi("Физика & химия");
  info.description = Ansi("Первая строка\r\nВторая строка");
  CDescriptionDlg dialog(nullptr, info);
  EXPECT_EQ(dialog.GetTitle().utf8_string(), "Описание теста");
  auto* name = wxDynamicCast(dialog.FindWindow(tester_ids::kTestName), wxStaticText);
  auto* description = wxDynamicCast(dialog.FindWindow(tester_ids::kTestDescription), wxStaticText);
  ASSERT_TRUE(name && description);
  EXPECT_EQ(name->GetLabelText().utf8_string(), "Физика & химия");
  EXPECT_EQ(description->GetLabelText().utf8_string(), "Первая строка\nВторая строка");
  EXPECT_EQ(dialog.FindWindow(wxID_OK)->GetLabel().utf8_string(), "Продолжить");
  EXPECT_EQ(dialog.FindWindow(wxID_CANCEL)->GetLabel().utf8_string(), "Загрузить новый");
}

TEST(AboutDialog, TheCaretButtonOpensTheMakersPageInTheBrowser) {
  std::vector<wxString> opened;
  const auto previous = CTesterAboutDlg::openWebPage;
  CTesterAboutDlg::openWebPage = [&](const wxString& address) {
    opened.push_back(address);
    return true;
  };
  CTesterAboutDlg dialog(nullptr);
  EXPECT_EQ(dialog.GetTitle().utf8_string(), "О программе");
  wxCommandEvent click(wxEVT_BUTTON, tester_ids::kMakerPage);
  click.SetEventObject(dialog.FindWindow(tester_ids::kMakerPage));
  dialog.FindWindow(tester_ids::kMakerPage)->ProcessWindowEvent(click);
  CTesterAboutDlg::openWebPage = previous;
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], kMakerPageAddress);
}

}  // namespace
}  // namespace vornet
