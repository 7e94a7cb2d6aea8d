#pragma once
// The creator's dialog templates, menu and icon.

#include <wx/iconbndl.h>

namespace vornet {

// Pins the symbolic ids of the templates to the numbers the code handles and loads the templates
// into wxXmlResource, once per process. Needs the XRC handlers to be installed.
void LoadCreatorResources();

// The program icon in a large and a small size.
wxIconBundle CreatorIcons();

}  // namespace vornet
