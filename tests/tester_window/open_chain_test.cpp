// The open command and its dialogs, the exit question and the results log that cannot be opened,
// with the real tester window.

#include <sys/stat.h>
#include <unistd.h>
#include <wx/accel.h>
#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/menu.h>

#include "tester/command_ids.h"
#include "tests/tester_window/tester_fixture.h"

namespace vornet::testing {
namespace {

const std::vector<QuestionSpec> kTwoQuestions = {
    {"Сколько будет 2+2?", {{"3", 0, true}, {"4", 100, true}}, false, true},
    {"Столица Франции?", {{"Париж", 100}, {"Лион", 0}}},
};

class OpenChainTest : public TesterWindowTest {
 protected:
  std::string physics() {
    return WriteTest("physics.qb", TestFileBytes("Физика", "Контрольная работа", kTwoQuestions,
                                                 SettingsSpec{0, 1, 0, 1}));
  }
  std::vector<std::string> StagedSounds() const {
    std::vector<std::string> found;
    for (const char* name : {"1$q.wav", "0$a.wav", "1$a.wav"}) {
      if (FileExists(dir.File(name))) found.push_back(name);
    }
    return found;
  }
};

TEST_F(OpenChainTest, OpensATestAndPutsTheFirstQuestionOnThePage) {
  const std::string path = physics();
  answers->ExpectFileChoice(path);
  answers->Expect([](wxDialog& dialog) {
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Описание теста");
    auto label = [&](int id) { return dialog.FindWindow(id)->GetLabel().utf8_string(); };
    EXPECT_EQ(label(tester_ids::kTestName), "Физика");
    EXPECT_EQ(label(tester_ids::kTestDescription), "Контрольная работа");
    return static_cast<int>(wxID_OK);
  });
  ExpectCandidate("Иванов", "Петр", "Сергеевич", "1985");
  window->OpenTest();

  const TestRun& run = window->Run();
  EXPECT_TRUE(run.running);
  EXPECT_EQ(run.askedCount, 0);
  EXPECT_EQ(run.items[0].text, Ansi("Сколько будет 2+2?"));
  EXPECT_EQ(run.answerCount, 2);
  EXPECT_EQ(window->Layout().items.size(), 3u);  // drawn: the question and its two answers
  EXPECT_TRUE(window->RunTimerRunning());        // a question limit is set
  EXPECT_EQ(StagedSounds(), (std::vector<std::string>{"1$q.wav", "0$a.wav", "1$a.wav"}));
  EXPECT_EQ(ResultsLog().substr(0, 61), std::string(60, '-') + "\r");
  EXPECT_NE(ResultsLog().find(Ansi("Иванов Петр Сергеевич   1985\r")), std::string::npos);
}

TEST_F(OpenChainTest, ATestWithoutTimeLimitsRunsNoTimer) {
  StartTest(WriteTest("plain.qb", TestFileBytes("T", "", kTwoQuestions)));
  EXPECT_TRUE(window->Run().running);
  EXPECT_FALSE(window->RunTimerRunning());
}

TEST_F(OpenChainTest, CancelledFileChoiceDuringATestLeavesItRunning) {
  StartTest(physics());
  const std::string logBefore = ResultsLog();
  answers->ExpectFileChoice("");  // F3, then Cancel
  window->OpenTest();
  const TestRun& run = window->Run();
  EXPECT_TRUE(run.running);
  EXPECT_EQ(run.items[0].text, Ansi("Сколько будет 2+2?"));
  EXPECT_TRUE(window->RunTimerRunning());
  EXPECT_EQ(StagedSounds().size(), 3u);
  EXPECT_EQ(ResultsLog(), logBefore);
}

TEST_F(OpenChainTest, ANewFileDropsTheRunningTest) {
  StartTest(physics(), "Первый");
  const std::string other =
      WriteTest("other.qb", TestFileBytes("Другой", "", {{"Вопрос?", {{"Да", 100}, {"Нет", 0}}}}));
  StartTest(other, "Второй");

  EXPECT_EQ(window->Run().items[0].text, Ansi("Вопрос?"));
  EXPECT_TRUE(StagedSounds().empty());  // the old question's sounds are gone
  EXPECT_FALSE(window->RunTimerRunning());
  // The first report stays without an end block; the second follows it.
  const std::string log = ResultsLog();
  const size_t second = log.find(std::string(60, '-'), 1);
  ASSERT_NE(second, std::string::npos);
  const std::string first = log.substr(0, second);
  EXPECT_NE(first.find(Ansi("Первый")), std::string::npos);
  EXPECT_TRUE(first.size() > 5 && first.substr(first.size() - 5) == "----\r");  // header only
  EXPECT_EQ(first.find(Ansi("Тест длился")), std::string::npos);
  EXPECT_NE(log.find(Ansi("Второй"), second), std::string::npos);
}

TEST_F(OpenChainTest, AFileWithoutTheMagicIsRefusedAndThePageIsEmpty) {
  StartTest(physics());
  const std::string bad = WriteTest("bad.qb", "QBv0.9 not a test file");
  answers->ExpectFileChoice(bad);
  ExpectBox("Неверный формат файла", "Ошибка", wxICON_ERROR);
  window->OpenTest();

  const TestRun& run = window->Run();
  EXPECT_FALSE(run.running);
  EXPECT_EQ(run.questionCount, 0);
  EXPECT_EQ(window->ContentHeight(), 0);
  EXPECT_FALSE(window->RunTimerRunning());
  // Nothing but white is drawn.
  window->Redraw();
  const wxImage page = window->PageSnapshot();
  const unsigned char* rgb = page.GetData();
  const size_t bytes = static_cast<size_t>(page.GetWidth()) * page.GetHeight() * 3;
  EXPECT_EQ(std::count(rgb, rgb + bytes, 255), static_cast<long>(bytes));
}

TEST_F(OpenChainTest, AFileThatCannotBeOpenedIsReported) {
  const std::string path = physics();
  // Another program holds the file for writing.
  const LockedFile holder = LockedFile::LockExisting(path);
  ASSERT_TRUE(holder.IsOpen());
  answers->ExpectFileChoice(path);
  ExpectBox("Нет доступа к файлу", "Ошибка", wxICON_ERROR);
  window->OpenTest();
  EXPECT_EQ(window->Run().questionCount, 0);
}

TEST_F(OpenChainTest, LoadNewThenCancelStartsNothing) {
  const std::string path = physics();
  answers->ExpectFileChoice(path);
  ExpectDescription(wxID_CANCEL);  // "Загрузить новый"
  answers->Expect([&](wxDialog& dialog) {
    // The second file dialog starts from the file just loaded.
    auto* chooser = dynamic_cast<wxFileDialog*>(&dialog);
    EXPECT_NE(chooser, nullptr);
    if (chooser) {
      EXPECT_EQ(chooser->GetFilename().utf8_string(), "physics.qb");
    }
    return static_cast<int>(wxID_CANCEL);
  });
  window->OpenTest();

  const TestRun& run = window->Run();
  EXPECT_FALSE(run.running);
  EXPECT_EQ(run.items[0].text, "");
  EXPECT_FALSE(FileExists(dir.File("Results.txt")));
  EXPECT_FALSE(window->RunTimerRunning());
  // A later F3 starts over.
  StartTest(path);
  EXPECT_TRUE(window->Run().running);
}

TEST_F(OpenChainTest, LoadNewThenAnotherFileGoesOnWithIt) {
  const std::string first = physics();
  const std::string second =
      WriteTest("other.qb", TestFileBytes("Другой", "", {{"Вопрос?", {{"Да", 100}}}}));
  answers->ExpectFileChoice(first);
  ExpectDescription(wxID_CANCEL);
  answers->ExpectFileChoice(second);
  answers->Expect([](wxDialog& dialog) {
    EXPECT_EQ(dialog.FindWindow(tester_ids::kTestName)->GetLabel().utf8_string(), "Другой");
    return static_cast<int>(wxID_OK);
  });
  ExpectCandidate("Иванов", "Петр", "Сергеевич", "1985");
  window->OpenTest();
  EXPECT_EQ(window->Run().items[0].text, Ansi("Вопрос?"));
}

TEST_F(OpenChainTest, AResultsLogThatCannotBeOpenedEndsTheProgram) {
  const std::string path = physics();
  ::mkdir(dir.File("Results.txt").c_str(), 0755);  // a folder where the log should be
  answers->ExpectFileChoice(path);
  ExpectDescription(wxID_OK);
  ExpectCandidate("Иванов", "Петр", "Сергеевич", "1985");
  ExpectBox("Нет доступа к файлу результатов", "Ошибка", wxICON_ERROR);
  window->OpenTest();
  EXPECT_TRUE(programEnded);
  EXPECT_FALSE(window->Run().running);
}

TEST_F(OpenChainTest, TheLastAnswerShowsTheResultAndEmptiesThePage) {
  StartTest(WriteTest("plain.qb", TestFileBytes("T", "", kTwoQuestions)));
  window->LeftButtonReleased(MiddleOfItem(2));  // "4", 100 %
  ExpectBox("Тест завершен.\nВаш результат составил: 50%", "Результат", wxICON_INFORMATION);
  window->LeftButtonReleased(MiddleOfItem(2));  // "Лион", 0 %
  EXPECT_TRUE(answers->AllAnswered());
  EXPECT_FALSE(window->Run().running);
  EXPECT_EQ(window->ContentHeight(), 0);
  EXPECT_EQ(window->Layout().items.size(), 1u);
  const std::string log = ResultsLog();
  EXPECT_NE(log.find("----\r50%\r"), std::string::npos);
}

TEST_F(OpenChainTest, ClosingAsksFirst) {
  ExpectBox("Завершить работу?", "Подтверждение", wxICON_QUESTION, wxID_CANCEL);
  EXPECT_FALSE(window->Close());
  EXPECT_TRUE(window->IsShown());
  // The menu's exit takes the same path.
  ExpectBox("Завершить работу?", "Подтверждение", wxICON_QUESTION, wxID_CANCEL);
  wxCommandEvent exit(wxEVT_MENU, tester_ids::kExit);
  window->ProcessWindowEvent(exit);
  EXPECT_TRUE(window->IsShown());
  ExpectBox("Завершить работу?", "Подтверждение", wxICON_QUESTION, wxID_OK);
  EXPECT_TRUE(window->Close());
  EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(window));
  RunPendingEvents(50);
  window = nullptr;  // wxWidgets deleted it
}

TEST_F(OpenChainTest, EscapeAndEnterDoNothingInTheWindow) {
  StartTest(physics());
  const wxAcceleratorTable* keys = window->GetAcceleratorTable();
  ASSERT_TRUE(keys && keys->IsOk());
  for (int key : {WXK_ESCAPE, WXK_RETURN}) {
    wxKeyEvent press(wxEVT_KEY_DOWN);
    press.m_keyCode = key;
    const int command = keys->GetCommand(press);
    if (command != -1) {
      wxCommandEvent event(wxEVT_MENU, command);
      window->ProcessWindowEvent(event);  // no dialog may come, nothing may change
    }
    window->Page()->ProcessWindowEvent(press);
  }
  EXPECT_TRUE(window->IsShown());
  EXPECT_TRUE(window->Run().running);
  EXPECT_EQ(window->Run().askedCount, 0);
  // F3 is the open command.
  wxKeyEvent f3(wxEVT_KEY_DOWN);
  f3.m_keyCode = WXK_F3;
  EXPECT_EQ(keys->GetCommand(f3), tester_ids::kOpen);
}

TEST_F(OpenChainTest, TheMenuHasItsCommandsAndHelpAtTheRight) {
  wxMenuBar* bar = window->GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 3u);
  EXPECT_EQ(bar->GetMenuLabel(0).utf8_string(), "&Файл");
  EXPECT_EQ(bar->GetMenuLabel(1).utf8_string(), "&Настройки");
  EXPECT_EQ(bar->GetMenuLabel(2).utf8_string(), "&Справка");
  auto label = [&](int id) { return bar->FindItem(id)->GetItemLabel().utf8_string(); };
  EXPECT_EQ(label(tester_ids::kOpen), "&Открыть...\tF3");
  EXPECT_EQ(label(tester_ids::kExit), "&Выход");
  EXPECT_EQ(label(tester_ids::kFont), "&Шрифт...");
  EXPECT_EQ(label(tester_ids::kHelpContents), "&Содержание\tF1");
  EXPECT_EQ(label(tester_ids::kAbout), "О &Программе");
  EXPECT_EQ(window->GetTitle().utf8_string(), "Vornet - Tester");
  EXPECT_EQ(window->GetIcons().GetIconCount(), 3u);
}

TEST_F(OpenChainTest, DestroyingTheWindowClearsUp) {
  StartTest(physics());
  window->ShowHelp();
  ASSERT_TRUE(window->Help().IsOpen() || window->Help().FindBook().empty());
  const int stopsBefore = sounds.stops;
  DestroyWindow();
  EXPECT_TRUE(StagedSounds().empty());
  EXPECT_GT(sounds.stops, stopsBefore);
  // The test file is closed: another program may write it now.
  EXPECT_TRUE(LockedFile::LockExisting(dir.File("physics.qb")).IsOpen());
  // So is the results log.
  EXPECT_TRUE(LockedFile::OpenForAppend(dir.File("Results.txt")).IsOpen());
}

}  // namespace
}  // namespace vornet::testing
