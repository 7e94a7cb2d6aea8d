// The control-state rule of the main window, checked on the real controls after the commands
// that lead to each situation.

#include "creator/control_state.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>

#include <functional>

#include "creator/command_ids.h"
#include "tests/creator/main_window_fixture.h"
#include "tests/support/qb_builder.h"

namespace vornet::testing {
namespace {

using namespace creator_ids;

ControlState ShownState(CMainDlg& window) {
  ControlState state;
  state.questionList = window.QuestionList()->IsEnabled();
  state.addQuestion = window.Button(kAddQuestion)->IsEnabled();
  state.editQuestion = window.Button(kEditQuestion)->IsEnabled();
  state.deleteQuestion = window.Button(kDeleteQuestion)->IsEnabled();
  state.answerList = window.AnswerList()->IsEnabled();
  state.addAnswer = window.Button(kAddAnswer)->IsEnabled();
  state.editAnswer = window.Button(kEditAnswer)->IsEnabled();
  state.deleteAnswer = window.Button(kDeleteAnswer)->IsEnabled();
  return state;
}

std::string Describe(const ControlState& s) {
  std::string text;
  auto add = [&](const char* name, bool on) { text += std::string(name) + (on ? "+ " : "- "); };
  add("questionList", s.questionList);
  add("addQuestion", s.addQuestion);
  add("editQuestion", s.editQuestion);
  add("deleteQuestion", s.deleteQuestion);
  add("answerList", s.answerList);
  add("addAnswer", s.addAnswer);
  add("editAnswer", s.editAnswer);
  add("deleteAnswer", s.deleteAnswer);
  return text;
}

// A test file with `questions` questions; the first has `firstVariants` variants, the others one.
std::string TestFileBytes(int questions, int firstVariants) {
  QbBuilder file;
  file.Header("T", "", "", {}).I16(static_cast<int16_t>(questions));
  for (int q = 0; q < questions; ++q) {
    const int variants = q == 0 ? firstVariants : 1;
    file.Str("Q" + std::to_string(q)).NoMedia().NoMedia().U8(static_cast<uint8_t>(variants));
    for (int j = 0; j < variants; ++j)
      file.Str("A" + std::to_string(j)).U8(100).NoMedia().NoMedia();
  }
  return file.Bytes();
}

class ControlStateTest : public MainWindowTest {
 public:
  void LoadFile(int questions, int firstVariants) {
    const std::string path = dir_.File("t.qb");
    WriteFileBytes(path, TestFileBytes(questions, firstVariants));
    LoadThroughMenu(path);
  }
};

TEST_F(ControlStateTest, EnabledControlsFollowTheTestInEverySituation) {
  // questionList, addQuestion, editQuestion, deleteQuestion, answerList, addAnswer, editAnswer,
  // deleteAnswer
  const ControlState emptyTest{false, true, false, false, false, false, false, false};
  const ControlState questionWithoutVariants{true, true, true, true, false, true, false, false};
  const ControlState questionWithVariants{true, true, true, true, true, true, true, true};
  struct Situation {
    const char* name;
    std::function<void(ControlStateTest&)> reach;
    ControlState expected;
  } situations[] = {
      {"empty test at start", [](ControlStateTest&) {}, emptyTest},
      {"one question added", [](ControlStateTest& t) { t.AddQuestionThroughDialog("Q"); },
       questionWithoutVariants},
      {"one question with a variant",
       [](ControlStateTest& t) {
         t.AddQuestionThroughDialog("Q");
         t.AddAnswerThroughDialog("A", 100);
       },
       questionWithVariants},
      {"1024 questions loaded",
       [](ControlStateTest& t) { t.LoadFile(kMaxQuestions, 1); },
       {true, false, true, true, true, true, true, true}},
      {"1024 questions, one deleted",
       [](ControlStateTest& t) {
         t.LoadFile(kMaxQuestions, 1);
         t.Click(kDeleteQuestion);
       },
       questionWithVariants},
      {"1024 questions, then New",
       [](ControlStateTest& t) {
         t.LoadFile(kMaxQuestions, 1);
         t.answers_.Expect(AcceptAsShown());
         t.Command(kNew);
       },
       emptyTest},
      {"first question with 16 variants",
       [](ControlStateTest& t) { t.LoadFile(3, kMaxAnswers); },
       {true, true, true, true, true, false, true, true}},
      {"16 variants, one deleted",
       [](ControlStateTest& t) {
         t.LoadFile(3, kMaxAnswers);
         t.Click(kDeleteAnswer);
       },
       questionWithVariants},
      {"16 variants, another question selected",
       [](ControlStateTest& t) {
         t.LoadFile(3, kMaxAnswers);
         t.SelectQuestion(1);
       },
       questionWithVariants},
      {"16th variant added",
       [](ControlStateTest& t) {
         t.LoadFile(1, kMaxAnswers - 1);
         t.AddAnswerThroughDialog("last", 0);
       },
       {true, true, true, true, true, false, true, true}},
      {"every variant of the question deleted",
       [](ControlStateTest& t) {
         t.AddQuestionThroughDialog("Q");
         t.AddAnswerThroughDialog("A", 100);
         t.AddAnswerThroughDialog("B", 0);
         t.Click(kDeleteAnswer);
         t.Click(kDeleteAnswer);
       },
       questionWithoutVariants},
      {"new question while another has variants",
       [](ControlStateTest& t) {
         t.AddQuestionThroughDialog("Q1");
         t.AddAnswerThroughDialog("A", 100);
         t.AddQuestionThroughDialog("Q2");
       },
       questionWithoutVariants},
      {"last question deleted",
       [](ControlStateTest& t) {
         t.AddQuestionThroughDialog("Q");
         t.AddAnswerThroughDialog("A", 100);
         t.Click(kDeleteQuestion);
       },
       emptyTest},
  };
  for (const Situation& situation : situations) {
    SCOPED_TRACE(situation.name);
    // Each situation starts from an empty test, as after New.
    answers_.Expect(AcceptAsShown());
    Command(kNew);
    situation.reach(*this);
    EXPECT_EQ(Describe(ShownState(Window())), Describe(situation.expected));
    EXPECT_EQ(Describe(ControlStateFor(Doc())), Describe(situation.expected));
    ExpectListsMirrorModel();
  }
}

}  // namespace
}  // namespace vornet::testing
