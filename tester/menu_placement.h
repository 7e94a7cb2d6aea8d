#pragma once
// Puts a menu at the right end of its frame's menu bar, where a help menu traditionally sits.

class wxMenu;

namespace vornet {

// Call after the menu bar holding `menu` is set on its frame. Does nothing where the toolkit
// cannot do it.
void PlaceMenuAtRightEnd(wxMenu* menu);

}  // namespace vornet
