#include "tester/test_run.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>

namespace vornet {
namespace {

// Staged files are named in the working folder, but their full path is kept: the working folder
// moves when the user picks a file, and a sound must still be found and deleted afterwards.
std::string InWorkingFolder(const std::string& name) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  if (error) return name;
  return (folder / name).string();
}

// --- The walk over a test file -------------------------------------------------------------

bool SkipMediaBlock(BinaryReader& in) {
  uint8_t present = 0;
  if (!in.ReadU8(present)) return false;
  if (present != 1) return true;
  uint32_t length = 0;
  return in.ReadU32(length) && in.Skip(length);
}

bool SkipText(BinaryReader& in, uint64_t extra) {
  int16_t length = 0;
  if (!in.ReadI16(length) || length < 0) return false;
  return in.Skip(static_cast<uint64_t>(length) + extra);
}

// Moves past one question record, checking every count and length on the way. Media are
// skipped by seeking; their bytes are never read.
bool SkipQuestionRecord(BinaryReader& in) {
  if (!SkipText(in, 0) || !SkipMediaBlock(in) || !SkipMediaBlock(in)) return false;
  uint8_t answers = 0;
  if (!in.ReadU8(answers) || answers > kMaxAnswers) return false;
  for (int t = 0; t < answers; ++t) {
    // The answer's text and its accuracy byte.
    if (!SkipText(in, 1) || !SkipMediaBlock(in) || !SkipMediaBlock(in)) return false;
  }
  return true;
}

bool ReadRunHeader(BinaryReader& in, TestInfo& info, TestSettings& settings, int16_t& count) {
  return in.ReadString(info.name) && in.ReadString(info.description) &&
         in.ReadString(info.editPassword) && in.ReadI16(settings.testTimeLimited) &&
         in.ReadI16(settings.questionTimeLimited) && in.ReadI16(settings.testMinutes) &&
         in.ReadI16(settings.questionMinutes) && in.ReadI16(settings.shuffleQuestions) &&
         in.ReadI16(settings.shuffleAnswers) && in.ReadI16(settings.questionsToAsk) &&
         in.ReadI16(settings.answersToOffer) && in.ReadI16(count);
}

// --- Random choices ------------------------------------------------------------------------

void SeedFromClock(RunServices& services) {
  services.Seed(static_cast<unsigned>(services.Now()));
}

// rand() mod n; a generator is not trusted to stay non-negative.
int RandomBelow(RunServices& services, int n) {
  return static_cast<int>(static_cast<unsigned>(services.Random()) % static_cast<unsigned>(n));
}

// n exchanges of two entries picked at random.
template <typename T, size_t N>
void ShuffleFirst(RunServices& services, std::array<T, N>& entries, int n) {
  for (int i = 0; i < n; ++i) {
    const int a = RandomBelow(services, n);
    const int b = RandomBelow(services, n);
    std::swap(entries[a], entries[b]);
  }
}

// --- Staging media -------------------------------------------------------------------------

enum class Block { kAbsent, kStaged, kNotStaged, kReadFailed };

// Reads one media block; a present block is copied to a new file at `path`. A file that cannot
// be created or written leaves the block unstaged (the partial file is removed), but its bytes
// are still consumed so the record can be read on.
Block ReadMediaBlock(BinaryReader& in, const std::string& path) {
  uint8_t present = 0;
  if (!in.ReadU8(present)) return Block::kReadFailed;
  if (present != 1) return Block::kAbsent;
  uint32_t length = 0;
  if (!in.ReadU32(length) || length > static_cast<uint64_t>(in.Remaining())) {
    return Block::kReadFailed;
  }
  LockedFile out = LockedFile::CreateExclusive(path);
  bool writing = out.IsOpen();
  const bool created = writing;
  char buffer[kMediaCopyBufferSize];
  uint64_t left = length;
  while (left > 0 && writing) {
    const size_t piece = static_cast<size_t>(std::min<uint64_t>(left, sizeof buffer));
    if (!in.ReadBytes(buffer, piece)) {
      writing = false;
      break;
    }
    writing = out.WriteAll(buffer, piece);
    left -= piece;
  }
  const bool closed = out.Close();
  if (!writing || !closed) {
    if (created) ::unlink(path.c_str());
    if (!in.Ok()) return Block::kReadFailed;
    return in.Skip(left) ? Block::kNotStaged : Block::kReadFailed;
  }
  return Block::kStaged;
}

// A picture is decoded at once and its staged file deleted.
bool ReadPicture(TestRun& run, PageItem& item, const std::string& name) {
  const std::string path = InWorkingFolder(name);
  const Block block = ReadMediaBlock(*run.reader, path);
  if (block == Block::kStaged) {
    item.picture = run.services.DecodePicture(path);
    item.hasPicture = item.picture != nullptr;
    ::unlink(path.c_str());
  }
  return block != Block::kReadFailed;
}

// A sound stays on disk while its question is on the page; it is played from the file.
bool ReadSound(TestRun& run, PageItem& item, const std::string& name) {
  const std::string path = InWorkingFolder(name);
  const Block block = ReadMediaBlock(*run.reader, path);
  if (block == Block::kStaged) item.soundFile = path;
  return block != Block::kReadFailed;
}

bool ReadAnswer(TestRun& run, int slot) {
  PageItem& item = run.items[slot + 1];
  BinaryReader& in = *run.reader;
  return in.ReadString(item.text) && in.ReadU8(item.accuracy) &&
         ReadPicture(run, item, AnswerPictureName(slot)) &&
         ReadSound(run, item, AnswerSoundName(slot));
}

// Cuts the offered variants to answersToOffer, keeping the lowest-slot fully right variant
// among them by exchanging it with an offered slot chosen at random.
void ApplyOfferLimit(TestRun& run, int variants) {
  SeedFromClock(run.services);
  int fullyRight = -1;
  for (int slot = 0; slot < variants; ++slot) {
    if (run.items[slot + 1].accuracy == 100) {
      fullyRight = slot;
      break;
    }
  }
  if (variants > run.testSettings.answersToOffer) {
    run.answerCount = static_cast<uint8_t>(run.testSettings.answersToOffer);
  }
  if (fullyRight >= 0 && fullyRight >= run.answerCount && run.answerCount > 0) {
    const int place = RandomBelow(run.services, run.answerCount);
    std::swap(run.items[place + 1], run.items[fullyRight + 1]);
  }
}

void ClearItem(PageItem& item) {
  item.text.clear();
  item.hasPicture = false;
  item.picture.reset();
  item.soundFile.clear();
  item.accuracy = 0;
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

std::string AnswerPictureName(int slot) { return std::to_string(slot) + "$a.bmp"; }

std::string AnswerSoundName(int slot) { return std::to_string(slot) + "$a.wav"; }

void ResetRun(TestRun& run) {
  run.testInfo = TestInfo();
  for (PageItem& item : run.items) {
    ClearItem(item);
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
            !(settings.shuffleAnswers != 0 && settings.answersToOffer < 1);
  for (int j = 0; ok && j < count; ++j) {
    run.questionOffsets[j] = in.Position();
    ok = SkipQuestionRecord(in);
  }
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

void PrepareQuestion(TestRun& run) {
  for (PageItem& item : run.items) ClearItem(item);
  run.answerCount = 0;
  if (!run.reader) return;
  BinaryReader& in = *run.reader;

  PageItem& question = run.items[0];
  uint8_t variants = 0;
  if (!in.ReadString(question.text) || !ReadPicture(run, question, kQuestionPictureName) ||
      !ReadSound(run, question, kQuestionSoundName) || !in.ReadU8(variants)) {
    return;
  }
  variants = std::min<uint8_t>(variants, kMaxAnswers);
  run.answerCount = variants;
  for (int t = 0; t < variants; ++t) run.answerOrder[t] = static_cast<int16_t>(t);
  const bool shuffle = run.testSettings.shuffleAnswers != 0;
  if (shuffle) {
    SeedFromClock(run.services);
    ShuffleFirst(run.services, run.answerOrder, variants);
  }
  for (int t = 0; t < variants; ++t) {
    // What could not be read stays empty; the rest of the record is lost with it.
    if (!ReadAnswer(run, run.answerOrder[t])) break;
  }
  if (shuffle) ApplyOfferLimit(run, variants);
}

void AnswerChosen(TestRun& run, int k) {
  if (!run.running || k < 1 || k > run.answerCount) return;
  StopAndClearSounds(run);
  const PageItem& answer = run.items[k];
  run.scoreTotal += answer.accuracy;
  ++run.askedCount;
  run.questionElapsed = run.services.Now() - run.questionStart;
  run.resultsLog.WriteAnswerRecord(run.askedCount, run.items[0].text, answer.text,
                                   answer.accuracy, run.questionElapsed);
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
