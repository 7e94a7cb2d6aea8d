#pragma once
// The one test that the creator holds in memory: fixed tables of question slots, the order in
// which the used slots are listed, and the state that goes with the test. Texts are Windows-1251
// bytes; paths are in the system's path encoding.

#include <array>
#include <cstdint>
#include <string>

#include "model/interchange_settings.h"
#include "model/media_staging.h"

namespace vornet {

constexpr int kMaxQuestions = 1024;
constexpr int kMaxAnswers = 16;
// A text longer than this cannot be stored in a test file (its length is a signed 16-bit count).
constexpr size_t kMaxTextLength = 32767;

struct Answer {
  std::string text;
  uint8_t accuracy = 0;  // percent of credit, 0..100
  std::string picturePath;
  std::string soundPath;
};

struct Question {
  std::string text;
  std::string picturePath;
  std::string soundPath;
  uint8_t answerCount = 0;
  // Slot use is tracked apart from the text, so a listed question with an empty text keeps its
  // slot and no slot is ever listed twice.
  bool inUse = false;
  std::array<Answer, kMaxAnswers> answers;
};

struct TestInfo {
  std::string name;
  std::string description;
  std::string editPassword;  // plain text; empty means no password
};

// The eight parameter words, in the order in which a test file stores them.
struct TestSettings {
  int16_t testTimeLimited = 0;
  int16_t questionTimeLimited = 0;
  int16_t testMinutes = 0;
  int16_t questionMinutes = 0;
  int16_t shuffleQuestions = 0;
  int16_t shuffleAnswers = 0;
  int16_t questionsToAsk = 0;
  int16_t answersToOffer = 0;
};

using QuestionOrder = std::array<int16_t, kMaxQuestions>;

struct TestDocument {
  TestInfo testInfo;
  TestSettings testSettings;
  std::array<Question, kMaxQuestions> questions;
  // Slots of the listed questions in listed order; -1 beyond questionCount.
  QuestionOrder questionOrder;
  int16_t questionCount = 0;
  std::string testFilePath;
  InterchangeSettings interchangeSettings;
  // 0 = not checked since the last reset, 1 = the last check passed, -1 = it failed.
  int16_t compileState = 0;
  // Set when a load or merge begins: staged media files may exist.
  bool mediaStaged = false;
  // The editing selection of the main window: a position in questionOrder and an answer index.
  int16_t currentQuestion = 0;
  int16_t currentAnswer = -1;
  // The private folder into which media read from test files are written.
  MediaStaging staging;

  TestDocument();
  Question& QuestionAt(int position) { return questions[questionOrder[position]]; }
  const Question& QuestionAt(int position) const { return questions[questionOrder[position]]; }
};

// Cuts a text to what a test file can hold. Every text that enters the model passes here.
std::string CapText(std::string text);

// Empties the whole document: deletes staged media (when any may exist), clears every slot,
// the order, the info and settings, and restores the default interchange templates.
void ResetTest(TestDocument& doc);

// The lowest slot not in use, or -1 when all are.
int FindFreeSlot(const TestDocument& doc);
int CountFreeSlots(const TestDocument& doc);

// Puts a question into the lowest free slot and lists it last; it becomes currentQuestion.
// Returns its position, or -1 when every slot is in use.
int AddQuestion(TestDocument& doc, const std::string& text, const std::string& picturePath,
                const std::string& soundPath);
void EditQuestion(TestDocument& doc, int position, const std::string& text,
                  const std::string& picturePath, const std::string& soundPath);
// Empties the question's slot and closes the gap in the order.
void DeleteQuestion(TestDocument& doc, int position);

// Appends a variant to the question at `position`; returns its index, or -1 at 16 variants.
int AddAnswer(TestDocument& doc, int position, const std::string& text,
              const std::string& picturePath, const std::string& soundPath, uint8_t accuracy);
void EditAnswer(TestDocument& doc, int position, int index, const std::string& text,
                const std::string& picturePath, const std::string& soundPath, uint8_t accuracy);
// Moves the later variants up and clears the place that falls free.
void DeleteAnswer(TestDocument& doc, int position, int index);

// Empties one slot (texts, paths, accuracies, count) and marks it free.
void ClearSlot(Question& question);

// Lists every used slot in ascending slot order (after a merge or an import).
void RebuildOrderInSlotOrder(TestDocument& doc);

}  // namespace vornet
