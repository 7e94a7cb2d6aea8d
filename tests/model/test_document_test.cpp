#include "model/test_document.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/new_document.h"

namespace vornet {
namespace {

using testing::NewDocument;

std::vector<int> Order(const TestDocument& doc) {
  std::vector<int> order;
  for (int p = 0; p < kMaxQuestions && doc.questionOrder[p] != -1; ++p) {
    order.push_back(doc.questionOrder[p]);
  }
  return order;
}

std::string AnswerTexts(const TestDocument& doc, int position) {
  const Question& question = doc.QuestionAt(position);
  std::string texts;
  for (int j = 0; j < question.answerCount; ++j) texts += question.answers[j].text;
  return texts;
}

TEST(TestDocument, ResetEmptiesEverything) {
  auto doc = NewDocument();
  AddQuestion(*doc, "Q", "p.bmp", "s.wav");
  AddAnswer(*doc, 0, "A", "", "", 100);
  doc->testInfo = {"name", "description", "secret"};
  doc->testSettings.answersToOffer = 4;
  doc->testFilePath = "/x.qb";
  doc->interchangeSettings.exportAnswerTemplate = "changed";
  doc->interchangeSettings.interchangePath = "/x.txt";
  doc->compileState = -1;
  doc->currentQuestion = 0;
  ResetTest(*doc);
  EXPECT_EQ(doc->questionCount, 0);
  EXPECT_TRUE(Order(*doc).empty());
  for (int p = 0; p < kMaxQuestions; ++p) ASSERT_EQ(doc->questionOrder[p], -1);
  EXPECT_EQ(doc->testInfo.name, "");
  EXPECT_EQ(doc->testInfo.editPassword, "");
  EXPECT_EQ(doc->testSettings.answersToOffer, 0);
  EXPECT_EQ(doc->testFilePath, "");
  EXPECT_EQ(doc->compileState, 0);
  const InterchangeSettings defaults = DefaultInterchangeSettings();
  EXPECT_EQ(doc->interchangeSettings.exportAnswerTemplate, defaults.exportAnswerTemplate);
  EXPECT_EQ(doc->interchangeSettings.interchangePath, "");
  const Question& slot0 = doc->questions[0];
  EXPECT_FALSE(slot0.inUse);
  EXPECT_EQ(slot0.text, "");
  EXPECT_EQ(slot0.picturePath, "");
  EXPECT_EQ(slot0.answerCount, 0);
  EXPECT_EQ(slot0.answers[0].text, "");
  EXPECT_EQ(slot0.answers[0].accuracy, 0);
}

TEST(TestDocument, DeletedSlotIsReusedButListedLast) {
  auto doc = NewDocument();
  for (const char* text : {"A", "B", "C"}) AddQuestion(*doc, text, "", "");
  DeleteQuestion(*doc, 1);
  EXPECT_EQ(Order(*doc), (std::vector<int>{0, 2}));
  EXPECT_EQ(doc->questionOrder[2], -1);
  EXPECT_EQ(AddQuestion(*doc, "D", "", ""), 2);
  EXPECT_EQ(Order(*doc), (std::vector<int>{0, 2, 1}));
  EXPECT_EQ(doc->currentQuestion, 2);
  EXPECT_EQ(doc->QuestionAt(2).text, "D");
}

TEST(TestDocument, DeletingFirstLastAndOnlyQuestion) {
  auto doc = NewDocument();
  for (const char* text : {"A", "B", "C"}) AddQuestion(*doc, text, "", "");
  AddAnswer(*doc, 0, "x", "", "", 100);
  DeleteQuestion(*doc, 0);
  EXPECT_EQ(Order(*doc), (std::vector<int>{1, 2}));
  EXPECT_EQ(doc->questions[0].answers[0].accuracy, 0);  // the freed slot is clean
  DeleteQuestion(*doc, 1);
  EXPECT_EQ(Order(*doc), (std::vector<int>{1}));
  DeleteQuestion(*doc, 0);
  EXPECT_EQ(doc->questionCount, 0);
  EXPECT_TRUE(Order(*doc).empty());
  EXPECT_EQ(CountFreeSlots(*doc), kMaxQuestions);
}

TEST(TestDocument, EmptyTextQuestionKeepsItsSlot) {
  auto doc = NewDocument();
  AddQuestion(*doc, "", "", "");
  AddQuestion(*doc, "B", "", "");
  EXPECT_EQ(Order(*doc), (std::vector<int>{0, 1}));
}

TEST(TestDocument, AddingStopsAtTheCapacities) {
  auto doc = NewDocument();
  for (int k = 0; k < kMaxQuestions; ++k) ASSERT_EQ(AddQuestion(*doc, "q", "", ""), k);
  EXPECT_EQ(AddQuestion(*doc, "one too many", "", ""), -1);
  EXPECT_EQ(doc->questionCount, kMaxQuestions);
  for (int j = 0; j < kMaxAnswers; ++j) ASSERT_EQ(AddAnswer(*doc, 0, "a", "", "", 0), j);
  EXPECT_EQ(AddAnswer(*doc, 0, "one too many", "", "", 0), -1);
}

TEST(TestDocument, DeletingAnAnswerKeepsTheOthersInOrder) {
  struct Case {
    int deleted;
    const char* expected;
    std::vector<int> accuracies;
  } cases[] = {
      {2, "ABDE", {10, 20, 40, 50}},
      {3, "ABCE", {10, 20, 30, 50}},
      {0, "BCDE", {20, 30, 40, 50}},
      {4, "ABCD", {10, 20, 30, 40}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.deleted);
    auto doc = NewDocument();
    AddQuestion(*doc, "Q", "", "");
    const char* names[] = {"A", "B", "C", "D", "E"};
    for (int j = 0; j < 5; ++j) {
      AddAnswer(*doc, 0, names[j], std::string(names[j]) + ".bmp", "", static_cast<uint8_t>(10 * (j + 1)));
    }
    DeleteAnswer(*doc, 0, c.deleted);
    EXPECT_EQ(AnswerTexts(*doc, 0), c.expected);
    const Question& q = doc->QuestionAt(0);
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(q.answers[j].accuracy, c.accuracies[j]);
      EXPECT_EQ(q.answers[j].picturePath, q.answers[j].text + ".bmp");
    }
    // The vacated place holds nothing of the deleted variant.
    EXPECT_EQ(q.answers[4].text, "");
    EXPECT_EQ(q.answers[4].picturePath, "");
    EXPECT_EQ(q.answers[4].accuracy, 0);
  }
}

TEST(TestDocument, RebuildListsUsedSlotsInSlotOrder) {
  auto doc = NewDocument();
  for (const char* text : {"A", "B", "C"}) AddQuestion(*doc, text, "", "");
  DeleteQuestion(*doc, 0);
  AddQuestion(*doc, "D", "", "");  // into slot 0, listed last
  EXPECT_EQ(Order(*doc), (std::vector<int>{1, 2, 0}));
  RebuildOrderInSlotOrder(*doc);
  EXPECT_EQ(Order(*doc), (std::vector<int>{0, 1, 2}));
}

TEST(TestDocument, TextsAreCappedWhereTheyEnter) {
  auto doc = NewDocument();
  AddQuestion(*doc, std::string(40000, 'x'), "", "");
  AddAnswer(*doc, 0, std::string(kMaxTextLength + 1, 'y'), "", "", 0);
  EXPECT_EQ(doc->QuestionAt(0).text.size(), kMaxTextLength);
  EXPECT_EQ(doc->QuestionAt(0).answers[0].text.size(), kMaxTextLength);
}

}  // namespace
}  // namespace vornet
