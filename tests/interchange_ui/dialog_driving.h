#pragma once
// Drives the export and import dialogs as an author would, from inside a modal answer: fields
// typed, fields left, buttons clicked; and a test document with a stand-in main window.

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/frame.h>

#include <functional>
#include <memory>
#include <string>

#include "model/test_document.h"
#include "tests/support/modal_answers.h"
#include "tests/support/test_files.h"

namespace vornet::testing {

// Lets the dialog of class D run its real modal loop and, once it is up, takes the author's
// `steps` in it. The steps must close the dialog (a dialog left open fails the test and is
// cancelled), and ShowModal returns what the dialog ended with.
template <class D>
void ExpectDialogDriven(ModalAnswers& answers, std::function<void(D&)> steps) {
  answers.Expect<D>([steps](D& dialog) {
    dialog.CallAfter([&dialog, steps] {
      steps(dialog);
      if (dialog.IsModal()) {
        ADD_FAILURE() << "the dialog \"" << dialog.GetTitle().utf8_string() << "\" stayed open";
        dialog.EndModal(wxID_CANCEL);
      }
    });
    return static_cast<int>(wxID_NONE);
  });
}

// A field's text, in UTF-8, and typing a new one.
std::string FieldText(const wxDialog& dialog, int id);
void TypeIntoField(wxDialog& dialog, int id, const std::string& utf8);
// The focus leaves the field; the dialog's deferred check then runs.
void LeaveField(wxDialog& dialog, int id);
// Clicks the button and lets the dialog react. Returns the code the dialog ended with, or
// wxID_NONE while it stays open (its modal loop still running).
int Click(wxDialog& dialog, int id);

// Expects a message box with this text, caption and icon style (wxICON_...).
void ExpectMessageBox(ModalAnswers& answers, const std::string& text, const std::string& caption,
                      long icon);

// A document in a temporary working folder (file dialogs change the working folder), with a
// hidden frame standing in for the main window.
class InterchangeWindowTest : public ::testing::Test {
 protected:
  InterchangeWindowTest();
  ~InterchangeWindowTest() override;

  std::string Path(const std::string& name) const { return dir_.File(name); }

  TempDir dir_;
  ScopedWorkingDir workingDir_{dir_.Path()};
  std::unique_ptr<TestDocument> doc_;
  wxFrame* mainWindow_ = nullptr;
  ModalAnswers answers_;
};

}  // namespace vornet::testing
