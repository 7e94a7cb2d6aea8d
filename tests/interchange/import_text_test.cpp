#include "interchange/import_text.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "interchange/interchange_result.h"
#include "platform/codepage.h"
#include "tests/interchange/interchange_fixture.h"

namespace vornet::testing {
namespace {

const char kWorkedExampleResult[] =
    "0: Сколько будет 2*2? | 3 0 | 4 100\n"
    "1: Столицы? | Рим 100 | Осло 100 | Нил 0\n";

// A test that already holds the question «P» with the variants «a» and «b».
void OneQuestion(TestDocument& doc) { AddQuestionWithVariants(doc, "P", {{"a", 0}, {"b", 0}}); }

struct ImportCase {
  const char* name;
  void (*setup)(TestDocument&);  // nullptr: an empty test
  // Templates in UTF-8; nullptr keeps the default.
  const char* questionTemplate;
  const char* answerTemplate;
  const char* rightAnswersTemplate;
  const char* file;      // UTF-8, written as Windows-1251
  const char* expected;  // DescribeQuestions after the import
};

void PrintTo(const ImportCase& c, std::ostream* out) { *out << c.name; }

const char kEndMarkerHash[] = "%B=\"Вопрос\" %F=\":\" %S=\"2\" %TW %E=\"##\"";
const char kByAccuracy[] = "%B=\"+\" %A";

const ImportCase kImportCases[] = {
    {"FirstWorkedExample", nullptr, nullptr, nullptr, nullptr, kWorkedExampleLines,
     kWorkedExampleResult},
    {"SecondWorkedExample", nullptr, "%B=\"В:\" %N%TW%E=\"#\"", nullptr, nullptr,
     "В: any words\r\nПервая строка\r\nВторая строка#\r\n", "0: Первая строка%NВторая строка\n"},
    {"LineBreakInTheMiddleBecomesPercentN", nullptr, "%B=\"В:\" %TW%E=\"#\"", nullptr, nullptr,
     "В:первая\r\nвторая#\r\n", "0: первая%Nвторая\n"},
    {"LastElementWithoutLineBreakIsLost", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\r\nВопрос 2: B", "0: A\n"},
    {"CrAtTheVeryEndEndsTheLine", nullptr, nullptr, nullptr, nullptr, "Вопрос 1: A\r", "0: A\n"},
    {"EndOfFileInsideAnAnswer", nullptr, nullptr, nullptr, nullptr, "Вопрос 1: A\r\nОтвет 1: x",
     "0: A\n"},
    {"EndOfFileInsideABeginMarker", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\r\nОтвет 1: x\r\nВопро", "0: A | x 0\n"},
    {"EndMarkerEndingTheFileDoesNotCount", nullptr, kEndMarkerHash, nullptr, nullptr,
     "Вопрос 1: A##", ""},
    {"EndMarkerFollowedByAByte", nullptr, kEndMarkerHash, nullptr, nullptr, "Вопрос 1: A##\r",
     "0: A\n"},
    {"FailedEndMarkerIsCollected", nullptr, kEndMarkerHash, nullptr, nullptr,
     "Вопрос 1: a#b\r\n##\r\n", "0: a#b%N\n"},
    {"LineFeedsAloneEndNothing", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\nОтвет 1: x\n+1\n", ""},
    {"MarkersAreCaseSensitive", nullptr, nullptr, nullptr, nullptr,
     "вопрос 1: A\r\nВОПРОС 2: B\r\nответ 1: c\r\n", ""},
    {"BytesReadAheadArePutBack", nullptr, nullptr, nullptr, nullptr,
     "ВВопрос 1: A\r\nОтОтвет 1: x\r\n", "0: A | x 0\n"},
    {"ByteAfterACrIsSkippedWhateverItIs", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\rВопрос 2: B\r\n", "0: A\n"},
    {"RightAnswersBegunInsideAQuestion", OneQuestion, nullptr, nullptr, nullptr,
     "Вопрос 5: 2+2=?\r\n", "0: P | a 0 | b 0 [5=100]\n"},
    {"AnswerBegunInsideAQuestion", OneQuestion, nullptr, nullptr, nullptr,
     "Вопрос 1: Что такое Ответ: да\r\n", "0: P | a 0 | b 0 | Что такое : да 0\n"},
    {"LinesBeforeTheFirstQuestionGoToTheLastListed", OneQuestion, nullptr, nullptr, nullptr,
     "Ответ 3: x\r\n+3\r\nВопрос 1: A\r\n", "0: P | a 0 | b 0 | x 100\n1: A\n"},
    {"LinesBeforeAnyQuestionOfAnEmptyTestAreDropped", nullptr, nullptr, nullptr, nullptr,
     "Ответ 1: x\r\n+1\r\nВопрос 1: A\r\nОтвет 1: y\r\n", "0: A | y 0\n"},
    {"ExportedHeadGivesAnExtraQuestion", nullptr, nullptr, nullptr, nullptr,
     "Вопросы истории\r\n\r\n\r\nВопрос 1: Q\r\nОтвет 1: a\r\n+1 \r\n\r\n",
     "0: истории\n1: Q | a 100\n"},
    {"EmptyQuestionTextIsStoredAndListed", nullptr, nullptr, nullptr, nullptr,
     "Вопрос\r\nОтвет 1: x\r\nВопрос 2: B\r\n", "0:  | x 0\n1: B\n"},
    {"AccuraciesStopAtTheFirstOtherCharacter", nullptr, nullptr, nullptr, kByAccuracy,
     "Вопрос 1: A\r\nОтвет 1: a\r\nОтвет 2: b\r\nОтвет 3: c\r\n+50 x 100\r\n",
     "0: A | a 50 | b 0 | c 0\n"},
    {"AccuracyTakenModulo256", nullptr, nullptr, nullptr, kByAccuracy,
     "Вопрос 1: A\r\nОтвет 1: a\r\n+300\r\n", "0: A | a 44\n"},
    {"AccuraciesBeyondTheVariantsInUse", nullptr, nullptr, nullptr, kByAccuracy,
     "Вопрос 1: A\r\nОтвет 1: a\r\n+1 2 3 101\r\n", "0: A | a 1 [2=2 3=3]\n"},
    {"LeadingBlankBeforeTheNumber", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\r\nОтвет 1: a\r\nОтвет 2: b\r\n+ 2\r\n", "0: A | a 0 | b 100\n"},
    {"NoLeadingBlank", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\r\nОтвет 1: a\r\nОтвет 2: b\r\n+2\r\n", "0: A | a 0 | b 100\n"},
    {"RightNumbersOneToSixteen", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\r\nОтвет 1: a\r\nОтвет 2: b\r\n+0 258 15 16 17\r\n",
     "0: A | a 0 | b 100 [15=100 16=100]\n"},
    {"MarkSetBeforeTheVariantStaysWithItsPlace", nullptr, nullptr, nullptr, nullptr,
     "Вопрос 1: A\r\n+2\r\nОтвет 1: a\r\nОтвет 2: b\r\n", "0: A | a 0 | b 100\n"},
    {"EmptyBeginMarkerNeverBegins", nullptr, nullptr, nullptr, "%B=\"\" %1",
     "Вопрос 1: A\r\nОтвет 1: a\r\n+1\r\n", "0: A | a 0\n"},
};

class ImportCases : public InterchangeTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(ImportCases, StoresWhatTheTemplatesRecognise) {
  const ImportCase& c = GetParam();
  if (c.setup) c.setup(*doc_);
  InterchangeSettings& templates = doc_->interchangeSettings;
  if (c.questionTemplate) templates.importQuestionTemplate = Ansi(c.questionTemplate);
  if (c.answerTemplate) templates.importAnswerTemplate = Ansi(c.answerTemplate);
  if (c.rightAnswersTemplate) templates.importRightAnswersTemplate = Ansi(c.rightAnswersTemplate);
  ImportBytes(Ansi(c.file));
  EXPECT_EQ(DescribeQuestions(*doc_), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Import, ImportCases, ::testing::ValuesIn(kImportCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ImportFile : public InterchangeTest {};

TEST_F(ImportFile, WorkedExampleLeavesTheRestOfTheTestAlone) {
  doc_->testInfo.name = "name";
  doc_->compileState = 1;
  const InterchangeSettings before = doc_->interchangeSettings;
  ImportBytes(Ansi(kWorkedExampleLines));
  EXPECT_EQ(doc_->questionCount, 2);
  EXPECT_EQ(doc_->questionOrder[0], 0);
  EXPECT_EQ(doc_->questionOrder[1], 1);
  EXPECT_EQ(doc_->questionOrder[2], -1);
  EXPECT_TRUE(doc_->questions[1].inUse);
  EXPECT_FALSE(doc_->questions[2].inUse);
  EXPECT_EQ(doc_->questions[0].picturePath, "");
  EXPECT_EQ(doc_->testInfo.name, "name");
  EXPECT_EQ(doc_->compileState, 1);
  EXPECT_EQ(doc_->interchangeSettings.importQuestionTemplate, before.importQuestionTemplate);
  EXPECT_EQ(doc_->interchangeSettings.interchangePath, path_);
}

TEST_F(ImportFile, ZeroBytesAreNeitherCollectedNorMarkerCharacters) {
  const std::string file =
      Ansi("Вопрос 1: A") + '\0' + "B\r\n" + Ansi("Воп") + '\0' + Ansi("рос 2: C\r\n");
  ImportBytes(file);
  EXPECT_EQ(DescribeQuestions(*doc_), "0: AB\n");
}

TEST_F(ImportFile, OemCodePageReadsAndStoresInTheWindowsCodePage) {
  InterchangeSettings& templates = doc_->interchangeSettings;
  templates.importQuestionTemplate = Ansi("%B=\"Вопрос\" %F=\":\" %S=\"2\" %TD");
  templates.importAnswerTemplate = Ansi("%B=\"Ответ\" %F=\":\" %S=\"2\" %TD");
  const InterchangeSettings before = templates;
  const std::string lines = CrLfLines({"Вопрос 1: Тест", "Ответ 1: да", "Ответ 2: нет", "+2"});

  ImportBytes(AnsiToOem(lines));
  EXPECT_EQ(DescribeQuestions(*doc_), "0: Тест | да 0 | нет 100\n");
  EXPECT_EQ(templates.importQuestionTemplate, before.importQuestionTemplate);
  EXPECT_EQ(templates.importAnswerTemplate, before.importAnswerTemplate);

  // The same lines in the Windows code page hold no OEM marker.
  ImportBytes(lines);
  EXPECT_EQ(doc_->questionCount, 1);
}

TEST_F(ImportFile, SixteenVariantsTakeTheirRightAnswersAndNoSeventeenth) {
  std::string file = Ansi("Вопрос 1: A\r\n");
  for (int j = 1; j <= 17; ++j) {
    file += Ansi("Ответ " + std::to_string(j) + ": v") + std::to_string(j) + "\r\n";
  }
  file += "+1 15 16\r\n" + Ansi("Вопрос 2: B\r\nОтвет 1: w\r\n+1\r\n");
  ImportBytes(file);

  ASSERT_EQ(doc_->questionCount, 2);
  const Question& first = doc_->QuestionAt(0);
  ASSERT_EQ(first.answerCount, 16);
  for (int j = 0; j < 16; ++j) {
    EXPECT_EQ(first.answers[j].text, "v" + std::to_string(j + 1));
    EXPECT_EQ(first.answers[j].accuracy, j == 0 || j == 14 || j == 15 ? 100 : 0) << j;
  }
  const Question& second = doc_->QuestionAt(1);
  EXPECT_EQ(second.text, "B");
  ASSERT_EQ(second.answerCount, 1);
  EXPECT_EQ(second.answers[0].accuracy, 100);
}

TEST_F(ImportFile, LinesAfterAQuestionWithoutASlotAreDropped) {
  for (int i = 0; i < kMaxQuestions - 1; ++i) AddQuestion(*doc_, "q", "", "");
  ImportBytes(
      Ansi("Вопрос 1: A\r\nОтвет 1: a\r\nВопрос 2: B\r\nОтвет 1: b\r\n+2\r\n"
           "Вопрос 3: C\r\n+2\r\nОтвет 1: c\r\n"));

  ASSERT_EQ(doc_->questionCount, kMaxQuestions);
  const Question& last = doc_->questions[kMaxQuestions - 1];
  EXPECT_EQ(last.text, "A");
  ASSERT_EQ(last.answerCount, 1);  // the 1024th question receives its own variants
  EXPECT_EQ(last.answers[0].text, "a");
  for (const Answer& answer : last.answers) EXPECT_EQ(answer.accuracy, 0);
  int variants = 0;
  for (const Question& question : doc_->questions) variants += question.answerCount;
  EXPECT_EQ(variants, 1);
}

TEST_F(ImportFile, ImportingTwiceAddsTwice) {
  WriteFileBytes(path_, Ansi(kWorkedExampleLines));
  ASSERT_EQ(ImportText(*doc_), kInterchangeDone);
  ASSERT_EQ(ImportText(*doc_), kInterchangeDone);
  EXPECT_EQ(DescribeQuestions(*doc_),
            "0: Сколько будет 2*2? | 3 0 | 4 100\n"
            "1: Столицы? | Рим 100 | Осло 100 | Нил 0\n"
            "2: Сколько будет 2*2? | 3 0 | 4 100\n"
            "3: Столицы? | Рим 100 | Осло 100 | Нил 0\n");
}

TEST_F(ImportFile, QuestionsAreRelistedInSlotOrder) {
  AddQuestionWithVariants(*doc_, "Q1");
  AddQuestionWithVariants(*doc_, "Q2");
  AddQuestionWithVariants(*doc_, "Q3");
  DeleteQuestion(*doc_, 1);
  AddQuestionWithVariants(*doc_, "Q4");  // slot 1, listed third
  ASSERT_EQ(DescribeQuestions(*doc_), "0: Q1\n2: Q3\n1: Q4\n");

  // The answer line comes before any question of the file: it joins the last listed question.
  ImportBytes(Ansi("Ответ 1: x\r\nВопрос 1: N\r\n"));
  EXPECT_EQ(DescribeQuestions(*doc_), "0: Q1\n1: Q4 | x 0\n2: Q3\n3: N\n");
  EXPECT_EQ(doc_->questionOrder[4], -1);
}

TEST_F(ImportFile, NothingRecognisedStillRelistsInSlotOrder) {
  AddQuestionWithVariants(*doc_, "Q1");
  AddQuestionWithVariants(*doc_, "Q2");
  AddQuestionWithVariants(*doc_, "Q3");
  DeleteQuestion(*doc_, 0);
  AddQuestionWithVariants(*doc_, "Q4");  // slot 0, listed last
  ImportBytes("nothing here\r\n");
  EXPECT_EQ(DescribeQuestions(*doc_), "0: Q4\n1: Q2\n2: Q3\n");
}

TEST_F(ImportFile, OverlongTextIsCut) {
  ImportBytes(Ansi("Вопрос 1: ") + std::string(40000, 'x') + "\r\n");
  ASSERT_EQ(doc_->questionCount, 1);
  EXPECT_EQ(doc_->QuestionAt(0).text, std::string(kMaxTextLength, 'x'));
}

// Markers that straddle the reader's 64 KiB blocks, and look-aheads that fail across them.
TEST_F(ImportFile, MarkersAcrossBufferBlocks) {
  const std::string tail = Ansi("Вопрx Вопрос 1: A\r\nОтОтвет 1: a\r\n+1\r\n");
  for (size_t padding = 65520; padding <= 65540; ++padding) {
    SCOPED_TRACE(padding);
    doc_ = NewDocument();
    doc_->interchangeSettings.interchangePath = path_;
    ImportBytes(std::string(padding, '.') + tail);
    EXPECT_EQ(DescribeQuestions(*doc_), "0: A | a 100\n");
  }
}

TEST_F(ImportFile, UnreadableFileChangesNothing) {
  OneQuestion(*doc_);
  const std::string before = DescribeQuestions(*doc_);
  for (const std::string& path : {dir_.File("missing.txt"), dir_.Path()}) {
    doc_->interchangeSettings.interchangePath = path;
    EXPECT_EQ(ImportText(*doc_), kInterchangeCannotOpen) << path;
  }
  EXPECT_EQ(DescribeQuestions(*doc_), before);
  EXPECT_EQ(doc_->questionOrder[1], -1);
}

TEST_F(ImportFile, FileBeingWrittenByAnotherProgramCannotBeOpened) {
  WriteFileBytes(path_, Ansi("Вопрос 1: A\r\n"));
  const int fd = ::open(path_.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  EXPECT_EQ(ImportText(*doc_), kInterchangeCannotOpen);
  ::close(fd);
  EXPECT_EQ(doc_->questionCount, 0);
}

}  // namespace
}  // namespace vornet::testing
