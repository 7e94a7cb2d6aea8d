#include "interchange/import_text.h"

#include <array>

#include "interchange/buffered_file_reader.h"
#include "interchange/element_scanner.h"
#include "interchange/import_profile.h"
#include "interchange/import_store.h"
#include "interchange/interchange_result.h"
#include "platform/codepage.h"
#include "platform/locked_file.h"

namespace vornet {

int ImportText(TestDocument& doc) {
  const InterchangeSettings& templates = doc.interchangeSettings;
  const TextCodePage codePage = ImportCodePage(templates.importQuestionTemplate);
  // Markers and delimiters are compared with the file's own bytes, so they are read from
  // templates in the file's code page. The author's templates themselves are not touched.
  const auto inFileCodePage = [codePage](const std::string& pattern) {
    return codePage == TextCodePage::Oem ? AnsiToOem(pattern) : pattern;
  };
  const std::string rightAnswersTemplate = inFileCodePage(templates.importRightAnswersTemplate);
  const std::array<ImportTemplateProfile, 3> profiles = {
      ReadImportProfile(inFileCodePage(templates.importQuestionTemplate),
                        ImportTemplateKind::Question),
      ReadImportProfile(inFileCodePage(templates.importAnswerTemplate), ImportTemplateKind::Answer),
      ReadImportProfile(rightAnswersTemplate, ImportTemplateKind::RightAnswers),
  };

  LockedFile file = LockedFile::OpenForRead(templates.interchangePath);
  if (!file.IsOpen()) return kInterchangeCannotOpen;
  const int64_t length = file.Size();
  if (length < 0) return kInterchangeCannotOpen;

  BufferedFileReader reader(file, static_cast<uint64_t>(length));
  ImportStore store(doc, profiles, codePage, rightAnswersTemplate.find("%1") != std::string::npos,
                    rightAnswersTemplate.find("%A") != std::string::npos);
  ElementScanner scanner(profiles);
  const bool readWhole = scanner.Scan(reader, store);
  RebuildOrderInSlotOrder(doc);
  return readWhole ? kInterchangeDone : kInterchangeIoFailed;
}

}  // namespace vornet
