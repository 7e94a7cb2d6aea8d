#include "tests/interchange_ui/import_window_test.h"

#include "interchange/interchange_commands.h"
#include "tests/interchange/interchange_fixture.h"

namespace vornet::testing {

const char kQuestionsBefore[] =
    "1: Второй | да 100\n"
    "0: Третий\n";

ImportWindowTest::ImportWindowTest() {
  // Slot 0 falls free and is taken again, so the list is not in slot order.
  AddQuestionWithVariants(*doc_, "Первый");
  AddQuestionWithVariants(*doc_, "Второй", {{"да", 100}});
  DeleteQuestion(*doc_, 0);
  AddQuestionWithVariants(*doc_, "Третий");
  EXPECT_EQ(DescribeQuestions(*doc_), kQuestionsBefore);
  doc_->interchangeSettings.interchangePath = Path("old.txt");
  WriteFileBytes(Path("import.txt"), Ansi(kWorkedExampleLines));
}

void ImportWindowTest::ExpectImportDialogs(std::function<void(CImportDlg&)> steps,
                                           const std::string& file) {
  answers_.ExpectFileChoice(file.empty() ? Path("import.txt") : file);
  ExpectDialogDriven<CImportDlg>(answers_, std::move(steps));
}

bool ImportWindowTest::RunImport() { return RunImportCommand(mainWindow_, *doc_, nullptr); }

void ExpectSameImportTemplates(const InterchangeSettings& actual,
                               const InterchangeSettings& expected) {
  EXPECT_EQ(actual.importQuestionTemplate, expected.importQuestionTemplate);
  EXPECT_EQ(actual.importAnswerTemplate, expected.importAnswerTemplate);
  EXPECT_EQ(actual.importRightAnswersTemplate, expected.importRightAnswersTemplate);
}

}  // namespace vornet::testing
