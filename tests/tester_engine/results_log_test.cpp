// The results log, byte for byte: reports written by whole runs with a fixed clock and time zone.

#include "tester/results_log.h"

#include <gtest/gtest.h>

#include "platform/locked_file.h"
#include "tests/tester_engine/run_fixture.h"

namespace vornet::testing {
namespace {

const std::string kDashes60(60, '-');

class ResultsLogTest : public RunFixture {
 protected:
  ScopedTimeZone zone_{"MSK-3"};   // three hours east of UTC, no daylight saving
  const int64_t t0_ = 1052114707;  // Monday, May 05, 2003 09:05:07 in that zone

  // Two questions with the question limit on (1 minute).
  std::string PhysicsTest() {
    QbBuilder qb;
    qb.Header(Ansi("Физика"), Ansi("Контрольная работа"), "", {0, 1, 0, 1, 0, 0, 0, 0})
        .I16(2)
        .PlainQuestion(Ansi("Сколько будет 2+2?"), {{"4", 100}, {"5", 0}})
        .PlainQuestion(Ansi("Столица Франции?"), {{Ansi("Париж"), 100}, {Ansi("Рим"), 0}});
    return qb.Bytes();
  }
  std::string PhysicsHeader() {
    return Lines({kDashes60, Ansi("Иванов Петр Сергеевич   1985"), Ansi("Физика"),
                  Ansi("Контрольная работа"), "Monday, May 05, 2003 09:05:07", "----"});
  }
  // The first question answered after 12 seconds with "4", the second left to run out.
  void RunPhysics() {
    services_.clock = t0_;
    ASSERT_EQ(Open(PhysicsTest()), 0);
    ASSERT_TRUE(BeginReport(run_, Ansi("Иванов Петр Сергеевич"), 1985));
    services_.clock = t0_ + 8;
    StartRun(run_);
    services_.clock = t0_ + 20;
    AnswerChosen(run_, 1);
    TickUntil(t0_ + 80);
  }
};

TEST_F(ResultsLogTest, WorkedExampleIsWrittenByteForByte) {
  RunPhysics();
  const std::string expected =
      PhysicsHeader() +
      Lines({Ansi("1 : Сколько будет 2+2?"), Ansi("4 = 100%  00 часов 00 минут 12 секунд."),
             Ansi("2 : Столица Франции?"),
             Ansi("Пропущено, время истекло. = 0%  00 часов 01 минут 00 секунд."), "----", "50%",
             Ansi("Тест длился 00 часов 01 минут 20 секунд.")});
  EXPECT_EQ(Log(), expected);
  ASSERT_EQ(services_.messages.size(), 1u);
  EXPECT_EQ(services_.messages[0], "Тест завершен.\r\nВаш результат составил: 50%");
  EXPECT_EQ(Log().find('\n'), std::string::npos);
}

TEST_F(ResultsLogTest, TwoRunsAppendTwoReportsAfterEarlierContent) {
  WriteFileBytes(dir_.File(kResultsLogName), "earlier\r\n");
  RunPhysics();
  const std::string first = Log();
  RunPhysics();
  const std::string report = first.substr(9);
  EXPECT_EQ(Log(), "earlier\r\n" + report + report);
  EXPECT_EQ(report.compare(0, 61, kDashes60 + '\r'), 0);
  EXPECT_EQ(services_.messages.size(), 2u);
}

TEST_F(ResultsLogTest, TestTimeOutLineStandsBeforeTheEndBlock) {
  // Test limit of 1 minute, three questions; the first is answered, the second runs out.
  QbBuilder qb;
  qb.Header("T", "", "", {1, 0, 1, 0, 0, 0, 0, 0})
      .I16(3)
      .PlainQuestion("Q1", {{"A", 100}})
      .PlainQuestion("Q2", {{"B", 100}})
      .PlainQuestion("Q3", {{"C", 100}});
  services_.clock = t0_;
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start(Ansi("Петров Иван Ильич"), 1990);
  services_.clock = t0_ + 10;
  AnswerChosen(run_, 1);
  TickUntil(t0_ + 59);
  EXPECT_TRUE(run_.running);
  TickUntil(t0_ + 60);
  EXPECT_FALSE(run_.running);
  const std::string expected =
      Lines({kDashes60, Ansi("Петров Иван Ильич   1990"), "T", "", "Monday, May 05, 2003 09:05:07",
             "----", "1 : Q1", Ansi("A = 100%  00 часов 00 минут 10 секунд."),
             Ansi("Тест окончен, время истекло."), "----", "33%",
             Ansi("Тест длился 00 часов 01 минут 00 секунд.")});
  EXPECT_EQ(Log(), expected);
}

TEST_F(ResultsLogTest, TwentyFiveHourTestWritesHoursModulo24AndFullMarksAs100) {
  QbBuilder qb;
  qb.Header("T", "D", "", {}).I16(1).PlainQuestion("Q", {{"A", 100}});
  services_.clock = t0_;
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start("N F P", 2000);
  services_.clock = t0_ + 25 * 3600 + 62;
  AnswerChosen(run_, 1);
  const std::string expected =
      Lines({kDashes60, "N F P   2000", "T", "D", "Monday, May 05, 2003 09:05:07", "----", "1 : Q",
             Ansi("A = 100%  01 часов 01 минут 02 секунд."), "----", "100%",
             Ansi("Тест длился 01 часов 01 минут 02 секунд.")});
  EXPECT_EQ(Log(), expected);
  ASSERT_EQ(services_.messages.size(), 1u);
  EXPECT_EQ(services_.messages[0], "Тест завершен.\r\nВаш результат составил: 100%");
}

TEST_F(ResultsLogTest, RecordsReachTheFileAsTheyAreWrittenAndNobodyElseMayWrite) {
  services_.clock = t0_;
  ASSERT_EQ(Open(PhysicsTest()), 0);
  Start();
  AnswerChosen(run_, 2);
  // Read while the run still holds the log open: the record is already on disk.
  EXPECT_EQ(Log(), PhysicsHeader() + Lines({Ansi("1 : Сколько будет 2+2?"),
                                            Ansi("5 = 0%  00 часов 00 минут 00 секунд.")}));
  EXPECT_FALSE(LockedFile::OpenForAppend(kResultsLogName).IsOpen());
  EXPECT_FALSE(LockedFile::OpenForRead(kResultsLogName).IsOpen());
  AnswerChosen(run_, 1);
  EXPECT_TRUE(LockedFile::OpenForAppend(kResultsLogName).IsOpen());
}

TEST_F(ResultsLogTest, AbandonedRunLeavesItsReportWithoutEndBlock) {
  services_.clock = t0_;
  ASSERT_EQ(Open(PhysicsTest()), 0);
  Start();
  AnswerChosen(run_, 1);
  // Another test is opened during the run.
  ASSERT_EQ(Open(PhysicsTest()), 0);
  Start();
  const std::string abandoned =
      PhysicsHeader() +
      Lines({Ansi("1 : Сколько будет 2+2?"), Ansi("4 = 100%  00 часов 00 минут 00 секунд.")});
  EXPECT_EQ(Log(), abandoned + PhysicsHeader());
}

TEST_F(ResultsLogTest, LogThatCannotBeOpenedStopsTheRunBeforeItStarts) {
  std::filesystem::create_directory(dir_.File(kResultsLogName));
  ASSERT_EQ(Open(PhysicsTest()), 0);
  EXPECT_FALSE(BeginReport(run_, "N F P", 1985));
  EXPECT_EQ(services_.logUnavailable, 1);
}

TEST(ResultsLogWriter, NumbersAndLines) {
  TempDir dir;
  ScopedWorkingDir cwd(dir.Path());
  ResultsLog log;
  ASSERT_TRUE(log.Open());
  log.WriteNumber(-42);
  log.WriteText(" x");
  log.WriteNumberLine(0);
  log.WriteLine("");
  log.WriteNumberLine(2147483647);
  log.Close();
  EXPECT_EQ(ReadFileBytes(dir.File("Results.txt")), "-42 x0\r\r2147483647\r");
}

}  // namespace
}  // namespace vornet::testing
