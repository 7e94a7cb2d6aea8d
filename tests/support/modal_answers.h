#pragma once
// Answers the modal dialogs that a window test expects, in order: each answer gets the dialog
// (message box, file chooser, font chooser or one of our own dialogs) and returns the code that
// ShowModal should give back, without the dialog ever waiting for a user. A dialog that nobody
// expected fails the test and is cancelled.

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vornet::testing {

class ModalAnswers : public wxModalDialogHook {
 public:
  using Answer = std::function<int(wxDialog&)>;

  ModalAnswers() { Register(); }
  ~ModalAnswers() override;

  // Any dialog; the answer checks what it needs.
  void Expect(Answer answer) { answers_.push_back(std::move(answer)); }
  // A dialog of class D; fails the test when another kind comes.
  template <class D>
  void Expect(std::function<int(D&)> answer) {
    answers_.push_back([answer](wxDialog& dialog) {
      D* typed = dynamic_cast<D*>(&dialog);
      EXPECT_NE(typed, nullptr) << "unexpected dialog \"" << dialog.GetTitle().utf8_string() << "\"";
      return typed ? answer(*typed) : wxID_CANCEL;
    });
  }
  // A message box with this text (UTF-8) and caption, answered with `code`.
  void ExpectMessage(const std::string& text, const std::string& caption, int code = wxID_OK);
  // A file chooser, answered with `path` (or cancelled when path is empty).
  void ExpectFileChoice(const std::string& path);

  // Titles (UTF-8) of every dialog shown so far, and the texts of message boxes.
  const std::vector<std::string>& Shown() const { return shown_; }
  bool AllAnswered() const { return answers_.empty(); }

 protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog*) override {}

 private:
  std::deque<Answer> answers_;
  std::vector<std::string> shown_;
};

// Lets pending events run for a moment (GTK's file chooser fills in asynchronously).
void RunPendingEvents(int milliseconds = 50);

}  // namespace vornet::testing
