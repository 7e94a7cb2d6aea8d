#include "interchange/template_checks.h"

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace vornet::testing {
namespace {

TEST(QuoteCountRule, NeedsAnEvenNumberOfAtLeastTwo) {
  struct Case {
    const char* pattern;
    bool passes;
  };
  const Case cases[] = {
      {"", false},
      {"%B=Q %T", false},
      {"%B=\"Q %T", false},
      {"%B=\"Q\" %F=\"", false},
      {"%B=\"\" %1", true},
      {"\"\"\"\"", true},
      {"%B=\"Q\" %F=\":\" %S=\"2\" %TW", true},
  };
  for (const Case& c : cases) EXPECT_EQ(QuoteCountRule(c.pattern), c.passes) << c.pattern;
}

TEST(QuoteCountRule, MessageEndsWithAQuote) {
  EXPECT_STREQ(kQuoteCountMessage, "Неправильное количество знаков \"");
}

struct CarryCase {
  const char* checked;
  const char* other;
  const char* otherAfter;
};

TEST(CarryCodePageLetter, CarriesWOrDToTheOtherTemplate) {
  const CarryCase cases[] = {
      {"%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"О\" %TD"},
      {"%B=\"О\" %TW", "%B=\"В\" %TD", "%B=\"В\" %TW"},
      {"%TW", "%B=\"О\" %T %S=\"1\"", "%B=\"О\" %TW%S=\"1\""},  // the blank is overwritten
      {"%TD", "%B=\"О\" %T", "%B=\"О\" %TD"},                   // appended at the very end
      {"%TD %TW", "%TW %TW", "%TD %TW"},                        // first %T of each only
      {"%TD", "%TD", "%TD"},
      {"%TX", "%TW", "%TW"},  // only W and D are carried
      {"%T", "%TW", "%TW"},   // nothing after the checked %T
      {"%B=\"x\"", "%TW", "%TW"},
      {"%TD", "%B=\"x\"", "%B=\"x\""},
  };
  for (const CarryCase& c : cases) {
    std::string other = Ansi(c.other);
    CarryCodePageLetter(Ansi(c.checked), other);
    EXPECT_EQ(other, Ansi(c.otherAfter)) << c.checked << " -> " << c.other;
  }
}

TEST(KeepFirstRightAnswersMode, DeletesTheLaterMode) {
  const std::pair<const char*, const char*> cases[] = {
      {"%A %1", "%A "},
      {"%1 %A", "%1 "},
      {"%B=\"+\" %A%E=\"%1\"", "%B=\"+\" %A%E=\"\""},
      {"%1%A%1", "%1%1"},
      {"%B=\"+\" %1", "%B=\"+\" %1"},
      {"%B=\"+\" %a %1", "%B=\"+\" %a %1"},
  };
  for (const auto& [before, after] : cases) {
    std::string pattern = before;
    KeepFirstRightAnswersMode(pattern);
    EXPECT_EQ(pattern, after) << before;
  }
}

InterchangeSettings Templates(const char* question, const char* answer, const char* right) {
  InterchangeSettings templates = DefaultInterchangeSettings();
  templates.importQuestionTemplate = Ansi(question);
  templates.importAnswerTemplate = Ansi(answer);
  templates.importRightAnswersTemplate = Ansi(right);
  return templates;
}

TEST(ImportDialogChecks, EachFieldCheckCarriesItsLetter) {
  InterchangeSettings byQuestion = Templates("%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"+\" %1");
  EXPECT_TRUE(CheckQuestionTemplate(byQuestion));
  EXPECT_EQ(byQuestion.importQuestionTemplate, Ansi("%B=\"В\" %TD"));
  EXPECT_EQ(byQuestion.importAnswerTemplate, Ansi("%B=\"О\" %TD"));

  InterchangeSettings byAnswer = Templates("%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"+\" %1");
  EXPECT_TRUE(CheckAnswerTemplate(byAnswer));
  EXPECT_EQ(byAnswer.importQuestionTemplate, Ansi("%B=\"В\" %TW"));
  EXPECT_EQ(byAnswer.importAnswerTemplate, Ansi("%B=\"О\" %TW"));
}

TEST(ImportDialogChecks, LetterIsCarriedEvenWhenTheQuotesFail) {
  InterchangeSettings templates = Templates("%B=В %TD", "%B=\"О\" %TW", "%B=\"+\" %1");
  EXPECT_FALSE(CheckQuestionTemplate(templates));
  EXPECT_EQ(templates.importQuestionTemplate, Ansi("%B=В %TD"));
  EXPECT_EQ(templates.importAnswerTemplate, Ansi("%B=\"О\" %TD"));
}

TEST(ImportDialogChecks, RightAnswersFieldKeepsTheFirstMode) {
  InterchangeSettings templates = Templates("%TW", "%TW", "%B=\"+\" %A %1");
  EXPECT_TRUE(CheckRightAnswersTemplate(templates));
  EXPECT_EQ(templates.importRightAnswersTemplate, "%B=\"+\" %A ");

  templates.importRightAnswersTemplate = "%B=\"+ %1 %A";
  EXPECT_FALSE(CheckRightAnswersTemplate(templates));
  EXPECT_EQ(templates.importRightAnswersTemplate, "%B=\"+ %1 ");
}

TEST(ImportDialogChecks, StartRunsAllThreeInOrder) {
  InterchangeSettings defaults = DefaultInterchangeSettings();
  EXPECT_TRUE(CheckImportTemplates(defaults).AllPassed());
  EXPECT_EQ(defaults.importQuestionTemplate, DefaultInterchangeSettings().importQuestionTemplate);

  // The questions check carries its letter to the answers template first; the answers check
  // then finds the same letter on both sides.
  InterchangeSettings mixed = Templates("%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"\" %1");
  const ImportTemplatesCheck passed = CheckImportTemplates(mixed);
  EXPECT_TRUE(passed.AllPassed());
  EXPECT_EQ(mixed.importQuestionTemplate, Ansi("%B=\"В\" %TD"));
  EXPECT_EQ(mixed.importAnswerTemplate, Ansi("%B=\"О\" %TD"));

  InterchangeSettings bad = Templates("%B=В %TW", "no quotes", "%B=\"+\"\" %1");
  const ImportTemplatesCheck failed = CheckImportTemplates(bad);
  EXPECT_FALSE(failed.AllPassed());
  EXPECT_EQ(failed.FailureCount(), 3);

  InterchangeSettings oneBad = Templates("%B=\"В\" %TW", "%B=\"О %TW", "%B=\"+\" %1");
  const ImportTemplatesCheck answerFailed = CheckImportTemplates(oneBad);
  EXPECT_TRUE(answerFailed.questionPassed);
  EXPECT_FALSE(answerFailed.answerPassed);
  EXPECT_TRUE(answerFailed.rightAnswersPassed);
  EXPECT_EQ(answerFailed.FailureCount(), 1);
}

}  // namespace
}  // namespace vornet::testing
