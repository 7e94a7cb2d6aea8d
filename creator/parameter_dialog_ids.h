#pragma once
// Control ids of the New-test dialog, the parameters sheet's pages and the password prompt. The
// dialog templates name their controls by these numbers.

namespace vornet::parameter_ids {

// New-test dialog and the "Название" page.
constexpr int kName = 1000;
constexpr int kDescription = 1001;
constexpr int kPassword = 1002;
constexpr int kConfirmation = 1003;

// The "Другие" page.
constexpr int kTestTimeLimited = 1003;
constexpr int kTestMinutes = 1004;
constexpr int kQuestionTimeLimited = 1005;
constexpr int kQuestionMinutes = 1006;
constexpr int kShuffleQuestions = 1036;
constexpr int kShuffleAnswers = 1037;
constexpr int kQuestionsToAsk = 1048;
constexpr int kAnswersToOffer = 1049;

// The password prompt.
constexpr int kEnteredPassword = 1042;

}  // namespace vornet::parameter_ids
