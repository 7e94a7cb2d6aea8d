// Fuzzes the creator's test-file reader: every input is loaded into an empty test and merged
// into a test that already holds questions with media. Whatever the bytes, the tables stay
// within their capacities, no slot is listed twice, and a refused read changes nothing.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "model/test_file.h"

namespace {

using namespace vornet;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckInvariants(const TestDocument& doc) {
  Check(doc.questionCount >= 0 && doc.questionCount <= kMaxQuestions);
  std::set<int> listed;
  for (int p = 0; p < kMaxQuestions; ++p) {
    const int slot = doc.questionOrder[p];
    if (p >= doc.questionCount) {
      Check(slot == -1);
      continue;
    }
    Check(slot >= 0 && slot < kMaxQuestions && doc.questions[slot].inUse);
    Check(listed.insert(slot).second);
    Check(doc.questions[slot].answerCount <= kMaxAnswers);
  }
}

std::string Fingerprint(const TestDocument& doc) {
  std::string out = doc.testInfo.name + '|' + doc.testInfo.description + '|' +
                    std::to_string(doc.questionCount) + '|';
  for (int p = 0; p < doc.questionCount; ++p) {
    const Question& q = doc.QuestionAt(p);
    out += q.text + q.picturePath + std::to_string(q.answerCount) + ';';
  }
  return out;
}

// Memory-backed when available: the reader works on real files, many times a second.
std::string MakeScratchFolder() {
  for (const char* base : {"/dev/shm", "/tmp"}) {
    std::string pattern = std::string(base) + "/vornet-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) {
      setenv("TMPDIR", base, 1);  // staged media go there too
      return pattern;
    }
  }
  std::abort();
}

struct State {
  std::string folder;
  std::string file;
  std::unique_ptr<TestDocument> empty = std::make_unique<TestDocument>();
  std::unique_ptr<TestDocument> busy = std::make_unique<TestDocument>();

  State() {
    folder = MakeScratchFolder();
    file = folder + "/input.qb";
    std::ofstream(folder + "/picture.bmp", std::ios::binary) << "BM-picture";
    MakeBusy();
  }
  ~State() {
    std::remove((folder + "/picture.bmp").c_str());
    std::remove(file.c_str());
    ::rmdir(folder.c_str());
  }

  // A test with questions, media and a hole for merged questions to fill.
  void MakeBusy() {
    ResetTest(*busy);
    busy->testInfo.name = "busy";
    for (int k = 0; k < 3; ++k) {
      AddQuestion(*busy, "Q" + std::to_string(k), folder + "/picture.bmp", "");
      AddAnswer(*busy, k, "A", "", "", 100);
    }
    DeleteQuestion(*busy, 1);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static State state;
  {
    std::ofstream out(state.file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  ResetTest(*state.empty);
  state.empty->testFilePath = state.file;
  const std::string emptyBefore = Fingerprint(*state.empty);
  if (LoadTestFile(*state.empty, false) != kFileOk) {
    Check(Fingerprint(*state.empty) == emptyBefore);
  }
  CheckInvariants(*state.empty);

  state.busy->testFilePath = state.file;
  const std::string busyBefore = Fingerprint(*state.busy);
  if (LoadTestFile(*state.busy, true) == kFileOk) {
    RebuildOrderInSlotOrder(*state.busy);
    CheckInvariants(*state.busy);
    state.MakeBusy();  // every input meets the same test
  } else {
    Check(Fingerprint(*state.busy) == busyBefore);
    CheckInvariants(*state.busy);
  }
  return 0;
}
