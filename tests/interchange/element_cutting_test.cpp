#include "interchange/element_cutting.h"

#include <gtest/gtest.h>

namespace vornet::testing {
namespace {

struct CutCase {
  const char* name;
  const char* collected;
  ImportTemplateProfile profile;
  const char* stored;
};

void PrintTo(const CutCase& c, std::ostream* out) { *out << c.name; }

ImportTemplateProfile Lines(int leading, int trailing) {
  ImportTemplateProfile profile;
  profile.leadingLines = static_cast<int16_t>(leading);
  profile.trailingLines = static_cast<int16_t>(trailing);
  return profile;
}

ImportTemplateProfile Delimiters(const char* leading, const char* trailing, int leadingSkip,
                                 int trailingSkip) {
  ImportTemplateProfile profile;
  profile.leadingDelimiter = leading;
  profile.trailingDelimiter = trailing;
  profile.leadingSkip = static_cast<int16_t>(leadingSkip);
  profile.trailingSkip = static_cast<int16_t>(trailingSkip);
  return profile;
}

ImportTemplateProfile LinesThenDelimiter() {
  ImportTemplateProfile profile = Delimiters(":", "", 0, 0);
  profile.leadingLines = 1;
  profile.trailingLines = 1;
  return profile;
}

const CutCase kCutCases[] = {
    {"NothingToCut", " 1: text", {}, " 1: text"},
    {"LeadingLineTakesTheCharacterAfterItsCr", "a\rXb\r\nc", Lines(1, 0), "b%Nc"},
    {"LeadingLineEndingTheText", "abc\r", Lines(1, 0), ""},
    {"MoreLeadingLinesThanThereAre", "a\r\nb", Lines(5, 0), "b"},
    {"TrailingLines", "a\r\nb\r\nc", Lines(0, 1), "a%Nb"},
    {"LinesBeforeDelimiters", "x:1\r\ny:2\r\nz", LinesThenDelimiter(), ":2"},
    {"LeadingDelimiterStays", " 1: text", Delimiters(":", "", 2, 0), "text"},
    {"TrailingDelimiterStays", "a.b.c", Delimiters("", ".", 0, 1), "a.b"},
    {"MissingDelimiterCutsNothing", "abc", Delimiters(";", ";", 0, 0), "abc"},
    {"SkipLongerThanTheText", "abc", Delimiters("", "", 4, 0), ""},
    {"SkipOfTheWholeText", "abc", Delimiters("", "", 0, 3), ""},
    {"NegativeSkipRemovesNothing", "abc", Delimiters("", "", -2, -1), "abc"},
    {"LoneCrAndLfStay", "a\rb\nc\r\n", {}, "a\rb\nc%N"},
    {"SkipCanSplitALineBreak", "ab\r\n", Delimiters("", "", 0, 1), "ab\r"},
};

class CutCases : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutCases, CutsInOrder) {
  const CutCase& c = GetParam();
  EXPECT_EQ(CutElementText(c.collected, c.profile), c.stored);
}

INSTANTIATE_TEST_SUITE_P(ElementCutting, CutCases, ::testing::ValuesIn(kCutCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vornet::testing
