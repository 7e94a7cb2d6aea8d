#include <gtest/gtest.h>
#include <unistd.h>

#include "interchange/export_dialog.h"
#include "interchange/interchange_commands.h"
#include "interchange/interchange_dialog_ids.h"
#include "platform/locked_file.h"
#include "tests/interchange/interchange_fixture.h"
#include "tests/interchange_ui/dialog_driving.h"

namespace vornet::testing {
namespace {

using namespace interchange_ids;

class ExportCommand : public InterchangeWindowTest {
 protected:
  ExportCommand() {
    doc_->testInfo.name = Ansi("Т");
    doc_->testInfo.description = Ansi("О");
    AddQuestionWithVariants(*doc_, "Q?", {{"a", 0}, {"b", 100}});
    doc_->interchangeSettings.interchangePath = Path("old.txt");
  }

  // Runs the command with a compile check that ends in `compileState`.
  void RunExport(int compileState = 1) {
    compileRuns_ = 0;
    RunExportCommand(
        mainWindow_, *doc_,
        [this, compileState] {
          ++compileRuns_;
          doc_->compileState = static_cast<int16_t>(compileState);
        },
        nullptr);
  }

  // The export dialog: types the given templates (nullptr keeps a field) and clicks `button`.
  void ExpectExportDialog(int button, const char* description = nullptr,
                          const char* question = nullptr, const char* answer = nullptr,
                          const char* rightAnswers = nullptr) {
    ExpectDialogDriven<CExportDlg>(answers_, [=](CExportDlg& dialog) {
      const std::pair<int, const char*> typed[] = {{kDescriptionsTemplate, description},
                                                   {kQuestionsTemplate, question},
                                                   {kAnswersTemplate, answer},
                                                   {kRightAnswersTemplate, rightAnswers}};
      for (const auto& [id, text] : typed) {
        if (text) TypeIntoField(dialog, id, text);
      }
      EXPECT_EQ(Click(dialog, button), button);
    });
  }

  InterchangeSettings Templates() const { return doc_->interchangeSettings; }

  int compileRuns_ = 0;
};

void ExpectSameExportTemplates(const InterchangeSettings& actual,
                               const InterchangeSettings& expected) {
  EXPECT_EQ(actual.exportDescriptionTemplate, expected.exportDescriptionTemplate);
  EXPECT_EQ(actual.exportQuestionTemplate, expected.exportQuestionTemplate);
  EXPECT_EQ(actual.exportAnswerTemplate, expected.exportAnswerTemplate);
  EXPECT_EQ(actual.exportRightAnswersTemplate, expected.exportRightAnswersTemplate);
}

TEST_F(ExportCommand, DialogShowsTheTemplatesInTheirFields) {
  answers_.Expect<CExportDlg>([](CExportDlg& dialog) {
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Экспортирование");
    EXPECT_EQ(FieldText(dialog, kDescriptionsTemplate), "%T%N%D%N%N");
    EXPECT_EQ(FieldText(dialog, kQuestionsTemplate), "Вопрос %X: %T%N");
    EXPECT_EQ(FieldText(dialog, kAnswersTemplate), "Ответ %X: %T%N");
    EXPECT_EQ(FieldText(dialog, kRightAnswersTemplate), "+%1%N%N");
    return static_cast<int>(wxID_CANCEL);
  });
  RunExport();
}

TEST_F(ExportCommand, FailingCompileCheckRefusesBeforeAnyDialog) {
  const InterchangeSettings before = Templates();
  ExpectMessageBox(answers_, "Экспортирование невозможно.", "Предупреждение", wxICON_EXCLAMATION);
  RunExport(-1);
  EXPECT_EQ(compileRuns_, 1);
  EXPECT_EQ(answers_.Shown().size(), 1u);
  ExpectSameExportTemplates(Templates(), before);
  EXPECT_EQ(Templates().interchangePath, before.interchangePath);
  EXPECT_FALSE(FileExists(Path("old.txt")));
}

TEST_F(ExportCommand, CancellingTheExportDialogKeepsTheTemplates) {
  const InterchangeSettings before = Templates();
  ExpectExportDialog(wxID_CANCEL, "%O%T", "%T", "%T", "%A");
  RunExport();
  EXPECT_EQ(compileRuns_, 1);
  ExpectSameExportTemplates(Templates(), before);
  EXPECT_EQ(Templates().interchangePath, before.interchangePath);
}

TEST_F(ExportCommand, CancellingTheFileDialogKeepsTheNewTemplatesAndTheOldPath) {
  ExpectExportDialog(wxID_OK, "%T%N", "№%X %T%N", "- %T%N", "%A%N");
  answers_.ExpectFileChoice("");
  RunExport();
  EXPECT_EQ(Templates().exportDescriptionTemplate, "%T%N");
  EXPECT_EQ(Templates().exportQuestionTemplate, Ansi("№%X %T%N"));
  EXPECT_EQ(Templates().exportAnswerTemplate, "- %T%N");
  EXPECT_EQ(Templates().exportRightAnswersTemplate, "%A%N");
  EXPECT_EQ(Templates().interchangePath, Path("old.txt"));
  EXPECT_FALSE(FileExists(Path("old.txt")));
}

struct WrittenCase {
  const char* name;
  const char* chosen;            // file name typed in the save dialog
  const char* written;           // file name that ends up written
  const char* questionTemplate;  // typed in the dialog; nullptr keeps the default
  const char* rightAnswersTemplate;
  const char* bytes;  // UTF-8 of the expected file, stored as Windows-1251
};

void PrintTo(const WrittenCase& c, std::ostream* out) { *out << c.name; }

const WrittenCase kWrittenCases[] = {
    {"DefaultTemplates", "export.txt", "export.txt", nullptr, nullptr,
     "Т\r\nО\r\n\r\nВопрос 1: Q?\r\nОтвет 1: a\r\nОтвет 2: b\r\n+2 \r\n\r\n"},
    {"TemplatesTypedInTheDialog", "export.txt", "export.txt", "№%X из %Q: %T%N", "%A%N",
     "Т\r\nО\r\n\r\n№1 из 1: Q?\r\nОтвет 1: a\r\nОтвет 2: b\r\n0 100 \r\n"},
    {"NameWithoutExtension", "export", "export.txt", nullptr, nullptr,
     "Т\r\nО\r\n\r\nВопрос 1: Q?\r\nОтвет 1: a\r\nОтвет 2: b\r\n+2 \r\n\r\n"},
};

class ExportWritten : public ExportCommand, public ::testing::WithParamInterface<WrittenCase> {};

TEST_P(ExportWritten, WritesTheFileWithTheExactBytes) {
  const WrittenCase& c = GetParam();
  const std::string before = DescribeQuestions(*doc_);
  ExpectExportDialog(wxID_OK, nullptr, c.questionTemplate, nullptr, c.rightAnswersTemplate);
  answers_.ExpectFileChoice(Path(c.chosen));
  RunExport();
  EXPECT_EQ(ReadFileBytes(Path(c.written)), Ansi(c.bytes));
  EXPECT_EQ(Templates().interchangePath, Path(c.written));
  EXPECT_EQ(DescribeQuestions(*doc_), before);
  EXPECT_EQ(answers_.Shown().size(), 2u) << "success is silent";
}

INSTANTIATE_TEST_SUITE_P(Export, ExportWritten, ::testing::ValuesIn(kWrittenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportCommand, ReplacingAnExistingFileDiscardsItsOldContents) {
  WriteFileBytes(Path("export.txt"), std::string(4096, 'x'));
  ExpectExportDialog(wxID_OK, "%T%N", "", "", "");
  answers_.ExpectFileChoice(Path("export.txt"));
  RunExport();
  EXPECT_EQ(ReadFileBytes(Path("export.txt")), Ansi("Т\r\n"));
}

TEST_F(ExportCommand, FileThatCannotBeWrittenShowsFileUnavailable) {
  const std::string held = Path("held.txt");
  WriteFileBytes(held, "kept");
  LockedFile holder = LockedFile::OpenForRead(held);  // another program reading it
  ASSERT_TRUE(holder.IsOpen());
  // A link whose folder has gone: the name can be chosen, the file cannot be created.
  const std::string dangling = Path("dangling.txt");
  ASSERT_EQ(::symlink(Path("missing-folder/export.txt").c_str(), dangling.c_str()), 0);
  const struct {
    std::string path;
    std::string contentAfter;
  } cases[] = {{held, "kept"}, {dangling, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string before = DescribeQuestions(*doc_);
    ExpectExportDialog(wxID_OK, "%T%D%N");
    answers_.ExpectFileChoice(c.path);
    ExpectMessageBox(answers_, "Файл недоступен.", "Ошибка", wxICON_ERROR);
    RunExport();
    EXPECT_EQ(Templates().exportDescriptionTemplate, "%T%D%N");
    EXPECT_EQ(Templates().interchangePath, c.path);
    EXPECT_EQ(ReadFileBytes(c.path), c.contentAfter);
    EXPECT_EQ(DescribeQuestions(*doc_), before);
  }
}

}  // namespace
}  // namespace vornet::testing
