#pragma once
// Reading a right-answers line and applying it to a question.

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/test_document.h"

namespace vornet {

// The numbers of a right-answers line, each modulo 256, left to right. Leading white space and
// everything before the first digit are skipped; the list ends at the first character that is
// neither a digit nor a space.
std::vector<uint8_t> ReadRightAnswerNumbers(std::string_view line);

// byNumber (%1): every number from 1 to 16 marks that variant place 100 %.
// byAccuracy (%A): the i-th number, when at most 100, becomes the accuracy of place i (counted
// from 0); numbers beyond the 16th are ignored.
// Places beyond the question's answerCount take the marks as well.
void ApplyRightAnswers(Question& question, const std::vector<uint8_t>& numbers, bool byNumber,
                       bool byAccuracy);

}  // namespace vornet
