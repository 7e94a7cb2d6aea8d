#include "interchange/template_dialog.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "interchange/interchange_dialog_ids.h"
#include "platform/help_book.h"
#include "platform/wx_text.h"

void InitInterchangeXrc();  // generated from the templates in resources/interchange

namespace vornet {
namespace {

// Pins the help button's id and loads the templates, once per process. The application has
// installed the XRC handlers.
void LoadInterchangeResources() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  wxXmlResource::GetXRCID("ID_HELP_BUTTON", interchange_ids::kHelpButton);
  InitInterchangeXrc();
}

wxTextCtrl& TemplateField(const wxWindow& dialog, int id) {
  wxWindow* field = dialog.FindWindow(id);
  wxASSERT_MSG(field, "template field missing from the dialog template");
  return *wxStaticCast(field, wxTextCtrl);
}

}  // namespace

void LoadTemplateDialog(wxDialog& dialog, wxWindow* parent, const char* name,
                        const wxSize& clientSizeInDialogUnits, HelpBook* help) {
  LoadInterchangeResources();
  wxXmlResource::Get()->LoadDialog(&dialog, parent, name);
  dialog.SetClientSize(dialog.ConvertDialogToPixels(clientSizeInDialogUnits));
  dialog.Bind(
      wxEVT_BUTTON,
      [&dialog, help](wxCommandEvent&) {
        // The viewer belongs to the main window, so that it outlives this dialog.
        if (help) help->Display(dialog.GetParent() ? dialog.GetParent() : &dialog);
      },
      interchange_ids::kHelpButton);
  dialog.CentreOnParent();
}

std::string ReadTemplateField(const wxWindow& dialog, int id) {
  return ToAnsi(TemplateField(dialog, id).GetValue());
}

void WriteTemplateField(wxWindow& dialog, int id, const std::string& pattern) {
  wxTextCtrl& field = TemplateField(dialog, id);
  const wxString text = FromAnsi(pattern);
  if (field.GetValue() != text) field.ChangeValue(text);
}

}  // namespace vornet
