#pragma once
// Which controls of the main window are enabled for the test as it stands. No window needed.

#include "model/test_document.h"

namespace vornet {

struct ControlState {
  bool questionList = false;
  bool addQuestion = false;
  bool editQuestion = false;
  bool deleteQuestion = false;
  bool answerList = false;
  bool addAnswer = false;
  bool editAnswer = false;
  bool deleteAnswer = false;

  bool operator==(const ControlState& other) const;
};

// With no questions only adding a question is possible. Otherwise the question controls are on,
// adding stops at the table's capacity, and the answer controls follow the current question's
// variant count.
ControlState ControlStateFor(const TestDocument& doc);

}  // namespace vornet
