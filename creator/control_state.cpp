#include "creator/control_state.h"

namespace vornet {

bool ControlState::operator==(const ControlState& other) const {
  return questionList == other.questionList && addQuestion == other.addQuestion &&
         editQuestion == other.editQuestion && deleteQuestion == other.deleteQuestion &&
         answerList == other.answerList && addAnswer == other.addAnswer &&
         editAnswer == other.editAnswer && deleteAnswer == other.deleteAnswer;
}

ControlState ControlStateFor(const TestDocument& doc) {
  ControlState state;
  state.addQuestion = doc.questionCount < kMaxQuestions;
  if (doc.questionCount <= 0 || doc.currentQuestion < 0 ||
      doc.currentQuestion >= doc.questionCount) {
    return state;
  }
  state.questionList = state.editQuestion = state.deleteQuestion = true;
  const int answers = doc.QuestionAt(doc.currentQuestion).answerCount;
  state.addAnswer = answers < kMaxAnswers;
  state.answerList = state.editAnswer = state.deleteAnswer = answers > 0;
  return state;
}

}  // namespace vornet
