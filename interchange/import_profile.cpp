#include "interchange/import_profile.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace vornet {
namespace {

// The text from `start` up to the first double quote at or after it; empty when there is none.
std::string QuotedValueFrom(const std::string& pattern, size_t start) {
  if (start > pattern.size()) return std::string();
  const size_t quote = pattern.find('"', start);
  if (quote == std::string::npos) return std::string();
  return pattern.substr(start, quote - start);
}

// A marker's value starts four characters after the '%' of its first "%B=" or "%E="; the
// character after '=' is taken to be the opening quote without looking at it.
std::string MarkerValue(const std::string& pattern, const char* directive) {
  const size_t found = pattern.find(directive);
  if (found == std::string::npos) return std::string();
  return QuotedValueFrom(pattern, found + 4);
}

// Reads a decimal integer as atoi does (leading blanks and a sign allowed, stops at the first
// non-digit, 0 without digits), saturating instead of overflowing.
long ReadInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = std::min<long>(value * 10 + (text[i] - '0'), INT_MAX);
  }
  return negative ? -value : value;
}

void AddSaturated(int16_t& field, long amount) {
  field = static_cast<int16_t>(std::clamp<long>(field + amount, INT16_MIN, INT16_MAX));
}

}  // namespace

ImportTemplateProfile ReadImportProfile(const std::string& pattern, ImportTemplateKind kind) {
  ImportTemplateProfile profile;
  profile.beginMarker = MarkerValue(pattern, "%B=");
  profile.endMarker = MarkerValue(pattern, "%E=");
  if (kind == ImportTemplateKind::RightAnswers) return profile;

  bool trailing = false;
  const size_t first = kind == ImportTemplateKind::Question ? 5 : 0;
  // Every '%' is visited, also one inside a quoted value or right after another '%'.
  for (size_t i = pattern.find('%', first); i != std::string::npos; i = pattern.find('%', i + 1)) {
    if (i + 1 >= pattern.size()) break;
    const bool hasValue = i + 2 < pattern.size() && pattern[i + 2] == '=';
    switch (pattern[i + 1]) {
      case 'T':
        trailing = true;
        break;
      case 'N':
        AddSaturated(trailing ? profile.trailingLines : profile.leadingLines, 1);
        break;
      case 'S':
        if (hasValue) {
          AddSaturated(trailing ? profile.trailingSkip : profile.leadingSkip,
                       ReadInteger(QuotedValueFrom(pattern, i + 4)));
        }
        break;
      case 'F':
        if (hasValue && i + 4 <= pattern.size() && pattern.find('"', i + 4) != std::string::npos) {
          (trailing ? profile.trailingDelimiter : profile.leadingDelimiter) =
              QuotedValueFrom(pattern, i + 4);
        }
        break;
      default:
        break;
    }
  }
  return profile;
}

TextCodePage ImportCodePage(const std::string& questionTemplate) {
  return questionTemplate.find("%TD") != std::string::npos ? TextCodePage::Oem
                                                           : TextCodePage::Windows;
}

}  // namespace vornet
