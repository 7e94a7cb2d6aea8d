// The document commands of the main window: New, Load, Merge, Save, Save As, Import, Export,
// Exit, and the commands that open other windows (About, help, parameters, compile check).

#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/utils.h>

#include "creator/about_dialog.h"
#include "creator/compile_dialog.h"
#include "creator/main_window.h"
#include "creator/parameter_dialogs.h"
#include "creator/program_end.h"
#include "interchange/interchange_commands.h"
#include "model/test_document.h"
#include "model/test_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

namespace vornet {

namespace {

wxString Utf8(const char* text) { return wxString::FromUTF8(text); }

}  // namespace

void CMainDlg::OnNew(wxCommandEvent&) {
  NewTestData data;
  if (!RunNewTestDialog(this, data)) return;
  ResetTest(doc_);
  doc_.testInfo.name = CapText(data.name);
  doc_.testInfo.description = CapText(data.description);
  doc_.testInfo.editPassword = CapText(data.password);
  ClearLists();
  ApplyControlState();
}

bool CMainDlg::ChooseTestFile(std::string& path) {
  FileDialogOptions options;
  options.filter = "Test File (*.qb)|*.qb|All Files (*.*)|*.*";
  options.defaultExtension = "qb";
  options.initialPath = doc_.testFilePath;
  return ChooseFileToOpen(this, options, path);
}

int CMainDlg::ReadTestFile(bool merge) {
  // A test with large media takes a while to read.
  wxBusyCursor busy;
  return LoadTestFile(doc_, merge);
}

void CMainDlg::ReportReadFailure(int result) {
  switch (result) {
    case kFileNoAccess:
      ShowMessage(this, Utf8("Нет доступа к файлу"), kCaptionError, MessageIcon::Stop);
      break;
    case kFileBadFormat:
      ShowMessage(this, Utf8("Неверный формат файла"), kCaptionError, MessageIcon::Stop);
      break;
    case kFileNoRoom:
      ShowMessage(this,
                  wxString::Format(Utf8("Недостаточно места: в тесте может быть не более %d "
                                        "вопросов."),
                                   kMaxQuestions),
                  kCaptionError, MessageIcon::Stop);
      break;
    default:
      break;
  }
}

// False when the author gave up at the prompt: the test is then reset and the program ends.
bool CMainDlg::PassEditPasswordCheck() {
  if (doc_.testInfo.editPassword.empty()) return true;
  if (CheckEditPassword(this, doc_.testInfo.editPassword)) return true;
  ResetTest(doc_);
  ClearLists();
  EndProgram(0);
  return false;
}

void CMainDlg::OnLoad(wxCommandEvent&) {
  std::string path;
  if (ChooseTestFile(path)) LoadTest(path);
}

void CMainDlg::LoadTest(const std::string& path) {
  ResetTest(doc_);
  ClearLists();
  doc_.testFilePath = path;
  ReportReadFailure(ReadTestFile(false));
  if (!PassEditPasswordCheck()) return;
  // A plain load fills the slots from 0 in file order, so the order is already 0, 1, 2 ...
  ShowListsAfterRead();
}

void CMainDlg::OnMerge(wxCommandEvent&) {
  std::string path;
  if (ChooseTestFile(path)) MergeTest(path);
}

void CMainDlg::MergeTest(const std::string& path) {
  ClearLists();
  // The merged file becomes the current file: a later Save writes there.
  doc_.testFilePath = path;
  ReportReadFailure(ReadTestFile(true));
  // The test's own password is asked, not the merged file's.
  if (!PassEditPasswordCheck()) return;
  RebuildOrderInSlotOrder(doc_);
  ShowListsAfterRead();
}

// False, after the warning, when the compile check failed.
bool CMainDlg::CompileBeforeSave() {
  CompileTest(this, doc_);
  if (doc_.compileState != -1) return true;
  ShowMessage(this, Utf8("Сохранение невозможно."), kCaptionWarning, MessageIcon::Exclamation);
  return false;
}

void CMainDlg::WriteTestFile() {
  int result;
  {
    wxBusyCursor busy;
    result = SaveTestFile(doc_);
  }
  if (result != kFileOk) {
    ShowMessage(this, Utf8("Файл недоступен."), kCaptionError, MessageIcon::Stop);
  }
}

void CMainDlg::OnSave(wxCommandEvent&) {
  // A file that is not a test (a load of it failed) is not overwritten unasked.
  if (doc_.testFilePath.empty() || !MayReplaceWithoutAsking(doc_.testFilePath)) {
    SaveAs();
    return;
  }
  if (!CompileBeforeSave()) return;
  WriteTestFile();
}

void CMainDlg::OnSaveAs(wxCommandEvent&) { SaveAs(); }

void CMainDlg::SaveAs() {
  if (!CompileBeforeSave()) return;
  FileDialogOptions options;
  options.filter = "Test File (*.qb)|*.qb";
  options.defaultExtension = "qb";
  options.initialPath = doc_.testFilePath;
  std::string path;
  if (!ChooseFileToSave(this, options, path)) return;
  // The path stays the current one even if writing fails.
  doc_.testFilePath = path;
  WriteTestFile();
}

void CMainDlg::OnExit(wxCommandEvent&) {
  if (ShowMessage(this, Utf8("Завершить работу?"), kCaptionConfirmation, MessageIcon::Question,
                  MessageButtons::OkCancel) == wxID_OK) {
    Close(true);
  }
}

void CMainDlg::OnAbout(wxCommandEvent&) {
  CAboutDlg about(this);
  about.ShowModal();
}

void CMainDlg::OnHelpContents(wxCommandEvent&) { help_.Display(this); }

void CMainDlg::OnParameters(wxCommandEvent&) { RunParametersSheet(this, doc_); }

void CMainDlg::OnCompile(wxCommandEvent&) { CompileTest(this, doc_); }

void CMainDlg::OnImport(wxCommandEvent&) {
  if (!RunImportCommand(this, doc_, &help_)) return;
  // The import has listed the questions in slot order; show them as after a merge.
  ShowListsAfterRead();
}

void CMainDlg::OnExport(wxCommandEvent&) {
  RunExportCommand(this, doc_, [this] { CompileTest(this, doc_); }, &help_);
}

}  // namespace vornet
