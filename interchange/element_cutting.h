#pragma once
// Cuts the stored text of a question or an answer out of what was collected for it.

#include <string>
#include <string_view>

#include "interchange/import_profile.h"

namespace vornet {

// In this order: leading lines, trailing lines, leading delimiter, trailing delimiter, leading
// skip, trailing skip; finally every CR LF pair becomes the two characters "%N".
std::string CutElementText(std::string_view text, const ImportTemplateProfile& profile);

}  // namespace vornet
