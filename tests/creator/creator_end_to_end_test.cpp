// The real creator program on its own X display, used as an author uses it: keys and typing
// only. It builds a two-question test with a picture and a sound, names it and limits its time
// in the parameters sheet, saves it, and the saved file is compared byte for byte with the
// layout the test expects; the file then opens in the real tester.
//
// Set VORNET_SCREENSHOTS to a folder to keep a screenshot of every window on the way.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <thread>

#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"
#include "tests/support/x_session.h"

namespace vornet::testing {
namespace {

using namespace std::chrono_literals;

const char kMainTitle[] = "Vornet - Creation";
const char kTestName[] = "Связь";

// A 2 x 2 pixel, 24-bit Windows bitmap.
std::string SmallBitmap() {
  QbBuilder b;
  b.Raw("BM").U32(70).U32(0).U32(54);                     // file header
  b.U32(40).U32(2).U32(2).I16(1).I16(24).U32(0).U32(16);  // info header
  b.U32(2835).U32(2835).U32(0).U32(0);
  b.Raw(std::string("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8));  // row 1 and padding
  b.Raw(std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8));  // row 2 and padding
  return b.Bytes();
}

// A short 8-bit mono wave file.
std::string SmallWave() {
  const std::string samples = PatternBytes(800, 3);
  QbBuilder b;
  b.Raw("RIFF").U32(static_cast<uint32_t>(36 + samples.size())).Raw("WAVEfmt ");
  b.U32(16).I16(1).I16(1).U32(8000).U32(8000).I16(1).I16(8);
  b.Raw("data").U32(static_cast<uint32_t>(samples.size())).Raw(samples);
  return b.Bytes();
}

class CreatorEndToEnd : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(x_.Ready()) << "no X server (Xvfb) could be started";
    const char* shots = std::getenv("VORNET_SCREENSHOTS");
    if (shots && *shots) shots_ = shots;
  }

  // Waits for a window, makes it active and keeps a screenshot of it when asked.
  std::optional<unsigned long> Window(const std::string& title, const std::string& shot = "") {
    const auto id = x_.WaitForWindow(title, 10s);
    if (!id) {
      std::string titles;
      for (const std::string& entry : x_.WindowTitles()) titles += " [" + entry + "]";
      ADD_FAILURE() << "no window \"" << title << "\" on " << x_.Display()
                    << "; windows:" << titles;
      return id;
    }
    x_.Activate(*id);
    if (!shots_.empty() && !shot.empty()) x_.Screenshot(*id, shots_ + "/" + shot + ".png");
    return id;
  }

  void Gone(const std::string& title) {
    EXPECT_TRUE(x_.WaitUntilGone(title, 10s)) << "\"" << title << "\" stayed open";
  }

  // Starts the creator in the test's folder; its staged media go below Staging().
  ChildProcess& StartCreator() {
    std::filesystem::create_directory(Staging());
    return x_.Start(VORNET_CREATOR_EXE, dir_.Path(), {"TMPDIR=" + Staging()});
  }
  std::string Staging() const { return dir_.File("staging"); }
  bool StagingEmpty() const { return std::filesystem::is_empty(Staging()); }

  // In an open file chooser: types the full path into its location field and confirms.
  void ChooseInFileChooser(const std::string& path) {
    x_.Key("ctrl+l");
    x_.Key("ctrl+a");
    x_.Type(path);
    x_.Key("Return");
  }

  XSession x_;
  TempDir dir_;
  std::string shots_;
};

TEST_F(CreatorEndToEnd, AnAuthorBuildsAndSavesATestWithAPictureAndASound) {
  const std::string picture = dir_.File("picture.bmp");
  const std::string sound = dir_.File("sound.wav");
  const std::string saved = dir_.File("e2e.qb");
  WriteFileBytes(picture, SmallBitmap());
  WriteFileBytes(sound, SmallWave());

  ChildProcess& creator = StartCreator();
  ASSERT_TRUE(Window(kMainTitle));
  x_.Key("Escape");  // does nothing in the main window
  ASSERT_TRUE(x_.WaitForWindow(kMainTitle, 500ms));

  // First question: Enter presses the default button, question "Добавить".
  x_.Key("Return");
  Window("Вопрос");
  x_.Type("Первый вопрос");
  x_.Key("Tab Tab Return");  // the picture's "Выбрать"
  Window("Открыть");
  ChooseInFileChooser(picture);
  Gone("Открыть");
  Window("Вопрос", "question_dialog");
  x_.Key("Tab");  // from "Выбрать" to the sound field
  x_.Type(sound);
  x_.Key("Return");
  Gone("Вопрос");

  // Its two variants: focus is back on question "Добавить"; answer "Добавить" is three tabs on.
  Window(kMainTitle);
  x_.Key("Tab Tab Tab Return");
  Window("Вариант ответа");
  x_.Type("Да");
  x_.Key("Tab Tab Tab Tab Tab ctrl+a");  // the accuracy field
  x_.Type("100");
  Window("Вариант ответа", "answer_dialog");
  x_.Key("Return");
  Gone("Вариант ответа");
  Window(kMainTitle);
  x_.Key("Return");  // answer "Добавить" still has the focus
  Window("Вариант ответа");
  x_.Type("Нет");
  x_.Key("Return");  // accuracy 0
  Gone("Вариант ответа");

  // Second question with one right variant: back from answer "Добавить" to question "Добавить".
  Window(kMainTitle);
  x_.Key("shift+Tab shift+Tab shift+Tab shift+Tab Return");
  Window("Вопрос");
  x_.Type("Второй вопрос");
  x_.Key("Return");
  Gone("Вопрос");
  Window(kMainTitle);
  x_.Key("Tab Tab Tab Return");
  Window("Вариант ответа");
  x_.Type("Верно");
  x_.Key("Tab Tab Tab Tab Tab ctrl+a");
  x_.Type("100");
  x_.Key("Return");
  Gone("Вариант ответа");
  Window(kMainTitle, "main_window");

  // "&Параметры..." is the last item of menu "&Тест". The sheet opens on "Название" with the
  // focus in the name field; ctrl+Page_Down turns to "Другие" with the focus on "Учет времени
  // теста", whose ticking enables the minutes field beside it.
  x_.Key("F10 Right Up Return");
  Window("Параметры теста", "parameters_name_page");
  x_.Type(kTestName);
  x_.Key("ctrl+Page_Down");
  x_.Key("space Tab ctrl+a");
  x_.Type("45");
  Window("Параметры теста", "parameters_other_page");
  x_.Key("Return");
  Gone("Параметры теста");
  Window(kMainTitle);

  // F2 without a file name: the compile check, then the save chooser.
  x_.Key("F2");
  Window("Компиляция", "compile_dialog");
  x_.Key("Return");
  Gone("Компиляция");
  Window("Сохранить как");
  x_.Key("ctrl+a");
  x_.Type(saved);
  x_.Key("Return");
  Gone("Сохранить как");
  for (int k = 0; k < 100 && !FileExists(saved); ++k) std::this_thread::sleep_for(50ms);

  QbBuilder expected;
  // A test limit of 45 minutes; opening the sheet raised the questions asked to 1.
  expected.Header(Ansi(kTestName), "", "", {1, 0, 45, 0, 0, 0, 1, 1}).I16(2);
  expected.Str(Ansi("Первый вопрос")).Media(SmallBitmap()).Media(SmallWave()).U8(2);
  expected.Str(Ansi("Да")).U8(100).NoMedia().NoMedia();
  expected.Str(Ansi("Нет")).U8(0).NoMedia().NoMedia();
  expected.PlainQuestion(Ansi("Второй вопрос"), {{Ansi("Верно"), 100}});
  EXPECT_EQ(ReadFileBytes(saved), expected.Bytes());

  // F3 loads it back: the first question is shown with its variants.
  x_.Key("F3");
  Window("Открыть");
  ChooseInFileChooser(saved);
  Gone("Открыть");
  Window(kMainTitle, "main_window");
  EXPECT_FALSE(StagingEmpty()) << "the loaded picture and sound are staged";

  // "&О программе" is the last item of the last menu.
  x_.Key("F10 Left Up Return");
  Window("О программе", "about_dialog");
  x_.Key("Return");
  Gone("О программе");

  // "&Выход" is the last item of the first menu, and asks first.
  Window(kMainTitle);
  x_.Key("F10 Up Return");
  Window("Подтверждение", "exit_question");
  x_.Key("Return");
  EXPECT_EQ(creator.WaitForExit(10s), 0);
  EXPECT_TRUE(StagingEmpty()) << "the staged media went with the program";

  // The saved file opens in the tester: F3, the chooser, the test's description dialog. A
  // candidate who then leaves at once leaves the report's header in "Results.txt", with the
  // name the tester read from the file.
  ChildProcess& tester =
      x_.Start(VORNET_TESTER_EXE, dir_.Path(), {"SDL_AUDIODRIVER=dummy"}, dir_.File("tester.log"));
  ASSERT_TRUE(Window("Vornet - Tester"));
  x_.Key("F3");
  Window("Открыть");
  ChooseInFileChooser(saved);
  ASSERT_TRUE(Window("Описание теста", "tester_description"));
  x_.Key("Return");  // "Продолжить"
  Window("Ваши данные");
  x_.Type("Иванов");
  x_.Key("Tab");
  x_.Type("Петр");
  x_.Key("Tab");
  x_.Type("Сергеевич");
  x_.Key("Tab");
  x_.Type("1985");
  x_.Key("Tab Return");  // "Начать..."
  Gone("Ваши данные");
  Window("Vornet - Tester", "tester_first_question");
  x_.Key("alt+F4");
  Window("Подтверждение");
  x_.Key("Return");
  EXPECT_EQ(tester.WaitForExit(10s), 0);
  const std::string header = std::string(60, '-') + "\r" +
                             Ansi(std::string("Иванов Петр Сергеевич   1985\r") + kTestName) +
                             "\r\r[A-Z][a-z]+day, [A-Z][a-z]+ \\d\\d, \\d{4} "
                             "\\d\\d:\\d\\d:\\d\\d\r----\r";
  const std::string log = ReadFileBytes(dir_.File("Results.txt"));
  EXPECT_TRUE(std::regex_match(log, std::regex(header))) << log;
}

TEST_F(CreatorEndToEnd, GivingUpAtThePasswordOfALoadedTestEndsTheProgram) {
  QbBuilder file;
  file.Header("T", "", "secret", {}).I16(1).Str("Q").Media(SmallBitmap()).NoMedia().U8(0);
  const std::string path = dir_.File("protected.qb");
  WriteFileBytes(path, file.Bytes());
  ChildProcess& creator = StartCreator();
  ASSERT_TRUE(Window(kMainTitle));
  x_.Key("F3");
  Window("Открыть");
  ChooseInFileChooser(path);
  const auto first = Window("Введите пароль", "password_prompt");
  ASSERT_TRUE(first);
  x_.Type("wrong");
  x_.Key("Return");
  // A wrong password brings a new, empty prompt.
  std::optional<unsigned long> again;
  for (int k = 0; k < 200 && (!again || again == first); ++k) {
    again = x_.WaitForWindow("Введите пароль", 50ms);
  }
  ASSERT_TRUE(again);
  ASSERT_NE(*again, *first);
  x_.Activate(*again);
  x_.Key("Escape");
  EXPECT_EQ(creator.WaitForExit(10s), 0);
  EXPECT_TRUE(StagingEmpty());
  EXPECT_EQ(ReadFileBytes(path), file.Bytes()) << "nothing is saved";
}

}  // namespace
}  // namespace vornet::testing
