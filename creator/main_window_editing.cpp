// Question and answer editing in the main window. Every operation changes the model first and
// then makes the same change at the same index of the list on screen.

#include <wx/choice.h>
#include <wx/listbox.h>

#include "creator/answer_dialog.h"
#include "creator/main_window.h"
#include "creator/question_dialog.h"
#include "model/test_document.h"
#include "platform/wx_text.h"

namespace vornet {

void CMainDlg::OnAddQuestion(wxCommandEvent&) {
  if (doc_.questionCount >= kMaxQuestions) return;
  CQuestionDlg dialog(this, QuestionFields());
  if (dialog.ShowModal() != wxID_OK) return;
  const QuestionFields& fields = dialog.Fields();
  const int position = AddQuestion(doc_, fields.text, fields.picturePath, fields.soundPath);
  if (position < 0) return;
  questionList_->Append(FromAnsi(doc_.QuestionAt(position).text));
  questionList_->SetSelection(position);
  // The new question has no variants yet.
  answerList_->Clear();
  doc_.currentAnswer = -1;
  ApplyControlState();
}

void CMainDlg::OnEditQuestion(wxCommandEvent&) {
  const int position = doc_.currentQuestion;
  if (position < 0 || position >= doc_.questionCount) return;
  const Question& question = doc_.QuestionAt(position);
  CQuestionDlg dialog(this, {question.text, question.picturePath, question.soundPath});
  if (dialog.ShowModal() != wxID_OK) return;
  const QuestionFields& fields = dialog.Fields();
  EditQuestion(doc_, position, fields.text, fields.picturePath, fields.soundPath);
  questionList_->SetString(position, FromAnsi(question.text));
  questionList_->SetSelection(position);
}

void CMainDlg::OnDeleteQuestion(wxCommandEvent&) {
  const int position = doc_.currentQuestion;
  if (position < 0 || position >= doc_.questionCount) return;
  DeleteQuestion(doc_, position);
  questionList_->Delete(position);
  if (doc_.questionCount == 0) {
    ClearLists();
    doc_.currentQuestion = 0;
    doc_.currentAnswer = -1;
  } else {
    // Whatever was selected before, the first question becomes current.
    questionList_->SetSelection(0);
    ShowQuestion(0);
  }
  ApplyControlState();
}

void CMainDlg::OnAddAnswer(wxCommandEvent&) {
  if (doc_.questionCount <= 0) return;
  if (doc_.QuestionAt(doc_.currentQuestion).answerCount >= kMaxAnswers) return;
  CAnswerDlg dialog(this, AnswerFields());
  if (dialog.ShowModal() != wxID_OK) return;
  const AnswerFields& fields = dialog.Fields();
  const int index = AddAnswer(doc_, doc_.currentQuestion, fields.text, fields.picturePath,
                              fields.soundPath, static_cast<uint8_t>(fields.accuracy));
  if (index < 0) return;
  answerList_->Append(FromAnsi(doc_.QuestionAt(doc_.currentQuestion).answers[index].text));
  answerList_->SetSelection(index);
  doc_.currentAnswer = static_cast<int16_t>(index);
  ApplyControlState();
}

void CMainDlg::OnEditAnswer(wxCommandEvent&) {
  if (doc_.questionCount <= 0) return;
  const Question& question = doc_.QuestionAt(doc_.currentQuestion);
  const int index = doc_.currentAnswer;
  if (index < 0 || index >= question.answerCount) return;
  const Answer& answer = question.answers[index];
  CAnswerDlg dialog(this, {answer.accuracy, answer.picturePath, answer.text, answer.soundPath});
  if (dialog.ShowModal() != wxID_OK) return;
  const AnswerFields& fields = dialog.Fields();
  EditAnswer(doc_, doc_.currentQuestion, index, fields.text, fields.picturePath, fields.soundPath,
             static_cast<uint8_t>(fields.accuracy));
  answerList_->SetString(index, FromAnsi(answer.text));
  answerList_->SetSelection(index);
}

void CMainDlg::OnDeleteAnswer(wxCommandEvent&) {
  if (doc_.questionCount <= 0) return;
  const int count = doc_.QuestionAt(doc_.currentQuestion).answerCount;
  const int index = doc_.currentAnswer;
  if (index < 0 || index >= count) return;
  DeleteAnswer(doc_, doc_.currentQuestion, index);
  answerList_->Delete(index);
  // The variant that took the deleted one's place is selected; after the last, the one before.
  const int selection = index < count - 1 ? index : index - 1;
  if (selection >= 0) answerList_->SetSelection(selection);
  doc_.currentAnswer = static_cast<int16_t>(selection);
  ApplyControlState();
}

void CMainDlg::OnQuestionSelected(wxCommandEvent&) {
  const int position = questionList_->GetSelection();
  if (position == doc_.currentQuestion || position < 0 || position >= doc_.questionCount) return;
  ShowQuestion(position);
  ApplyControlState();
}

void CMainDlg::OnAnswerSelected(wxCommandEvent&) {
  doc_.currentAnswer = static_cast<int16_t>(answerList_->GetSelection());
}

}  // namespace vornet
