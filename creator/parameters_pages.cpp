#include "creator/parameters_pages.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "creator/parameter_dialog_ids.h"
#include "creator/parameter_templates.h"
#include "platform/integer_validator.h"

namespace vornet {

namespace {

template <class Control>
Control* Find(wxWindow* page, int id) {
  auto* control = dynamic_cast<Control*>(page->FindWindow(id));
  wxASSERT_MSG(control != nullptr, "control missing from the page template");
  return control;
}

void LoadPage(wxPanel* page, wxWindow* parent, const char* name) {
  LoadParameterTemplates();
  wxXmlResource::Get()->LoadPanel(page, parent, name);
  // The page asks for the room its template gives it.
  page->SetMinSize(page->GetSize());
}

}  // namespace

CProp1::CProp1(wxWindow* parent, const TestInfoFields& fields) : fields_(fields) {
  LoadPage(this, parent, "CProp1");
  controls_ = std::make_unique<TestInfoControls>(this);
  TransferDataToWindow();
}

bool CProp1::LeavePage() { return controls_->TakeMatchingPasswords(fields_); }

bool CProp1::TransferDataToWindow() {
  controls_->Show(fields_);
  return true;
}

bool CProp1::TransferDataFromWindow() {
  fields_ = controls_->Take();
  return true;
}

CProp2::CProp2(wxWindow* parent, const OtherSettingsFields& fields) : fields_(fields) {
  namespace ids = parameter_ids;
  LoadPage(this, parent, "CProp2");
  testTimeLimited_ = Find<wxCheckBox>(this, ids::kTestTimeLimited);
  questionTimeLimited_ = Find<wxCheckBox>(this, ids::kQuestionTimeLimited);
  shuffleQuestions_ = Find<wxCheckBox>(this, ids::kShuffleQuestions);
  shuffleAnswers_ = Find<wxCheckBox>(this, ids::kShuffleAnswers);
  testMinutes_ = Find<wxTextCtrl>(this, ids::kTestMinutes);
  questionMinutes_ = Find<wxTextCtrl>(this, ids::kQuestionMinutes);
  questionsToAsk_ = Find<wxTextCtrl>(this, ids::kQuestionsToAsk);
  answersToOffer_ = Find<wxTextCtrl>(this, ids::kAnswersToOffer);

  const IntegerValidator::Range minutes{kMinMinutes, kMaxMinutes};
  testMinutes_->SetValidator(IntegerValidator(&fields_.testMinutes, minutes));
  questionMinutes_->SetValidator(IntegerValidator(&fields_.questionMinutes, minutes));
  answersToOffer_->SetValidator(IntegerValidator(
      &fields_.answersToOffer, IntegerValidator::Range{kMinAnswersToOffer, kMaxAnswersToOffer}));
  // Any count passes here; it is cut to the number of questions when the sheet is confirmed.
  questionsToAsk_->SetValidator(IntegerValidator(&fields_.questionsToAsk));

  testTimeLimited_->Bind(wxEVT_CHECKBOX, &CProp2::OnTimeLimitClicked, this);
  questionTimeLimited_->Bind(wxEVT_CHECKBOX, &CProp2::OnTimeLimitClicked, this);
  TransferDataToWindow();
  EnterPage();
}

bool CProp2::LeavePage() { return Validate() && TransferDataFromWindow(); }

void CProp2::EnterPage() {
  testMinutes_->Enable(fields_.testTimeLimited != 0);
  questionMinutes_->Enable(fields_.questionTimeLimited != 0);
}

bool CProp2::Validate() {
  // A disabled minutes field is checked too: it keeps its value, and the value is saved.
  for (wxTextCtrl* field : {questionMinutes_, testMinutes_, answersToOffer_, questionsToAsk_}) {
    if (!field->GetValidator()->Validate(this)) return false;
  }
  return true;
}

bool CProp2::TransferDataToWindow() {
  testTimeLimited_->SetValue(fields_.testTimeLimited != 0);
  questionTimeLimited_->SetValue(fields_.questionTimeLimited != 0);
  shuffleQuestions_->SetValue(fields_.shuffleQuestions != 0);
  shuffleAnswers_->SetValue(fields_.shuffleAnswers != 0);
  return ParameterPage::TransferDataToWindow();
}

bool CProp2::TransferDataFromWindow() {
  TakeCheckBoxes();
  return ParameterPage::TransferDataFromWindow();
}

void CProp2::TakeCheckBoxes() {
  fields_.testTimeLimited = testTimeLimited_->GetValue() ? 1 : 0;
  fields_.questionTimeLimited = questionTimeLimited_->GetValue() ? 1 : 0;
  fields_.shuffleQuestions = shuffleQuestions_->GetValue() ? 1 : 0;
  fields_.shuffleAnswers = shuffleAnswers_->GetValue() ? 1 : 0;
}

void CProp2::OnTimeLimitClicked(wxCommandEvent& event) {
  // All values are taken first, with their range checks; the boxes count even when a number is
  // refused.
  if (Validate()) {
    TransferDataFromWindow();
  } else {
    TakeCheckBoxes();
  }
  wxTextCtrl* minutes =
      event.GetEventObject() == testTimeLimited_ ? testMinutes_ : questionMinutes_;
  minutes->Enable(event.IsChecked());
}

}  // namespace vornet
