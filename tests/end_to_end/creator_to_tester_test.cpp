// Both real programs on a private X display, as a teacher and a candidate use them. The teacher
// builds a two-question test in the creator (a picture and a sound on the first question, a
// question time limit of one minute) and saves it; the candidate takes it in the tester, answers
// the first question right and lets the second one run out of time. The report in "Results.txt"
// is then checked line by line.
//
// The question limit runs on the tester's own clock, so the test waits a real minute.
// Set VORNET_SCREENSHOTS to a folder to keep a screenshot of the main steps.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <thread>

#include "platform/codepage.h"
#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"
#include "tests/support/x_session.h"
#include "tests/tester_window/media_bytes.h"

namespace vornet::testing {
namespace {

using namespace std::chrono_literals;

const char kCreatorTitle[] = "Vornet - Creation";
const char kTesterTitle[] = "Vornet - Tester";
const char kTestName[] = "Геометрия";
const char kDescription[] = "Две задачи";
const char kFirstQuestion[] = "Какая фигура на рисунке?";
const char kSecondQuestion[] = "Сумма углов треугольника?";

// The tester's page at its starting font height of 29 pixels: an item begins 29 / 3 pixels
// below the one before, a line of text takes 4 × 29 / 3.
constexpr int kGap = 9;
constexpr int kLine = 38;
constexpr int kPictureWidth = 64;
constexpr int kPictureHeight = 48;

// A small picture: a dark disc on white.
std::string Picture() {
  return BitmapBytesOf(kPictureWidth, kPictureHeight, [](int x, int y) {
    const int dx = x - kPictureWidth / 2, dy = y - kPictureHeight / 2;
    return dx * dx + dy * dy < 20 * 20 ? Rgb{20, 60, 160} : Rgb{255, 255, 255};
  });
}

std::string Sound() { return WaveBytes(2000, 300); }

// The text as a regular expression matching only itself.
std::string Literal(const std::string& text) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, special, R"(\$&)");
}

// "Results.txt" as UTF-8 lines; every line of the file ends with a lone carriage return.
std::vector<std::string> LogLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = bytes.find('\r'); end != std::string::npos; end = bytes.find('\r', start)) {
    lines.push_back(Cp1251ToUtf8(bytes.substr(start, end - start)));
    start = end + 1;
  }
  if (start < bytes.size()) lines.push_back(Cp1251ToUtf8(bytes.substr(start)));
  return lines;
}

class CreatorToTester : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x.Ready()) << "no X server (Xvfb) or window manager could be started";
    if (const char* folder = std::getenv("VORNET_SCREENSHOTS"); folder && *folder) shots = folder;
  }

  // Waits for a window, makes it active and keeps a screenshot of it when asked.
  std::optional<unsigned long> Window(const std::string& title, const std::string& shot = "",
                                      std::chrono::milliseconds timeout = 10s) {
    const auto id = x.WaitForWindow(title, timeout);
    if (!id) {
      std::string titles;
      for (const std::string& entry : x.WindowTitles()) titles += " [" + entry + "]";
      ADD_FAILURE() << "no window \"" << title << "\"; windows:" << titles;
      return id;
    }
    x.Activate(*id);
    if (!shots.empty() && !shot.empty()) x.Screenshot(*id, shots + "/" + shot + ".png");
    return id;
  }

  void Gone(const std::string& title) {
    EXPECT_TRUE(x.WaitUntilGone(title, 10s)) << "\"" << title << "\" stayed open";
  }

  // In an open file chooser: the full path typed into its location field, then confirmed.
  void Choose(const std::string& path) {
    x.Key("ctrl+l");
    x.Key("ctrl+a");
    x.Type(path);
    x.Key("Return");
  }

  // The answer dialog: its text, then the accuracy field five tabs on.
  void Answer(const std::string& text, const std::string& accuracy) {
    Window("Вариант ответа");
    x.Type(text);
    if (!accuracy.empty()) {
      x.Key("Tab Tab Tab Tab Tab ctrl+a");
      x.Type(accuracy);
    }
    x.Key("Return");
    Gone("Вариант ответа");
    Window(kCreatorTitle);
  }

  void BuildAndSaveInCreator(const std::string& picture, const std::string& sound,
                             const std::string& saved);
  void TakeInTester(const std::string& testFile);

  TempDir dir;
  XSession x;
  std::string shots;
};

void CreatorToTester::BuildAndSaveInCreator(const std::string& picture, const std::string& sound,
                                            const std::string& saved) {
  std::filesystem::create_directory(dir.File("staging"));
  ChildProcess& creator = x.Start(VORNET_CREATOR_EXE, dir.Path(),
                                  {"TMPDIR=" + dir.File("staging"), "SDL_AUDIODRIVER=dummy"});
  ASSERT_TRUE(Window(kCreatorTitle));

  // F4: a new test with its name and description; Enter in the password field confirms.
  x.Key("F4");
  ASSERT_TRUE(Window("Новый Тест"));
  x.Key("ctrl+a");
  x.Type(kTestName);
  x.Key("Tab");
  x.Type(kDescription);
  x.Key("Tab");
  Window("Новый Тест", "new_test");
  x.Key("Return");
  Gone("Новый Тест");

  // The first question with a picture chosen in the file chooser and a sound typed in.
  Window(kCreatorTitle);
  x.Key("Return");  // question "Добавить", the default button
  Window("Вопрос");
  x.Type(kFirstQuestion);
  x.Key("Tab Tab Return");  // the picture's "Выбрать"
  Window("Открыть");
  Choose(picture);
  Gone("Открыть");
  Window("Вопрос");
  x.Key("Tab");
  x.Type(sound);
  x.Key("Return");
  Gone("Вопрос");
  Window(kCreatorTitle);
  x.Key("Tab Tab Tab Return");  // answer "Добавить"
  Answer("Круг", "100");
  x.Key("Return");  // answer "Добавить" keeps the focus
  Answer("Квадрат", "");

  // The second question, back on question "Добавить".
  x.Key("shift+Tab shift+Tab shift+Tab shift+Tab Return");
  Window("Вопрос");
  x.Type(kSecondQuestion);
  x.Key("Return");
  Gone("Вопрос");
  Window(kCreatorTitle);
  x.Key("Tab Tab Tab Return");
  Answer("180", "100");
  x.Key("Return");
  Answer("90", "");

  // "&Параметры..." of menu "&Тест": on "Другие", "Учет времени вопроса" with 1 minute.
  x.Key("F10 Right Up Return");
  ASSERT_TRUE(Window("Параметры теста"));
  x.Key("ctrl+Page_Down");  // the focus lands on "Учет времени теста"
  x.Key("Tab space Tab ctrl+a");
  x.Type("1");
  Window("Параметры теста", "parameters");
  x.Key("Return");
  Gone("Параметры теста");

  // F2 on a test without a file: the compile check, then the save chooser.
  Window(kCreatorTitle, "creator");
  x.Key("F2");
  Window("Компиляция");
  x.Key("Return");
  Gone("Компиляция");
  Window("Сохранить как");
  x.Key("ctrl+a");
  x.Type(saved);
  x.Key("Return");
  Gone("Сохранить как");
  for (int k = 0; k < 100 && !FileExists(saved); ++k) std::this_thread::sleep_for(50ms);

  // "&Выход", the last item of the first menu, asks first.
  Window(kCreatorTitle);
  x.Key("F10 Up Return");
  Window("Подтверждение");
  x.Key("Return");
  EXPECT_EQ(creator.WaitForExit(10s), 0);
}

void CreatorToTester::TakeInTester(const std::string& testFile) {
  ChildProcess& tester =
      x.Start(VORNET_TESTER_EXE, dir.Path(), {"SDL_AUDIODRIVER=dummy"}, dir.File("tester.log"));
  const auto main = Window(kTesterTitle, "", 20s);
  ASSERT_TRUE(main);
  x.Key("F3");
  Window("Открыть");
  Choose(testFile);
  ASSERT_TRUE(Window("Описание теста", "description"));
  x.Key("Return");  // "Продолжить"
  ASSERT_TRUE(Window("Ваши данные"));
  x.Type("Иванов");
  x.Key("Tab");
  x.Type("Петр");
  x.Key("Tab");
  x.Type("Сергеевич");
  x.Key("Tab");
  x.Type("1985");
  x.Key("Tab Return");  // "Начать..."
  ASSERT_TRUE(x.WaitUntilGone("Ваши данные", 10s)) << "the candidate dialog refused the data";

  // The first page: the question's picture, its text, then the answers a line each. The page
  // begins at the first white rows below the menu bar.
  Window(kTesterTitle);
  const WindowGeometry window = x.Geometry(*main);
  const std::vector<std::string> column = x.Column(window.x + 5, window.y, 120);
  int top = -1;
  for (size_t row = 0; top < 0 && row + 4 < column.size(); ++row) {
    bool white = true;
    for (size_t k = row; k < row + 4; ++k) white = white && column[k] == "#FFFFFF";
    if (white) top = window.y + static_cast<int>(row);
  }
  ASSERT_GE(top, 0) << "no page below the menu bar";
  const int firstAnswerY = top + kGap + kPictureHeight + kGap + kLine + kGap + kLine / 2 - 5;
  const int centreX = window.x + window.width / 2 - 10;
  x.MoveMouse(centreX, firstAnswerY);
  std::this_thread::sleep_for(1s);
  if (!shots.empty()) x.Screenshot(*main, shots + "/first_question.png");
  x.Click(centreX, firstAnswerY);  // "Круг", 100 %

  // The second question is left alone until its minute is over.
  std::this_thread::sleep_for(2s);
  if (!shots.empty()) x.Screenshot(*main, shots + "/second_question.png");
  ASSERT_TRUE(Window("Результат", "result", 75s)) << "the question limit never ran out";
  x.Key("Return");
  ASSERT_TRUE(x.WaitUntilGone("Результат", 10s));

  Window(kTesterTitle);
  x.Key("alt+F4");
  Window("Подтверждение");
  x.Key("Return");
  EXPECT_EQ(tester.WaitForExit(10s), 0);
}

TEST_F(CreatorToTester, ATestBuiltInTheCreatorIsTakenInTheTesterWithOneAnswerRightAndOneTimedOut) {
  const std::string picture = dir.File("picture.bmp");
  const std::string sound = dir.File("sound.wav");
  const std::string saved = dir.File("geometry.qb");
  WriteFileBytes(picture, Picture());
  WriteFileBytes(sound, Sound());

  BuildAndSaveInCreator(picture, sound, saved);
  if (HasFatalFailure()) return;
  // The question limit on with 1 minute; opening the sheet raised the questions asked to 1.
  QbBuilder expected;
  expected.Header(Ansi(kTestName), Ansi(kDescription), "", {0, 1, 0, 1, 0, 0, 1, 1}).I16(2);
  expected.Str(Ansi(kFirstQuestion)).Media(Picture()).Media(Sound()).U8(2);
  expected.Str(Ansi("Круг")).U8(100).NoMedia().NoMedia();
  expected.Str(Ansi("Квадрат")).U8(0).NoMedia().NoMedia();
  expected.PlainQuestion(Ansi(kSecondQuestion), {{"180", 100}, {"90", 0}});
  ASSERT_EQ(ReadFileBytes(saved), expected.Bytes()) << "the creator saved another test";

  TakeInTester(saved);
  if (HasFatalFailure()) return;

  // The report lies beside the test file, where the chooser left the working folder.
  const std::string bytes = ReadFileBytes(dir.File("Results.txt"));
  EXPECT_EQ(bytes.find('\n'), std::string::npos) << "lines end with a lone carriage return";
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.back(), '\r');
  const std::vector<std::string> expectedLines = {
      std::string(60, '-'),
      Literal("Иванов Петр Сергеевич   1985"),
      Literal(kTestName),
      Literal(kDescription),
      R"([A-Z][a-z]+day, [A-Z][a-z]+ \d\d, \d{4} \d\d:\d\d:\d\d)",
      "----",
      Literal(std::string("1 : ") + kFirstQuestion),
      R"(Круг = 100%  00 часов 00 минут \d\d секунд\.)",
      Literal(std::string("2 : ") + kSecondQuestion),
      Literal("Пропущено, время истекло. = 0%  00 часов 01 минут 00 секунд."),
      "----",
      "50%",
      R"(Тест длился 00 часов 01 минут \d\d секунд\.)",
  };
  const std::vector<std::string> lines = LogLines(bytes);
  ASSERT_EQ(lines.size(), expectedLines.size()) << Cp1251ToUtf8(bytes);
  for (size_t k = 0; k < lines.size(); ++k) {
    EXPECT_TRUE(std::regex_match(lines[k], std::regex(expectedLines[k])))
        << "line " << k + 1 << ": \"" << lines[k] << "\", expected /" << expectedLines[k] << "/";
  }
}

}  // namespace
}  // namespace vornet::testing
