#include "creator/parameters_sheet.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>

#include <functional>
#include <memory>

#include "creator/parameter_dialog_ids.h"
#include "creator/parameter_dialogs.h"
#include "creator/parameters_pages.h"
#include "model/test_document.h"
#include "tests/creator_parameters/controls.h"
#include "tests/support/test_files.h"

namespace vornet {
namespace {

namespace ids = parameter_ids;
using testing::Ansi;
using testing::ClickCheckBox;
using testing::FieldText;
using testing::IsEnabled;
using testing::IsTicked;
using testing::TypeInto;

constexpr size_t kNamePage = 0;
constexpr size_t kOtherPage = 1;

class ParametersSheet : public ::testing::Test {
 protected:
  void AddQuestions(int count) {
    for (int k = 0; k < count; ++k) AddQuestion(doc(), "q" + std::to_string(k), "", "");
  }
  TestDocument& doc() { return *doc_; }
  TestSettings& settings() { return doc_->testSettings; }

  // Runs the Parameters command; `author` works in the sheet and says how it ends.
  void RunSheet(std::function<int(CProp&)> author) {
    answers.Expect<CProp>(std::move(author));
    RunParametersSheet(nullptr, doc());
  }
  // Presses OK; the sheet must close.
  static int PressOk(CProp& sheet) {
    EXPECT_TRUE(sheet.AcceptOk());
    return wxID_OK;
  }
  static int SelectedPage(CProp& sheet) { return sheet.GetBookCtrl()->GetSelection(); }

  std::unique_ptr<TestDocument> doc_ = std::make_unique<TestDocument>();
  testing::ModalAnswers answers;
};

TEST_F(ParametersSheet, OpensOnTheNamePageFilledFromTheTest) {
  doc().testInfo = {Ansi("Физика"), Ansi("Раздел 1\r\nМеханика"), Ansi("ключ")};
  RunSheet([](CProp& sheet) {
    EXPECT_EQ(sheet.GetTitle().utf8_string(), "Параметры теста");
    wxBookCtrlBase* book = sheet.GetBookCtrl();
    EXPECT_EQ(book->GetPageCount(), 2u);
    EXPECT_EQ(book->GetPageText(kNamePage).utf8_string(), "Название");
    EXPECT_EQ(book->GetPageText(kOtherPage).utf8_string(), "Другие");
    EXPECT_EQ(SelectedPage(sheet), 0);
    CProp1& page = sheet.NamePage();
    EXPECT_EQ(FieldText(page, ids::kName), "Физика");
    EXPECT_EQ(FieldText(page, ids::kDescription), "Раздел 1\nМеханика");
    EXPECT_EQ(FieldText(page, ids::kPassword), "ключ");
    EXPECT_EQ(FieldText(page, ids::kConfirmation), "ключ");
    return PressOk(sheet);
  });
  // Confirmed unchanged: the description keeps its CR LF.
  EXPECT_EQ(doc().testInfo.description, Ansi("Раздел 1\r\nМеханика"));
  EXPECT_EQ(doc().testInfo.editPassword, Ansi("ключ"));
}

TEST_F(ParametersSheet, ATestWithoutQuestionsShowsNoneAskedAndAtLeastOneOffered) {
  RunSheet([](CProp& sheet) {
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    EXPECT_EQ(FieldText(sheet.OtherPage(), ids::kQuestionsToAsk), "0");
    EXPECT_EQ(FieldText(sheet.OtherPage(), ids::kAnswersToOffer), "1");
    return static_cast<int>(wxID_CANCEL);
  });
}

TEST_F(ParametersSheet, CountsComeIntoRangeEvenWhenTheSheetIsCancelled) {
  struct Case {
    int questions;
    int16_t ask, offer;
    int16_t askAfter, offerAfter;
  } cases[] = {
      {3, 0, 0, 1, 1},
      {12, 50, 4, 12, 4},
      {0, 5, 0, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.ask << " of " << c.questions);
    doc_ = std::make_unique<TestDocument>();
    AddQuestions(c.questions);
    settings().questionsToAsk = c.ask;
    settings().answersToOffer = c.offer;
    RunSheet([&](CProp& sheet) {
      EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
      EXPECT_EQ(FieldText(sheet.OtherPage(), ids::kQuestionsToAsk), std::to_string(c.askAfter));
      TypeInto(sheet.OtherPage(), ids::kQuestionsToAsk, "2");
      TypeInto(sheet.OtherPage(), ids::kAnswersToOffer, "9");
      return static_cast<int>(wxID_CANCEL);
    });
    EXPECT_EQ(settings().questionsToAsk, c.askAfter);
    EXPECT_EQ(settings().answersToOffer, c.offerAfter);
  }
}

TEST_F(ParametersSheet, CancelKeepsTheTextsAndSettings) {
  doc().testInfo = {Ansi("Имя"), "", Ansi("пароль")};
  settings().testMinutes = 15;
  RunSheet([](CProp& sheet) {
    TypeInto(sheet.NamePage(), ids::kName, "Другое");
    TypeInto(sheet.NamePage(), ids::kPassword, "");
    TypeInto(sheet.NamePage(), ids::kConfirmation, "");
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    TypeInto(sheet.OtherPage(), ids::kTestMinutes, "20");
    return static_cast<int>(wxID_CANCEL);
  });
  EXPECT_EQ(doc().testInfo.name, Ansi("Имя"));
  EXPECT_EQ(doc().testInfo.editPassword, Ansi("пароль"));
  EXPECT_EQ(settings().testMinutes, 15);
}

TEST_F(ParametersSheet, QuestionsToAskIsCutToTheQuestionsOfTheTest) {
  struct Case {
    const char* typed;
    int16_t stored;
  } cases[] = {{"50", 12}, {"0", 0}, {"12", 12}, {"7", 7}, {"99999", 12}};
  AddQuestions(12);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    RunSheet([&](CProp& sheet) {
      EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
      TypeInto(sheet.OtherPage(), ids::kQuestionsToAsk, c.typed);
      return PressOk(sheet);
    });
    EXPECT_EQ(settings().questionsToAsk, c.stored);
  }
}

TEST_F(ParametersSheet, NumbersOutOfRangeAreRefusedAndThePageStays) {
  struct Case {
    int field;
    const char* typed;
    const char* message;
  } cases[] = {
      {ids::kAnswersToOffer, "17", "Введите целое число от 1 до 16."},
      {ids::kAnswersToOffer, "0", "Введите целое число от 1 до 16."},
      {ids::kTestMinutes, "1001", "Введите целое число от 0 до 1000."},
      {ids::kQuestionMinutes, "1001", "Введите целое число от 0 до 1000."},
      {ids::kQuestionMinutes, "", "Введите целое число от 0 до 1000."},
      {ids::kQuestionsToAsk, "", "Введите целое число."},
  };
  settings().testTimeLimited = 1;
  settings().questionTimeLimited = 1;
  settings().testMinutes = 10;
  settings().questionMinutes = 2;
  settings().answersToOffer = 4;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.field << " = \"" << c.typed << "\"");
    RunSheet([&](CProp& sheet) {
      EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
      TypeInto(sheet.OtherPage(), c.field, c.typed);
      // Leaving by a click on the other tab ...
      answers.ExpectMessage(c.message, "Ошибка");
      answers.ExpectMessage(c.message, "Ошибка");
      wxBookCtrlEvent click(wxEVT_BOOKCTRL_PAGE_CHANGING, sheet.GetBookCtrl()->GetId(), kNamePage,
                            kOtherPage);
      click.SetEventObject(sheet.GetBookCtrl());
      sheet.GetBookCtrl()->GetEventHandler()->ProcessEvent(click);
      EXPECT_FALSE(click.IsAllowed());
      EXPECT_FALSE(sheet.TurnToPage(kNamePage));
      EXPECT_EQ(SelectedPage(sheet), 1);
      // ... and by OK are both refused.
      answers.ExpectMessage(c.message, "Ошибка");
      EXPECT_FALSE(sheet.AcceptOk());
      EXPECT_TRUE(answers.AllAnswered());
      return static_cast<int>(wxID_CANCEL);
    });
  }
  EXPECT_EQ(settings().testMinutes, 10);
  EXPECT_EQ(settings().questionMinutes, 2);
  EXPECT_EQ(settings().answersToOffer, 4);
}

TEST_F(ParametersSheet, TheLimitsThemselvesAreAccepted) {
  AddQuestions(3);
  settings().testTimeLimited = 1;
  settings().questionTimeLimited = 1;
  RunSheet([](CProp& sheet) {
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    TypeInto(sheet.OtherPage(), ids::kAnswersToOffer, "16");
    TypeInto(sheet.OtherPage(), ids::kTestMinutes, "1000");
    TypeInto(sheet.OtherPage(), ids::kQuestionMinutes, "0");
    EXPECT_TRUE(sheet.TurnToPage(kNamePage));
    return PressOk(sheet);
  });
  EXPECT_EQ(settings().answersToOffer, 16);
  EXPECT_EQ(settings().testMinutes, 1000);
  EXPECT_EQ(settings().questionMinutes, 0);
  RunSheet([](CProp& sheet) {
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    TypeInto(sheet.OtherPage(), ids::kAnswersToOffer, "1");
    TypeInto(sheet.OtherPage(), ids::kTestMinutes, "0");
    TypeInto(sheet.OtherPage(), ids::kQuestionMinutes, "1000");
    return PressOk(sheet);
  });
  EXPECT_EQ(settings().answersToOffer, 1);
  EXPECT_EQ(settings().testMinutes, 0);
  EXPECT_EQ(settings().questionMinutes, 1000);
}

TEST_F(ParametersSheet, UntickingATimeLimitKeepsItsMinutesAndDisablesTheField) {
  settings().testTimeLimited = 1;
  settings().testMinutes = 30;
  settings().questionTimeLimited = 0;
  settings().questionMinutes = 45;
  RunSheet([](CProp& sheet) {
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    CProp2& page = sheet.OtherPage();
    EXPECT_TRUE(IsTicked(page, ids::kTestTimeLimited));
    EXPECT_TRUE(IsEnabled(page, ids::kTestMinutes));
    EXPECT_FALSE(IsTicked(page, ids::kQuestionTimeLimited));
    EXPECT_FALSE(IsEnabled(page, ids::kQuestionMinutes));
    EXPECT_EQ(FieldText(page, ids::kQuestionMinutes), "45");

    ClickCheckBox(page, ids::kTestTimeLimited);
    EXPECT_FALSE(IsEnabled(page, ids::kTestMinutes));
    EXPECT_EQ(FieldText(page, ids::kTestMinutes), "30");
    ClickCheckBox(page, ids::kQuestionTimeLimited);
    EXPECT_TRUE(IsEnabled(page, ids::kQuestionMinutes));

    // Coming back to the page, the fields stand as the boxes say.
    EXPECT_TRUE(sheet.TurnToPage(kNamePage));
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    EXPECT_FALSE(IsEnabled(page, ids::kTestMinutes));
    EXPECT_TRUE(IsEnabled(page, ids::kQuestionMinutes));
    return PressOk(sheet);
  });
  EXPECT_EQ(settings().testTimeLimited, 0);
  EXPECT_EQ(settings().testMinutes, 30);
  EXPECT_EQ(settings().questionTimeLimited, 1);
  EXPECT_EQ(settings().questionMinutes, 45);
}

TEST_F(ParametersSheet, AClickOnATimeLimitChecksTheNumbersFirst) {
  settings().answersToOffer = 4;
  RunSheet([this](CProp& sheet) {
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    CProp2& page = sheet.OtherPage();
    TypeInto(page, ids::kAnswersToOffer, "17");
    answers.ExpectMessage("Введите целое число от 1 до 16.", "Ошибка");
    ClickCheckBox(page, ids::kTestTimeLimited);
    EXPECT_TRUE(answers.AllAnswered());
    // The box still counts.
    EXPECT_TRUE(IsEnabled(page, ids::kTestMinutes));
    TypeInto(page, ids::kAnswersToOffer, "5");
    ClickCheckBox(page, ids::kQuestionTimeLimited);
    EXPECT_TRUE(IsEnabled(page, ids::kQuestionMinutes));
    return PressOk(sheet);
  });
  EXPECT_EQ(settings().testTimeLimited, 1);
  EXPECT_EQ(settings().questionTimeLimited, 1);
  EXPECT_EQ(settings().answersToOffer, 5);
}

TEST_F(ParametersSheet, ADisabledMinutesFieldIsStillChecked) {
  // A test file may bring minutes out of range while their time limit is off.
  settings().testTimeLimited = 0;
  settings().testMinutes = 1500;
  RunSheet([this](CProp& sheet) {
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    EXPECT_FALSE(IsEnabled(sheet.OtherPage(), ids::kTestMinutes));
    answers.ExpectMessage("Введите целое число от 0 до 1000.", "Ошибка");
    EXPECT_FALSE(sheet.AcceptOk());
    answers.ExpectMessage("Введите целое число от 0 до 1000.", "Ошибка");
    ClickCheckBox(sheet.OtherPage(), ids::kTestTimeLimited);
    EXPECT_TRUE(IsEnabled(sheet.OtherPage(), ids::kTestMinutes));
    TypeInto(sheet.OtherPage(), ids::kTestMinutes, "60");
    return PressOk(sheet);
  });
  EXPECT_EQ(settings().testTimeLimited, 1);
  EXPECT_EQ(settings().testMinutes, 60);
}

TEST_F(ParametersSheet, MismatchedPasswordsAreEmptiedAndConfirmingThenRemovesThePassword) {
  doc().testInfo.editPassword = Ansi("старый");
  RunSheet([this](CProp& sheet) {
    CProp1& page = sheet.NamePage();
    TypeInto(page, ids::kPassword, "новый");
    TypeInto(page, ids::kConfirmation, "новый!");
    // Neither the other tab ...
    testing::ExpectStopMessage(answers, "Пароли не совпадают.");
    EXPECT_FALSE(sheet.TurnToPage(kOtherPage));
    EXPECT_EQ(SelectedPage(sheet), 0);
    EXPECT_EQ(FieldText(page, ids::kPassword), "");
    EXPECT_EQ(FieldText(page, ids::kConfirmation), "");
    // ... nor OK lets a mismatch pass.
    TypeInto(page, ids::kPassword, "новый");
    testing::ExpectStopMessage(answers, "Пароли не совпадают.");
    EXPECT_FALSE(sheet.AcceptOk());
    EXPECT_EQ(FieldText(page, ids::kPassword), "");
    EXPECT_TRUE(answers.AllAnswered());
    return PressOk(sheet);
  });
  EXPECT_EQ(doc().testInfo.editPassword, "");
}

TEST_F(ParametersSheet, OkStoresBothPages) {
  AddQuestions(5);
  RunSheet([](CProp& sheet) {
    TypeInto(sheet.NamePage(), ids::kName, "Химия");
    TypeInto(sheet.NamePage(), ids::kDescription, "Строка 1\nСтрока 2");
    TypeInto(sheet.NamePage(), ids::kPassword, "Тайна");
    TypeInto(sheet.NamePage(), ids::kConfirmation, "Тайна");
    EXPECT_TRUE(sheet.TurnToPage(kOtherPage));
    CProp2& page = sheet.OtherPage();
    ClickCheckBox(page, ids::kTestTimeLimited);
    TypeInto(page, ids::kTestMinutes, "90");
    ClickCheckBox(page, ids::kShuffleQuestions);
    ClickCheckBox(page, ids::kShuffleAnswers);
    TypeInto(page, ids::kQuestionsToAsk, "4");
    TypeInto(page, ids::kAnswersToOffer, "3");
    return PressOk(sheet);
  });
  EXPECT_EQ(doc().testInfo.name, Ansi("Химия"));
  EXPECT_EQ(doc().testInfo.description, Ansi("Строка 1\r\nСтрока 2"));
  EXPECT_EQ(doc().testInfo.editPassword, Ansi("Тайна"));
  const TestSettings& s = settings();
  EXPECT_EQ(s.testTimeLimited, 1);
  EXPECT_EQ(s.testMinutes, 90);
  EXPECT_EQ(s.questionTimeLimited, 0);
  EXPECT_EQ(s.questionMinutes, 0);
  EXPECT_EQ(s.shuffleQuestions, 1);
  EXPECT_EQ(s.shuffleAnswers, 1);
  EXPECT_EQ(s.questionsToAsk, 4);
  EXPECT_EQ(s.answersToOffer, 3);
}

}  // namespace
}  // namespace vornet
