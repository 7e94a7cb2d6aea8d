#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "interchange/export_text.h"
#include "interchange/interchange_result.h"
#include "platform/codepage.h"
#include "tests/interchange/interchange_fixture.h"

namespace vornet::testing {
namespace {

// Name «Т», description «О», one question «Q?» with «a» 0 % and «b» 100 %.
void SmallTest(TestDocument& doc) {
  doc.testInfo.name = Ansi("Т");
  doc.testInfo.description = Ansi("О");
  AddQuestionWithVariants(doc, "Q?", {{"a", 0}, {"b", 100}});
}

void HalfAndTwoRight(TestDocument& doc) {
  AddQuestionWithVariants(doc, "Q", {{"a", 50}, {"b", 100}, {"c", 100}});
}

void NoRightVariant(TestDocument& doc) { AddQuestionWithVariants(doc, "Q", {{"a", 0}, {"b", 50}}); }

void SixteenthRight(TestDocument& doc) {
  const int position = AddQuestionWithVariants(doc, "Q");
  for (int j = 1; j <= kMaxAnswers; ++j) {
    AddAnswer(doc, position, "v" + std::to_string(j), "", "", j == kMaxAnswers ? 100 : 0);
  }
}

void PlaceholdersInTexts(TestDocument& doc) {
  AddQuestionWithVariants(doc, "Из %Q, номер %X%Nконец", {{"в%X", 0}});
  AddQuestionWithVariants(doc, "Второй");
}

void MultiLineDescription(TestDocument& doc) {
  doc.testInfo.name = Ansi("Т");
  doc.testInfo.description = Ansi("Строка1\r\nСтрока2");
}

void NameHoldingPlaceholder(TestDocument& doc) {
  doc.testInfo.name = "a%Db";
  doc.testInfo.description = Ansi("О");
}

// Slots 0, 1, 2 listed; the second is deleted and a fourth question takes slot 1, listed third.
void ThirdListedInSlotOne(TestDocument& doc) {
  AddQuestionWithVariants(doc, "Q1");
  AddQuestionWithVariants(doc, "Q2");
  AddQuestionWithVariants(doc, "Q3");
  DeleteQuestion(doc, 1);
  AddQuestionWithVariants(doc, "Q4", {{"x", 0}, {"y", 100}});
}

struct ExportCase {
  const char* name;
  void (*fill)(TestDocument&);
  // Templates in UTF-8; nullptr keeps the default.
  const char* head;
  const char* question;
  const char* answer;
  const char* rightAnswers;
  const char* expected;  // UTF-8
};

void PrintTo(const ExportCase& c, std::ostream* out) { *out << c.name; }

const ExportCase kExportCases[] = {
    {"DefaultTemplates", SmallTest, nullptr, nullptr, nullptr, nullptr,
     "Т\r\nО\r\n\r\nВопрос 1: Q?\r\nОтвет 1: a\r\nОтвет 2: b\r\n+2 \r\n\r\n"},
    {"EmptyTestWritesTheHeadOnly", [](TestDocument& doc) { doc.testInfo.name = Ansi("Т"); },
     nullptr, nullptr, nullptr, nullptr, "Т\r\n\r\n\r\n"},
    {"AccuracyList", SmallTest, "", "", "", "%A%N", "0 100 \r\n"},
    {"TwoRightVariants", HalfAndTwoRight, "", "", "", nullptr, "+2 3 \r\n\r\n"},
    {"AccuraciesOfThree", HalfAndTwoRight, "", "", "", "%A", "50 100 100 "},
    {"NoRightVariant", NoRightVariant, "", "", "", nullptr, "+\r\n\r\n"},
    {"SixteenthVariantRight", SixteenthRight, "", "", "", nullptr, "+16 \r\n\r\n"},
    {"KnownPlaceholders", SmallTest, "%T/%D/%Q%N", "%X.%P.%Q.%T%N", "%X/%P/%Q/%T%N", "",
     "Т/О/1\r\n1.2.1.Q?\r\n1/2/1/a\r\n2/2/1/b\r\n"},
    {"UnknownPlaceholdersStayAsWritten", SmallTest, "%X|%P|%A|%1|%T", "%D|%A|%1|%T", "%D|%A|%1|%T;",
     "%T%X%Q%P%D", "%X|%P|%A|%1|Т%D|%A|%1|Q?%D|%A|%1|a;%D|%A|%1|b;%T%X%Q%P%D"},
    {"PlaceholdersInsideTexts", PlaceholdersInTexts, "", nullptr, nullptr, "",
     "Вопрос 1: Из 2, номер 1\r\nконец\r\nОтвет 1: в1\r\nВопрос 2: Второй\r\n"},
    {"DescriptionKeepsItsLineBreaks", MultiLineDescription, nullptr, "", "", "",
     "Т\r\nСтрока1\r\nСтрока2\r\n\r\n"},
    {"LaterPassActsOnTheName", NameHoldingPlaceholder, "%T", "", "", "", "aОb"},
    {"WindowsMarkRemoved", SmallTest, "%W%T|", "", "", "", "Т|"},
    {"NumberedByListedPosition", ThirdListedInSlotOne, "", nullptr, nullptr, "",
     "Вопрос 1: Q1\r\nВопрос 2: Q3\r\nВопрос 3: Q4\r\nОтвет 1: x\r\nОтвет 2: y\r\n"},
};

class ExportCases : public InterchangeTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(ExportCases, WritesExactBytes) {
  const ExportCase& c = GetParam();
  c.fill(*doc_);
  InterchangeSettings& templates = doc_->interchangeSettings;
  if (c.head) templates.exportDescriptionTemplate = Ansi(c.head);
  if (c.question) templates.exportQuestionTemplate = Ansi(c.question);
  if (c.answer) templates.exportAnswerTemplate = Ansi(c.answer);
  if (c.rightAnswers) templates.exportRightAnswersTemplate = Ansi(c.rightAnswers);
  EXPECT_EQ(Cp1251ToUtf8(ExportBytes()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Export, ExportCases, ::testing::ValuesIn(kExportCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ExportFile : public InterchangeTest {};

TEST_F(ExportFile, OemMarkConvertsEveryPiece) {
  for (const char* head : {"%O%T%N", "%W%O%T%N", "%T%O%N"}) {
    SCOPED_TRACE(head);
    doc_ = NewDocument();
    doc_->interchangeSettings.interchangePath = path_;
    SmallTest(*doc_);
    doc_->interchangeSettings.exportDescriptionTemplate = head;
    const std::string bytes = ExportBytes();
    EXPECT_EQ(bytes,
              AnsiToOem(CrLfLines({"Т", "Вопрос 1: Q?", "Ответ 1: a", "Ответ 2: b", "+2 ", ""})));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x92);  // «Т» in code page 866
  }
}

TEST_F(ExportFile, ReplacesALongerFileCompletely) {
  WriteFileBytes(path_, std::string(10000, 'x'));
  doc_->testInfo.name = "N";
  doc_->interchangeSettings.exportDescriptionTemplate = "%T";
  EXPECT_EQ(ExportBytes(), "N");
}

TEST_F(ExportFile, UncreatableFileWritesNothing) {
  doc_->interchangeSettings.interchangePath = dir_.File("missing/text.txt");
  EXPECT_EQ(ExportText(*doc_), kInterchangeCannotOpen);
  EXPECT_FALSE(FileExists(dir_.File("missing/text.txt")));
}

TEST_F(ExportFile, FileHeldByAnotherProgramIsLeftIntact) {
  WriteFileBytes(path_, "theirs");
  const int fd = ::open(path_.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_SH), 0);
  EXPECT_EQ(ExportText(*doc_), kInterchangeCannotOpen);
  ::close(fd);
  EXPECT_EQ(ReadFileBytes(path_), "theirs");
}

// A file-size limit stands in for a full disk: writes beyond it fail with EFBIG.
TEST_F(ExportFile, WriteFailureIsReported) {
  doc_->testInfo.name = std::string(5000, 'n');
  doc_->interchangeSettings.exportDescriptionTemplate = "%T";
  for (int i = 0; i < 200; ++i) AddQuestionWithVariants(*doc_, std::string(2000, 'q'));
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const int result = ExportText(*doc_);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedSignal);
  EXPECT_EQ(result, kInterchangeIoFailed);
  EXPECT_LE(ReadFileBytes(path_).size(), 100000u);
}

}  // namespace
}  // namespace vornet::testing
