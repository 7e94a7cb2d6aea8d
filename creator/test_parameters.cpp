#include "creator/test_parameters.h"

#include <algorithm>

#include "model/test_document.h"

namespace vornet {

void BringSettingsIntoRange(TestDocument& doc) {
  TestSettings& settings = doc.testSettings;
  if (settings.questionsToAsk < 1) settings.questionsToAsk = 1;
  if (settings.questionsToAsk > doc.questionCount) settings.questionsToAsk = doc.questionCount;
  if (settings.answersToOffer < 1) settings.answersToOffer = 1;
}

ParameterSheetFields ReadSheetFields(const TestDocument& doc) {
  ParameterSheetFields fields;
  fields.info.name = doc.testInfo.name;
  fields.info.description = doc.testInfo.description;
  fields.info.password = doc.testInfo.editPassword;
  fields.info.confirmation = doc.testInfo.editPassword;
  const TestSettings& settings = doc.testSettings;
  OtherSettingsFields& other = fields.other;
  other.testTimeLimited = settings.testTimeLimited;
  other.questionTimeLimited = settings.questionTimeLimited;
  other.testMinutes = settings.testMinutes;
  other.questionMinutes = settings.questionMinutes;
  other.shuffleQuestions = settings.shuffleQuestions;
  other.shuffleAnswers = settings.shuffleAnswers;
  other.questionsToAsk = settings.questionsToAsk;
  other.answersToOffer = settings.answersToOffer;
  return fields;
}

void StoreSheetFields(const ParameterSheetFields& fields, TestDocument& doc) {
  doc.testInfo.name = CapText(fields.info.name);
  doc.testInfo.description = CapText(fields.info.description);
  doc.testInfo.editPassword = CapText(fields.info.password);
  const OtherSettingsFields& other = fields.other;
  TestSettings& settings = doc.testSettings;
  settings.testTimeLimited = static_cast<int16_t>(other.testTimeLimited);
  settings.questionTimeLimited = static_cast<int16_t>(other.questionTimeLimited);
  settings.testMinutes = static_cast<int16_t>(other.testMinutes);
  settings.questionMinutes = static_cast<int16_t>(other.questionMinutes);
  settings.shuffleQuestions = static_cast<int16_t>(other.shuffleQuestions);
  settings.shuffleAnswers = static_cast<int16_t>(other.shuffleAnswers);
  settings.answersToOffer = static_cast<int16_t>(other.answersToOffer);
  settings.questionsToAsk =
      static_cast<int16_t>(std::min<int>(other.questionsToAsk, doc.questionCount));
}

std::string LineBreaksForWindow(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') continue;
    shown += text[k];
  }
  return shown;
}

std::string LineBreaksFromWindow(const std::string& text) {
  std::string stored;
  stored.reserve(text.size());
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\n' && (k == 0 || text[k - 1] != '\r')) stored += '\r';
    stored += text[k];
  }
  return stored;
}

}  // namespace vornet
