#include <gtest/gtest.h>

#include <filesystem>

#include "interchange/interchange_dialog_ids.h"
#include "platform/codepage.h"
#include "platform/locked_file.h"
#include "tests/interchange/interchange_fixture.h"
#include "tests/interchange_ui/import_window_test.h"

namespace vornet::testing {
namespace {

using namespace interchange_ids;

using ImportCommand = ImportWindowTest;

const char kImportedAfterTheTest[] =
    "0: Третий\n"
    "1: Второй | да 100\n"
    "2: Сколько будет 2*2? | 3 0 | 4 100\n"
    "3: Столицы? | Рим 100 | Осло 100 | Нил 0\n";

TEST_F(ImportCommand, SuccessfulImportAddsTheQuestionsAndListsThemInSlotOrder) {
  ExpectImportDialogs([](CImportDlg& dialog) {
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Импортирование");
    EXPECT_EQ(FieldText(dialog, kQuestionsTemplate), "%B=\"Вопрос\" %F=\":\" %S=\"2\" %TW");
    EXPECT_EQ(FieldText(dialog, kAnswersTemplate), "%B=\"Ответ\" %F=\":\" %S=\"2\" %TW");
    EXPECT_EQ(FieldText(dialog, kRightAnswersTemplate), "%B=\"+\" %1");
    EXPECT_EQ(Click(dialog, wxID_OK), wxID_OK);
  });
  EXPECT_TRUE(RunImport());
  EXPECT_EQ(DescribeQuestions(*doc_), kImportedAfterTheTest);
  EXPECT_EQ(doc_->questionCount, 4);
  EXPECT_EQ(Templates().interchangePath, Path("import.txt"));
  EXPECT_EQ(answers_.Shown().size(), 2u) << "success is silent";
}

// "Начать" carries the question template's code-page letter to the answer template, and the
// command reads the file with the templates as confirmed.
TEST_F(ImportCommand, TemplatesConfirmedInTheDialogReadTheFile) {
  WriteFileBytes(Path("dos.txt"), AnsiToOem(Ansi(kWorkedExampleLines)));
  ExpectImportDialogs(
      [](CImportDlg& dialog) {
        TypeIntoField(dialog, kQuestionsTemplate, "%B=\"Вопрос\" %F=\":\" %S=\"2\" %TD");
        EXPECT_EQ(Click(dialog, wxID_OK), wxID_OK);
      },
      Path("dos.txt"));
  EXPECT_TRUE(RunImport());
  EXPECT_EQ(DescribeQuestions(*doc_), kImportedAfterTheTest);
  EXPECT_EQ(Templates().importQuestionTemplate, Ansi("%B=\"Вопрос\" %F=\":\" %S=\"2\" %TD"));
  EXPECT_EQ(Templates().importAnswerTemplate, Ansi("%B=\"Ответ\" %F=\":\" %S=\"2\" %TD"));
}

TEST_F(ImportCommand, CancellingEitherDialogChangesNothing) {
  const InterchangeSettings before = Templates();
  answers_.ExpectFileChoice("");
  EXPECT_FALSE(RunImport());

  ExpectImportDialogs([](CImportDlg& dialog) {
    TypeIntoField(dialog, kQuestionsTemplate, "%B=\"Q\" %TD");
    TypeIntoField(dialog, kRightAnswersTemplate, "%B=\"+\" %A %1");
    LeaveField(dialog, kRightAnswersTemplate);
    EXPECT_EQ(Click(dialog, wxID_CANCEL), wxID_CANCEL);
  });
  EXPECT_FALSE(RunImport());

  EXPECT_EQ(DescribeQuestions(*doc_), kQuestionsBefore);
  ExpectSameImportTemplates(Templates(), before);
  EXPECT_EQ(Templates().interchangePath, before.interchangePath);
}

TEST_F(ImportCommand, FileThatCannotBeOpenedShowsFileUnavailableAndChangesNoQuestion) {
  LockedFile writer;
  const struct {
    const char* name;
    std::function<void()> spoil;  // done while the import dialog is open
  } cases[] = {
      {"deleted meanwhile", [this] { std::filesystem::remove(Path("import.txt")); }},
      {"held by a writer",
       [this, &writer] { writer = LockedFile::LockExisting(Path("import.txt")); }},
      {"replaced by a folder",
       [this] {
         std::filesystem::remove(Path("import.txt"));
         std::filesystem::create_directory(Path("import.txt"));
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Path("import.txt"));
    WriteFileBytes(Path("import.txt"), Ansi(kWorkedExampleLines));
    ExpectImportDialogs([&c](CImportDlg& dialog) {
      TypeIntoField(dialog, kRightAnswersTemplate, "%B=\"Верно:\" %1");
      c.spoil();
      EXPECT_EQ(Click(dialog, wxID_OK), wxID_OK);
    });
    ExpectMessageBox(answers_, "Файл недоступен.", "Ошибка", wxICON_ERROR);
    EXPECT_FALSE(RunImport());
    EXPECT_EQ(DescribeQuestions(*doc_), kQuestionsBefore);
    EXPECT_EQ(Templates().importRightAnswersTemplate, Ansi("%B=\"Верно:\" %1"));
    EXPECT_EQ(Templates().interchangePath, Path("import.txt"));
    writer = LockedFile();
  }
}

}  // namespace
}  // namespace vornet::testing
