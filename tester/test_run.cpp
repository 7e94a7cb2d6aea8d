#include "tester/test_run.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "tester/record_walk.h"
#include "tester/run_random.h"

namespace vornet {
namespace {

bool ReadRunHeader(BinaryReader& in, TestInfo& info, TestSettings& settings, int16_t& count) {
  return in.ReadString(info.name) && in.ReadString(info.description) &&
         in.ReadString(info.editPassword) && in.ReadI16(settings.testTimeLimited) &&
         in.ReadI16(settings.questionTimeLimited) && in.ReadI16(settings.testMinutes) &&
         in.ReadI16(settings.questionMinutes) && in.ReadI16(settings.shuffleQuestions) &&
         in.ReadI16(settings.shuffleAnswers) && in.ReadI16(settings.questionsToAsk) &&
         in.ReadI16(settings.answersToOffer) && in.ReadI16(count);
}

// A limit of `limitSeconds` has run out after `elapsed` seconds. A limit of 0 is out at once.
bool LimitOver(int limitSeconds, int64_t elapsed) {
  if (limitSeconds == 0) return true;
  return static_cast<double>(limitSeconds - elapsed) / limitSeconds <= 0.0;
}

// After a question ended: the next one on the page, or the end of the run.
void NextQuestionOrFinish(TestRun& run) {
  if (run.askedCount < run.questionCount) {
    for (PageItem& item : run.items) item.text.clear();
    SeekQuestion(run, run.askedCount);
    PrepareQuestion(run);
    run.questionStart = run.services.Now();
  } else {
    FinishTest(run);
  }
}

}  // namespace

void ResetRun(TestRun& run) {
  run.testInfo = TestInfo();
  for (PageItem& item : run.items) {
    ClearPageContent(item);
    item.bandTop = 0;
    item.bandBottom = 0;
  }
  run.answerCount = 0;
  run.scoreTotal = 0;
  run.askedCount = 0;
  run.questionCount = 0;
  run.testSettings = TestSettings();
  run.testElapsed = 0;
  run.questionElapsed = 0;
  run.running = false;
  run.candidateName.clear();
  run.services.RunWasReset();
}

int16_t OpenTestForRun(TestRun& run) {
  CloseTestFile(run);
  run.testFile = LockedFile::OpenForRead(run.testFilePath);
  if (!run.testFile.IsOpen()) return kFileNoAccess;
  run.reader = std::make_unique<BinaryReader>(run.testFile);
  BinaryReader& in = *run.reader;

  char magic[kTestFileMagicSize];
  TestInfo info;
  TestSettings settings;
  int16_t count = 0;
  bool ok = in.ReadBytes(magic, sizeof magic) &&
            std::memcmp(magic, kTestFileMagic, kTestFileMagicSize) == 0 &&
            ReadRunHeader(in, info, settings, count) && count >= 0 && count <= kMaxQuestions &&
            !(settings.shuffleAnswers != 0 && settings.answersToOffer < 1) &&
            WalkQuestionRecords(run.testFile, in.Position(), count, run.questionOffsets);
  if (!ok) {
    CloseTestFile(run);
    return kFileBadFormat;
  }

  run.testInfo = std::move(info);
  run.testSettings = settings;
  run.questionCount = count;
  if (settings.shuffleQuestions != 0) {
    SeedFromClock(run.services);
    ShuffleFirst(run.services, run.questionOffsets, count);
    // Only the questions the file holds can be asked.
    run.questionCount = std::clamp<int16_t>(settings.questionsToAsk, 0, count);
  }
  return kFileOk;
}

void SeekQuestion(TestRun& run, int index) {
  if (!run.testFile.IsOpen() || index < 0 || index >= kMaxQuestions) return;
  // A failed read (the file was changed behind the lock) must not spoil the later questions.
  if (!run.reader || !run.reader->Ok()) run.reader = std::make_unique<BinaryReader>(run.testFile);
  run.reader->SeekTo(run.questionOffsets[index]);
}

void AnswerChosen(TestRun& run, int k) {
  if (!run.running || k < 1 || k > run.answerCount) return;
  StopAndClearSounds(run);
  const PageItem& answer = run.items[k];
  run.scoreTotal += answer.accuracy;
  ++run.askedCount;
  run.questionElapsed = run.services.Now() - run.questionStart;
  run.resultsLog.WriteAnswerRecord(run.askedCount, run.items[0].text, answer.text, answer.accuracy,
                                   run.questionElapsed);
  NextQuestionOrFinish(run);
  run.services.RequestRelayout();
}

void TimerTick(TestRun& run) {
  if (!run.running) return;
  const int64_t now = run.services.Now();
  run.questionElapsed = now - run.questionStart;
  run.testElapsed = now - run.testStart;
  const TestSettings& settings = run.testSettings;
  const bool testOver =
      settings.testTimeLimited != 0 && LimitOver(60 * settings.testMinutes, run.testElapsed);
  const bool questionOver = settings.questionTimeLimited != 0 &&
                            LimitOver(60 * settings.questionMinutes, run.questionElapsed);
  if (testOver || questionOver) {
    StopAndClearSounds(run);
    if (testOver) {
      run.askedCount = run.questionCount;
      run.resultsLog.WriteTimeOutLine();
    } else {
      ++run.askedCount;
      run.questionElapsed = run.services.Now() - run.questionStart;
      run.resultsLog.WriteSkippedRecord(run.askedCount, run.items[0].text, run.questionElapsed);
    }
    NextQuestionOrFinish(run);
    run.services.RequestRelayout();
  }
  run.services.RequestRedraw();
}

void StopAndClearSounds(TestRun& run) {
  run.services.StopSound();
  for (const PageItem& item : run.items) {
    if (!item.soundFile.empty()) ::unlink(item.soundFile.c_str());
  }
}

void FinishTest(TestRun& run) {
  run.services.StopTimer();
  run.running = false;
  const int percent = ResultPercent(run);
  run.testElapsed = run.services.Now() - run.testStart;
  run.resultsLog.WriteEndBlock(percent, run.testElapsed);
  run.services.ShowResultMessage(ResultMessageText(percent));
  ResetRun(run);
}

void DropRun(TestRun& run) {
  StopAndClearSounds(run);
  ResetRun(run);
  run.services.StopTimer();
}

bool BeginReport(TestRun& run, const std::string& candidateName, int birthYear) {
  run.candidateName = candidateName;
  if (!run.resultsLog.Open()) {
    run.services.ResultsLogUnavailable();
    return false;
  }
  run.testStart = run.services.Now();
  run.resultsLog.WriteHeader(candidateName, birthYear, run.testInfo,
                             run.services.LocalTime(run.testStart));
  return true;
}

void StartRun(TestRun& run) {
  run.running = true;
  if (run.questionCount <= 0) {
    FinishTest(run);
    run.services.RequestRelayout();
    return;
  }
  SeekQuestion(run, 0);
  PrepareQuestion(run);
  run.services.RequestRelayout();
  if (HasTimeLimit(run.testSettings)) run.services.StartTimer();
  run.questionStart = run.services.Now();
}

void CloseTestFile(TestRun& run) {
  run.reader.reset();
  run.testFile.Close();
}

std::string JoinCandidateName(const std::string& surname, const std::string& firstName,
                              const std::string& patronymic) {
  return surname + " " + firstName + " " + patronymic;
}

bool HasTimeLimit(const TestSettings& settings) {
  return settings.testTimeLimited != 0 || settings.questionTimeLimited != 0;
}

int ResultPercent(const TestRun& run) {
  return run.questionCount > 0 ? run.scoreTotal / run.questionCount : 0;
}

}  // namespace vornet
