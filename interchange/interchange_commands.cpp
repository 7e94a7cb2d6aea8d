#include "interchange/interchange_commands.h"

#include <string>

#include "interchange/export_dialog.h"
#include "interchange/export_text.h"
#include "interchange/import_dialog.h"
#include "interchange/import_text.h"
#include "interchange/interchange_result.h"
#include "model/test_document.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

namespace vornet {
namespace {

void ShowFileUnavailable(wxWindow* parent) {
  ShowMessage(parent, wxString::FromUTF8("Файл недоступен."), kCaptionError, MessageIcon::Stop);
}

}  // namespace

void RunExportCommand(wxWindow* parent, TestDocument& doc, const std::function<void()>& compileTest,
                      HelpBook* help) {
  compileTest();
  if (doc.compileState == -1) {
    ShowMessage(parent, wxString::FromUTF8("Экспортирование невозможно."), kCaptionWarning,
                MessageIcon::Exclamation);
    return;
  }

  InterchangeSettings& settings = doc.interchangeSettings;
  {
    CExportDlg dialog(parent, settings, help);
    if (dialog.ShowModal() != wxID_OK) return;
    const InterchangeSettings& confirmed = dialog.Templates();
    settings.exportDescriptionTemplate = confirmed.exportDescriptionTemplate;
    settings.exportQuestionTemplate = confirmed.exportQuestionTemplate;
    settings.exportAnswerTemplate = confirmed.exportAnswerTemplate;
    settings.exportRightAnswersTemplate = confirmed.exportRightAnswersTemplate;
  }

  // A read-only file is refused when it is opened for writing, with the same message.
  const FileDialogOptions options{"Text File (*.txt)|*.txt", "txt", settings.interchangePath};
  std::string chosen;
  if (!ChooseFileToSave(parent, options, chosen)) return;
  settings.interchangePath = chosen;

  if (ExportText(doc) != kInterchangeDone) ShowFileUnavailable(parent);
}

bool RunImportCommand(wxWindow* parent, TestDocument& doc, HelpBook* help) {
  InterchangeSettings& settings = doc.interchangeSettings;
  const FileDialogOptions options{"Text File (*.txt)|*.txt|All files (*.*)|*.*", "txt",
                                  settings.interchangePath};
  std::string chosen;
  if (!ChooseFileToOpen(parent, options, chosen)) return false;

  {
    CImportDlg dialog(parent, settings, help);
    if (dialog.ShowModal() != wxID_OK) return false;
    const InterchangeSettings& confirmed = dialog.Templates();
    settings.importQuestionTemplate = confirmed.importQuestionTemplate;
    settings.importAnswerTemplate = confirmed.importAnswerTemplate;
    settings.importRightAnswersTemplate = confirmed.importRightAnswersTemplate;
  }
  settings.interchangePath = chosen;

  switch (ImportText(doc)) {
    case kInterchangeDone:
      return true;
    case kInterchangeCannotOpen:
      ShowFileUnavailable(parent);
      return false;
    default:
      // Reading broke off part way: what was stored before stays, and is listed.
      ShowFileUnavailable(parent);
      return true;
  }
}

}  // namespace vornet
