#include "interchange/right_answers_line.h"

#include <cctype>

namespace vornet {

std::vector<uint8_t> ReadRightAnswerNumbers(std::string_view line) {
  size_t i = 0;
  while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
  while (i < line.size() && !std::isdigit(static_cast<unsigned char>(line[i]))) ++i;

  std::vector<uint8_t> numbers;
  bool inNumber = false;
  unsigned value = 0;
  for (; i < line.size(); ++i) {
    const char c = line[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      // Only the lowest eight bits are kept, so any length of digits is read safely.
      value = (value * 10 + static_cast<unsigned>(c - '0')) & 0xFF;
      inNumber = true;
    } else if (c == ' ') {
      if (inNumber) numbers.push_back(static_cast<uint8_t>(value));
      inNumber = false;
      value = 0;
    } else {
      break;
    }
  }
  if (inNumber) numbers.push_back(static_cast<uint8_t>(value));
  return numbers;
}

void ApplyRightAnswers(Question& question, const std::vector<uint8_t>& numbers, bool byNumber,
                       bool byAccuracy) {
  for (size_t i = 0; i < numbers.size(); ++i) {
    const uint8_t v = numbers[i];
    if (byNumber && v >= 1 && v <= kMaxAnswers) question.answers[v - 1].accuracy = 100;
    if (byAccuracy && v <= 100 && i < kMaxAnswers) question.answers[i].accuracy = v;
  }
}

}  // namespace vornet
