#pragma once
// Open and save dialogs. After a choice the process's working folder becomes the chosen file's
// folder, as the programs expect ("Results.txt" and the tester's staged media are written there).

#include <wx/string.h>

#include <string>

class wxWindow;

namespace vornet {

struct FileDialogOptions {
  wxString filter;            // "Test File (*.qb)|*.qb|All Files (*.*)|*.*"
  wxString defaultExtension;  // without the dot; empty for none
  std::string initialPath;    // in the system's path encoding
};

// False when cancelled. `chosen` receives the full path in the system's encoding.
bool ChooseFileToOpen(wxWindow* parent, const FileDialogOptions& options, std::string& chosen);
// Asks before an existing file is replaced; adds the default extension to a name without one.
bool ChooseFileToSave(wxWindow* parent, const FileDialogOptions& options, std::string& chosen);

}  // namespace vornet
