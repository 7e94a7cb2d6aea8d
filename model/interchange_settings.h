#pragma once
// The seven templates of the text export and import, and the last text file used. They live
// beside the test in memory only and return to their defaults whenever a test is begun.

#include <string>

namespace vornet {

// Encoding of an interchange text file: the Windows code page in which texts are held (1251),
// or the OEM code page (866).
enum class TextCodePage { Windows, Oem };

struct InterchangeSettings {
  std::string exportDescriptionTemplate;
  std::string exportQuestionTemplate;
  std::string exportAnswerTemplate;
  std::string exportRightAnswersTemplate;
  std::string importQuestionTemplate;
  std::string importAnswerTemplate;
  std::string importRightAnswersTemplate;
  // Path of the last export or import text file, in the system's path encoding.
  std::string interchangePath;
};

// The default templates (Windows-1251 bytes) with an empty path.
InterchangeSettings DefaultInterchangeSettings();

}  // namespace vornet
