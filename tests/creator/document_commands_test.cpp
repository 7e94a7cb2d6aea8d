// New, Load, Merge, Save and Save As through the main window's menu, with the file choosers,
// the compile dialog, the password prompt and the messages answered as a user would.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "creator/command_ids.h"
#include "creator/program_end.h"
#include "tests/creator/main_window_fixture.h"
#include "tests/support/qb_builder.h"

namespace vornet::testing {
namespace {

using namespace creator_ids;
using Texts = std::vector<std::string>;

constexpr char kCannotSave[] = "Сохранение невозможно.";

// Catches the end of the program that a test process must not see.
class ProgramEndCatcher {
 public:
  ProgramEndCatcher() {
    SetProgramEndHandler([this](int code) { exitCodes.push_back(code); });
  }
  ~ProgramEndCatcher() { SetProgramEndHandler(nullptr); }
  std::vector<int> exitCodes;
};

// Questions "Q<n>" with one variant "A<n>" of accuracy 100, under the given password.
std::string PlainTest(const std::string& name, const std::string& password,
                      std::initializer_list<const char*> questions) {
  QbBuilder file;
  file.Header(name, "", password, {0, 0, 0, 0, 0, 0, 1, 1});
  file.I16(static_cast<int16_t>(questions.size()));
  for (const char* text : questions) file.PlainQuestion(text, {{std::string("A") + text, 100}});
  return file.Bytes();
}

class DocumentCommandsTest : public MainWindowTest {
 public:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_.File(name);
    WriteFileBytes(path, bytes);
    return path;
  }
  void AddCompleteQuestion(const std::string& text) {
    AddQuestionThroughDialog(text);
    AddAnswerThroughDialog("A" + text, 100);
  }
};

TEST_F(DocumentCommandsTest, SaveWithoutAPathChecksFirstThenAsksForANameAndWritesTheTest) {
  AddCompleteQuestion("Q");
  const std::string path = dir_.File("saved.qb");
  answers_.Expect(AcceptCompileDialog(true, true, true, true));
  answers_.ExpectFileChoice(path);
  Command(kSave);
  ASSERT_EQ(answers_.Shown().size(), 4u);
  EXPECT_EQ(answers_.Shown()[2], "Компиляция") << "the check comes before the file chooser";
  EXPECT_EQ(Doc().testFilePath, path);
  EXPECT_EQ(Doc().compileState, 1);
  QbBuilder expected;
  expected.Header("", "", "", {0, 0, 0, 0, 0, 0, 0, 1}).I16(1).PlainQuestion("Q", {{"AQ", 100}});
  EXPECT_EQ(ReadFileBytes(path), expected.Bytes());

  // With a path, Save checks and writes without asking.
  AddCompleteQuestion("R");
  answers_.Expect(AcceptCompileDialog(true, true, true, true));
  Command(kSave);
  QbBuilder twice;
  twice.Header("", "", "", {0, 0, 0, 0, 0, 0, 0, 1})
      .I16(2)
      .PlainQuestion("Q", {{"AQ", 100}})
      .PlainQuestion("R", {{"AR", 100}});
  EXPECT_EQ(ReadFileBytes(path), twice.Bytes());
}

TEST_F(DocumentCommandsTest, SaveAsCancelledAfterTheCheckWritesNothing) {
  const std::string original = Write("t.qb", PlainTest("T", "", {"Q1"}));
  LoadThroughMenu(original);
  AddQuestionThroughDialog("no variants yet");
  Click(kDeleteQuestion);  // the test is complete again
  answers_.Expect(AcceptCompileDialog(true, true, true, true));
  answers_.ExpectFileChoice("");
  Command(kSaveAs);
  EXPECT_EQ(Doc().compileState, 1) << "the check ran";
  EXPECT_EQ(Doc().testFilePath, original);
  EXPECT_EQ(ReadFileBytes(original), PlainTest("T", "", {"Q1"}));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
    files += entry.is_regular_file() ? 1 : 0;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(DocumentCommandsTest, AFailingCheckRefusesSaveAndSaveAsAndWritesNothing) {
  const std::string path = Write("t.qb", PlainTest("T", "", {"Q1"}));
  LoadThroughMenu(path);
  AddQuestionThroughDialog("без вариантов");
  for (int command : {kSave, kSaveAs}) {
    SCOPED_TRACE(command);
    answers_.Expect(AcceptCompileDialog(false, true, true, false));
    answers_.ExpectMessage(kCannotSave, "Предупреждение");
    Command(command);
    EXPECT_EQ(Doc().compileState, -1);
    EXPECT_EQ(ReadFileBytes(path), PlainTest("T", "", {"Q1"}));
  }

  // Without a path, Save is refused before any file chooser appears.
  answers_.Expect(AcceptAsShown());
  Command(kNew);
  AddQuestionThroughDialog("без вариантов");
  answers_.Expect(AcceptCompileDialog(false, true, true, false));
  answers_.ExpectMessage(kCannotSave, "Предупреждение");
  Command(kSave);
  EXPECT_TRUE(Doc().testFilePath.empty());
}

TEST_F(DocumentCommandsTest, ADeletedSoundFileFailsTheCheckAndTheSave) {
  const std::string sound = Write("s.wav", PatternBytes(100));
  AddQuestionThroughDialog("Q");
  AddAnswerThroughDialog("A", 100, "", sound);
  std::filesystem::remove(sound);
  answers_.Expect(AcceptCompileDialog(true, true, false, true));
  answers_.ExpectMessage(kCannotSave, "Предупреждение");
  Command(kSave);
}

TEST_F(DocumentCommandsTest, TheCompileCommandShowsEachFailingRow) {
  // Each situation is built from an empty test.
  struct Case {
    const char* name;
    std::function<void(DocumentCommandsTest&)> build;
    bool rows[4];
  } cases[] = {
      {"a question without variants",
       [](DocumentCommandsTest& t) { t.AddQuestionThroughDialog("Q"); },
       {false, true, true, false}},
      {"99 % as the best variant",
       [](DocumentCommandsTest& t) {
         t.AddQuestionThroughDialog("Q");
         t.AddAnswerThroughDialog("A", 99);
       },
       {true, true, true, false}},
      {"a deleted sound file",
       [](DocumentCommandsTest& t) {
         const std::string sound = t.Write("gone.wav", "RIFF");
         t.AddQuestionThroughDialog("Q");
         t.AddAnswerThroughDialog("A", 100, "", sound);
         std::filesystem::remove(sound);
       },
       {true, true, false, true}},
      {"an empty question text",
       [](DocumentCommandsTest& t) {
         t.AddQuestionThroughDialog("");
         t.AddAnswerThroughDialog("A", 100);
       },
       {true, false, true, true}},
      {"an empty test", [](DocumentCommandsTest&) {}, {true, true, true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    answers_.Expect(AcceptAsShown());
    Command(kNew);
    EXPECT_EQ(Doc().compileState, 0);
    c.build(*this);
    answers_.Expect(AcceptCompileDialog(c.rows[0], c.rows[1], c.rows[2], c.rows[3]));
    Command(kCompile);
    const bool passed = c.rows[0] && c.rows[1] && c.rows[2] && c.rows[3];
    EXPECT_EQ(Doc().compileState, passed ? 1 : -1);
  }

  // Raising the best variant from 99 to 100 passes the last row.
  answers_.Expect(AcceptAsShown());
  Command(kNew);
  AddQuestionThroughDialog("Q");
  AddAnswerThroughDialog("A", 99);
  answers_.Expect(FillAnswerDialog("A", 100));
  Click(kEditAnswer);
  answers_.Expect(AcceptCompileDialog(true, true, true, true));
  Command(kCompile);
  EXPECT_EQ(Doc().compileState, 1);
}

TEST_F(DocumentCommandsTest, AFileWithoutTheMagicLeavesAnEmptyTestWithItsPath) {
  AddCompleteQuestion("будет сброшен");
  const std::string path = Write("bad.qb", "QBv1.1" + PlainTest("T", "", {"Q"}).substr(6));
  answers_.ExpectFileChoice(path);
  answers_.ExpectMessage("Неверный формат файла", "Ошибка");
  Command(kLoad);
  EXPECT_EQ(Doc().questionCount, 0);
  EXPECT_EQ(Doc().testFilePath, path);
  EXPECT_TRUE(QuestionListTexts().empty());
  EXPECT_TRUE(AnswerListTexts().empty());
  ExpectListsMirrorModel();
}

TEST_F(DocumentCommandsTest, SaveAfterAFailedLoadAsksForANameInsteadOfOverwritingTheFile) {
  const std::string path = Write("notes.txt", "not a test, but the author's notes");
  answers_.ExpectFileChoice(path);
  answers_.ExpectMessage("Неверный формат файла", "Ошибка");
  Command(kLoad);
  answers_.Expect(AcceptCompileDialog(true, true, true, true));
  answers_.ExpectFileChoice("");  // the save dialog, cancelled
  Command(kSave);
  EXPECT_EQ(ReadFileBytes(path), "not a test, but the author's notes");
  EXPECT_EQ(Doc().testFilePath, path);
}

TEST_F(DocumentCommandsTest, ReadFailuresAreReportedAndTheCommandGoesOn) {
  const std::string good = Write("good.qb", PlainTest("T", "", {"Q1", "Q2"}));
  const std::string locked = Write("locked.qb", PlainTest("L", "", {"L1"}));
  const std::string bad = Write("bad.qb", "not a test");
  const int fd = ::open(locked.c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);  // another program writes it

  answers_.ExpectFileChoice(locked);
  answers_.ExpectMessage("Нет доступа к файлу", "Ошибка");
  Command(kLoad);
  EXPECT_EQ(Doc().questionCount, 0);
  EXPECT_EQ(Doc().testFilePath, locked);

  // A failed merge keeps the test and lists it again.
  LoadThroughMenu(good);
  answers_.ExpectFileChoice(locked);
  answers_.ExpectMessage("Нет доступа к файлу", "Ошибка");
  Command(kMerge);
  answers_.ExpectFileChoice(bad);
  answers_.ExpectMessage("Неверный формат файла", "Ошибка");
  Command(kMerge);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Q1", "Q2"}));
  EXPECT_EQ(Doc().testFilePath, bad);
  ExpectListsMirrorModel();
  ::close(fd);
}

TEST_F(DocumentCommandsTest, AMergeWithoutRoomIsRefusedWithAMessageOfItsOwn) {
  QbBuilder full;
  full.Header("Full", "", "", {}).I16(kMaxQuestions);
  for (int q = 0; q < kMaxQuestions; ++q) full.PlainQuestion("Q" + std::to_string(q), {{"A", 100}});
  LoadThroughMenu(Write("full.qb", full.Bytes()));
  answers_.ExpectFileChoice(Write("one.qb", PlainTest("T", "", {"extra"})));
  answers_.ExpectMessage("Недостаточно места: в тесте может быть не более 1024 вопросов.",
                         "Ошибка");
  Command(kMerge);
  EXPECT_EQ(Doc().questionCount, kMaxQuestions);
  EXPECT_EQ(QuestionListTexts().size(), static_cast<size_t>(kMaxQuestions));
  EXPECT_EQ(QuestionListTexts().front(), "Q0");
}

TEST_F(DocumentCommandsTest, LoadShowsTheFirstQuestionWithItsVariantsAndStagesTheMedia) {
  QbBuilder file;
  file.Header(Ansi("Тест"), Ansi("Описание"), "", {1, 0, 30, 0, 1, 0, 2, 3}).I16(2);
  file.Str(Ansi("Первый")).Media(PatternBytes(20000, 1)).NoMedia().U8(2);
  file.Str("a").U8(100).NoMedia().Media(PatternBytes(100, 2));
  file.Str("b").U8(0).NoMedia().NoMedia();
  file.PlainQuestion(Ansi("Второй"), {{"c", 100}});
  LoadThroughMenu(Write("t.qb", file.Bytes()));
  EXPECT_EQ(QuestionListTexts(), (Texts{"Первый", "Второй"}));
  EXPECT_EQ(QuestionSelection(), 0);
  EXPECT_EQ(AnswerListTexts(), (Texts{"a", "b"}));
  EXPECT_EQ(AnswerSelection(), 0);
  EXPECT_EQ(Doc().testInfo.name, Ansi("Тест"));
  EXPECT_EQ(Doc().testSettings.testMinutes, 30);
  const std::string picture = Doc().QuestionAt(0).picturePath;
  EXPECT_EQ(std::filesystem::path(picture).filename(), "0q.bmp");
  EXPECT_EQ(ReadFileBytes(picture), PatternBytes(20000, 1));
  ExpectListsMirrorModel();

  // Cancelling the next Load keeps everything.
  answers_.ExpectFileChoice("");
  Command(kLoad);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Первый", "Второй"}));
  EXPECT_EQ(Doc().testFilePath, dir_.File("t.qb"));
  EXPECT_TRUE(FileExists(picture));
}

TEST_F(DocumentCommandsTest, AProtectedTestIsShownOnlyForItsPassword) {
  const std::string path = Write("p.qb", PlainTest("T", Ansi("секрет"), {"Q1", "Q2"}));
  answers_.ExpectFileChoice(path);
  answers_.Expect(TypePassword("Секрет"));  // wrong case
  answers_.Expect(TypePassword(""));
  answers_.Expect(TypePassword("секрет"));
  Command(kLoad);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Q1", "Q2"}));
  EXPECT_EQ(Doc().testInfo.editPassword, Ansi("секрет"));
  ExpectListsMirrorModel();
}

TEST_F(DocumentCommandsTest, GivingUpAtThePasswordResetsTheTestAndEndsTheProgram) {
  ProgramEndCatcher end;
  QbBuilder file;
  file.Header("T", "", "pw", {}).I16(1).Str("Q").Media(PatternBytes(50)).NoMedia().U8(0);
  answers_.ExpectFileChoice(Write("p.qb", file.Bytes()));
  answers_.Expect(GiveUpAtPassword());
  Command(kLoad);
  EXPECT_EQ(end.exitCodes, std::vector<int>{0});
  EXPECT_EQ(Doc().questionCount, 0);
  EXPECT_TRUE(Doc().testInfo.name.empty());
  EXPECT_TRUE(Doc().testFilePath.empty());
  EXPECT_TRUE(QuestionListTexts().empty());
  // The staged picture went with the reset.
  EXPECT_FALSE(Doc().mediaStaged);
  bool anyStaged = false;
  if (!Doc().staging.Folder().empty()) {
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(Doc().staging.Folder())) {
      anyStaged = anyStaged || entry.is_regular_file();
    }
  }
  EXPECT_FALSE(anyStaged);
}

TEST_F(DocumentCommandsTest, AMergeListsInSlotOrderAndAsksTheTestsOwnPassword) {
  AddCompleteQuestion("A");
  AddCompleteQuestion("B");
  AddCompleteQuestion("C");
  SelectQuestion(1);
  Click(kDeleteQuestion);    // slot 1 falls free
  AddCompleteQuestion("D");  // takes slot 1, listed last
  EXPECT_EQ(QuestionListTexts(), (Texts{"A", "C", "D"}));
  Doc().testInfo = {"own name", "", "own"};
  Doc().testSettings.testMinutes = 5;

  const std::string merged = Write("m.qb", PlainTest("other", "other", {"X", "Y"}));
  answers_.ExpectFileChoice(merged);
  answers_.Expect(TypePassword("other"));  // the merged file's password is no key
  answers_.Expect(TypePassword("own"));
  Command(kMerge);
  EXPECT_EQ(QuestionListTexts(), (Texts{"A", "D", "C", "X", "Y"}));
  EXPECT_EQ(QuestionSelection(), 0);
  EXPECT_EQ(AnswerListTexts(), (Texts{"AA"}));
  EXPECT_EQ(Doc().testInfo.name, "own name");
  EXPECT_EQ(Doc().testSettings.testMinutes, 5);
  EXPECT_EQ(Doc().testFilePath, merged) << "a later Save writes to the merged file";
  ExpectListsMirrorModel();
}

TEST_F(DocumentCommandsTest, GivingUpAtThePasswordOfAMergeLosesTheTest) {
  ProgramEndCatcher end;
  AddCompleteQuestion("A");
  Doc().testInfo.editPassword = "own";
  answers_.ExpectFileChoice(Write("m.qb", PlainTest("T", "", {"X"})));
  answers_.Expect(GiveUpAtPassword());
  Command(kMerge);
  EXPECT_EQ(end.exitCodes, std::vector<int>{0});
  EXPECT_EQ(Doc().questionCount, 0);
}

TEST_F(DocumentCommandsTest, AFileThatCannotBeWrittenIsReported) {
  std::filesystem::create_directory(dir_.File("sub"));
  const std::string path = dir_.File("sub/t.qb");
  WriteFileBytes(path, PlainTest("T", "", {"Q1"}));
  LoadThroughMenu(path);
  std::filesystem::remove_all(dir_.File("sub"));
  answers_.Expect(AcceptCompileDialog(true, true, true, true));
  answers_.ExpectMessage("Файл недоступен.", "Ошибка");
  Command(kSave);
  EXPECT_EQ(Doc().testFilePath, path);
}

TEST_F(DocumentCommandsTest, NewStartsAnEmptyTestWithTheDialogsName) {
  LoadThroughMenu(Write("t.qb", PlainTest("T", "", {"Q1"})));
  answers_.Expect([](wxDialog&) { return static_cast<int>(wxID_CANCEL); });
  Command(kNew);
  EXPECT_EQ(QuestionListTexts(), (Texts{"Q1"})) << "a cancelled New changes nothing";
  answers_.Expect(AcceptAsShown());
  Command(kNew);
  EXPECT_EQ(Doc().questionCount, 0);
  EXPECT_EQ(Doc().testInfo.name, Ansi("Тест"));
  EXPECT_TRUE(Doc().testFilePath.empty());
  EXPECT_EQ(Doc().testSettings.answersToOffer, 0);
  EXPECT_TRUE(QuestionListTexts().empty());
}

}  // namespace
}  // namespace vornet::testing
