// Opening a test file for a run: what is accepted, what is refused as damaged, and what a
// refused file leaves behind (nothing).

#include <gtest/gtest.h>

#include "platform/locked_file.h"
#include "tests/tester_engine/run_fixture.h"

namespace vornet::testing {
namespace {

QbBuilder Head(std::initializer_list<int16_t> settings = {}) {
  QbBuilder qb;
  qb.Header("T", "D", "pw", settings);
  return qb;
}

// A question whose one variant has a picture and a sound.
QbBuilder& MediaQuestion(QbBuilder& qb) {
  return qb.Str("Q").Media("BMpic").Media("RIFFq").U8(1).Str("A").U8(100).Media("BMa").Media(
      "RIFFa");
}

struct Damaged {
  const char* what;
  std::string bytes;
};

std::vector<Damaged> DamagedFiles() {
  std::vector<Damaged> cases;
  auto add = [&cases](const char* what, const QbBuilder& qb) {
    cases.push_back({what, qb.Bytes()});
  };
  add("empty file", QbBuilder());
  add("wrong magic", QbBuilder().Raw("QBv1.1").Str("T").Str("").Str("").Raw(std::string(18, '\0')));
  add("magic only", QbBuilder().Magic());
  add("negative name length", QbBuilder().Magic().I16(-1).Raw(std::string(40, '\0')));
  add("name runs past the end", QbBuilder().Magic().I16(50).Raw("abc"));
  add("settings cut short", QbBuilder().Magic().Str("T").Str("").Str("").I16(0).I16(0));
  add("question count missing", Head());
  add("negative question count", Head().I16(-1));
  add("1025 questions", Head().I16(1025));
  add("fewer questions than counted", Head().I16(2).PlainQuestion("Q", {{"A", 100}}));
  add("negative question text length", Head().I16(1).I16(-3).Raw(std::string(20, '\0')));
  add("question text past the end", Head().I16(1).I16(100).Raw("short"));
  add("question picture past the end", Head().I16(1).Str("Q").U8(1).U32(1000).Raw("BM"));
  add("picture length cut short", Head().I16(1).Str("Q").U8(1).Raw("\x05\x00"));
  add("sound past the end", Head().I16(1).Str("Q").NoMedia().U8(1).U32(0xFFFFFFFFu).Raw("RI"));
  add("answer count missing", Head().I16(1).Str("Q").NoMedia().NoMedia());
  add("17 answer variants",
      Head().I16(1).Str("Q").NoMedia().NoMedia().U8(17).Raw(std::string(17 * 5, '\0')));
  add("negative answer text length",
      Head().I16(1).Str("Q").NoMedia().NoMedia().U8(1).I16(-1).Raw(std::string(8, '\0')));
  add("answer accuracy missing", Head().I16(1).Str("Q").NoMedia().NoMedia().U8(1).Str("A"));
  add("variants fewer than counted",
      Head().I16(1).Str("Q").NoMedia().NoMedia().U8(3).Str("A").U8(0).NoMedia().NoMedia());
  {
    // The last record of a longer file is walked too.
    QbBuilder qb = Head().I16(3).PlainQuestion("Q1", {{"A", 1}}).PlainQuestion("Q2", {{"B", 2}});
    MediaQuestion(qb);
    std::string bytes = qb.Bytes();
    bytes.pop_back();  // the last sound loses its final byte
    cases.push_back({"last answer's sound cut short", bytes});
  }
  add("shuffled answers, none to offer",
      Head({0, 0, 0, 0, 0, 1, 0, 0}).I16(1).PlainQuestion("Q", {{"A", 100}}));
  add("shuffled answers, negative offer",
      Head({0, 0, 0, 0, 0, 1, 0, -2}).I16(1).PlainQuestion("Q", {{"A", 100}}));
  return cases;
}

class OpenForRunTest : public RunFixture {};

TEST_F(OpenForRunTest, DamagedFilesAreRefusedAndLeaveNothingBehind) {
  for (const Damaged& c : DamagedFiles()) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Open(c.bytes), kFileBadFormat);
    EXPECT_EQ(Files(), std::vector<std::string>{"test.qb"});
    EXPECT_FALSE(run_.testFile.IsOpen());
    EXPECT_EQ(run_.questionCount, 0);
    EXPECT_TRUE(run_.testInfo.name.empty());
    // The refused file is closed: it can be taken exclusively again.
    EXPECT_TRUE(LockedFile::LockExisting(dir_.File("test.qb")).IsOpen());
  }
}

TEST_F(OpenForRunTest, MissingFileIsNoAccess) {
  DropRun(run_);
  run_.testFilePath = dir_.File("missing.qb");
  EXPECT_EQ(OpenTestForRun(run_), kFileNoAccess);
  EXPECT_FALSE(run_.testFile.IsOpen());
}

TEST_F(OpenForRunTest, FileHeldForWritingElsewhereIsNoAccess) {
  WriteFileBytes(dir_.File("test.qb"), Head().I16(0).Bytes());
  LockedFile writer = LockedFile::LockExisting(dir_.File("test.qb"));
  ASSERT_TRUE(writer.IsOpen());
  run_.testFilePath = dir_.File("test.qb");
  EXPECT_EQ(OpenTestForRun(run_), kFileNoAccess);
}

TEST_F(OpenForRunTest, ReadsHeaderAndRecordsEveryQuestionOffset) {
  QbBuilder qb = Head({1, 1, 5, 2, 0, 1, 7, 3});
  qb.I16(3);
  const size_t first = qb.Size();
  MediaQuestion(qb);
  const size_t second = qb.Size();
  // A present byte other than 1 means no block follows.
  qb.Str("Q2").U8(7).U8(2).U8(0);
  const size_t third = qb.Size();
  qb.PlainQuestion("Q3", {{"A", 0}, {"B", 100}});
  ASSERT_EQ(Open(qb.Bytes()), kFileOk);
  EXPECT_EQ(run_.testInfo.name, "T");
  EXPECT_EQ(run_.testInfo.description, "D");
  EXPECT_EQ(run_.testInfo.editPassword, "pw");
  const TestSettings& s = run_.testSettings;
  EXPECT_EQ(
      std::vector<int>({s.testTimeLimited, s.questionTimeLimited, s.testMinutes, s.questionMinutes,
                        s.shuffleQuestions, s.shuffleAnswers, s.questionsToAsk, s.answersToOffer}),
      std::vector<int>({1, 1, 5, 2, 0, 1, 7, 3}));
  EXPECT_EQ(run_.questionCount, 3);
  EXPECT_EQ(run_.questionOffsets[0], static_cast<int64_t>(first));
  EXPECT_EQ(run_.questionOffsets[1], static_cast<int64_t>(second));
  EXPECT_EQ(run_.questionOffsets[2], static_cast<int64_t>(third));
  // The walk stages nothing and the file stays open with writing denied to others.
  EXPECT_EQ(Files(), std::vector<std::string>{"test.qb"});
  EXPECT_TRUE(run_.testFile.IsOpen());
  EXPECT_FALSE(LockedFile::LockExisting(dir_.File("test.qb")).IsOpen());
}

TEST_F(OpenForRunTest, OffsetsAreFoundAcrossReadWindowsAndSeeks) {
  // Texts and media of sizes around the reader's windows, so that fields straddle them.
  const int textLengths[] = {0, 1, 509, 510, 511, 512, 513, 1023, 16383, 16384, 16385, 32767};
  const size_t mediaLengths[] = {0, 1, 4, 500, 511, 16384, 16385, 70000};
  QbBuilder qb = Head();
  const int questions = 48;
  qb.I16(questions);
  std::vector<int64_t> expected;
  for (int i = 0; i < questions; ++i) {
    expected.push_back(static_cast<int64_t>(qb.Size()));
    qb.Str(std::string(textLengths[i % 12], 'q'));
    qb.Media(PatternBytes(mediaLengths[i % 8], i)).U8(i % 3 == 0 ? 3 : 0);
    qb.U8(static_cast<uint8_t>(i % 17));
    for (int t = 0; t < i % 17; ++t) {
      qb.Str(std::string(textLengths[(i + t) % 12] / 3, 'a')).U8(static_cast<uint8_t>(t));
      if ((i + t) % 4 == 0) {
        qb.Media(PatternBytes(mediaLengths[(i + t) % 8])).NoMedia();
      } else {
        qb.NoMedia().U8(2);
      }
    }
  }
  ASSERT_EQ(Open(qb.Bytes()), kFileOk);
  ASSERT_EQ(run_.questionCount, questions);
  for (int i = 0; i < questions; ++i) EXPECT_EQ(run_.questionOffsets[i], expected[i]) << i;
  // The last question reads back whole from its offset.
  SeekQuestion(run_, questions - 1);
  PrepareQuestion(run_);
  EXPECT_EQ(run_.items[0].text, std::string(textLengths[(questions - 1) % 12], 'q'));
  EXPECT_EQ(run_.answerCount, (questions - 1) % 17);
}

TEST_F(OpenForRunTest, CapacitiesAreAcceptedInFull) {
  QbBuilder qb = Head();
  qb.I16(kMaxQuestions);
  for (int i = 0; i < kMaxQuestions; ++i) {
    qb.Str("Q").NoMedia().NoMedia().U8(kMaxAnswers);
    for (int t = 0; t < kMaxAnswers; ++t) qb.Str("A").U8(0).NoMedia().NoMedia();
  }
  ASSERT_EQ(Open(qb.Bytes()), kFileOk);
  EXPECT_EQ(run_.questionCount, kMaxQuestions);
}

TEST_F(OpenForRunTest, EmptyMediaAndShuffledAnswersWithOneToOffer) {
  QbBuilder qb = Head({0, 0, 0, 0, 0, 1, 0, 1});
  qb.I16(1).Str("Q").Media("").NoMedia().U8(1).Str("A").U8(100).NoMedia().Media("");
  EXPECT_EQ(Open(qb.Bytes()), kFileOk);
}

TEST_F(OpenForRunTest, ReopeningClosesThePreviousFile) {
  ASSERT_EQ(Open(Head().I16(0).Bytes()), kFileOk);
  WriteFileBytes(dir_.File("other.qb"), Head().I16(0).Bytes());
  run_.testFilePath = dir_.File("other.qb");
  ASSERT_EQ(OpenTestForRun(run_), kFileOk);
  EXPECT_TRUE(LockedFile::LockExisting(dir_.File("test.qb")).IsOpen());
}

}  // namespace
}  // namespace vornet::testing
