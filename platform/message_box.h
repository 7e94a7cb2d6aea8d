#pragma once
// Every message of both programs goes through here: a modal box owned by the asking window, with
// the stop, exclamation, question or information icon and Russian button labels whatever the
// user's locale.

#include <wx/string.h>

class wxWindow;

namespace vornet {

enum class MessageIcon { Stop, Exclamation, Question, Information };
enum class MessageButtons { Ok, OkCancel };

// Returns wxID_OK or wxID_CANCEL.
int ShowMessage(wxWindow* owner, const wxString& text, const wxString& caption, MessageIcon icon,
                MessageButtons buttons = MessageButtons::Ok);

// The captions the programs use.
extern const wxString kCaptionError;         // "Ошибка"
extern const wxString kCaptionWarning;       // "Предупреждение"
extern const wxString kCaptionConfirmation;  // "Подтверждение"
extern const wxString kCaptionResult;        // "Результат"

}  // namespace vornet
