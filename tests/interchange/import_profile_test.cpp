#include "interchange/import_profile.h"

#include <gtest/gtest.h>

#include "model/interchange_settings.h"
#include "tests/support/test_files.h"

namespace vornet::testing {
namespace {

struct ProfileCase {
  const char* name;
  const char* pattern;  // UTF-8
  ImportTemplateKind kind;
  const char* beginMarker;
  const char* endMarker;
  const char* leadingDelimiter;
  const char* trailingDelimiter;
  int leadingSkip, trailingSkip, leadingLines, trailingLines;
};

void PrintTo(const ProfileCase& c, std::ostream* out) { *out << c.name; }

constexpr auto Q = ImportTemplateKind::Question;
constexpr auto A = ImportTemplateKind::Answer;
constexpr auto R = ImportTemplateKind::RightAnswers;

const ProfileCase kProfileCases[] = {
    {"DefaultQuestion", "%B=\"Вопрос\" %F=\":\" %S=\"2\" %TW", Q, "Вопрос", "", ":", "", 2, 0, 0,
     0},
    {"DefaultAnswer", "%B=\"Ответ\" %F=\":\" %S=\"2\" %TW", A, "Ответ", "", ":", "", 2, 0, 0, 0},
    {"DefaultRightAnswers", "%B=\"+\" %1", R, "+", "", "", "", 0, 0, 0, 0},
    {"EndMarkerAndLeadingLine", "%B=\"В:\" %N%TW%E=\"#\"", Q, "В:", "#", "", "", 0, 0, 1, 0},
    {"QuestionIgnoresItsFirstFiveCharacters", "%N%B=\"Q\" %T", Q, "Q", "", "", "", 0, 0, 0, 0},
    {"AnswerReadsFromItsFirstCharacter", "%N%B=\"Q\" %T", A, "Q", "", "", "", 0, 0, 1, 0},
    {"QuestionDirectiveBeforeIndexFiveIsNotSeen", "%S=\"3\"%T%S=\"1\"", Q, "", "", "", "", 0, 1, 0,
     0},
    {"SidesAddUpAndLastDelimiterWins",
     "%B=\"x\" %S=\"1\" %S=\"2\" %F=\"<\" %T %S=\" -1\" %N %N %F=\".\" %F=\";\"", A, "x", "", "<",
     ";", 3, -1, 0, 2},
    {"LineInsideAQuotedValueCounts", "%B=\"a%Nb\" %T", A, "a%Nb", "", "", "", 0, 0, 1, 0},
    {"SkipReadLikeAtoi", "%S=\"+5x\" %S=\"abc\" %S=\"\" %S=7", A, "", "", "", "", 5, 0, 0, 0},
    {"DelimiterNeedsAClosingQuote", "%F=\"\" %T %F=\"a", A, "", "", "", "", 0, 0, 0, 0},
    {"UnquotedDelimiterRunsToTheNextQuote", "%F=x %T %F=\"y\"", A, "", "", " %T %F=", "y", 0, 0, 0,
     0},
    {"MarkerQuoteIsNotChecked", "%B=Qab\" %E=\"", A, "ab", "", "", "", 0, 0, 0, 0},
    {"MarkerWithoutClosingQuoteIsEmpty", "%B=\"abc", A, "", "", "", "", 0, 0, 0, 0},
    {"MarkerDirectiveAtTheEnd", "%T %B=", A, "", "", "", "", 0, 0, 0, 0},
    {"OnlyTheFirstBeginCounts", "%B=\"\" %B=\"x\"", A, "", "", "", "", 0, 0, 0, 0},
    {"RightAnswersReadForMarkersOnly", "%E=\"#\" %N%F=\":\" %S=\"2\" %B=\"+\" %A", R, "+", "#", "",
     "", 0, 0, 0, 0},
    {"LowerCaseIsNoDirective", "%b=\"x\" %n %s=\"2\" %T%n", A, "", "", "", "", 0, 0, 0, 0},
    {"HugeSkipSaturates", "%S=\"99999999999999\" %S=\"1\"", A, "", "", "", "", 32767, 0, 0, 0},
};

class ProfileCases : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileCases, ReadsDirectives) {
  const ProfileCase& c = GetParam();
  const ImportTemplateProfile profile = ReadImportProfile(Ansi(c.pattern), c.kind);
  EXPECT_EQ(profile.beginMarker, Ansi(c.beginMarker));
  EXPECT_EQ(profile.endMarker, Ansi(c.endMarker));
  EXPECT_EQ(profile.leadingDelimiter, Ansi(c.leadingDelimiter));
  EXPECT_EQ(profile.trailingDelimiter, Ansi(c.trailingDelimiter));
  EXPECT_EQ(profile.leadingSkip, c.leadingSkip);
  EXPECT_EQ(profile.trailingSkip, c.trailingSkip);
  EXPECT_EQ(profile.leadingLines, c.leadingLines);
  EXPECT_EQ(profile.trailingLines, c.trailingLines);
}

INSTANTIATE_TEST_SUITE_P(ImportProfile, ProfileCases, ::testing::ValuesIn(kProfileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImportCodePage, QuestionTemplateDecides) {
  EXPECT_EQ(ImportCodePage(DefaultInterchangeSettings().importQuestionTemplate),
            TextCodePage::Windows);
  EXPECT_EQ(ImportCodePage("%B=\"x\" %T"), TextCodePage::Windows);
  EXPECT_EQ(ImportCodePage("%B=\"x\" %TD"), TextCodePage::Oem);
  EXPECT_EQ(ImportCodePage("%TW %TD"), TextCodePage::Oem);
  EXPECT_EQ(ImportCodePage("%td %Td"), TextCodePage::Windows);
}

}  // namespace
}  // namespace vornet::testing
