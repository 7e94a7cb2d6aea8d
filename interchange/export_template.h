#pragma once
// Expansion of the four export templates: each placeholder is replaced at every occurrence in
// one pass, and the passes run in a fixed order, so a later pass also acts on text that an
// earlier one put in (a "%N" held inside a question text becomes a line break).

#include <string>

#include "model/interchange_settings.h"
#include "model/test_document.h"

namespace vornet {

// The head: removes %W and %O, then %T = name, %D = description, %Q = questionCount, %N = CR LF.
// `codePage` becomes Oem when the template held %O, otherwise Windows.
std::string ExpandHeadTemplate(const std::string& pattern, const TestInfo& info, int questionCount,
                               TextCodePage& codePage);

// A question or an answer line: %T = its text, %X = its number (position of the question,
// counted from 1, or the answer's number within its question), %Q = questionCount,
// %P = answerCount of the question, %N = CR LF.
std::string ExpandItemTemplate(const std::string& pattern, const std::string& text, int number,
                               int questionCount, int answerCount);

// A question's right answers: %A = every variant's accuracy followed by a space, %1 = the number
// of every variant with accuracy 100 followed by a space, %N = CR LF.
std::string ExpandRightAnswersTemplate(const std::string& pattern, const Question& question);

}  // namespace vornet
