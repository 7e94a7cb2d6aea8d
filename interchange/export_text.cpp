#include "interchange/export_text.h"

#include <algorithm>
#include <string>

#include "interchange/export_template.h"
#include "interchange/interchange_result.h"
#include "platform/codepage.h"
#include "platform/locked_file.h"

namespace vornet {
namespace {

// Collects the expanded pieces and writes them in large blocks, converted to the file's code
// page. A write error is remembered and ends all further writing.
class ExportWriter {
 public:
  ExportWriter(LockedFile& file, TextCodePage codePage) : file_(file), codePage_(codePage) {
    pending_.reserve(kBlockSize + 4096);
  }

  void Put(const std::string& piece) {
    pending_ += codePage_ == TextCodePage::Oem ? AnsiToOem(piece) : piece;
    if (pending_.size() >= kBlockSize) Flush();
  }

  bool Flush() {
    if (failed_) return false;
    if (!pending_.empty() && !file_.WriteAll(pending_)) failed_ = true;
    pending_.clear();
    return !failed_;
  }

 private:
  static constexpr size_t kBlockSize = 256 * 1024;
  LockedFile& file_;
  TextCodePage codePage_;
  std::string pending_;
  bool failed_ = false;
};

}  // namespace

int ExportText(const TestDocument& doc) {
  LockedFile file = LockedFile::CreateExclusive(doc.interchangeSettings.interchangePath);
  if (!file.IsOpen()) return kInterchangeCannotOpen;
  const InterchangeSettings& templates = doc.interchangeSettings;
  const int questionCount = std::clamp<int>(doc.questionCount, 0, kMaxQuestions);

  TextCodePage codePage = TextCodePage::Windows;
  const std::string head = ExpandHeadTemplate(templates.exportDescriptionTemplate, doc.testInfo,
                                              questionCount, codePage);
  ExportWriter writer(file, codePage);
  writer.Put(head);

  for (int k = 1; k <= questionCount; ++k) {
    const int slot = doc.questionOrder[k - 1];
    if (slot < 0 || slot >= kMaxQuestions) continue;
    const Question& question = doc.questions[slot];
    const int answerCount = std::min<int>(question.answerCount, kMaxAnswers);
    writer.Put(ExpandItemTemplate(templates.exportQuestionTemplate, question.text, k, questionCount,
                                  answerCount));
    for (int j = 1; j <= answerCount; ++j) {
      writer.Put(ExpandItemTemplate(templates.exportAnswerTemplate, question.answers[j - 1].text, j,
                                    questionCount, answerCount));
    }
    writer.Put(ExpandRightAnswersTemplate(templates.exportRightAnswersTemplate, question));
  }

  const bool written = writer.Flush();
  const bool closed = file.Close();
  return written && closed ? kInterchangeDone : kInterchangeIoFailed;
}

}  // namespace vornet
