#pragma once
// What the reader takes from one import template before it reads a file. An import template is
// a list of directives (%B, %E, %T, %F, %S, %N, and %1 / %A for right answers); every other
// character means nothing.

#include <cstdint>
#include <string>

#include "model/interchange_settings.h"

namespace vornet {

struct ImportTemplateProfile {
  std::string beginMarker;        // %B="..."; empty: the element never begins
  std::string endMarker;          // %E="..."; empty: the element ends at a carriage return
  std::string leadingDelimiter;   // %F="..." left of %T
  std::string trailingDelimiter;  // %F="..." right of %T
  int16_t leadingSkip = 0;        // sum of %S="n" left of %T
  int16_t trailingSkip = 0;
  int16_t leadingLines = 0;  // count of %N left of %T
  int16_t trailingLines = 0;
};

enum class ImportTemplateKind { Question, Answer, RightAnswers };

// Reads a template into its profile. The question template's directives other than %B and %E
// are looked for from its sixth character on; the answer template's from its first; the
// right-answers template gives its markers only.
ImportTemplateProfile ReadImportProfile(const std::string& pattern, ImportTemplateKind kind);

// The question template chooses the code page of the whole file: Oem when it holds "%TD".
TextCodePage ImportCodePage(const std::string& questionTemplate);

}  // namespace vornet
