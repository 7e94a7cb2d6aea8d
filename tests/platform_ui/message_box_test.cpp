#include "platform/message_box.h"

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>

#include "tests/support/modal_answers.h"

namespace vornet {
namespace {

TEST(MessageBox, ShowsTheTextCaptionIconAndRussianButtons) {
  testing::ModalAnswers answers;
  answers.Expect<wxGenericMessageDialog>([](wxGenericMessageDialog& box) {
    EXPECT_EQ(box.GetMessage().utf8_string(), "Завершить работу?");
    EXPECT_EQ(box.GetTitle().utf8_string(), "Подтверждение");
    EXPECT_TRUE(box.GetMessageDialogStyle() & wxICON_QUESTION);
    EXPECT_TRUE(box.GetMessageDialogStyle() & wxCANCEL);
    EXPECT_EQ(box.GetOKLabel().utf8_string(), "ОК");
    EXPECT_EQ(box.GetCancelLabel().utf8_string(), "Отмена");
    return wxID_CANCEL;
  });
  EXPECT_EQ(ShowMessage(nullptr, wxString::FromUTF8("Завершить работу?"), kCaptionConfirmation,
                        MessageIcon::Question, MessageButtons::OkCancel),
            wxID_CANCEL);
  answers.ExpectMessage("Файл недоступен.", "Ошибка");
  EXPECT_EQ(ShowMessage(nullptr, wxString::FromUTF8("Файл недоступен."), kCaptionError,
                        MessageIcon::Stop),
            wxID_OK);
}

}  // namespace
}  // namespace vornet
