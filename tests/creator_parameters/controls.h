#pragma once
// Small helpers for driving the parameter dialogs' controls from a test, as a user would.

#include <string>

#include "tests/support/modal_answers.h"

class wxWindow;

namespace vornet::testing {

// The text of the field `id` inside `window`, in UTF-8.
std::string FieldText(wxWindow& window, int id);
// Types `utf8` into the field `id`, replacing what it held (the field sees a text change).
void TypeInto(wxWindow& window, int id, const std::string& utf8);
bool IsEnabled(wxWindow& window, int id);
// Clicks the check box `id`: its tick flips and its handlers run.
void ClickCheckBox(wxWindow& window, int id);
bool IsTicked(wxWindow& window, int id);
// An error message box with this text, caption "Ошибка" and the stop icon.
void ExpectStopMessage(ModalAnswers& answers, const std::string& text);

}  // namespace vornet::testing
