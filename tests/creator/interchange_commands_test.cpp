// The Export and Import commands of the main window: an exported test imports back, and the
// main window lists the imported questions as after a merge.

#include <wx/dialog.h>

#include "creator/command_ids.h"
#include "tests/creator/main_window_fixture.h"

namespace vornet::testing {
namespace {

using InterchangeCommandsTest = MainWindowTest;

// Confirms the export or import dialog with the templates it shows.
ModalAnswers::Answer ConfirmTemplates() {
  return [](wxDialog& dialog) {
    EXPECT_TRUE(dialog.Validate() && dialog.TransferDataFromWindow());
    return static_cast<int>(wxID_OK);
  };
}

TEST_F(InterchangeCommandsTest, AnExportedTestImportsBackAndIsListed) {
  AddQuestionThroughDialog("Сколько будет 2*2?");
  AddAnswerThroughDialog("3", 0);
  AddAnswerThroughDialog("4", 100);
  AddQuestionThroughDialog("Столица?");
  AddAnswerThroughDialog("Рим", 100);

  answers_.Expect(AcceptCompileDialog(true, true, true, true));
  answers_.Expect(ConfirmTemplates());
  answers_.ExpectFileChoice(dir_.File("test.txt"));
  Command(creator_ids::kExport);
  EXPECT_EQ(ReadFileBytes(dir_.File("test.txt")),
            Ansi("\r\n\r\n\r\nВопрос 1: Сколько будет 2*2?\r\nОтвет 1: 3\r\nОтвет 2: 4\r\n+2 \r\n\r\n"
                 "Вопрос 2: Столица?\r\nОтвет 1: Рим\r\n+1 \r\n\r\n"));

  SelectQuestion(1);
  answers_.ExpectFileChoice(dir_.File("test.txt"));
  answers_.Expect(ConfirmTemplates());
  Command(creator_ids::kImport);
  EXPECT_EQ(QuestionListTexts(), (std::vector<std::string>{"Сколько будет 2*2?", "Столица?",
                                                            "Сколько будет 2*2?", "Столица?"}));
  EXPECT_EQ(QuestionSelection(), 0);
  EXPECT_EQ(Doc().QuestionAt(2).answers[1].accuracy, 100);
  ExpectListsMirrorModel();
}

}  // namespace
}  // namespace vornet::testing
