#include "model/test_document.h"

namespace vornet {

TestDocument::TestDocument() {
  questionOrder.fill(-1);
  interchangeSettings = DefaultInterchangeSettings();
}

std::string CapText(std::string text) {
  if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
  return text;
}

void ClearSlot(Question& question) {
  question.text.clear();
  question.picturePath.clear();
  question.soundPath.clear();
  for (Answer& answer : question.answers) answer = Answer();
  question.answerCount = 0;
  question.inUse = false;
}

void ResetTest(TestDocument& doc) {
  if (doc.mediaStaged) doc.staging.RemoveAll();
  doc.compileState = 0;
  doc.mediaStaged = false;
  doc.currentQuestion = 0;
  doc.questionCount = 0;
  doc.testFilePath.clear();
  doc.interchangeSettings = DefaultInterchangeSettings();
  for (Question& question : doc.questions) ClearSlot(question);
  doc.questionOrder.fill(-1);
  doc.testInfo = TestInfo();
  doc.testSettings = TestSettings();
}

int FindFreeSlot(const TestDocument& doc) {
  for (int slot = 0; slot < kMaxQuestions; ++slot) {
    if (!doc.questions[slot].inUse) return slot;
  }
  return -1;
}

int CountFreeSlots(const TestDocument& doc) {
  int free = 0;
  for (const Question& question : doc.questions) free += question.inUse ? 0 : 1;
  return free;
}

int AddQuestion(TestDocument& doc, const std::string& text, const std::string& picturePath,
                const std::string& soundPath) {
  const int slot = FindFreeSlot(doc);
  if (slot < 0 || doc.questionCount >= kMaxQuestions) return -1;
  Question& question = doc.questions[slot];
  question.inUse = true;
  question.text = CapText(text);
  question.picturePath = picturePath;
  question.soundPath = soundPath;
  const int position = doc.questionCount;
  doc.questionOrder[position] = static_cast<int16_t>(slot);
  doc.currentQuestion = static_cast<int16_t>(position);
  ++doc.questionCount;
  return position;
}

void EditQuestion(TestDocument& doc, int position, const std::string& text,
                  const std::string& picturePath, const std::string& soundPath) {
  Question& question = doc.QuestionAt(position);
  question.text = CapText(text);
  question.picturePath = picturePath;
  question.soundPath = soundPath;
}

void DeleteQuestion(TestDocument& doc, int position) {
  ClearSlot(doc.QuestionAt(position));
  for (int p = position; p + 1 < doc.questionCount; ++p) {
    doc.questionOrder[p] = doc.questionOrder[p + 1];
  }
  doc.questionOrder[doc.questionCount - 1] = -1;
  --doc.questionCount;
}

int AddAnswer(TestDocument& doc, int position, const std::string& text,
              const std::string& picturePath, const std::string& soundPath, uint8_t accuracy) {
  Question& question = doc.QuestionAt(position);
  if (question.answerCount >= kMaxAnswers) return -1;
  const int index = question.answerCount++;
  EditAnswer(doc, position, index, text, picturePath, soundPath, accuracy);
  return index;
}

void EditAnswer(TestDocument& doc, int position, int index, const std::string& text,
                const std::string& picturePath, const std::string& soundPath, uint8_t accuracy) {
  Answer& answer = doc.QuestionAt(position).answers[index];
  answer.text = CapText(text);
  answer.picturePath = picturePath;
  answer.soundPath = soundPath;
  answer.accuracy = accuracy;
}

void DeleteAnswer(TestDocument& doc, int position, int index) {
  Question& question = doc.QuestionAt(position);
  for (int j = index; j + 1 < question.answerCount; ++j) {
    question.answers[j] = std::move(question.answers[j + 1]);
  }
  // The vacated place is cleared so that nothing of a deleted variant comes back later.
  question.answers[question.answerCount - 1] = Answer();
  --question.answerCount;
}

void RebuildOrderInSlotOrder(TestDocument& doc) {
  int position = 0;
  for (int slot = 0; slot < kMaxQuestions && position < doc.questionCount; ++slot) {
    if (doc.questions[slot].inUse) doc.questionOrder[position++] = static_cast<int16_t>(slot);
  }
  for (int p = position; p < kMaxQuestions; ++p) doc.questionOrder[p] = -1;
}

}  // namespace vornet
