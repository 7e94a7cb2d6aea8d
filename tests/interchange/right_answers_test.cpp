#include <gtest/gtest.h>

#include <vector>

#include "interchange/right_answers_line.h"

namespace vornet::testing {
namespace {

TEST(ReadRightAnswerNumbers, TakesTheLeadingRunOfDigitsAndSpaces) {
  struct Case {
    const char* line;
    std::vector<uint8_t> numbers;
  };
  const Case cases[] = {
      {"2 ", {2}},
      {" 2", {2}},
      {"\t\r\n 1 15 16 ", {1, 15, 16}},
      {"1  2", {1, 2}},
      {"50 x 100", {50}},
      {"300", {44}},
      {"258 0", {2, 0}},
      {"99999999999999999999", {255}},  // 10^20 - 1 modulo 256
      {" 5: 22=?", {5}},
      {"abc 7 8", {7, 8}},
      {"12\t3", {12}},
      {"", {}},
      {"no digits", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadRightAnswerNumbers(c.line), c.numbers) << c.line;
}

std::vector<int> Accuracies(const Question& question) {
  std::vector<int> accuracies;
  for (const Answer& answer : question.answers) accuracies.push_back(answer.accuracy);
  return accuracies;
}

TEST(ApplyRightAnswers, ByNumberMarksPlacesOneToSixteen) {
  Question question;
  question.answers[2].accuracy = 30;
  ApplyRightAnswers(question, {0, 1, 15, 16, 17, 2}, true, false);
  EXPECT_EQ(Accuracies(question),
            (std::vector<int>{100, 100, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 100}));
}

TEST(ApplyRightAnswers, ByAccuracyFillsPlacesInOrder) {
  Question question;
  question.answers[1].accuracy = 7;
  std::vector<uint8_t> numbers = {50, 101, 100};
  for (int i = 0; i < 15; ++i) numbers.push_back(static_cast<uint8_t>(i + 1));
  ApplyRightAnswers(question, numbers, false, true);
  // 101 is skipped (place 2 keeps 7); the 17th and 18th numbers have no place.
  EXPECT_EQ(Accuracies(question),
            (std::vector<int>{50, 7, 100, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

}  // namespace
}  // namespace vornet::testing
