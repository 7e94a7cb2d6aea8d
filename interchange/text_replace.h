#pragma once
// Replacement of every occurrence of a piece of text, as the template passes need it.

#include <cstddef>
#include <string>
#include <string_view>

namespace vornet {

// Replaces every occurrence of `from` in `text` by `to`, scanning left to right without
// overlaps; the inserted text is not searched again in the same call. Returns the number of
// replacements. `from` must not be empty.
size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to);

}  // namespace vornet
