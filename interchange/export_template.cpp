#include "interchange/export_template.h"

#include <algorithm>

#include "interchange/text_replace.h"

namespace vornet {
namespace {

constexpr char kLineBreak[] = "\r\n";

int UsedAnswers(const Question& question) {
  return std::min<int>(question.answerCount, kMaxAnswers);
}

}  // namespace

std::string ExpandHeadTemplate(const std::string& pattern, const TestInfo& info, int questionCount,
                               TextCodePage& codePage) {
  std::string text = pattern;
  codePage = TextCodePage::Windows;
  ReplaceAll(text, "%W", "");
  if (ReplaceAll(text, "%O", "") > 0) codePage = TextCodePage::Oem;
  ReplaceAll(text, "%T", info.name);
  ReplaceAll(text, "%D", info.description);
  ReplaceAll(text, "%Q", std::to_string(questionCount));
  ReplaceAll(text, "%N", kLineBreak);
  return text;
}

std::string ExpandItemTemplate(const std::string& pattern, const std::string& text, int number,
                               int questionCount, int answerCount) {
  std::string line = pattern;
  ReplaceAll(line, "%T", text);
  ReplaceAll(line, "%X", std::to_string(number));
  ReplaceAll(line, "%Q", std::to_string(questionCount));
  ReplaceAll(line, "%P", std::to_string(answerCount));
  ReplaceAll(line, "%N", kLineBreak);
  return line;
}

std::string ExpandRightAnswersTemplate(const std::string& pattern, const Question& question) {
  std::string accuracies;
  std::string rightNumbers;
  for (int j = 0; j < UsedAnswers(question); ++j) {
    const int accuracy = question.answers[j].accuracy;
    accuracies += std::to_string(accuracy) + ' ';
    if (accuracy == 100) rightNumbers += std::to_string(j + 1) + ' ';
  }
  std::string line = pattern;
  ReplaceAll(line, "%A", accuracies);
  ReplaceAll(line, "%1", rightNumbers);
  ReplaceAll(line, "%N", kLineBreak);
  return line;
}

}  // namespace vornet
