// Adding, changing and deleting questions and answer variants: the lists and the model stay in
// step, and the selection lands where the author expects it.

#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "creator/answer_dialog.h"
#include "creator/command_ids.h"
#include "creator/question_dialog.h"
#include "tests/creator/main_window_fixture.h"

namespace vornet::testing {
namespace {

using namespace creator_ids;
using Texts = std::vector<std::string>;

std::vector<int> Order(const TestDocument& doc) {
  std::vector<int> order;
  for (int p = 0; p < doc.questionCount; ++p) order.push_back(doc.questionOrder[p]);
  return order;
}

std::vector<int> Accuracies(const TestDocument& doc) {
  std::vector<int> accuracies;
  const Question& question = doc.QuestionAt(doc.currentQuestion);
  for (int j = 0; j < question.answerCount; ++j) accuracies.push_back(question.answers[j].accuracy);
  return accuracies;
}

using EditingTest = MainWindowTest;

TEST_F(EditingTest, ANewQuestionTakesTheLowestFreeSlotAndIsListedLast) {
  AddQuestionThroughDialog("Первый", "/pictures/1.bmp", "/sounds/1.wav");
  AddQuestionThroughDialog("Второй");
  AddQuestionThroughDialog("Третий");
  EXPECT_EQ(Order(Doc()), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(Doc().QuestionAt(0).text, Ansi("Первый"));
  EXPECT_EQ(Doc().QuestionAt(0).picturePath, "/pictures/1.bmp");
  EXPECT_EQ(Doc().QuestionAt(0).soundPath, "/sounds/1.wav");
  EXPECT_EQ(QuestionSelection(), 2);
  ExpectListsMirrorModel();

  SelectQuestion(0);
  Click(kDeleteQuestion);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Второй", "Третий"}));
  EXPECT_EQ(Order(Doc()), (std::vector<int>{1, 2}));

  AddQuestionThroughDialog("Четвёртый");
  EXPECT_EQ(QuestionListTexts(), (Texts{"Второй", "Третий", "Четвёртый"}));
  EXPECT_EQ(Order(Doc()), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(QuestionSelection(), 2);
  EXPECT_EQ(Doc().currentQuestion, 2);
  ExpectListsMirrorModel();
}

TEST_F(EditingTest, AQuestionWithAnEmptyTextKeepsItsSlot) {
  AddQuestionThroughDialog("");
  AddQuestionThroughDialog("Второй");
  EXPECT_EQ(Order(Doc()), (std::vector<int>{0, 1}));
  EXPECT_EQ(QuestionListTexts(), (Texts{"", "Второй"}));
  ExpectListsMirrorModel();
}

TEST_F(EditingTest, DeletingAtPositionZeroSelectsTheNewFirstQuestionWithItsVariants) {
  AddQuestionThroughDialog("Q1");
  AddAnswerThroughDialog("a1", 100);
  AddQuestionThroughDialog("Q2");
  AddAnswerThroughDialog("b1", 100);
  AddAnswerThroughDialog("b2", 0);
  AddQuestionThroughDialog("Q3");
  SelectQuestion(0);
  EXPECT_EQ(AnswerListTexts(), (Texts{"a1"}));
  Click(kDeleteQuestion);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Q2", "Q3"}));
  EXPECT_EQ(QuestionSelection(), 0);
  EXPECT_EQ(AnswerListTexts(), (Texts{"b1", "b2"}));
  EXPECT_EQ(AnswerSelection(), 0);
  EXPECT_EQ(Doc().currentAnswer, 0);
  ExpectListsMirrorModel();

  // Deleting a later question also moves the selection to the first one.
  SelectQuestion(1);
  Click(kDeleteQuestion);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Q2"}));
  EXPECT_EQ(AnswerListTexts(), (Texts{"b1", "b2"}));
  ExpectListsMirrorModel();

  Click(kDeleteQuestion);
  EXPECT_TRUE(QuestionListTexts().empty());
  EXPECT_TRUE(AnswerListTexts().empty());
  EXPECT_EQ(Doc().questionCount, 0);
  EXPECT_EQ(Doc().questionOrder[0], -1);
}

TEST_F(EditingTest, DeletingAVariantKeepsTheOthersInOrderWithTheirAccuracies) {
  AddQuestionThroughDialog("Q");
  const std::pair<const char*, int> variants[] = {
      {"A", 10}, {"B", 20}, {"C", 30}, {"D", 40}, {"E", 100}};
  for (const auto& [text, accuracy] : variants) AddAnswerThroughDialog(text, accuracy);
  EXPECT_EQ(AnswerSelection(), 4);

  SelectAnswer(1);
  Click(kDeleteAnswer);
  EXPECT_EQ(AnswerListTexts(), (Texts{"A", "C", "D", "E"}));
  EXPECT_EQ(Accuracies(Doc()), (std::vector<int>{10, 30, 40, 100}));
  EXPECT_EQ(AnswerSelection(), 1) << "the variant that moved into the place is selected";
  ExpectListsMirrorModel();

  // Deleting the last in the list selects the one before it.
  SelectAnswer(3);
  Click(kDeleteAnswer);
  EXPECT_EQ(AnswerListTexts(), (Texts{"A", "C", "D"}));
  EXPECT_EQ(AnswerSelection(), 2);
  EXPECT_EQ(Doc().currentAnswer, 2);
  ExpectListsMirrorModel();

  // The place that fell free is cleared, so the next variant starts from nothing.
  EXPECT_TRUE(Doc().QuestionAt(0).answers[3].text.empty());

  SelectAnswer(0);
  Click(kDeleteAnswer);
  Click(kDeleteAnswer);
  Click(kDeleteAnswer);
  EXPECT_TRUE(AnswerListTexts().empty());
  EXPECT_EQ(AnswerSelection(), wxNOT_FOUND);
  EXPECT_EQ(Doc().currentAnswer, -1);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Q"})) << "the question stays listed";
  ExpectListsMirrorModel();
}

TEST_F(EditingTest, EditingReplacesTheEntryInPlaceAndKeepsTheSelection) {
  AddQuestionThroughDialog("Q1");
  AddAnswerThroughDialog("a1", 0);
  AddAnswerThroughDialog("a2", 50);
  AddQuestionThroughDialog("Q2");
  SelectQuestion(0);

  answers_.Expect<CQuestionDlg>([](CQuestionDlg& dialog) {
    EXPECT_EQ(XRCCTRL(dialog, "1023", wxTextCtrl)->GetValue(), "Q1") << "opens with the question";
    return FillQuestionDialog("Вопрос 1", "/p.bmp", "/s.wav")(dialog);
  });
  Click(kEditQuestion);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Вопрос 1", "Q2"}));
  EXPECT_EQ(QuestionSelection(), 0);
  EXPECT_EQ(Doc().QuestionAt(0).picturePath, "/p.bmp");
  EXPECT_EQ(Doc().QuestionAt(0).answerCount, 2) << "the variants are untouched";

  // A double click on a variant edits it, as the button does.
  answers_.Expect<CAnswerDlg>([](CAnswerDlg& dialog) {
    EXPECT_EQ(XRCCTRL(dialog, "1042", wxTextCtrl)->GetValue(), "a2");
    EXPECT_EQ(XRCCTRL(dialog, "1025", wxTextCtrl)->GetValue(), "50");
    return FillAnswerDialog("вариант 2", 100, "/a.bmp", "")(dialog);
  });
  DoubleClickAnswer(1);
  EXPECT_EQ(AnswerListTexts(), (Texts{"a1", "вариант 2"}));
  EXPECT_EQ(AnswerSelection(), 1);
  EXPECT_EQ(Doc().QuestionAt(0).answers[1].accuracy, 100);
  EXPECT_EQ(Doc().QuestionAt(0).answers[1].picturePath, "/a.bmp");

  answers_.Expect(FillAnswerDialog("a1 changed", 7));
  SelectAnswer(0);
  Click(kEditAnswer);
  EXPECT_EQ(AnswerListTexts(), (Texts{"a1 changed", "вариант 2"}));
  EXPECT_EQ(AnswerSelection(), 0);
  ExpectListsMirrorModel();
}

TEST_F(EditingTest, CancellingADialogChangesNothing) {
  AddQuestionThroughDialog("Q1");
  AddAnswerThroughDialog("a1", 100);
  const auto cancel = [](wxDialog&) { return static_cast<int>(wxID_CANCEL); };
  for (int button : {kAddQuestion, kEditQuestion, kAddAnswer, kEditAnswer}) {
    answers_.Expect(cancel);
    Click(button);
  }
  EXPECT_EQ(QuestionListTexts(), (Texts{"Q1"}));
  EXPECT_EQ(AnswerListTexts(), (Texts{"a1"}));
  EXPECT_EQ(Doc().questionCount, 1);
  EXPECT_EQ(Doc().QuestionAt(0).answerCount, 1);
  EXPECT_EQ(Doc().QuestionAt(0).answers[0].accuracy, 100);
  ExpectListsMirrorModel();
}

TEST_F(EditingTest, SelectingAQuestionShowsItsVariantsWithTheFirstSelected) {
  AddQuestionThroughDialog("Q1");
  AddAnswerThroughDialog("a1", 100);
  AddAnswerThroughDialog("a2", 0);
  AddQuestionThroughDialog("Q2");
  AddAnswerThroughDialog("b1", 100);
  SelectQuestion(0);
  EXPECT_EQ(AnswerListTexts(), (Texts{"a1", "a2"}));
  EXPECT_EQ(AnswerSelection(), 0);
  SelectAnswer(1);
  EXPECT_EQ(Doc().currentAnswer, 1);
  // Choosing the question that is already current changes nothing.
  SelectQuestion(0);
  EXPECT_EQ(AnswerSelection(), 1);
  SelectQuestion(1);
  EXPECT_EQ(AnswerListTexts(), (Texts{"b1"}));
  ExpectListsMirrorModel();
}

TEST_F(EditingTest, TextsNeverGrowBeyondWhatATestFileHolds) {
  const std::string longest(kMaxTextLength, 'x');
  AddQuestionThroughDialog(longest);
  EXPECT_EQ(Doc().QuestionAt(0).text, longest);
  AddAnswerThroughDialog(longest, 100);
  EXPECT_EQ(Doc().QuestionAt(0).answers[0].text, longest);
  // The field refuses what would go beyond the limit.
  AddQuestionThroughDialog(longest + "yz");
  EXPECT_LE(Doc().QuestionAt(1).text.size(), kMaxTextLength);
  AddAnswerThroughDialog(longest + "yz", 100);
  EXPECT_LE(Doc().QuestionAt(1).answers[0].text.size(), kMaxTextLength);
}

}  // namespace
}  // namespace vornet::testing
