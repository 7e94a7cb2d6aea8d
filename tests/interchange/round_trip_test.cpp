#include <gtest/gtest.h>

#include "interchange/export_text.h"
#include "interchange/import_text.h"
#include "interchange/interchange_result.h"
#include "platform/codepage.h"
#include "tests/interchange/interchange_fixture.h"

namespace vornet::testing {
namespace {

// A test with Cyrillic texts exported with the default templates and imported into an empty
// test comes back question for question, variant for variant, right answer for right answer.
TEST_F(InterchangeTest, DefaultTemplatesRoundTrip) {
  doc_->testInfo.name = Ansi("Тест по арифметике и географии");
  doc_->testInfo.description = Ansi("Проверка знаний\r\nдля 5 класса");
  AddQuestionWithVariants(*doc_, "Сколько будет 2*2?", {{"три", 0}, {"четыре", 100}});
  const int big = AddQuestionWithVariants(*doc_, "Какие реки текут в Европе?");
  const char* rivers[] = {"Дунай", "Нил",    "Амазонка", "Миссисипи", "Янцзы", "Конго",
                          "Нигер", "Инд",    "Ганг",     "Меконг",    "Обь",   "Лена",
                          "Амур",  "Енисей", "Рейн",     "Волга"};
  for (int j = 0; j < kMaxAnswers; ++j) {
    const bool right = j == 0 || j == 14 || j == 15;
    AddAnswer(*doc_, big, Ansi(rivers[j]), "", "", right ? 100 : 0);
  }
  AddQuestionWithVariants(*doc_, "Вопрос без верного ответа", {{"да", 0}, {"нет", 0}});

  const std::string exported = ExportBytes();
  EXPECT_NE(exported.find(Ansi("Ответ 16: Волга\r\n+1 15 16 \r\n\r\n")), std::string::npos);

  auto imported = NewDocument();
  imported->interchangeSettings.interchangePath = path_;
  ASSERT_EQ(ImportText(*imported), kInterchangeDone);
  EXPECT_EQ(DescribeQuestions(*imported), DescribeQuestions(*doc_));
  EXPECT_EQ(imported->QuestionAt(1).answerCount, kMaxAnswers);
  EXPECT_EQ(imported->QuestionAt(1).answers[15].accuracy, 100);
}

TEST_F(InterchangeTest, OemRoundTrip) {
  doc_->testInfo.name = Ansi("Тест");
  AddQuestionWithVariants(*doc_, "Столица России?", {{"Москва", 100}, {"Киев", 0}});
  doc_->interchangeSettings.exportDescriptionTemplate = "%O%T%N";
  const std::string exported = ExportBytes();
  EXPECT_EQ(exported.find(Ansi("Вопрос")), std::string::npos);

  auto imported = NewDocument();
  imported->interchangeSettings.interchangePath = path_;
  imported->interchangeSettings.importQuestionTemplate =
      Ansi("%B=\"Вопрос\" %F=\":\" %S=\"2\" %TD");
  ASSERT_EQ(ImportText(*imported), kInterchangeDone);
  EXPECT_EQ(DescribeQuestions(*imported), DescribeQuestions(*doc_));
}

// A line break held inside a text goes out as a real line break; read back with an end marker
// it becomes "%N" again.
TEST_F(InterchangeTest, LineBreakInsideATextRoundTrip) {
  AddQuestionWithVariants(*doc_, "первая%Nвторая");
  doc_->interchangeSettings.exportDescriptionTemplate = "";
  doc_->interchangeSettings.exportQuestionTemplate = Ansi("В:%T#%N");
  doc_->interchangeSettings.exportRightAnswersTemplate = "";
  EXPECT_EQ(ExportBytes(), Ansi("В:первая\r\nвторая#\r\n"));

  auto imported = NewDocument();
  imported->interchangeSettings.interchangePath = path_;
  imported->interchangeSettings.importQuestionTemplate = Ansi("%B=\"В:\" %TW%E=\"#\"");
  ASSERT_EQ(ImportText(*imported), kInterchangeDone);
  EXPECT_EQ(DescribeQuestions(*imported), "0: первая%Nвторая\n");
}

}  // namespace
}  // namespace vornet::testing
