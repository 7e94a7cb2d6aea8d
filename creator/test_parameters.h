#pragma once
// What the New-test dialog and the parameters sheet exchange with the test, without any window:
// the members of the dialogs, filling them from the document, storing them back, and the line
// breaks of the description. Texts are Windows-1251 bytes.

#include <string>

namespace vornet {

struct TestDocument;

// The name, description and password pair, as the New-test dialog and the "Название" page hold
// them.
struct TestInfoFields {
  std::string description;
  std::string name;
  std::string password;
  std::string confirmation;
};

// The members of the "Другие" page: plain integers until they are stored.
struct OtherSettingsFields {
  int testTimeLimited = 0;
  int questionTimeLimited = 0;
  int questionMinutes = 0;
  int testMinutes = 0;
  int shuffleAnswers = 0;
  int shuffleQuestions = 0;
  int answersToOffer = 0;
  int questionsToAsk = 0;
};

struct ParameterSheetFields {
  TestInfoFields info;
  OtherSettingsFields other;
};

// The ranges the "Другие" page enforces.
constexpr int kMinMinutes = 0;
constexpr int kMaxMinutes = 1000;
constexpr int kMinAnswersToOffer = 1;
constexpr int kMaxAnswersToOffer = 16;

// Raises questionsToAsk and answersToOffer to at least 1, then lowers questionsToAsk to at most
// questionCount (so a test without questions asks 0).
void BringSettingsIntoRange(TestDocument& doc);

// The sheet's members as the document gives them; both password fields get the edit password.
ParameterSheetFields ReadSheetFields(const TestDocument& doc);

// Stores the members of a confirmed sheet. questionsToAsk is cut to questionCount before it is
// narrowed to 16 bits, so no typed number can wrap round to a negative count.
void StoreSheetFields(const ParameterSheetFields& fields, TestDocument& doc);

// A multi-line field shows "\n" where a test holds CR LF; typed line breaks are stored as CR LF.
std::string LineBreaksForWindow(const std::string& text);
std::string LineBreaksFromWindow(const std::string& text);

}  // namespace vornet
