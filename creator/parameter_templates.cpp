#include "creator/parameter_templates.h"

// Generated from the templates by wxrc.
extern void InitParameterXrc();

namespace vornet {

void LoadParameterTemplates() {
  static const bool loaded = (InitParameterXrc(), true);
  (void)loaded;
}

}  // namespace vornet
