// Putting a question on the page: its record is read from the test file, its pictures and
// sounds are staged in the working folder, and its answer variants are ordered and cut.

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "tester/run_random.h"
#include "tester/staged_file.h"
#include "tester/test_run.h"

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
  StagedFile out(path);
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

}  // namespace

std::string AnswerPictureName(int slot) { return std::to_string(slot) + "$a.bmp"; }

std::string AnswerSoundName(int slot) { return std::to_string(slot) + "$a.wav"; }

void PrepareQuestion(TestRun& run) {
  for (PageItem& item : run.items) ClearPageContent(item);
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

}  // namespace vornet
