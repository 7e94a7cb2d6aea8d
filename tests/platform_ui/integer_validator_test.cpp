#include "platform/integer_validator.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include "tests/support/modal_answers.h"

namespace vornet {
namespace {

TEST(IntegerValidator, RefusesWhatIsNoNumberOrOutOfRangeWithARussianMessage) {
  struct Case {
    const char* typed;
    bool accepted;
    const char* message;
    int stored;
  } cases[] = {
      {"0", true, "", 0},
      {"100", true, "", 100},
      {"101", false, "Введите целое число от 0 до 100.", 7},
      {"", false, "Введите целое число от 0 до 100.", 7},
      {"12a", false, "Введите целое число от 0 до 100.", 7},
      {"99999999999", false, "Введите целое число от 0 до 100.", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    wxDialog dialog(nullptr, wxID_ANY, "test");
    int value = 7;
    auto* field = new wxTextCtrl(&dialog, wxID_ANY);
    field->SetValidator(IntegerValidator(&value, IntegerValidator::Range{0, 100}));
    dialog.TransferDataToWindow();
    EXPECT_EQ(field->GetValue(), "7");
    field->ChangeValue(c.typed);
    testing::ModalAnswers answers;
    if (!c.accepted) answers.ExpectMessage(c.message, "Ошибка");
    EXPECT_EQ(dialog.Validate(), c.accepted);
    if (c.accepted) dialog.TransferDataFromWindow();
    EXPECT_EQ(value, c.accepted ? c.stored : 7);
  }
}

TEST(IntegerValidator, WithoutARangeAnyNumberPasses) {
  wxDialog dialog(nullptr, wxID_ANY, "test");
  int value = 0;
  auto* field = new wxTextCtrl(&dialog, wxID_ANY);
  field->SetValidator(IntegerValidator(&value));
  field->ChangeValue("5000");
  EXPECT_TRUE(dialog.Validate());
  dialog.TransferDataFromWindow();
  EXPECT_EQ(value, 5000);
  field->ChangeValue("");
  testing::ModalAnswers answers;
  answers.ExpectMessage("Введите целое число.", "Ошибка");
  EXPECT_FALSE(dialog.Validate());
}

}  // namespace
}  // namespace vornet
