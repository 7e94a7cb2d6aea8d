#pragma once
// What the export and import dialogs share: loading their templates, their size, the "Помощь"
// button and the template fields, whose texts are Windows-1251 bytes in the model.

#include <wx/gdicmn.h>

#include <string>

class wxDialog;
class wxWindow;

namespace vornet {

class HelpBook;

// Loads the dialog template `name` into `dialog`, gives it its client size in dialog units and
// lets "Помощь" open `help` (when not null).
void LoadTemplateDialog(wxDialog& dialog, wxWindow* parent, const char* name,
                        const wxSize& clientSizeInDialogUnits, HelpBook* help);

// The text of template field `id`, as Windows-1251 bytes.
std::string ReadTemplateField(const wxWindow& dialog, int id);
// Shows `pattern` in template field `id`; a field that already shows it is left alone, so its
// caret stays where it was.
void WriteTemplateField(wxWindow& dialog, int id, const std::string& pattern);

}  // namespace vornet
