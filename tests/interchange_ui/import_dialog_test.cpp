#include <gtest/gtest.h>
#include <wx/msgdlg.h>
// The generic box needs the declarations above.
#include <wx/generic/msgdlgg.h>

#include "interchange/export_dialog.h"
#include "interchange/interchange_dialog_ids.h"
#include "platform/help_book.h"
#include "tests/interchange/interchange_fixture.h"
#include "tests/interchange_ui/import_window_test.h"

namespace vornet::testing {
namespace {

using namespace interchange_ids;

const char kQuoteMessage[] = "Неправильное количество знаков \"";

struct BadTemplateCase {
  const char* name;
  const char* questions;  // typed into the fields; nullptr keeps the default
  const char* answers;
  const char* rightAnswers;
  int messages;  // quote-rule messages shown by "Начать"
};

void PrintTo(const BadTemplateCase& c, std::ostream* out) { *out << c.name; }

const BadTemplateCase kBadTemplateCases[] = {
    {"ThreeQuotesInQuestions", "%B=\"Вопрос\" %F=\": %S=\"2\" %TW", nullptr, nullptr, 1},
    {"NoQuotesInAnswers", nullptr, "%B=Ответ %TW", nullptr, 1},
    {"OneQuoteInRightAnswers", nullptr, nullptr, "%B=\"+ %1", 1},
    {"NoQuotesAnywhere", "%TW", "%TW", "%1", 3},
};

class ImportDialogBadTemplate : public ImportWindowTest,
                                public ::testing::WithParamInterface<BadTemplateCase> {};

// "Начать" shows the message once for every template that breaks the quote rule and leaves the
// dialog open with the fields as typed; nothing is imported and Cancel keeps the templates.
TEST_P(ImportDialogBadTemplate, StartKeepsTheDialogOpen) {
  const BadTemplateCase& c = GetParam();
  const InterchangeSettings before = Templates();
  ExpectImportDialogs([&c, this](CImportDlg& dialog) {
    const std::pair<int, const char*> typed[] = {{kQuestionsTemplate, c.questions},
                                                 {kAnswersTemplate, c.answers},
                                                 {kRightAnswersTemplate, c.rightAnswers}};
    for (const auto& [id, text] : typed) {
      if (text) TypeIntoField(dialog, id, text);
    }
    EXPECT_EQ(Click(dialog, wxID_OK), wxID_NONE);
    EXPECT_TRUE(dialog.IsShown());
    EXPECT_EQ(answers_.Shown().size(), 2u + c.messages);
    for (const auto& [id, text] : typed) {
      if (text) {
        EXPECT_EQ(FieldText(dialog, id), text);
      }
    }
    EXPECT_EQ(Click(dialog, wxID_CANCEL), wxID_CANCEL);
  });
  for (int k = 0; k < c.messages; ++k) {
    ExpectMessageBox(answers_, kQuoteMessage, "Ошибка", wxICON_EXCLAMATION);
  }
  EXPECT_FALSE(RunImport());
  EXPECT_EQ(DescribeQuestions(*doc_), kQuestionsBefore);
  ExpectSameImportTemplates(Templates(), before);
}

INSTANTIATE_TEST_SUITE_P(Import, ImportDialogBadTemplate, ::testing::ValuesIn(kBadTemplateCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ImportDialog = ImportWindowTest;

// Two quotes are enough, even around an empty marker: the dialog closes and the template that
// never starts an element is taken over.
TEST_F(ImportDialog, EmptyQuotedMarkerPasses) {
  ExpectImportDialogs([](CImportDlg& dialog) {
    TypeIntoField(dialog, kRightAnswersTemplate, "%B=\"\" %1");
    EXPECT_EQ(Click(dialog, wxID_OK), wxID_OK);
  });
  EXPECT_TRUE(RunImport());
  EXPECT_EQ(Templates().importRightAnswersTemplate, "%B=\"\" %1");
  EXPECT_EQ(DescribeQuestions(*doc_),
            "0: Третий\n1: Второй | да 100\n2: Сколько будет 2*2? | 3 0 | 4 0\n"
            "3: Столицы? | Рим 0 | Осло 0 | Нил 0\n");
}

struct FocusCase {
  const char* name;
  int left;  // the field the focus leaves
  const char* questions;
  const char* answers;
  const char* rightAnswers;
  // The fields afterwards.
  const char* questionsAfter;
  const char* answersAfter;
  const char* rightAnswersAfter;
  bool message;
};

void PrintTo(const FocusCase& c, std::ostream* out) { *out << c.name; }

const FocusCase kFocusCases[] = {
    {"QuestionsCarryTheirLetter", kQuestionsTemplate, "%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"+\" %1",
     "%B=\"В\" %TD", "%B=\"О\" %TD", "%B=\"+\" %1", false},
    {"AnswersCarryTheirLetter", kAnswersTemplate, "%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"+\" %1",
     "%B=\"В\" %TW", "%B=\"О\" %TW", "%B=\"+\" %1", false},
    {"LetterAppendedAfterAFinalT", kQuestionsTemplate, "%B=\"В\" %TD", "%B=\"О\" %T", "%B=\"+\" %1",
     "%B=\"В\" %TD", "%B=\"О\" %TD", "%B=\"+\" %1", false},
    {"BadQuestionsStillCarry", kQuestionsTemplate, "%B=В %TD", "%B=\"О\" %TW", "%B=\"+\" %1",
     "%B=В %TD", "%B=\"О\" %TD", "%B=\"+\" %1", true},
    {"RightAnswersKeepTheFirstMode", kRightAnswersTemplate, "%B=\"В\" %TD", "%B=\"О\" %TW",
     "%B=\"+\" %A %1", "%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"+\" %A ", false},
    {"RightAnswersKeepNumbers", kRightAnswersTemplate, "%B=\"В\" %TD", "%B=\"О\" %TW",
     "%B=\"+\" %1 %A", "%B=\"В\" %TD", "%B=\"О\" %TW", "%B=\"+\" %1 ", false},
    {"BadRightAnswers", kRightAnswersTemplate, "%B=\"В\" %TD", "%B=\"О\" %TW", "%B=+ %1",
     "%B=\"В\" %TD", "%B=\"О\" %TW", "%B=+ %1", true},
};

class ImportDialogFocus : public ImportWindowTest,
                          public ::testing::WithParamInterface<FocusCase> {};

// Leaving a field checks it at once: the letter carry and the right-answers rule show in the
// fields, a broken quote rule shows its message; Cancel still keeps the author's templates.
TEST_P(ImportDialogFocus, LeavingAFieldChecksIt) {
  const FocusCase& c = GetParam();
  const InterchangeSettings before = Templates();
  ExpectImportDialogs([&c](CImportDlg& dialog) {
    TypeIntoField(dialog, kQuestionsTemplate, c.questions);
    TypeIntoField(dialog, kAnswersTemplate, c.answers);
    TypeIntoField(dialog, kRightAnswersTemplate, c.rightAnswers);
    LeaveField(dialog, c.left);
    EXPECT_EQ(FieldText(dialog, kQuestionsTemplate), c.questionsAfter);
    EXPECT_EQ(FieldText(dialog, kAnswersTemplate), c.answersAfter);
    EXPECT_EQ(FieldText(dialog, kRightAnswersTemplate), c.rightAnswersAfter);
    EXPECT_EQ(Click(dialog, wxID_CANCEL), wxID_CANCEL);
  });
  if (c.message) ExpectMessageBox(answers_, kQuoteMessage, "Ошибка", wxICON_EXCLAMATION);
  EXPECT_FALSE(RunImport());
  ExpectSameImportTemplates(Templates(), before);
}

INSTANTIATE_TEST_SUITE_P(Import, ImportDialogFocus, ::testing::ValuesIn(kFocusCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The focus that the message box itself takes from a field is no reason to check again: one
// departure, one message.
TEST_F(ImportDialog, MessageBoxTakingTheFocusDoesNotRepeatTheMessage) {
  ExpectImportDialogs([](CImportDlg& dialog) {
    TypeIntoField(dialog, kQuestionsTemplate, "%TW");
    LeaveField(dialog, kQuestionsTemplate);
    RunPendingEvents();
    EXPECT_EQ(Click(dialog, wxID_CANCEL), wxID_CANCEL);
  });
  answers_.Expect<wxGenericMessageDialog>([](wxGenericMessageDialog& box) {
    EXPECT_EQ(box.GetMessage().utf8_string(), kQuoteMessage);
    // While the message is open its box holds the focus: the field loses it once more.
    auto* dialog = wxDynamicCast(box.GetParent(), CImportDlg);
    EXPECT_NE(dialog, nullptr);
    if (dialog) LeaveField(*dialog, kQuestionsTemplate);
    return static_cast<int>(wxID_OK);
  });
  EXPECT_FALSE(RunImport());
}

TEST(InterchangeDialogs, HelpButtonOpensTheHelpBook) {
  wxFrame* mainWindow = new wxFrame(nullptr, wxID_ANY, "Vornet - Creation");
  const InterchangeSettings templates = DefaultInterchangeSettings();
  HelpBook help("creator");
  ASSERT_FALSE(help.FindBook().empty());
  {
    CExportDlg withoutBook(mainWindow, templates, nullptr);
    Click(withoutBook, kHelpButton);
    CExportDlg exportDialog(mainWindow, templates, &help);
    Click(exportDialog, kHelpButton);
    EXPECT_TRUE(help.IsOpen());
  }
  EXPECT_TRUE(help.IsOpen()) << "the viewer outlives the dialog";
  help.Close();
  {
    CImportDlg importDialog(mainWindow, templates, &help);
    Click(importDialog, kHelpButton);
    EXPECT_TRUE(help.IsOpen());
  }
  help.Close();
  mainWindow->Destroy();
  RunPendingEvents(0);
}

}  // namespace
}  // namespace vornet::testing
