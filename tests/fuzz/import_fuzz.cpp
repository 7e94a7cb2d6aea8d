// Fuzzes the text import with fuzzed templates and a fuzzed file: the input holds the three
// import templates and the file's bytes, separated by zero bytes. It is imported into a test
// that already holds questions. The tables stay within their capacities, no slot is listed
// twice and the templates come back exactly as they were.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>

#include "interchange/import_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace vornet;

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string ScratchFile() {
  for (const char* base : {"/dev/shm", "/tmp"}) {
    std::string path = std::string(base) + "/vornet-import-fuzz-" + std::to_string(::getpid());
    if (std::ofstream(path)) return path;
  }
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string file = ScratchFile();
  static auto doc = std::make_unique<TestDocument>();
  const std::vector<std::string> pieces = fuzzing::SplitInput(data, size, 4);
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(pieces[3].data(), static_cast<std::streamsize>(pieces[3].size()));
  }
  ResetTest(*doc);
  AddQuestion(*doc, "Q0", "", "");
  AddQuestion(*doc, "Q1", "", "");
  AddAnswer(*doc, 1, "A", "", "", 100);
  DeleteQuestion(*doc, 0);
  InterchangeSettings& settings = doc->interchangeSettings;
  settings.importQuestionTemplate = pieces[0];
  settings.importAnswerTemplate = pieces[1];
  settings.importRightAnswersTemplate = pieces[2];
  settings.interchangePath = file;
  const InterchangeSettings before = settings;

  ImportText(*doc);

  Check(settings.importQuestionTemplate == before.importQuestionTemplate);
  Check(settings.importAnswerTemplate == before.importAnswerTemplate);
  Check(settings.importRightAnswersTemplate == before.importRightAnswersTemplate);
  Check(doc->questionCount >= 1 && doc->questionCount <= kMaxQuestions);
  std::set<int> listed;
  int previous = -1;
  for (int p = 0; p < kMaxQuestions; ++p) {
    const int slot = doc->questionOrder[p];
    if (p >= doc->questionCount) {
      Check(slot == -1);
      continue;
    }
    Check(slot > previous && slot < kMaxQuestions && doc->questions[slot].inUse);  // slot order
    previous = slot;
    Check(listed.insert(slot).second);
    const Question& q = doc->questions[slot];
    Check(q.answerCount <= kMaxAnswers && q.text.size() <= kMaxTextLength);
    for (const Answer& a : q.answers) Check(a.accuracy <= 100 && a.text.size() <= kMaxTextLength);
  }
  return 0;
}
