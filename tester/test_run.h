#pragma once
// The tester's test run: reads a test file for a run, chooses and orders the questions and the
// answer variants, stages each question's pictures and sounds, keeps the time limits and the
// score, and writes the report. It has no window; it reaches the window, the clock, the
// generator, the wave player and the bitmap decoder through RunServices.
//
// A run, as the window drives it:
//   open command:  DropRun(run); run.testFilePath = path;
//                  OpenTestForRun(run)  -> -1 "Нет доступа к файлу", -2 "Неверный формат файла"
//                  SeekQuestion(run, 0); description dialog (run.testInfo), candidate dialog
//                  BeginReport(run, JoinCandidateName(...), birthYear)  -> false: program ends
//                  StartRun(run)
//   click on answer item k (found from the items' bands):  AnswerChosen(run, k)
//   every tick of the run timer:                            TimerTick(run)
//   window destroyed:  CloseTestFile(run); StopAndClearSounds(run)
// The run finishes by itself: it writes the end block, shows the result message through the
// services, then resets. Between ticks the window draws from the public fields: items[0] and
// items[1..answerCount], testSettings, testElapsed and questionElapsed for the time bars,
// questionCount (0 means an empty page).

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/binary_reader.h"
#include "model/test_document.h"
#include "platform/locked_file.h"
#include "tester/page_item.h"
#include "tester/results_log.h"
#include "tester/run_services.h"

namespace vornet {

// Staged file names of the tester, in the working folder.
constexpr char kQuestionPictureName[] = "0$q.bmp";
constexpr char kQuestionSoundName[] = "1$q.wav";
std::string AnswerPictureName(int slot);  // "3$a.bmp"
std::string AnswerSoundName(int slot);    // "3$a.wav"

struct TestRun {
  explicit TestRun(RunServices& runServices) : services(runServices) {}
  TestRun(const TestRun&) = delete;
  TestRun& operator=(const TestRun&) = delete;

  RunServices& services;

  std::string testFilePath;  // in the system's path encoding
  LockedFile testFile;       // open for reading, writing denied to others, from a successful open
  std::unique_ptr<BinaryReader> reader;  // over testFile

  TestInfo testInfo;
  TestSettings testSettings;
  // Questions of this run: the file's count, or questionsToAsk (never more than the file holds)
  // when the questions are shuffled.
  int16_t questionCount = 0;
  // File offset of each question record, in asking order (64-bit: media can make a file larger
  // than 4 GiB).
  std::array<int64_t, kMaxQuestions> questionOffsets{};
  // Questions finished so far; while running, the index of the question on the page.
  int16_t askedCount = 0;
  int32_t scoreTotal = 0;
  // Answer variants offered for the question on the page.
  uint8_t answerCount = 0;
  // Display slot given to the t-th answer variant of the question, t in file order.
  std::array<int16_t, kMaxAnswers> answerOrder{};
  std::array<PageItem, kPageItemCount> items;

  int64_t testStart = 0;
  int64_t questionStart = 0;
  int64_t testElapsed = 0;
  int64_t questionElapsed = 0;

  // True from StartRun until the run finishes or is reset: answers and ticks count only then.
  bool running = false;
  std::string candidateName;  // Windows-1251 bytes
  ResultsLog resultsLog;
};

// Empties the run (texts, pictures, sound names, counts, settings, candidate). Files are neither
// deleted nor closed. Tells the window through RunWasReset.
void ResetRun(TestRun& run);
// Opens run.testFilePath and walks every question record, recording where each one begins.
// 0 = loaded; kFileNoAccess (-1) = cannot be opened; kFileBadFormat (-2) = no magic, or a
// damaged file (a count or length beyond the capacities or past the end of the file, or shuffled
// answers with fewer than one to offer). On failure the file is closed and the run stays empty.
int16_t OpenTestForRun(TestRun& run);
// Positions the test file at the question record of entry `index` of questionOffsets.
void SeekQuestion(TestRun& run, int index);
// Reads the question record at the current file position into the items, stages its media and
// decides which answer variants are offered in which slots.
void PrepareQuestion(TestRun& run);
// The candidate clicked answer item k (1..answerCount).
void AnswerChosen(TestRun& run, int k);
// One tick of the run timer: refreshes the elapsed times, applies the time limits, redraws.
void TimerTick(TestRun& run);
// Stops the sound and deletes every staged sound file named by the items; the names stay.
void StopAndClearSounds(TestRun& run);
// Ends the run: the end block, the result message, then ResetRun.
void FinishTest(TestRun& run);

// Drops whatever run is going on: StopAndClearSounds, ResetRun, stop the timer.
void DropRun(TestRun& run);
// Opens the results log and writes the report header; sets candidateName and testStart.
// When the log cannot be opened, calls ResultsLogUnavailable and returns false.
bool BeginReport(TestRun& run, const std::string& candidateName, int birthYear);
// Puts the first question on the page, lays it out, starts the timer when a limit is set and
// starts the question's clock. A run of no questions finishes at once with 0 %.
void StartRun(TestRun& run);
// Closes the test file (at the program's end).
void CloseTestFile(TestRun& run);

// "surname firstName patronymic", joined by single blanks.
std::string JoinCandidateName(const std::string& surname, const std::string& firstName,
                              const std::string& patronymic);
// True when a test or question time limit is set, so the timer runs.
bool HasTimeLimit(const TestSettings& settings);
// The result in percent: scoreTotal / questionCount truncated, 0 for a run of no questions.
int ResultPercent(const TestRun& run);

}  // namespace vornet
