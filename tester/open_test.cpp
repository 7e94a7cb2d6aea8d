// CTesterDlg: the open command and its chain of dialogs (file, description, candidate), which
// ends in a new test run.

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "tester/candidate_dlg.h"
#include "tester/description_dlg.h"
#include "tester/tester_dlg.h"

namespace vornet {
namespace {

bool ChooseTestFile(wxWindow* parent, const std::string& initialPath, std::string& chosen) {
  FileDialogOptions options;
  options.filter = "TestFiles (*.qb)|*.qb|All Files (*.*)|*.*";
  options.defaultExtension = "qb";
  options.initialPath = initialPath;
  return ChooseFileToOpen(parent, options, chosen);
}

}  // namespace

void CTesterDlg::OpenTest() {
  std::string chosen;
  // Cancelled: nothing changes, and a running test goes on.
  if (!ChooseTestFile(this, run_.testFilePath, chosen)) return;
  while (!OpenChosenFile(chosen)) {
    // "Загрузить новый": another file, starting from the one just loaded. Cancelled: the test
    // stays loaded but not started.
    if (!ChooseTestFile(this, run_.testFilePath, chosen)) return;
  }
}

bool CTesterDlg::OpenChosenFile(std::string path) {
  run_.testFilePath = std::move(path);
  DropRun(run_);
  Relayout();  // the dropped run's page goes

  const int16_t opened = OpenTestForRun(run_);
  if (opened != kFileOk) {
    ShowMessage(this,
                wxString::FromUTF8(opened == kFileBadFormat ? "Неверный формат файла"
                                                            : "Нет доступа к файлу"),
                kCaptionError, MessageIcon::Stop);
    return true;
  }
  SeekQuestion(run_, 0);

  CDescriptionDlg description(this, run_.testInfo);
  if (description.ShowModal() != wxID_OK) return false;

  CCandidateDlg candidate(this);
  // The dialog closes only with complete data.
  if (candidate.ShowModal() != wxID_OK) return true;
  const CandidateData& data = candidate.Data();
  if (!BeginReport(run_, JoinCandidateName(data.surname, data.firstName, data.patronymic),
                   data.birthYear)) {
    return true;
  }
  StartRun(run_);
  return true;
}

}  // namespace vornet
