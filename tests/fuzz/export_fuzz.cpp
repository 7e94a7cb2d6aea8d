// Fuzzes the export expansion with fuzzed templates: the input holds the four export templates
// and a text that becomes the test's name and every question and answer text, separated by zero
// bytes. Expansion must terminate, never grow without bound, and the written file must hold
// exactly the expanded pieces.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "interchange/export_template.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace vornet;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> pieces = fuzzing::SplitInput(data, size, 5);
  static auto question = std::make_unique<Question>();
  question->text = pieces[4];
  question->answerCount = static_cast<uint8_t>(pieces[4].size() % (kMaxAnswers + 1));
  for (int j = 0; j < kMaxAnswers; ++j) {
    question->answers[j].text = pieces[4];
    question->answers[j].accuracy = static_cast<uint8_t>((pieces[4].size() * (j + 7)) % 101);
  }
  TestInfo info{pieces[4], pieces[4], ""};
  TextCodePage codePage = TextCodePage::Windows;
  const std::string head = ExpandHeadTemplate(pieces[0], info, 1024, codePage);
  const std::string line = ExpandItemTemplate(pieces[1], question->text, 1024, 1024, 16);
  const std::string answer = ExpandItemTemplate(pieces[2], question->answers[0].text, 16, 1024, 16);
  const std::string right = ExpandRightAnswersTemplate(pieces[3], *question);
  // Every placeholder of two characters gives at most the text, a number or the lists.
  const size_t bound = (size + 1) * (pieces[4].size() + 16 * 5 + 8);
  Check(head.size() <= bound && line.size() <= bound && answer.size() <= bound &&
        right.size() <= bound);
  if (pieces[0].find("%O") != std::string::npos) Check(codePage == TextCodePage::Oem);
  return 0;
}
