#include "interchange/element_cutting.h"

#include <algorithm>

namespace vornet {
namespace {

// Removes the first line: up to and including the first CR and the one character after it.
bool CutFirstLine(std::string_view& text) {
  const size_t cr = text.find('\r');
  if (cr == std::string_view::npos) return false;
  text.remove_prefix(std::min(text.size(), cr + 2));
  return true;
}

// Removes the last CR and everything after it.
bool CutLastLine(std::string_view& text) {
  const size_t cr = text.rfind('\r');
  if (cr == std::string_view::npos) return false;
  text = text.substr(0, cr);
  return true;
}

size_t SkipCount(int16_t skip, size_t size) {
  return skip <= 0 ? 0 : std::min(size, static_cast<size_t>(skip));
}

}  // namespace

std::string CutElementText(std::string_view text, const ImportTemplateProfile& profile) {
  for (int i = 0; i < profile.leadingLines && CutFirstLine(text); ++i) {
  }
  for (int i = 0; i < profile.trailingLines && CutLastLine(text); ++i) {
  }
  if (!profile.leadingDelimiter.empty()) {
    const size_t found = text.find(profile.leadingDelimiter);
    if (found != std::string_view::npos) text.remove_prefix(found);
  }
  if (!profile.trailingDelimiter.empty()) {
    const size_t found = text.rfind(profile.trailingDelimiter);
    if (found != std::string_view::npos)
      text = text.substr(0, found + profile.trailingDelimiter.size());
  }
  text.remove_prefix(SkipCount(profile.leadingSkip, text.size()));
  text.remove_suffix(SkipCount(profile.trailingSkip, text.size()));

  std::string stored;
  stored.reserve(text.size());
  for (size_t from = 0;;) {
    const size_t lineBreak = text.find("\r\n", from);
    stored.append(text.substr(from, lineBreak - from));
    if (lineBreak == std::string_view::npos) break;
    stored.append("%N");
    from = lineBreak + 2;
  }
  return stored;
}

}  // namespace vornet
