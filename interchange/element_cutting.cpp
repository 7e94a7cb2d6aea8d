#include "interchange/element_cutting.h"

#include <algorithm>

#include "interchange/text_replace.h"

namespace vornet {
namespace {

// Removes the first line: up to and including the first CR and the one character after it.
bool CutFirstLine(std::string& text) {
  const size_t cr = text.find('\r');
  if (cr == std::string::npos) return false;
  text.erase(0, cr + 2);
  return true;
}

// Removes the last CR and everything after it.
bool CutLastLine(std::string& text) {
  const size_t cr = text.rfind('\r');
  if (cr == std::string::npos) return false;
  text.erase(cr);
  return true;
}

void SkipFront(std::string& text, int count) {
  if (count <= 0) return;
  text.erase(0, static_cast<size_t>(count));
}

void SkipBack(std::string& text, int count) {
  if (count <= 0) return;
  text.erase(text.size() - std::min(text.size(), static_cast<size_t>(count)));
}

}  // namespace

std::string CutElementText(std::string text, const ImportTemplateProfile& profile) {
  for (int i = 0; i < profile.leadingLines && CutFirstLine(text); ++i) {
  }
  for (int i = 0; i < profile.trailingLines && CutLastLine(text); ++i) {
  }
  if (!profile.leadingDelimiter.empty()) {
    const size_t found = text.find(profile.leadingDelimiter);
    if (found != std::string::npos) text.erase(0, found);
  }
  if (!profile.trailingDelimiter.empty()) {
    const size_t found = text.rfind(profile.trailingDelimiter);
    if (found != std::string::npos) text.erase(found + profile.trailingDelimiter.size());
  }
  SkipFront(text, profile.leadingSkip);
  SkipBack(text, profile.trailingSkip);
  ReplaceAll(text, "\r\n", "%N");
  return text;
}

}  // namespace vornet
