#include "interchange/import_store.h"

#include "interchange/element_cutting.h"
#include "interchange/right_answers_line.h"
#include "platform/codepage.h"

namespace vornet {

ImportStore::ImportStore(TestDocument& doc, const std::array<ImportTemplateProfile, 3>& profiles,
                         TextCodePage codePage, bool rightAnswersByNumber,
                         bool rightAnswersByAccuracy)
    : doc_(doc),
      profiles_(profiles),
      codePage_(codePage),
      byNumber_(rightAnswersByNumber),
      byAccuracy_(rightAnswersByAccuracy) {}

void ImportStore::ElementEnded(ElementKind kind, const std::string& collectedText) {
  switch (kind) {
    case ElementKind::Question:
      StoreQuestion(collectedText);
      break;
    case ElementKind::Answer:
      StoreAnswer(collectedText);
      break;
    case ElementKind::RightAnswers:
      ApplyRightAnswersLine(collectedText);
      break;
  }
}

std::string ImportStore::StoredText(const std::string& collectedText, ElementKind kind) const {
  std::string text = CutElementText(collectedText, profiles_[static_cast<int>(kind)]);
  if (codePage_ == TextCodePage::Oem) text = OemToAnsi(text);
  return CapText(std::move(text));
}

Question* ImportStore::LastListedQuestion() {
  if (doc_.questionCount <= 0 || doc_.questionCount > kMaxQuestions || questionDropped_) {
    return nullptr;
  }
  const int slot = doc_.questionOrder[doc_.questionCount - 1];
  if (slot < 0 || slot >= kMaxQuestions) return nullptr;
  return &doc_.questions[slot];
}

// A question with an empty text is stored like any other: its slot is in use while listed.
void ImportStore::StoreQuestion(const std::string& collectedText) {
  while (freeSlotSearch_ < kMaxQuestions && doc_.questions[freeSlotSearch_].inUse) {
    ++freeSlotSearch_;
  }
  if (freeSlotSearch_ >= kMaxQuestions || doc_.questionCount >= kMaxQuestions) {
    questionDropped_ = true;
    return;
  }
  Question& question = doc_.questions[freeSlotSearch_];
  question.inUse = true;
  question.text = StoredText(collectedText, ElementKind::Question);
  question.picturePath.clear();
  question.soundPath.clear();
  doc_.questionOrder[doc_.questionCount++] = static_cast<int16_t>(freeSlotSearch_);
  questionDropped_ = false;
}

void ImportStore::StoreAnswer(const std::string& collectedText) {
  Question* question = LastListedQuestion();
  if (question == nullptr || question->answerCount >= kMaxAnswers) return;
  // The accuracy stays as the place holds it; only right-answers lines set accuracies.
  Answer& answer = question->answers[question->answerCount++];
  answer.text = StoredText(collectedText, ElementKind::Answer);
  answer.picturePath.clear();
  answer.soundPath.clear();
}

void ImportStore::ApplyRightAnswersLine(const std::string& collectedText) {
  Question* question = LastListedQuestion();
  if (question == nullptr) return;
  const std::string line =
      codePage_ == TextCodePage::Oem ? OemToAnsi(collectedText) : collectedText;
  ApplyRightAnswers(*question, ReadRightAnswerNumbers(line), byNumber_, byAccuracy_);
}

}  // namespace vornet
