#include "creator/new_test_dialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/textctrl.h>

#include "creator/parameter_dialog_ids.h"
#include "creator/parameter_dialogs.h"
#include "model/test_document.h"
#include "tests/creator_parameters/controls.h"
#include "tests/support/test_files.h"

namespace vornet {
namespace {

namespace ids = parameter_ids;
using testing::Ansi;
using testing::FieldText;
using testing::TypeInto;

TEST(NewTestDialog, OpensWithTheNameTestAndEverythingElseEmpty) {
  CNewTestDlg dialog(nullptr);
  EXPECT_EQ(dialog.GetTitle().utf8_string(), "Новый Тест");
  EXPECT_EQ(FieldText(dialog, ids::kName), "Тест");
  EXPECT_EQ(FieldText(dialog, ids::kDescription), "");
  EXPECT_EQ(FieldText(dialog, ids::kPassword), "");
  EXPECT_EQ(FieldText(dialog, ids::kConfirmation), "");
  auto* ok = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_OK));
  auto* cancel = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_CANCEL));
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(ok->GetLabel(), "OK");
  EXPECT_EQ(cancel->GetLabel(), "Cancel");
  EXPECT_EQ(dialog.GetDefaultItem(), ok);
}

TEST(NewTestDialog, MismatchedPasswordsAreEmptiedThenTwoEmptyFieldsAreAccepted) {
  testing::ModalAnswers answers;
  answers.Expect<CNewTestDlg>([&answers](CNewTestDlg& dialog) {
    TypeInto(dialog, ids::kPassword, "секрет1");
    TypeInto(dialog, ids::kConfirmation, "секрет2");
    testing::ExpectStopMessage(answers, "Пароли не совпадают.");
    EXPECT_FALSE(dialog.AcceptOk());
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(FieldText(dialog, ids::kPassword), "");
    EXPECT_EQ(FieldText(dialog, ids::kConfirmation), "");
    EXPECT_EQ(FieldText(dialog, ids::kName), "Тест");
    // Pressed again with both fields left empty: a test without a password.
    return dialog.AcceptOk() ? wxID_OK : wxID_CANCEL;
  });
  NewTestData data;
  ASSERT_TRUE(RunNewTestDialog(nullptr, data));
  EXPECT_EQ(data.name, Ansi("Тест"));
  EXPECT_EQ(data.description, "");
  EXPECT_EQ(data.password, "");
}

TEST(NewTestDialog, GivesTheTextsAsWindows1251WithCarriageReturnLineFeed) {
  testing::ModalAnswers answers;
  answers.Expect<CNewTestDlg>([](CNewTestDlg& dialog) {
    TypeInto(dialog, ids::kName, "Физика, 9 класс");
    TypeInto(dialog, ids::kDescription, "Механика\nОптика");
    TypeInto(dialog, ids::kPassword, "Ключ");
    TypeInto(dialog, ids::kConfirmation, "Ключ");
    return dialog.AcceptOk() ? wxID_OK : wxID_CANCEL;
  });
  NewTestData data;
  ASSERT_TRUE(RunNewTestDialog(nullptr, data));
  EXPECT_EQ(data.name, Ansi("Физика, 9 класс"));
  EXPECT_EQ(data.description, Ansi("Механика\r\nОптика"));
  EXPECT_EQ(data.password, Ansi("Ключ"));
}

TEST(NewTestDialog, PasswordsThatDifferOnlyInCaseDoNotMatch) {
  CNewTestDlg dialog(nullptr);
  TypeInto(dialog, ids::kPassword, "Пароль");
  TypeInto(dialog, ids::kConfirmation, "пароль");
  testing::ModalAnswers answers;
  testing::ExpectStopMessage(answers, "Пароли не совпадают.");
  EXPECT_FALSE(dialog.AcceptOk());
}

TEST(NewTestDialog, CancelLeavesTheDataAlone) {
  testing::ModalAnswers answers;
  answers.Expect<CNewTestDlg>([](CNewTestDlg& dialog) {
    TypeInto(dialog, ids::kName, "Другое");
    return static_cast<int>(wxID_CANCEL);
  });
  NewTestData data{"old", "text", "pw"};
  EXPECT_FALSE(RunNewTestDialog(nullptr, data));
  EXPECT_EQ(data.name, "old");
  EXPECT_EQ(data.description, "text");
  EXPECT_EQ(data.password, "pw");
}

TEST(NewTestDialog, FieldsTakeNoMoreThanATestFileCanHold) {
  CNewTestDlg dialog(nullptr);
  const std::string full(kMaxTextLength, 'x');
  for (int id : {ids::kName, ids::kDescription, ids::kPassword, ids::kConfirmation}) {
    SCOPED_TRACE(id);
    auto* field = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
    ASSERT_NE(field, nullptr);
    TypeInto(dialog, id, full);
    EXPECT_EQ(FieldText(dialog, id).size(), kMaxTextLength);
    field->AppendText("y");
    testing::RunPendingEvents();
    EXPECT_EQ(FieldText(dialog, id), full);
  }
}

TEST(NewTestDialog, ADescriptionAtTheCapLosesOnlyWhatWasJustTyped) {
  CNewTestDlg dialog(nullptr);
  auto* field = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(ids::kDescription));
  ASSERT_NE(field, nullptr);
  const std::string full = "head" + std::string(kMaxTextLength - 8, '-') + "tail";
  TypeInto(dialog, ids::kDescription, full);
  field->SetInsertionPoint(4);
  field->WriteText("new");
  testing::RunPendingEvents();
  EXPECT_EQ(FieldText(dialog, ids::kDescription), full);
}

}  // namespace
}  // namespace vornet
