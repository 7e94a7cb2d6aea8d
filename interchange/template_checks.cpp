#include "interchange/template_checks.h"

#include <algorithm>

namespace vornet {

const char kQuoteCountMessage[] = "Неправильное количество знаков \"";

bool QuoteCountRule(const std::string& pattern) {
  const auto quotes = std::count(pattern.begin(), pattern.end(), '"');
  return quotes >= 2 && quotes % 2 == 0;
}

void CarryCodePageLetter(const std::string& checked, std::string& other) {
  const size_t checkedT = checked.find("%T");
  const size_t otherT = other.find("%T");
  if (checkedT == std::string::npos || otherT == std::string::npos) return;
  if (checkedT + 2 >= checked.size()) return;
  const char letter = checked[checkedT + 2];
  if (letter != 'W' && letter != 'D') return;
  const size_t place = otherT + 2;
  if (place == other.size()) {
    other.push_back(letter);
  } else if (other[place] != letter) {
    other[place] = letter;
  }
}

void KeepFirstRightAnswersMode(std::string& pattern) {
  const size_t byNumber = pattern.find("%1");
  const size_t byAccuracy = pattern.find("%A");
  if (byNumber == std::string::npos || byAccuracy == std::string::npos) return;
  pattern.erase(std::max(byNumber, byAccuracy), 2);
}

bool CheckQuestionTemplate(InterchangeSettings& templates) {
  const bool passed = QuoteCountRule(templates.importQuestionTemplate);
  CarryCodePageLetter(templates.importQuestionTemplate, templates.importAnswerTemplate);
  return passed;
}

bool CheckAnswerTemplate(InterchangeSettings& templates) {
  const bool passed = QuoteCountRule(templates.importAnswerTemplate);
  CarryCodePageLetter(templates.importAnswerTemplate, templates.importQuestionTemplate);
  return passed;
}

bool CheckRightAnswersTemplate(InterchangeSettings& templates) {
  const bool passed = QuoteCountRule(templates.importRightAnswersTemplate);
  KeepFirstRightAnswersMode(templates.importRightAnswersTemplate);
  return passed;
}

ImportTemplatesCheck CheckImportTemplates(InterchangeSettings& templates) {
  ImportTemplatesCheck result;
  result.questionPassed = CheckQuestionTemplate(templates);
  result.answerPassed = CheckAnswerTemplate(templates);
  result.rightAnswersPassed = CheckRightAnswersTemplate(templates);
  return result;
}

}  // namespace vornet
