#include "creator/compile_dialog.h"

#include <wx/stattext.h>
#include <wx/xrc/xmlres.h>

#include "creator/command_ids.h"
#include "creator/creator_resources.h"

namespace vornet {

using namespace creator_ids;

namespace {

constexpr int kResultIds[] = {kCompileResult1, kCompileResult2, kCompileResult3, kCompileResult4};

wxString YesNo(bool holds) { return wxString::FromUTF8(holds ? "Да" : "Нет"); }

}  // namespace

CCompileDlg::CCompileDlg(wxWindow* parent, const CompileChecks& checks) {
  LoadCreatorResources();
  wxXmlResource::Get()->LoadDialog(this, parent, "CCompileDlg");
  SetClientSize(ConvertDialogToPixels(wxSize(250, 100)));
  const bool rows[] = {checks.everyQuestionHasAnswer, checks.everyTextPresent,
                       checks.everyMediaFileOpens, checks.everyQuestionHasFullAnswer};
  for (int row = 0; row < 4; ++row) {
    wxStaticCast(FindWindow(kResultIds[row]), wxStaticText)->SetLabel(YesNo(rows[row]));
  }
  CentreOnParent();
}

wxString CCompileDlg::RowResult(int row) const {
  return wxStaticCast(FindWindow(kResultIds[row - 1]), wxStaticText)->GetLabel();
}

void CompileTest(wxWindow* parent, TestDocument& doc) {
  const CompileChecks checks = RunCompileChecks(doc);
  CCompileDlg dialog(parent, checks);
  dialog.ShowModal();
  doc.compileState = checks.Passed() ? 1 : -1;
}

}  // namespace vornet
