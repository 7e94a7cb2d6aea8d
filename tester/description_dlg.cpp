#include "tester/description_dlg.h"

#include <wx/stattext.h>
#include <wx/xrc/xmlres.h>

#include "platform/wx_text.h"
#include "tester/command_ids.h"
#include "tester/tester_resources.h"

namespace vornet {
namespace {

void ShowWrapped(wxWindow* parent, int id, const std::string& cp1251) {
  auto* label = wxDynamicCast(parent->FindWindow(id), wxStaticText);
  if (label == nullptr) return;
  // Shown as written: an '&' is no mnemonic here.
  label->SetLabelText(LabelText(cp1251));
  label->Wrap(label->GetSize().GetWidth());
}

}  // namespace

wxString LabelText(const std::string& cp1251) {
  wxString text = FromAnsi(cp1251);
  text.Replace("\r\n", "\n");
  text.Replace("\r", "\n");
  return text;
}

CDescriptionDlg::CDescriptionDlg(wxWindow* parent, const TestInfo& testInfo) {
  LoadTesterResources();
  wxXmlResource::Get()->LoadDialog(this, parent, "CDescriptionDlg");
  ShowWrapped(this, tester_ids::kTestName, testInfo.name);
  ShowWrapped(this, tester_ids::kTestDescription, testInfo.description);
}

}  // namespace vornet
