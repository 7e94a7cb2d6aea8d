#include "creator/test_parameters.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/test_document.h"
#include "tests/support/test_files.h"

namespace vornet {
namespace {

using testing::Ansi;

std::unique_ptr<TestDocument> DocumentWithQuestions(int count) {
  auto doc = std::make_unique<TestDocument>();
  for (int k = 0; k < count; ++k) AddQuestion(*doc, "q" + std::to_string(k), "", "");
  return doc;
}

TEST(BringSettingsIntoRange, RaisesBothCountsToOneThenCutsQuestionsToTheTest) {
  struct Case {
    int questionCount;
    int16_t ask, offer;
    int16_t askAfter, offerAfter;
  } cases[] = {
      {0, 0, 0, 0, 1},  // an empty test asks no question but offers at least one answer
      {12, 0, 0, 1, 1},   {12, 50, 3, 12, 3},   {3, -5, -2, 1, 1},
      {12, 7, 16, 7, 16}, {12, 12, 20, 12, 20},  // no upper limit on the answers offered here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.questionCount << " questions, " << c.ask << "/" << c.offer);
    auto doc = DocumentWithQuestions(c.questionCount);
    doc->testSettings.questionsToAsk = c.ask;
    doc->testSettings.answersToOffer = c.offer;
    BringSettingsIntoRange(*doc);
    EXPECT_EQ(doc->testSettings.questionsToAsk, c.askAfter);
    EXPECT_EQ(doc->testSettings.answersToOffer, c.offerAfter);
  }
}

TEST(SheetFields, ComeFromTheDocumentWithThePasswordInBothFields) {
  TestDocument doc;
  doc.testInfo = {Ansi("Физика"), Ansi("Раздел 1\r\nМеханика"), Ansi("ключ")};
  doc.testSettings = {1, 0, 30, 2, 1, 0, 5, 4};
  const ParameterSheetFields fields = ReadSheetFields(doc);
  EXPECT_EQ(fields.info.name, Ansi("Физика"));
  EXPECT_EQ(fields.info.description, Ansi("Раздел 1\r\nМеханика"));
  EXPECT_EQ(fields.info.password, Ansi("ключ"));
  EXPECT_EQ(fields.info.confirmation, Ansi("ключ"));
  const OtherSettingsFields& other = fields.other;
  EXPECT_EQ(other.testTimeLimited, 1);
  EXPECT_EQ(other.questionTimeLimited, 0);
  EXPECT_EQ(other.testMinutes, 30);
  EXPECT_EQ(other.questionMinutes, 2);
  EXPECT_EQ(other.shuffleQuestions, 1);
  EXPECT_EQ(other.shuffleAnswers, 0);
  EXPECT_EQ(other.questionsToAsk, 5);
  EXPECT_EQ(other.answersToOffer, 4);
}

TEST(SheetFields, StoreIntoTheDocumentWithQuestionsCutToTheTest) {
  struct Case {
    int questionCount;
    int typed;
    int16_t stored;
  } cases[] = {
      {12, 50, 12},        {12, 0, 0},  // no raise here: 0 stays until the sheet opens again
      {12, 12, 12},        {12, 7, 7},
      {12, 99999, 12},  // cut before narrowing, never wrapped round to a negative count
      {1024, 40000, 1024}, {0, 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.typed << " of " << c.questionCount);
    auto doc = DocumentWithQuestions(c.questionCount);
    ParameterSheetFields fields = ReadSheetFields(*doc);
    fields.other.questionsToAsk = c.typed;
    StoreSheetFields(fields, *doc);
    EXPECT_EQ(doc->testSettings.questionsToAsk, c.stored);
  }
}

TEST(SheetFields, StoreTextsAndEveryOtherSetting) {
  TestDocument doc;
  ParameterSheetFields fields;
  fields.info = {Ansi("Описание"), Ansi("Химия"), Ansi("пароль"), Ansi("пароль")};
  fields.other.testTimeLimited = 1;
  fields.other.questionTimeLimited = 1;
  fields.other.testMinutes = 1000;
  fields.other.questionMinutes = 0;
  fields.other.shuffleQuestions = 0;
  fields.other.shuffleAnswers = 1;
  fields.other.answersToOffer = 16;
  StoreSheetFields(fields, doc);
  EXPECT_EQ(doc.testInfo.name, Ansi("Химия"));
  EXPECT_EQ(doc.testInfo.description, Ansi("Описание"));
  EXPECT_EQ(doc.testInfo.editPassword, Ansi("пароль"));
  const TestSettings& s = doc.testSettings;
  EXPECT_EQ(s.testTimeLimited, 1);
  EXPECT_EQ(s.questionTimeLimited, 1);
  EXPECT_EQ(s.testMinutes, 1000);
  EXPECT_EQ(s.questionMinutes, 0);
  EXPECT_EQ(s.shuffleQuestions, 0);
  EXPECT_EQ(s.shuffleAnswers, 1);
  EXPECT_EQ(s.answersToOffer, 16);
  EXPECT_EQ(s.questionsToAsk, 0);
}

TEST(SheetFields, TextsLongerThanATestFileHoldsAreCut) {
  TestDocument doc;
  ParameterSheetFields fields;
  fields.info.name = std::string(kMaxTextLength + 10, 'n');
  fields.info.description = std::string(kMaxTextLength + 1, 'd');
  StoreSheetFields(fields, doc);
  EXPECT_EQ(doc.testInfo.name.size(), kMaxTextLength);
  EXPECT_EQ(doc.testInfo.description.size(), kMaxTextLength);
}

TEST(LineBreaks, ShowAsNewLinesAndAreStoredAsCarriageReturnLineFeed) {
  struct Case {
    const char* stored;
    const char* shown;
  } cases[] = {
      {"", ""},
      {"one line", "one line"},
      {"a\r\nb", "a\nb"},
      {"\r\n\r\nx\r\n", "\n\nx\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(LineBreaksForWindow(c.stored), c.shown);
    EXPECT_EQ(LineBreaksFromWindow(c.shown), c.stored);
  }
  // A CR LF that is already there is not doubled.
  EXPECT_EQ(LineBreaksFromWindow("a\r\nb\nc"), "a\r\nb\r\nc");
}

}  // namespace
}  // namespace vornet
