#include "tester/tester_resources.h"

// Generated from resources/tester/*.xrc by wxrc.
extern void InitTesterXrc();

namespace vornet {

void LoadTesterResources() {
  static bool loaded = false;
  if (loaded) return;
  InitTesterXrc();
  loaded = true;
}

}  // namespace vornet
