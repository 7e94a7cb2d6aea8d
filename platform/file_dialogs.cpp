#include "platform/file_dialogs.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

#include "platform/message_box.h"
#include "platform/wx_text.h"

namespace vornet {
namespace {

wxString Caption(bool save) {
  return wxString::FromUTF8(save ? "Сохранить как" : "Открыть");
}

bool RunFileDialog(wxWindow* parent, const FileDialogOptions& options, long style,
                   std::string& chosen) {
  const bool save = (style & wxFD_SAVE) != 0;
  const wxFileName initial(FromPath(options.initialPath));
  wxFileDialog dialog(parent, Caption(save), initial.GetPath(), initial.GetFullName(),
                      options.filter, style);
  if (dialog.ShowModal() != wxID_OK) return false;
  wxFileName path(dialog.GetPath());
  if (save && !options.defaultExtension.empty() && !path.HasExt()) {
    path.SetExt(options.defaultExtension);
    // The dialog only asked about the name as typed; ask about the completed one too.
    if (path.FileExists() &&
        ShowMessage(parent,
                    wxString::Format(wxString::FromUTF8("Файл %s уже существует.\nЗаменить его?"),
                                     path.GetFullName()),
                    kCaptionConfirmation, MessageIcon::Question,
                    MessageButtons::OkCancel) != wxID_OK) {
      return false;
    }
  }
  path.MakeAbsolute();
  chosen = ToPath(path.GetFullPath());
  wxSetWorkingDirectory(path.GetPath());
  return true;
}

}  // namespace

bool ChooseFileToOpen(wxWindow* parent, const FileDialogOptions& options, std::string& chosen) {
  return RunFileDialog(parent, options, wxFD_OPEN | wxFD_FILE_MUST_EXIST, chosen);
}

bool ChooseFileToSave(wxWindow* parent, const FileDialogOptions& options, std::string& chosen) {
  return RunFileDialog(parent, options, wxFD_SAVE | wxFD_OVERWRITE_PROMPT, chosen);
}

}  // namespace vornet
