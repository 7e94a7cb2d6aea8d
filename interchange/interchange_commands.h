#pragma once
// The creator's Export and Import commands, called by the main window's menu handlers.

#include <functional>

class wxWindow;

namespace vornet {

struct TestDocument;
class HelpBook;

// The Export command: runs `compileTest` (which shows the compile dialog and sets
// doc.compileState) and refuses with "Экспортирование невозможно." when the check failed; then
// the export dialog (OK takes its templates over), the save dialog (the chosen file becomes
// interchangePath) and the export itself, with "Файл недоступен." when the file cannot be
// written. Cancelling either dialog ends the command with what was confirmed so far. The test
// is never changed. "Помощь" opens `help` when not null.
void RunExportCommand(wxWindow* parent, TestDocument& doc, const std::function<void()>& compileTest,
                      HelpBook* help);

// The Import command: the open dialog, the import dialog ("Начать" takes its templates over and
// the chosen file becomes interchangePath), then the import itself, with "Файл недоступен." when
// the file cannot be read. Returns true when the test may have changed (questionOrder is then in
// slot order), so the caller rebuilds its lists as after a merge, the first question selected.
// Returns false when a dialog was cancelled or the file could not be opened: the test is as it
// was. "Помощь" opens `help` when not null.
bool RunImportCommand(wxWindow* parent, TestDocument& doc, HelpBook* help);

}  // namespace vornet
