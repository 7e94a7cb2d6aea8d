#include "model/compile_check.h"

#include "platform/locked_file.h"

namespace vornet {

bool MediaFileOpens(const std::string& path) { return LockedFile::OpenForRead(path).IsOpen(); }

namespace {

bool NamedFileOpens(const std::string& path) { return path.empty() || MediaFileOpens(path); }

}  // namespace

CompileChecks RunCompileChecks(const TestDocument& doc) {
  CompileChecks checks;
  for (int position = 0; position < doc.questionCount; ++position) {
    const Question& question = doc.QuestionAt(position);
    bool hasFullAnswer = false;
    if (question.answerCount < 1) checks.everyQuestionHasAnswer = false;
    if (question.text.empty()) checks.everyTextPresent = false;
    // Variants first, in order, picture before sound; then the question's own files.
    for (int index = 0; index < question.answerCount && index < kMaxAnswers; ++index) {
      const Answer& answer = question.answers[index];
      if (answer.text.empty()) checks.everyTextPresent = false;
      if (!NamedFileOpens(answer.picturePath) || !NamedFileOpens(answer.soundPath)) {
        checks.everyMediaFileOpens = false;
      }
      if (answer.accuracy == 100) hasFullAnswer = true;
    }
    if (!NamedFileOpens(question.picturePath) || !NamedFileOpens(question.soundPath)) {
      checks.everyMediaFileOpens = false;
    }
    if (!hasFullAnswer) checks.everyQuestionHasFullAnswer = false;
  }
  return checks;
}

}  // namespace vornet
