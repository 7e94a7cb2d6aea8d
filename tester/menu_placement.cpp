#include "tester/menu_placement.h"

#include <dlfcn.h>
#include <wx/menu.h>

namespace vornet {

void PlaceMenuAtRightEnd(wxMenu* menu) {
#ifdef __WXGTK__
  // GTK 3 still honours a right-justified menu bar item. Its headers are not needed for one
  // call: the function is looked up in the toolkit already loaded by wxWidgets.
  using SetRightJustified = void (*)(void* menuItem, int rightJustified);
  static const auto setRightJustified =
      reinterpret_cast<SetRightJustified>(dlsym(RTLD_DEFAULT, "gtk_menu_item_set_right_justified"));
  if (menu != nullptr && menu->m_owner != nullptr && setRightJustified != nullptr) {
    setRightJustified(menu->m_owner, 1);
  }
#else
  (void)menu;
#endif
}

}  // namespace vornet
