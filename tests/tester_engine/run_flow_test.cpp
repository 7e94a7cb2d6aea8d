// A run from the first question to the result: time limits, staged media, sounds and the
// requests made of the window.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/locked_file.h"
#include "tests/tester_engine/run_fixture.h"

namespace vornet::testing {
namespace {

class RunFlowTest : public RunFixture {
 protected:
  std::string TwoQuestions(std::initializer_list<int16_t> settings) {
    QbBuilder qb;
    qb.Header("T", "", "", settings)
        .I16(2)
        .PlainQuestion("Q1", {{"A", 100}, {"B", 0}})
        .PlainQuestion("Q2", {{"C", 100}});
    return qb.Bytes();
  }
  size_t Count(const std::string& text) const {
    size_t count = 0;
    const std::string log = Log();
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
    return count;
  }
  const int64_t t0_ = 1052114707;
};

TEST_F(RunFlowTest, QuestionLimitSkipsAtExactlySixtySeconds) {
  services_.clock = t0_;
  ASSERT_EQ(Open(TwoQuestions({0, 1, 0, 1})), 0);
  Start();
  EXPECT_EQ(services_.timerStarts, 1);
  EXPECT_EQ(services_.relayouts, 1);
  TickUntil(t0_ + 59);
  EXPECT_EQ(run_.items[0].text, "Q1");
  EXPECT_EQ(run_.questionElapsed, 59);
  EXPECT_EQ(Count(" : "), 0u);
  TickUntil(t0_ + 60);
  EXPECT_EQ(run_.askedCount, 1);
  EXPECT_EQ(run_.items[0].text, "Q2");
  EXPECT_EQ(run_.questionStart, t0_ + 60);
  EXPECT_EQ(run_.scoreTotal, 0);
  EXPECT_EQ(Count(Ansi("1 : Q1\rПропущено, время истекло. = 0%  00 часов 01 минут 00 секунд.\r")),
            1u);
  EXPECT_EQ(services_.redraws, 60);
  EXPECT_EQ(services_.relayouts, 2);
  EXPECT_TRUE(services_.timerRunning);
}

TEST_F(RunFlowTest, BothLimitsAtOneTickEndTheTestWithoutARecord) {
  services_.clock = t0_;
  ASSERT_EQ(Open(TwoQuestions({1, 1, 1, 1})), 0);
  Start();
  TickUntil(t0_ + 60);
  EXPECT_FALSE(run_.running);
  EXPECT_FALSE(services_.timerRunning);
  EXPECT_EQ(Count(" : "), 0u);
  EXPECT_EQ(Count(Ansi("----\rТест окончен, время истекло.\r----\r0%\r")), 1u);
  EXPECT_EQ(services_.messages.back(), "Тест завершен.\r\nВаш результат составил: 0%");
}

TEST_F(RunFlowTest, LimitsThatAreOffOrRunningDoNotEndAnything) {
  struct Case {
    const char* what;
    std::initializer_list<int16_t> settings;
    bool endsAtFirstTick;
  } cases[] = {
      {"test limit of 0 minutes", {1, 0, 0, 0}, true},
      {"question limit of 0 minutes", {0, 1, 0, 0}, true},
      {"minutes set but limits off", {0, 0, 1, 1}, false},
      {"negative minutes never run out", {1, 1, -1, -1}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    services_.clock = t0_;
    ASSERT_EQ(Open(TwoQuestions(c.settings)), 0);
    Start();
    TimerTick(run_);  // in the same second
    EXPECT_EQ(run_.askedCount != 0 || !run_.running, c.endsAtFirstTick);
  }
}

TEST_F(RunFlowTest, TimerRunsOnlyWithALimit) {
  ASSERT_EQ(Open(TwoQuestions({})), 0);
  Start();
  EXPECT_EQ(services_.timerStarts, 0);
  // A tick that arrives all the same changes nothing but the elapsed times.
  services_.clock += 3600;
  TimerTick(run_);
  EXPECT_EQ(run_.items[0].text, "Q1");
  EXPECT_EQ(run_.testElapsed, 3600);
}

TEST_F(RunFlowTest, PictureAfterALongTextIsDecodedAndItsFileDeleted) {
  const std::string text(300, 'x');
  const std::string picture = "BM" + PatternBytes(40000, 1);  // more than one copy buffer
  const std::string sound = "RIFF" + PatternBytes(16384 - 4, 2);
  QbBuilder qb;
  qb.Header("T", "", "", {}).I16(2);
  qb.Str(text).Media(picture).Media(sound).U8(2);
  qb.Str("A").U8(100).Media("BMa").Media("RIFFa");
  qb.Str("B").U8(0).NoMedia().Media("");
  qb.PlainQuestion("Q2", {{"C", 0}});
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start();

  const PageItem& question = run_.items[0];
  EXPECT_EQ(question.text, text);
  ASSERT_TRUE(question.hasPicture);
  EXPECT_EQ(static_cast<const FakePicture&>(*question.picture).Bytes(), picture);
  EXPECT_EQ(services_.decodedPaths,
            std::vector<std::string>({dir_.File("0$q.bmp"), dir_.File("0$a.bmp")}));
  EXPECT_EQ(question.soundFile, dir_.File("1$q.wav"));
  EXPECT_EQ(ReadFileBytes(question.soundFile), sound);
  EXPECT_EQ(run_.items[1].soundFile, dir_.File("0$a.wav"));
  // A block of length 0 stages an empty sound file.
  EXPECT_EQ(run_.items[2].soundFile, dir_.File("1$a.wav"));
  EXPECT_EQ(Files(),
            std::vector<std::string>({"0$a.wav", "1$a.wav", "1$q.wav", "Results.txt", "test.qb"}));

  // The next question has no media: nothing of the first one is left.
  const int stops = services_.stopSoundCalls;
  AnswerChosen(run_, 1);
  EXPECT_EQ(services_.stopSoundCalls, stops + 1);
  EXPECT_EQ(Files(), std::vector<std::string>({"Results.txt", "test.qb"}));
  for (const PageItem& item : run_.items) {
    EXPECT_FALSE(item.hasPicture);
    EXPECT_EQ(item.picture, nullptr);
    EXPECT_TRUE(item.soundFile.empty());
  }
  EXPECT_EQ(run_.items[0].text, "Q2");
  EXPECT_EQ(run_.items[1].text, "C");
}

TEST_F(RunFlowTest, MediaThatCannotBeUsedLeaveTheItemWithoutIt) {
  // The question's picture does not decode; its sound cannot be staged, since a folder holds
  // the name. The variants after them are read all the same.
  std::filesystem::create_directory(dir_.File("1$q.wav"));
  QbBuilder qb;
  qb.Header("T", "", "", {}).I16(1);
  qb.Str("Q").Media("not a bitmap").Media(PatternBytes(50000)).U8(2);
  qb.Str("A").U8(100).NoMedia().Media("RIFFa");
  qb.Str("B").U8(30).NoMedia().NoMedia();
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start();
  EXPECT_FALSE(run_.items[0].hasPicture);
  EXPECT_TRUE(run_.items[0].soundFile.empty());
  EXPECT_EQ(run_.items[1].text, "A");
  EXPECT_EQ(run_.items[1].soundFile, dir_.File("0$a.wav"));
  EXPECT_EQ(run_.items[2].text, "B");
  EXPECT_EQ(run_.items[2].accuracy, 30);
  EXPECT_FALSE(Staged("0$q.bmp"));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("1$q.wav")));
  AnswerChosen(run_, 2);
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("1$q.wav")));
  EXPECT_NE(Log().find("\r----\r30%\r"), std::string::npos);
}

TEST_F(RunFlowTest, StagingNeverWritesThroughOtherKindsOfFiles) {
  struct Case {
    const char* what;
    void (*make)(const std::string& path, const std::string& target);
  } cases[] = {
      {"symbolic link",
       [](const std::string& path, const std::string& target) {
         std::filesystem::create_symlink(target, path);
       }},
      {"named pipe", [](const std::string& path,
                        const std::string&) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
  };
  QbBuilder qb;
  qb.Header("T", "", "", {}).I16(1).Str("Q").Media("BMq").Media("RIFFq").U8(1);
  qb.Str("A").U8(100).NoMedia().NoMedia();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir outside;
    WriteFileBytes(outside.File("precious"), "keep");
    for (const char* name : {"0$q.bmp", "1$q.wav"})
      c.make(dir_.File(name), outside.File("precious"));
    ASSERT_EQ(Open(qb.Bytes()), 0);
    Start();
    EXPECT_FALSE(run_.items[0].hasPicture);
    EXPECT_TRUE(run_.items[0].soundFile.empty());
    EXPECT_EQ(run_.items[1].text, "A");
    EXPECT_EQ(ReadFileBytes(outside.File("precious")), "keep");
    for (const char* name : {"0$q.bmp", "1$q.wav"}) {
      EXPECT_TRUE(std::filesystem::is_symlink(dir_.File(name)) ||
                  std::filesystem::is_fifo(dir_.File(name)));
      std::filesystem::remove(dir_.File(name));
    }
    DropRun(run_);
  }
}

TEST_F(RunFlowTest, SoundsAreDeletedWhereTheyWereStagedAfterTheFolderMoves) {
  QbBuilder qb;
  qb.Header("T", "", "", {}).I16(1).Str("Q").NoMedia().Media("RIFFq").U8(1);
  qb.Str("A").U8(100).NoMedia().Media("RIFFa");
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start();
  TempDir elsewhere;
  ScopedWorkingDir moved(elsewhere.Path());
  WriteFileBytes(elsewhere.File("1$q.wav"), "someone else's");
  // Another test is opened from the new folder: the run is dropped first.
  DropRun(run_);
  EXPECT_FALSE(Staged("1$q.wav"));
  EXPECT_FALSE(Staged("0$a.wav"));
  EXPECT_EQ(ReadFileBytes(elsewhere.File("1$q.wav")), "someone else's");
  EXPECT_FALSE(services_.timerRunning);
}

TEST_F(RunFlowTest, ClicksCountOnlyOnOfferedAnswersOfARunningTest) {
  QbBuilder qb;
  qb.Header("T", "", "", {0, 1, 0, 1})
      .I16(2)
      .PlainQuestion("Q0", {})
      .PlainQuestion("Q1", {{"A", 100}});
  services_.clock = t0_;
  ASSERT_EQ(Open(qb.Bytes()), 0);
  // Loaded but not started: nothing counts.
  AnswerChosen(run_, 1);
  TimerTick(run_);
  EXPECT_EQ(services_.redraws, 0);
  Start();
  // A question without variants cannot be answered; only its time limit ends it.
  for (int k : {-1, 0, 1, 2, 17}) AnswerChosen(run_, k);
  EXPECT_EQ(run_.askedCount, 0);
  TickUntil(t0_ + 60);
  EXPECT_EQ(run_.items[0].text, "Q1");
  AnswerChosen(run_, 2);
  EXPECT_EQ(run_.askedCount, 1);
  AnswerChosen(run_, 1);
  EXPECT_FALSE(run_.running);
  EXPECT_EQ(services_.messages.back(), "Тест завершен.\r\nВаш результат составил: 50%");
}

TEST_F(RunFlowTest, FinishingResetsTheRunButKeepsTheTestFileOpen) {
  ASSERT_EQ(Open(TwoQuestions({0, 1, 0, 5})), 0);
  Start();
  AnswerChosen(run_, 1);
  const int resets = services_.resets;
  AnswerChosen(run_, 1);
  EXPECT_EQ(services_.resets, resets + 1);
  EXPECT_EQ(run_.questionCount, 0);
  EXPECT_EQ(run_.askedCount, 0);
  EXPECT_EQ(run_.scoreTotal, 0);
  EXPECT_EQ(run_.answerCount, 0);
  EXPECT_TRUE(run_.testInfo.name.empty());
  EXPECT_TRUE(run_.candidateName.empty());
  EXPECT_EQ(run_.testSettings.questionMinutes, 0);
  for (const PageItem& item : run_.items) EXPECT_TRUE(item.text.empty());
  EXPECT_FALSE(services_.timerRunning);
  EXPECT_TRUE(run_.testFile.IsOpen());
  EXPECT_FALSE(LockedFile::LockExisting(dir_.File("test.qb")).IsOpen());
  CloseTestFile(run_);
  EXPECT_TRUE(LockedFile::LockExisting(dir_.File("test.qb")).IsOpen());
}

TEST(CandidateName, JoinedBySingleBlanks) {
  EXPECT_EQ(JoinCandidateName("A", "B", "C"), "A B C");
  EXPECT_EQ(JoinCandidateName(" ", "B", "C"), "  B C");
}

}  // namespace
}  // namespace vornet::testing
