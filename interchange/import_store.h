#pragma once
// Stores the elements that the import reader delivers into the test: questions into free slots
// (listed last), answer variants and right-answer marks onto the last listed question.

#include <array>
#include <string>

#include "interchange/element_scanner.h"
#include "interchange/import_profile.h"
#include "model/test_document.h"

namespace vornet {

class ImportStore : public ElementSink {
 public:
  // `profiles` (indexed by ElementKind) and the texts they came from are in `codePage`;
  // stored texts are converted back to the Windows code page.
  ImportStore(TestDocument& doc, const std::array<ImportTemplateProfile, 3>& profiles,
              TextCodePage codePage, bool rightAnswersByNumber, bool rightAnswersByAccuracy);

  void ElementEnded(ElementKind kind, const std::string& collectedText) override;

 private:
  void StoreQuestion(const std::string& collectedText);
  void StoreAnswer(const std::string& collectedText);
  void ApplyRightAnswersLine(const std::string& collectedText);
  std::string StoredText(const std::string& collectedText, ElementKind kind) const;
  Question* LastListedQuestion();

  TestDocument& doc_;
  const std::array<ImportTemplateProfile, 3>& profiles_;
  TextCodePage codePage_;
  bool byNumber_;
  bool byAccuracy_;
  // Slots are only filled during an import, so the search for a free slot can go on from the
  // last slot taken.
  int freeSlotSearch_ = 0;
  // Set while the last question could not be stored (every slot in use): the answer and
  // right-answers lines that follow it belong to no question in the test.
  bool questionDropped_ = false;
};

}  // namespace vornet
