#include "interchange/text_replace.h"

namespace vornet {

size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  size_t found = text.find(from);
  if (from.empty() || found == std::string::npos) return 0;
  std::string result;
  result.reserve(text.size());
  size_t copied = 0;
  size_t count = 0;
  for (; found != std::string::npos; found = text.find(from, copied)) {
    result.append(text, copied, found - copied);
    result.append(to);
    copied = found + from.size();
    ++count;
  }
  result.append(text, copied, std::string::npos);
  text.swap(result);
  return count;
}

}  // namespace vornet
