#pragma once
// Dialog 136 "Ваши данные": the candidate's surname, first name, patronymic and year of birth.
// It closes only with complete data: Esc and the close box do nothing, so no run starts without
// a candidate.

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

namespace vornet {

struct CandidateData {
  std::string surname;  // Windows-1251 bytes
  std::string firstName;
  std::string patronymic;
  int birthYear = 0;
};

// All three names given (blanks count) and 1900 < birthYear < 2100.
bool CandidateDataComplete(const CandidateData& data);

class CCandidateDlg : public wxDialog {
 public:
  explicit CCandidateDlg(wxWindow* parent);

  // "Начать...": takes the fields; an empty year is refused with its own message and the year
  // keeps its value; then incomplete data is refused with "Введите все данные". Closes the
  // dialog with OK and returns true when the data are complete.
  bool Confirm();
  const CandidateData& Data() const { return data_; }

  wxTextCtrl* Field(int id) const;

 private:
  void OnClose(wxCloseEvent& event);

  CandidateData data_;
};

}  // namespace vornet
