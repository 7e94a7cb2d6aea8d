#include "model/compile_check.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "tests/support/test_files.h"
#include "tests/support/new_document.h"

namespace vornet {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

using testing::NewDocument;

struct Rows {
  bool row1, row2, row3, row4;
};

void ExpectRows(const CompileChecks& checks, Rows rows) {
  EXPECT_EQ(checks.everyQuestionHasAnswer, rows.row1);
  EXPECT_EQ(checks.everyTextPresent, rows.row2);
  EXPECT_EQ(checks.everyMediaFileOpens, rows.row3);
  EXPECT_EQ(checks.everyQuestionHasFullAnswer, rows.row4);
  EXPECT_EQ(checks.Passed(), rows.row1 && rows.row2 && rows.row3 && rows.row4);
}

TEST(CompileChecks, EachRowFailsOnItsOwnFault) {
  TempDir dir;
  const std::string picture = dir.File("p.bmp");
  const std::string sound = dir.File("s.wav");
  WriteFileBytes(picture, "BM");
  WriteFileBytes(sound, "RIFF");
  struct Case {
    const char* name;
    std::function<void(TestDocument&)> build;
    Rows rows;
  } cases[] = {
      {"empty test", [](TestDocument&) {}, {true, true, true, true}},
      {"complete question with media",
       [&](TestDocument& doc) {
         AddQuestion(doc, "Q", picture, sound);
         AddAnswer(doc, 0, "A", picture, sound, 100);
       },
       {true, true, true, true}},
      {"question without variants",
       [](TestDocument& doc) { AddQuestion(doc, "Q", "", ""); },
       {false, true, true, false}},
      {"99 % best variant",
       [](TestDocument& doc) {
         AddQuestion(doc, "Q", "", "");
         AddAnswer(doc, 0, "A", "", "", 99);
         AddAnswer(doc, 0, "B", "", "", 0);
       },
       {true, true, true, false}},
      {"deleted sound file of a variant",
       [&](TestDocument& doc) {
         AddQuestion(doc, "Q", "", "");
         AddAnswer(doc, 0, "A", "", dir.File("gone.wav"), 100);
       },
       {true, true, false, true}},
      {"missing question picture",
       [&](TestDocument& doc) {
         AddQuestion(doc, "Q", dir.File("gone.bmp"), "");
         AddAnswer(doc, 0, "A", "", "", 100);
       },
       {true, true, false, true}},
      {"a folder is no media file",
       [&](TestDocument& doc) {
         AddQuestion(doc, "Q", dir.Path(), "");
         AddAnswer(doc, 0, "A", "", "", 100);
       },
       {true, true, false, true}},
      {"empty question text, variants with texts",
       [](TestDocument& doc) {
         AddQuestion(doc, "", "", "");
         AddAnswer(doc, 0, "A", "", "", 100);
       },
       {true, false, true, true}},
      {"empty variant text",
       [](TestDocument& doc) {
         AddQuestion(doc, "Q", "", "");
         AddAnswer(doc, 0, "", "", "", 100);
       },
       {true, false, true, true}},
      {"a fault in the second question is found too",
       [](TestDocument& doc) {
         AddQuestion(doc, "Q1", "", "");
         AddAnswer(doc, 0, "A", "", "", 100);
         AddQuestion(doc, "Q2", "", "");
       },
       {false, true, true, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto doc = NewDocument();
    c.build(*doc);
    ExpectRows(RunCompileChecks(*doc), c.rows);
  }
}

TEST(CompileChecks, LooksOnlyAtListedQuestionsAndCountedVariants) {
  auto doc = NewDocument();
  AddQuestion(*doc, "Q1", "", "");
  AddAnswer(*doc, 0, "A", "", "", 100);
  AddQuestion(*doc, "Q2", "", "");  // no variants: fails rows 1 and 4
  AddQuestion(*doc, "Q3", "", "");
  AddAnswer(*doc, 2, "A", "", "", 100);
  ExpectRows(RunCompileChecks(*doc), {false, true, true, false});

  DeleteQuestion(*doc, 1);
  ExpectRows(RunCompileChecks(*doc), {true, true, true, true});

  // A deleted variant's leftovers beyond answerCount are never looked at.
  AddAnswer(*doc, 0, "", "/no/such/file.wav", "", 0);
  ExpectRows(RunCompileChecks(*doc), {true, false, false, true});
  DeleteAnswer(*doc, 0, 1);
  ExpectRows(RunCompileChecks(*doc), {true, true, true, true});

  // The freed slot is taken again by the next question, which the checks then cover.
  AddQuestion(*doc, "Q4", "", "");
  EXPECT_EQ(doc->questionOrder[2], 1);
  ExpectRows(RunCompileChecks(*doc), {false, true, true, false});
}

TEST(CompileChecks, AFileHeldForWritingElsewhereFailsTheMediaRow) {
  TempDir dir;
  const std::string sound = dir.File("s.wav");
  WriteFileBytes(sound, "RIFF");
  auto doc = NewDocument();
  AddQuestion(*doc, "Q", "", sound);
  AddAnswer(*doc, 0, "A", "", "", 100);
  EXPECT_TRUE(RunCompileChecks(*doc).everyMediaFileOpens);
  const int fd = ::open(sound.c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  EXPECT_FALSE(RunCompileChecks(*doc).everyMediaFileOpens);
  ::close(fd);
  EXPECT_TRUE(RunCompileChecks(*doc).everyMediaFileOpens);
}

}  // namespace
}  // namespace vornet
