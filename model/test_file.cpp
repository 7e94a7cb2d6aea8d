#include "model/test_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "model/binary_reader.h"
#include "platform/locked_file.h"

namespace vornet {
namespace {

// Collects small fields and writes them in blocks; media go straight through.
class BinaryWriter {
 public:
  explicit BinaryWriter(LockedFile& file) : file_(file) {}

  void U8(uint8_t value) { Put(&value, 1); }
  void I16(int16_t value) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>((value >> 8) & 0xFF)};
    Put(bytes, 2);
  }
  void U32(uint32_t value) {
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    Put(bytes, 4);
  }
  void String(const std::string& text) {
    const std::string stored = CapText(text);
    I16(static_cast<int16_t>(stored.size()));
    Put(stored.data(), stored.size());
  }
  // A media block: 0 for no path; otherwise 1, the length and the file's bytes.
  void Media(const std::string& path) {
    if (path.empty()) {
      U8(0);
      return;
    }
    LockedFile media = LockedFile::OpenForRead(path);
    const int64_t size = media.IsOpen() ? media.Size() : -1;
    if (size < 0 || size > 0xFFFFFFFFLL) {
      ok_ = false;
      return;
    }
    U8(1);
    U32(static_cast<uint32_t>(size));
    Flush();
    char buffer[kMediaCopyBufferSize];
    ok_ = file_.CopyFrom(media, static_cast<uint64_t>(size), buffer, sizeof buffer);
  }
  bool Finish() {
    Flush();
    return ok_;
  }
  bool Ok() const { return ok_; }

 private:
  void Put(const void* data, size_t size) {
    const char* bytes = static_cast<const char*>(data);
    pending_.insert(pending_.end(), bytes, bytes + size);
    if (pending_.size() >= kMediaCopyBufferSize) Flush();
  }
  void Flush() {
    if (ok_ && !pending_.empty()) ok_ = file_.WriteAll(pending_.data(), pending_.size());
    pending_.clear();
  }

  LockedFile& file_;
  std::vector<char> pending_;
  bool ok_ = true;
};

void WriteDocument(const TestDocument& doc, BinaryWriter& out) {
  for (size_t k = 0; k < kTestFileMagicSize; ++k) out.U8(static_cast<uint8_t>(kTestFileMagic[k]));
  out.String(doc.testInfo.name);
  out.String(doc.testInfo.description);
  out.String(doc.testInfo.editPassword);
  const TestSettings& s = doc.testSettings;
  for (int16_t word : {s.testTimeLimited, s.questionTimeLimited, s.testMinutes, s.questionMinutes,
                       s.shuffleQuestions, s.shuffleAnswers, s.questionsToAsk, s.answersToOffer}) {
    out.I16(word);
  }
  out.I16(doc.questionCount);
  for (int p = 0; p < doc.questionCount && out.Ok(); ++p) {
    const Question& question = doc.QuestionAt(p);
    out.String(question.text);
    out.Media(question.picturePath);
    out.Media(question.soundPath);
    out.U8(question.answerCount);
    for (int j = 0; j < question.answerCount && out.Ok(); ++j) {
      const Answer& answer = question.answers[j];
      out.String(answer.text);
      out.U8(answer.accuracy);
      out.Media(answer.picturePath);
      out.Media(answer.soundPath);
    }
  }
}

// What a load changed, so that a refused load can be undone completely.
struct LoadJournal {
  TestInfo testInfo;
  TestSettings testSettings;
  int16_t questionCount = 0;
  std::vector<int> filledSlots;
  std::vector<std::string> stagedFiles;
};

void Undo(TestDocument& doc, const LoadJournal& journal) {
  for (const std::string& path : journal.stagedFiles) doc.staging.Remove(path);
  for (int slot : journal.filledSlots) ClearSlot(doc.questions[slot]);
  for (int p = journal.questionCount; p < kMaxQuestions; ++p) doc.questionOrder[p] = -1;
  doc.questionCount = journal.questionCount;
  doc.testInfo = journal.testInfo;
  doc.testSettings = journal.testSettings;
}

class TestFileLoader {
 public:
  TestFileLoader(TestDocument& doc, BinaryReader& in, LoadJournal& journal)
      : doc_(doc), in_(in), journal_(journal) {}

  int Load(bool merge) {
    if (!ReadHeader(merge)) return kFileBadFormat;
    int16_t count = 0;
    if (!in_.ReadI16(count)) return kFileBadFormat;
    if (count > kMaxQuestions) return kFileBadFormat;
    if (count > CountFreeSlots(doc_) || doc_.questionCount + count > kMaxQuestions) {
      return merge ? kFileNoRoom : kFileBadFormat;
    }
    for (int k = 0; k < count; ++k) {
      const int result = ReadQuestion();
      if (result != kFileOk) return result;
    }
    return kFileOk;
  }

 private:
  bool ReadHeader(bool merge) {
    TestInfo& info = doc_.testInfo;
    std::string ignored;
    for (std::string* field : {&info.name, &info.description, &info.editPassword}) {
      if (!in_.ReadString(merge ? ignored : *field)) return false;
    }
    if (merge) return in_.Skip(16);
    TestSettings& s = doc_.testSettings;
    for (int16_t* word : {&s.testTimeLimited, &s.questionTimeLimited, &s.testMinutes,
                          &s.questionMinutes, &s.shuffleQuestions, &s.shuffleAnswers,
                          &s.questionsToAsk, &s.answersToOffer}) {
      if (!in_.ReadI16(*word)) return false;
    }
    return true;
  }

  int ReadQuestion() {
    const int slot = FindFreeSlot(doc_);
    Question& question = doc_.questions[slot];
    question.inUse = true;
    journal_.filledSlots.push_back(slot);
    doc_.questionOrder[doc_.questionCount++] = static_cast<int16_t>(slot);
    if (!in_.ReadString(question.text)) return kFileBadFormat;
    int result = ReadMedia(MediaStaging::QuestionPictureName(slot), question.picturePath);
    if (result == kFileOk) {
      result = ReadMedia(MediaStaging::QuestionSoundName(slot), question.soundPath);
    }
    if (result != kFileOk) return result;
    uint8_t answerCount = 0;
    if (!in_.ReadU8(answerCount)) return kFileBadFormat;
    if (answerCount > kMaxAnswers) return kFileBadFormat;
    question.answerCount = answerCount;
    for (int j = 0; j < answerCount; ++j) {
      Answer& answer = question.answers[j];
      if (!in_.ReadString(answer.text) || !in_.ReadU8(answer.accuracy)) return kFileBadFormat;
      result = ReadMedia(MediaStaging::AnswerPictureName(slot, j), answer.picturePath);
      if (result == kFileOk) {
        result = ReadMedia(MediaStaging::AnswerSoundName(slot, j), answer.soundPath);
      }
      if (result != kFileOk) return result;
    }
    return kFileOk;
  }

  // Reads one media block; a present block is copied to a staged file whose path is stored.
  int ReadMedia(const std::string& stagedName, std::string& path) {
    uint8_t present = 0;
    if (!in_.ReadU8(present)) return kFileBadFormat;
    if (present != 1) return kFileOk;
    uint32_t length = 0;
    if (!in_.ReadU32(length)) return kFileBadFormat;
    if (length > static_cast<uint64_t>(in_.Remaining())) return kFileBadFormat;
    const std::string stagedPath = doc_.staging.PathFor(stagedName);
    if (stagedPath.empty()) return kFileNoAccess;
    LockedFile staged = LockedFile::CreateExclusive(stagedPath);
    if (!staged.IsOpen()) return kFileNoAccess;
    journal_.stagedFiles.push_back(stagedPath);
    if (!in_.CopyTo(&staged, length)) return kFileNoAccess;
    if (!staged.Close()) return kFileNoAccess;
    path = stagedPath;
    return kFileOk;
  }

  TestDocument& doc_;
  BinaryReader& in_;
  LoadJournal& journal_;
};

}  // namespace

int SaveTestFile(const TestDocument& doc) {
  const std::string& target = doc.testFilePath;
  if (target.empty()) return kFileNoAccess;
  // Hold an existing target exclusively, so a test that another program has open is not
  // replaced under it.
  struct stat targetInfo {};
  const bool targetExists = ::stat(target.c_str(), &targetInfo) == 0;
  LockedFile targetLock;
  if (targetExists) {
    targetLock = LockedFile::LockExisting(target);
    if (!targetLock.IsOpen()) return kFileNoAccess;
  }
  std::string temporaryPath;
  LockedFile file = LockedFile::CreateTemporaryBeside(target, temporaryPath);
  if (!file.IsOpen()) return kFileNoAccess;
  BinaryWriter writer(file);
  WriteDocument(doc, writer);
  bool ok = writer.Finish();
  if (ok) {
    const mode_t umaskValue = ::umask(0);
    ::umask(umaskValue);
    const mode_t mode = targetExists ? (targetInfo.st_mode & 07777) : (0666 & ~umaskValue);
    ::fchmod(file.Descriptor(), mode);
  }
  ok = file.Close() && ok;
  if (!ok || std::rename(temporaryPath.c_str(), target.c_str()) != 0) {
    ::unlink(temporaryPath.c_str());
    return kFileNoAccess;
  }
  return kFileOk;
}

bool MayReplaceWithoutAsking(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || (S_ISREG(info.st_mode) && info.st_size == 0)) return true;
  LockedFile file = LockedFile::OpenForRead(path);
  if (!file.IsOpen()) return true;  // the save itself will report what is wrong
  char magic[kTestFileMagicSize] = {};
  return file.Read(magic, sizeof magic) == static_cast<long>(sizeof magic) &&
         std::memcmp(magic, kTestFileMagic, kTestFileMagicSize) == 0;
}

int LoadTestFile(TestDocument& doc, bool merge) {
  doc.mediaStaged = true;
  LockedFile file = LockedFile::OpenForRead(doc.testFilePath);
  if (!file.IsOpen()) return kFileNoAccess;
  BinaryReader in(file);
  char magic[kTestFileMagicSize] = {};
  if (!in.ReadBytes(magic, sizeof magic) ||
      std::memcmp(magic, kTestFileMagic, kTestFileMagicSize) != 0) {
    return kFileBadFormat;
  }
  doc.staging.BeginBatch();
  LoadJournal journal;
  journal.testInfo = doc.testInfo;
  journal.testSettings = doc.testSettings;
  journal.questionCount = doc.questionCount;
  const int result = TestFileLoader(doc, in, journal).Load(merge);
  if (result != kFileOk) Undo(doc, journal);
  return result;
}

}  // namespace vornet
