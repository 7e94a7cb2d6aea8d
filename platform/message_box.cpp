#include "platform/message_box.h"

#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>

namespace vornet {

const wxString kCaptionError = wxString::FromUTF8("Ошибка");
const wxString kCaptionWarning = wxString::FromUTF8("Предупреждение");
const wxString kCaptionConfirmation = wxString::FromUTF8("Подтверждение");
const wxString kCaptionResult = wxString::FromUTF8("Результат");

int ShowMessage(wxWindow* owner, const wxString& text, const wxString& caption, MessageIcon icon,
                MessageButtons buttons) {
  long style = buttons == MessageButtons::OkCancel ? (wxOK | wxCANCEL) : wxOK;
  switch (icon) {
    case MessageIcon::Stop: style |= wxICON_ERROR; break;
    case MessageIcon::Exclamation: style |= wxICON_EXCLAMATION; break;
    case MessageIcon::Question: style |= wxICON_QUESTION; break;
    case MessageIcon::Information: style |= wxICON_INFORMATION; break;
  }
  // GTK's native box draws no icon, so the generic one is used.
  wxGenericMessageDialog dialog(owner, text, caption, style);
  dialog.SetOKCancelLabels(wxString::FromUTF8("ОК"), wxString::FromUTF8("Отмена"));
  return dialog.ShowModal() == wxID_OK ? wxID_OK : wxID_CANCEL;
}

}  // namespace vornet
