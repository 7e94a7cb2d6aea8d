#include "model/test_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "platform/locked_file.h"
#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"
#include "tests/support/new_document.h"

namespace vornet {
namespace {

using testing::FileExists;
using testing::PatternBytes;
using testing::QbBuilder;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

using testing::NewDocument;

const std::string kWorkedExample(
    "\x51\x42\x76\x31\x2E\x30"          // magic
    "\x01\x00\x54"                      // name "T"
    "\x00\x00\x00\x00"                  // description, password
    "\x00\x00\x00\x00\x00\x00\x00\x00"  // time flags and minutes
    "\x00\x00\x00\x00\x01\x00\x01\x00"  // shuffles, questionsToAsk 1, answersToOffer 1
    "\x01\x00"                          // one question
    "\x01\x00\x51\x00\x00\x01"          // "Q", no media, one variant
    "\x01\x00\x41\x64\x00\x00",         // "A", 100 %, no media
    43);

TEST(TestFile, WorkedExampleIsWrittenByteForByte) {
  TempDir dir;
  auto doc = NewDocument();
  doc->testInfo.name = "T";
  doc->testSettings.questionsToAsk = 1;
  doc->testSettings.answersToOffer = 1;
  AddQuestion(*doc, "Q", "", "");
  AddAnswer(*doc, 0, "A", "", "", 100);
  doc->testFilePath = dir.File("t.qb");
  ASSERT_EQ(SaveTestFile(*doc), kFileOk);
  EXPECT_EQ(ReadFileBytes(doc->testFilePath), kWorkedExample);
}

TEST(TestFile, WorkedExampleLoads) {
  TempDir dir;
  auto doc = NewDocument();
  doc->testFilePath = dir.File("t.qb");
  WriteFileBytes(doc->testFilePath, kWorkedExample);
  ASSERT_EQ(LoadTestFile(*doc, false), kFileOk);
  EXPECT_EQ(doc->testInfo.name, "T");
  EXPECT_EQ(doc->testSettings.questionsToAsk, 1);
  EXPECT_EQ(doc->testSettings.answersToOffer, 1);
  ASSERT_EQ(doc->questionCount, 1);
  EXPECT_EQ(doc->questionOrder[0], 0);
  const Question& q = doc->QuestionAt(0);
  EXPECT_EQ(q.text, "Q");
  EXPECT_EQ(q.picturePath, "");
  ASSERT_EQ(q.answerCount, 1);
  EXPECT_EQ(q.answers[0].text, "A");
  EXPECT_EQ(q.answers[0].accuracy, 100);
  EXPECT_EQ(q.answers[0].soundPath, "");
}

TEST(TestFile, EmptyTestIsThirtyBytesPlusTheStrings) {
  TempDir dir;
  auto doc = NewDocument();
  doc->testFilePath = dir.File("empty.qb");
  ASSERT_EQ(SaveTestFile(*doc), kFileOk);
  const std::string bytes = ReadFileBytes(doc->testFilePath);
  EXPECT_EQ(bytes, QbBuilder().Header("", "", "", {}).I16(0).Bytes());
  EXPECT_EQ(bytes.size(), 30u);

  doc->testInfo = {"ab", "cde", "f"};
  ASSERT_EQ(SaveTestFile(*doc), kFileOk);
  EXPECT_EQ(ReadFileBytes(doc->testFilePath).size(), 36u);

  auto loaded = NewDocument();
  loaded->testFilePath = doc->testFilePath;
  ASSERT_EQ(LoadTestFile(*loaded, false), kFileOk);
  EXPECT_EQ(loaded->questionCount, 0);
  EXPECT_EQ(loaded->testInfo.description, "cde");
}

// Media of awkward sizes, on a question and on a variant, survive save, load and save again
// byte for byte; the staged files hold the exact media.
TEST(TestFile, MediaSurviveSaveLoadSave) {
  for (size_t size : {size_t{0}, size_t{16384}, size_t{16385}, size_t{100000}}) {
    SCOPED_TRACE(size);
    TempDir dir;
    const std::string picture = PatternBytes(size, 1), sound = PatternBytes(size + 3, 2);
    const std::string answerPicture = PatternBytes(size, 3), answerSound = PatternBytes(7, 4);
    WriteFileBytes(dir.File("p.bmp"), picture);
    WriteFileBytes(dir.File("s.wav"), sound);
    WriteFileBytes(dir.File("ap.bmp"), answerPicture);
    WriteFileBytes(dir.File("as.wav"), answerSound);
    auto doc = NewDocument();
    doc->testInfo = {"Name", "Desc\r\nline", "pw"};
    doc->testSettings = {1, 1, 10, 2, 1, 1, 3, 4};
    AddQuestion(*doc, "Q1", dir.File("p.bmp"), dir.File("s.wav"));
    AddAnswer(*doc, 0, "A1", dir.File("ap.bmp"), dir.File("as.wav"), 100);
    AddAnswer(*doc, 0, "A2", "", "", 40);
    AddQuestion(*doc, "Q2", "", dir.File("s.wav"));
    doc->testFilePath = dir.File("first.qb");
    ASSERT_EQ(SaveTestFile(*doc), kFileOk);

    const std::string expected = QbBuilder()
                                     .Header("Name", "Desc\r\nline", "pw", {1, 1, 10, 2, 1, 1, 3, 4})
                                     .I16(2)
                                     .Str("Q1").Media(picture).Media(sound).U8(2)
                                     .Str("A1").U8(100).Media(answerPicture).Media(answerSound)
                                     .Str("A2").U8(40).NoMedia().NoMedia()
                                     .Str("Q2").NoMedia().Media(sound).U8(0)
                                     .Bytes();
    EXPECT_EQ(ReadFileBytes(doc->testFilePath), expected);

    auto loaded = NewDocument();
    loaded->testFilePath = doc->testFilePath;
    ASSERT_EQ(LoadTestFile(*loaded, false), kFileOk);
    const Question& q = loaded->QuestionAt(0);
    EXPECT_EQ(ReadFileBytes(q.picturePath), picture);
    EXPECT_EQ(ReadFileBytes(q.answers[0].soundPath), answerSound);
    loaded->testFilePath = dir.File("second.qb");
    ASSERT_EQ(SaveTestFile(*loaded), kFileOk);
    EXPECT_EQ(ReadFileBytes(loaded->testFilePath), expected);
  }
}

TEST(TestFile, StagedMediaBearTheSlotNamesInAPrivateFolderAndGoWithReset) {
  TempDir dir;
  testing::ScopedWorkingDir cwd(dir.Path());
  // A user's own file that happens to bear a staged name stays untouched.
  WriteFileBytes(dir.File("0q.bmp"), "mine");
  const std::string file = QbBuilder()
                               .Header("", "", "", {})
                               .I16(2)
                               .Str("Q0").Media("P0").Media("S0").U8(1)
                               .Str("A").U8(100).Media("AP").Media("AS")
                               .Str("Q1").NoMedia().NoMedia().U8(4)
                               .Str("a").U8(0).NoMedia().NoMedia()
                               .Str("b").U8(0).NoMedia().NoMedia()
                               .Str("c").U8(0).NoMedia().NoMedia()
                               .Str("d").U8(100).Media("").Media("snd")
                               .Bytes();
  WriteFileBytes(dir.File("t.qb"), file);
  auto doc = NewDocument();
  doc->testFilePath = dir.File("t.qb");
  ASSERT_EQ(LoadTestFile(*doc, false), kFileOk);
  const Question& q0 = doc->QuestionAt(0);
  const Question& q1 = doc->QuestionAt(1);
  auto name = [](const std::string& path) { return path.substr(path.rfind('/') + 1); };
  EXPECT_EQ(name(q0.picturePath), "0q.bmp");
  EXPECT_EQ(name(q0.soundPath), "0q.wav");
  EXPECT_EQ(name(q0.answers[0].picturePath), "0q0a.bmp");
  EXPECT_EQ(name(q0.answers[0].soundPath), "0q0a.wav");
  EXPECT_EQ(name(q1.answers[3].picturePath), "1q3a.bmp");
  EXPECT_EQ(ReadFileBytes(q1.answers[3].picturePath), "");  // length 0 stages an empty file
  EXPECT_EQ(ReadFileBytes(q1.answers[3].soundPath), "snd");
  EXPECT_EQ(q1.answers[2].picturePath, "");
  EXPECT_NE(q0.picturePath, dir.File("0q.bmp"));
  EXPECT_EQ(ReadFileBytes(q0.picturePath), "P0");
  const std::string staged = q0.picturePath;
  EXPECT_TRUE(doc->mediaStaged);

  ResetTest(*doc);
  EXPECT_FALSE(FileExists(staged));
  EXPECT_FALSE(doc->mediaStaged);
  EXPECT_EQ(ReadFileBytes(dir.File("0q.bmp")), "mine");
}

TEST(TestFile, MergeFillsHolesListsInSlotOrderAndKeepsTheTest) {
  TempDir dir;
  // The incoming file: two questions with pictures.
  const std::string incoming = QbBuilder()
                                   .Header("Other", "other", "otherpw", {1, 1, 5, 5, 1, 1, 9, 9})
                                   .I16(2)
                                   .Str("N1").Media("n1").NoMedia().U8(0)
                                   .Str("N2").Media("n2").NoMedia().U8(0)
                                   .Bytes();
  WriteFileBytes(dir.File("in.qb"), incoming);
  // The current test: loaded (so it has staged media), then a hole made in slot 1.
  const std::string current = QbBuilder()
                                  .Header("Mine", "desc", "pw", {0, 1, 0, 3, 0, 0, 2, 4})
                                  .I16(3)
                                  .Str("A").Media("a").NoMedia().U8(0)
                                  .Str("B").Media("b").NoMedia().U8(0)
                                  .Str("C").Media("c").NoMedia().U8(0)
                                  .Bytes();
  WriteFileBytes(dir.File("cur.qb"), current);
  auto doc = NewDocument();
  doc->testFilePath = dir.File("cur.qb");
  ASSERT_EQ(LoadTestFile(*doc, false), kFileOk);
  const std::string stagedA = doc->QuestionAt(0).picturePath;
  DeleteQuestion(*doc, 1);      // slot 1 is free
  AddQuestion(*doc, "D", "", "");  // into slot 1, listed last: order 0, 2, 1

  doc->testFilePath = dir.File("in.qb");
  ASSERT_EQ(LoadTestFile(*doc, true), kFileOk);
  RebuildOrderInSlotOrder(*doc);
  ASSERT_EQ(doc->questionCount, 5);
  const char* expected[] = {"A", "D", "C", "N1", "N2"};
  for (int p = 0; p < 5; ++p) EXPECT_EQ(doc->QuestionAt(p).text, expected[p]);
  EXPECT_EQ(doc->questionOrder[3], 3);
  EXPECT_EQ(doc->questionOrder[4], 4);
  auto name = [](const std::string& path) { return path.substr(path.rfind('/') + 1); };
  EXPECT_EQ(name(doc->QuestionAt(3).picturePath), "3q.bmp");
  EXPECT_EQ(ReadFileBytes(doc->QuestionAt(4).picturePath), "n2");
  EXPECT_EQ(ReadFileBytes(stagedA), "a");  // the first test's staged files are untouched
  EXPECT_EQ(doc->testInfo.name, "Mine");
  EXPECT_EQ(doc->testInfo.editPassword, "pw");
  EXPECT_EQ(doc->testSettings.questionMinutes, 3);
  EXPECT_EQ(doc->testSettings.questionsToAsk, 2);
}

TEST(TestFile, MergingTheSameFileTwiceCopiesIntoSlotsNToTwoN) {
  TempDir dir;
  const std::string file = QbBuilder()
                               .Header("", "", "", {})
                               .I16(2)
                               .Str("X").Media("x").NoMedia().U8(0)
                               .Str("Y").NoMedia().NoMedia().U8(0)
                               .Bytes();
  WriteFileBytes(dir.File("t.qb"), file);
  auto doc = NewDocument();
  doc->testFilePath = dir.File("t.qb");
  ASSERT_EQ(LoadTestFile(*doc, false), kFileOk);
  const std::string firstPicture = doc->QuestionAt(0).picturePath;
  ASSERT_EQ(LoadTestFile(*doc, true), kFileOk);
  RebuildOrderInSlotOrder(*doc);
  ASSERT_EQ(doc->questionCount, 4);
  EXPECT_EQ(doc->QuestionAt(2).text, "X");
  EXPECT_EQ(doc->questionOrder[2], 2);
  EXPECT_EQ(doc->QuestionAt(2).picturePath.substr(doc->QuestionAt(2).picturePath.rfind('/') + 1),
            "2q.bmp");
  EXPECT_EQ(ReadFileBytes(firstPicture), "x");
}

TEST(TestFile, MergeWithoutRoomIsRefusedAsAWhole) {
  TempDir dir;
  auto doc = NewDocument();
  for (int k = 0; k < kMaxQuestions - 1; ++k) AddQuestion(*doc, "q", "", "");
  WriteFileBytes(dir.File("two.qb"), QbBuilder()
                                         .Header("", "", "", {})
                                         .I16(2)
                                         .PlainQuestion("a", {})
                                         .PlainQuestion("b", {})
                                         .Bytes());
  doc->testFilePath = dir.File("two.qb");
  EXPECT_EQ(LoadTestFile(*doc, true), kFileNoRoom);
  EXPECT_EQ(doc->questionCount, kMaxQuestions - 1);
  EXPECT_EQ(CountFreeSlots(*doc), 1);
}

TEST(TestFile, FailedSaveLeavesThePreviousFileUntouched) {
  TempDir dir;
  auto doc = NewDocument();
  doc->testFilePath = dir.File("t.qb");
  AddQuestion(*doc, "Q", "", "");
  ASSERT_EQ(SaveTestFile(*doc), kFileOk);
  const std::string before = ReadFileBytes(doc->testFilePath);

  // A media file that vanished since it was chosen.
  EditQuestion(*doc, 0, "Changed", dir.File("gone.bmp"), "");
  EXPECT_EQ(SaveTestFile(*doc), kFileNoAccess);
  EXPECT_EQ(ReadFileBytes(doc->testFilePath), before);

  // A test that another program (the tester) holds open.
  EditQuestion(*doc, 0, "Changed", "", "");
  {
    LockedFile reader = LockedFile::OpenForRead(doc->testFilePath);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(SaveTestFile(*doc), kFileNoAccess);
    EXPECT_EQ(ReadFileBytes(doc->testFilePath), before);
  }
  // A folder that does not exist.
  doc->testFilePath = dir.File("missing/t.qb");
  EXPECT_EQ(SaveTestFile(*doc), kFileNoAccess);
  // Nothing is left behind beside the target.
  int entries = 0;
  for (auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(TestFile, SaveKeepsTheTargetsPermissions) {
  TempDir dir;
  auto doc = NewDocument();
  doc->testFilePath = dir.File("t.qb");
  WriteFileBytes(doc->testFilePath, "old");
  ::chmod(doc->testFilePath.c_str(), 0640);
  ASSERT_EQ(SaveTestFile(*doc), kFileOk);
  struct stat info {};
  ::stat(doc->testFilePath.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(TestFile, LongTextsNeverMakeACorruptFile) {
  TempDir dir;
  auto doc = NewDocument();
  doc->testInfo.description = std::string(40000, 'd');  // set directly, past the editors
  doc->testFilePath = dir.File("t.qb");
  ASSERT_EQ(SaveTestFile(*doc), kFileOk);
  auto loaded = NewDocument();
  loaded->testFilePath = doc->testFilePath;
  ASSERT_EQ(LoadTestFile(*loaded, false), kFileOk);
  EXPECT_EQ(loaded->testInfo.description.size(), kMaxTextLength);
}

}  // namespace
}  // namespace vornet
