#pragma once
// The checks that guard the three import templates, and the dialog's three field checks built
// from them. Export templates are never checked.

#include <string>

#include "model/interchange_settings.h"

namespace vornet {

// The message that the import dialog shows (caption "Ошибка", exclamation icon) when a template
// fails the quote rule. UTF-8; it ends with a double quote of its own.
extern const char kQuoteCountMessage[];

// True when the template holds at least two double quotes and an even number of them.
bool QuoteCountRule(const std::string& pattern);

// When both templates hold "%T": a 'W' or 'D' after the checked template's first "%T" is
// carried to the character after the other template's first "%T" (replacing whatever stands
// there, or appended when that "%T" ends the template). Nothing else of `other` changes.
void CarryCodePageLetter(const std::string& checked, std::string& other);

// When the right-answers template holds both "%1" and "%A", deletes the first occurrence of the
// one that first appears later, so that only the earlier mode stays.
void KeepFirstRightAnswersMode(std::string& pattern);

// The import dialog's field checks, applied in place. Each returns false when the quote rule
// failed for its field (the dialog then shows kQuoteCountMessage); the letter carry and the
// right-answers rule are applied whether or not the quote rule passed.
// Questions field: quote rule on the question template, letter carried to the answer template.
bool CheckQuestionTemplate(InterchangeSettings& templates);
// Answers field: quote rule on the answer template, letter carried to the question template.
bool CheckAnswerTemplate(InterchangeSettings& templates);
// Right-answers field: quote rule, then only the first of %1 and %A stays.
bool CheckRightAnswersTemplate(InterchangeSettings& templates);

// "Начать": the three field checks in the order questions, answers, right answers.
struct ImportTemplatesCheck {
  bool questionPassed = true;
  bool answerPassed = true;
  bool rightAnswersPassed = true;
  bool AllPassed() const { return questionPassed && answerPassed && rightAnswersPassed; }
  // How many quote-rule messages the dialog shows (0 to 3).
  int FailureCount() const { return !questionPassed + !answerPassed + !rightAnswersPassed; }
};
ImportTemplatesCheck CheckImportTemplates(InterchangeSettings& templates);

}  // namespace vornet
