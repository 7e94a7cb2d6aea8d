// Which questions are asked and which answer variants are offered, in which order.

#include <gtest/gtest.h>

#include "tests/tester_engine/run_fixture.h"

namespace vornet::testing {
namespace {

class SelectionTest : public RunFixture {
 protected:
  // Ten questions "Q0".."Q9"; the one variant of question i is worth 10 * i.
  std::string TenQuestions(int16_t shuffleQuestions, int16_t questionsToAsk) {
    QbBuilder qb;
    qb.Header("T", "", "", {0, 0, 0, 0, shuffleQuestions, 0, questionsToAsk, 1}).I16(10);
    for (int i = 0; i < 10; ++i) {
      qb.PlainQuestion("Q" + std::to_string(i), {{"A", static_cast<uint8_t>(10 * i)}});
    }
    return qb.Bytes();
  }
  // One question with variants "A0".."A{n-1}" of the given accuracies.
  std::string Variants(int16_t shuffleAnswers, int16_t answersToOffer,
                       const std::vector<uint8_t>& accuracies) {
    QbBuilder qb;
    qb.Header("T", "", "", {0, 0, 0, 0, 0, shuffleAnswers, 0, answersToOffer}).I16(1);
    qb.Str("Q").NoMedia().NoMedia().U8(static_cast<uint8_t>(accuracies.size()));
    for (size_t t = 0; t < accuracies.size(); ++t) {
      qb.Str("A" + std::to_string(t)).U8(accuracies[t]).NoMedia().NoMedia();
    }
    return qb.Bytes();
  }
  // The texts of the offered answer items, in display order.
  std::vector<std::string> Offered() const {
    std::vector<std::string> texts;
    for (int k = 1; k <= run_.answerCount; ++k) texts.push_back(run_.items[k].text);
    return texts;
  }
  // Answers every question with its first item and returns the question texts in asked order.
  std::vector<std::string> AnswerAll() {
    std::vector<std::string> asked;
    // Bounded, so a run that cannot be answered fails instead of hanging.
    while (run_.running && asked.size() <= kMaxQuestions) {
      asked.push_back(run_.items[0].text);
      AnswerChosen(run_, 1);
    }
    return asked;
  }
  void Script(std::initializer_list<int> values) {
    services_.scripted = true;
    services_.script.assign(values);
  }
};

TEST_F(SelectionTest, UnshuffledQuestionsAreAllAskedInFileOrder) {
  ASSERT_EQ(Open(TenQuestions(0, 3)), 0);
  Start();
  EXPECT_EQ(AnswerAll(),
            std::vector<std::string>({"Q0", "Q1", "Q2", "Q3", "Q4", "Q5", "Q6", "Q7", "Q8", "Q9"}));
  // (0 + 10 + ... + 90) / 10
  EXPECT_NE(Log().find("\r----\r45%\r"), std::string::npos);
}

TEST_F(SelectionTest, ShuffledQuestionsAreCutToQuestionsToAsk) {
  // Ten exchanges of rand() mod 10 pairs: (0,9), (2,5), then (0,0) eight times.
  Script({10, 19, 2, 25});
  services_.clock = 1000;
  ASSERT_EQ(Open(TenQuestions(1, 3)), 0);
  EXPECT_EQ(services_.seeds, std::vector<unsigned>{1000});
  EXPECT_EQ(services_.randomCalls, 20);
  EXPECT_EQ(run_.questionCount, 3);
  Start();
  EXPECT_EQ(AnswerAll(), std::vector<std::string>({"Q9", "Q1", "Q5"}));
  // (90 + 10 + 50) / 3
  EXPECT_NE(Log().find("\r----\r50%\r"), std::string::npos);
}

TEST_F(SelectionTest, QuestionsToAskBeyondTheFileAsksEveryQuestion) {
  Script({});
  ASSERT_EQ(Open(TenQuestions(1, 25)), 0);
  EXPECT_EQ(run_.questionCount, 10);
  Start();
  EXPECT_EQ(AnswerAll().size(), 10u);
  EXPECT_NE(Log().find("\r----\r45%\r"), std::string::npos);
}

TEST_F(SelectionTest, RunOfNoQuestionsEndsAtOnceWithZeroPercent) {
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty test", QbBuilder().Header("T", "", "", {}).I16(0).Bytes()},
      {"nothing to ask", TenQuestions(1, 0)},
      {"negative number to ask", TenQuestions(1, -4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(dir_.File(kResultsLogName));
    services_.messages.clear();
    ASSERT_EQ(Open(c.bytes), 0);
    Start();
    EXPECT_FALSE(run_.running);
    EXPECT_FALSE(services_.timerRunning);
    ASSERT_EQ(services_.messages.size(), 1u);
    EXPECT_EQ(services_.messages[0], "Тест завершен.\r\nВаш результат составил: 0%");
    const std::string log = Log();
    EXPECT_NE(log.find("----\r----\r0%\r"), std::string::npos) << log;
  }
}

TEST_F(SelectionTest, AnswersToOfferIsIgnoredWithoutShuffling) {
  ASSERT_EQ(Open(Variants(0, 2, {0, 10, 20, 30, 40})), 0);
  Start();
  EXPECT_EQ(Offered(), std::vector<std::string>({"A0", "A1", "A2", "A3", "A4"}));
  EXPECT_TRUE(services_.seeds.empty());
}

TEST_F(SelectionTest, ShuffledVariantsAreCutToAnswersToOffer) {
  // Five exchanges: (0,3), (1,4), then none; no variant is fully right, so nothing is exchanged.
  Script({0, 3, 6, 9});
  services_.clock = 777;
  ASSERT_EQ(Open(Variants(1, 2, {0, 10, 20, 30, 40})), 0);
  Start();
  // answerOrder puts variant t in slot answerOrder[t]: A0->3, A1->4, A3->0, A4->1.
  EXPECT_EQ(Offered(), std::vector<std::string>({"A3", "A4"}));
  EXPECT_EQ(run_.items[3].text, "A2");
  EXPECT_EQ(run_.items[4].text, "A0");
  EXPECT_EQ(run_.items[5].text, "A1");
  EXPECT_EQ(services_.seeds, std::vector<unsigned>({777, 777}));
  EXPECT_EQ(services_.randomCalls, 10);
}

TEST_F(SelectionTest, FullyRightVariantIsKeptAmongTheOffered) {
  struct Case {
    const char* what;
    std::vector<uint8_t> accuracies;
    int place;  // the number drawn for the offered place
    std::vector<std::string> offered;
    int randomCalls;
  } cases[] = {
      {"slot 4 into place 0", {0, 10, 20, 30, 100}, 0, {"A4", "A1"}, 11},
      {"slot 4 into place 1", {0, 10, 20, 30, 100}, 1, {"A0", "A4"}, 11},
      {"rand() taken modulo the offer", {0, 10, 20, 30, 100}, 7, {"A0", "A4"}, 11},
      {"only the lowest of two is protected", {0, 10, 100, 30, 100}, 1, {"A0", "A2"}, 11},
      {"already offered: nothing moves", {0, 100, 20, 30, 100}, 0, {"A0", "A1"}, 10},
      {"none fully right: nothing moves", {0, 10, 20, 30, 99}, 0, {"A0", "A1"}, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Ten zeros keep the file order, then the place.
    Script({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, c.place});
    services_.randomCalls = 0;
    ASSERT_EQ(Open(Variants(1, 2, c.accuracies)), 0);
    Start();
    EXPECT_EQ(Offered(), c.offered);
    EXPECT_EQ(services_.randomCalls, c.randomCalls);
    DropRun(run_);
  }
}

TEST_F(SelectionTest, ExchangeMovesTheWholeVariant) {
  QbBuilder qb;
  qb.Header("T", "", "", {0, 0, 0, 0, 0, 1, 0, 2}).I16(1).Str("Q").NoMedia().NoMedia().U8(5);
  for (int t = 0; t < 4; ++t) qb.Str("A" + std::to_string(t)).U8(0).Media("BMx").NoMedia();
  qb.Str("A4").U8(100).Media("BMright").Media("RIFFright");
  Script({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start();
  const PageItem& offered = run_.items[2];
  EXPECT_EQ(offered.text, "A4");
  EXPECT_EQ(offered.accuracy, 100);
  ASSERT_TRUE(offered.hasPicture);
  EXPECT_EQ(static_cast<const FakePicture&>(*offered.picture).Bytes(), "BMright");
  EXPECT_EQ(offered.soundFile, dir_.File("4$a.wav"));
  EXPECT_EQ(ReadFileBytes(offered.soundFile), "RIFFright");
  // The displaced variant went to the dropped slot.
  EXPECT_EQ(run_.items[5].text, "A1");
  EXPECT_TRUE(run_.items[5].soundFile.empty());
}

TEST_F(SelectionTest, QuestionsPreparedInTheSameSecondGetTheSamePermutation) {
  // The C library's generator, seeded from a clock that stands still.
  QbBuilder qb;
  qb.Header("T", "", "", {0, 0, 0, 0, 0, 1, 0, 16}).I16(2);
  for (const char* prefix : {"a", "b"}) {
    qb.Str(prefix).NoMedia().NoMedia().U8(12);
    for (int t = 0; t < 12; ++t) qb.Str(prefix + std::to_string(t)).U8(0).NoMedia().NoMedia();
  }
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start();
  const std::array<int16_t, kMaxAnswers> first = run_.answerOrder;
  std::vector<std::string> firstOffered = Offered();
  AnswerChosen(run_, 1);
  EXPECT_EQ(run_.answerOrder, first);
  for (std::string& text : firstOffered) text[0] = 'b';
  EXPECT_EQ(Offered(), firstOffered);
}

TEST_F(SelectionTest, ScoresAreSummedAndTheResultTruncated) {
  QbBuilder qb;
  qb.Header("T", "", "", {}).I16(3);
  for (uint8_t score : {100, 100, 50}) qb.PlainQuestion("Q", {{"A", score}});
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start();
  AnswerAll();
  EXPECT_EQ(services_.messages.back(), "Тест завершен.\r\nВаш результат составил: 83%");
  EXPECT_NE(Log().find("\r----\r83%\r"), std::string::npos);
}

TEST_F(SelectionTest, ScoreTotalHoldsAThousandFullMarks) {
  QbBuilder qb;
  qb.Header("T", "", "", {}).I16(1000);
  for (int i = 0; i < 1000; ++i) qb.PlainQuestion("Q", {{"A", 100}});
  ASSERT_EQ(Open(qb.Bytes()), 0);
  Start();
  EXPECT_EQ(AnswerAll().size(), 1000u);
  EXPECT_EQ(services_.messages.back(), "Тест завершен.\r\nВаш результат составил: 100%");
}

}  // namespace
}  // namespace vornet::testing
