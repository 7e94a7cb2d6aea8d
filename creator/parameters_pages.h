#pragma once
// The two pages of the "Параметры теста" sheet: CProp1 "Название" (name, description, password
// pair) and CProp2 "Другие" (time limits, random order, counts).

#include <wx/panel.h>

#include <memory>

#include "creator/test_info_fields.h"
#include "creator/test_parameters.h"

class wxCheckBox;
class wxTextCtrl;

namespace vornet {

// A page that may refuse to be left while its values are not acceptable.
class ParameterPage : public wxPanel {
 public:
  // Checks the page's values and takes them into the members; false keeps the page shown.
  virtual bool LeavePage() = 0;
  // The page has just become the one shown.
  virtual void EnterPage() {}
};

class CProp1 : public ParameterPage {
 public:
  CProp1(wxWindow* parent, const TestInfoFields& fields);

  const TestInfoFields& Fields() const { return fields_; }

  // Leaving the page needs the password and its confirmation to match.
  bool LeavePage() override;
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  TestInfoFields fields_;
  std::unique_ptr<TestInfoControls> controls_;
};

class CProp2 : public ParameterPage {
 public:
  CProp2(wxWindow* parent, const OtherSettingsFields& fields);

  const OtherSettingsFields& Fields() const { return fields_; }

  // Leaving the page needs every number in its range.
  bool LeavePage() override;
  // The minutes fields are enabled as the time-limit members say.
  void EnterPage() override;
  // Checks the numbers in the order in which the members are exchanged; the first one out of
  // range is reported and gets the focus.
  bool Validate() override;
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void OnTimeLimitClicked(wxCommandEvent& event);
  void TakeCheckBoxes();

  OtherSettingsFields fields_;
  wxCheckBox* testTimeLimited_;
  wxCheckBox* questionTimeLimited_;
  wxCheckBox* shuffleQuestions_;
  wxCheckBox* shuffleAnswers_;
  wxTextCtrl* testMinutes_;
  wxTextCtrl* questionMinutes_;
  wxTextCtrl* questionsToAsk_;
  wxTextCtrl* answersToOffer_;
};

}  // namespace vornet
