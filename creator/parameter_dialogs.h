// creator/parameter_dialogs.h
#pragma once
#include <string>
class wxWindow;
namespace vornet {
struct TestDocument;
// Data of the New-test dialog; texts are Windows-1251 bytes.
struct NewTestData { std::string name; std::string description; std::string password; };
// Shows CNewTestDlg (opens with the name "Тест"); false when cancelled.
bool RunNewTestDialog(wxWindow* parent, NewTestData& data);
// The Parameters command: adjusts questionsToAsk/answersToOffer, shows CProp, stores on OK.
void RunParametersSheet(wxWindow* parent, TestDocument& doc);
// The edit-password check after Load and Merge: returns true when the password was typed (or the
// test has none); false when the author chose "Выход" — the caller then runs ResetTest and ends
// the program with exit code 0.
bool CheckEditPassword(wxWindow* parent, const std::string& editPassword);
}
