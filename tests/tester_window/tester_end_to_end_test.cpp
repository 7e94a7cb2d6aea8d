// The real tester program on a private X display, driven as a user drives it: F3, the file
// chooser, the description and candidate dialogs, clicks on the answers, the result message and
// the exit question. "Results.txt" then holds the report.
//
// With VORNET_SCREENSHOT_DIR set, screenshots of each step are saved there.

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <thread>

#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"
#include "tests/tester_window/media_bytes.h"
#include "tests/support/x_session.h"

namespace vornet::testing {
namespace {

using namespace std::chrono_literals;

// The page's geometry at the starting font height of 29 pixels: an item begins 29 / 3 pixels
// below the one before, a line takes 4 × 29 / 3.
constexpr int kGap = 9;
constexpr int kLine = 38;
constexpr int kPictureHeight = 120;

// A picture worth looking at: a blue disc on a pale gradient with a dark frame.
std::string Picture() {
  return BitmapBytesOf(160, kPictureHeight, [](int x, int y) {
    if (x < 2 || y < 2 || x >= 158 || y >= kPictureHeight - 2) return Rgb{40, 40, 40};
    const int dx = x - 80, dy = y - 60;
    if (dx * dx + dy * dy < 40 * 40) return Rgb{30, 90, 200};
    return Rgb{static_cast<uint8_t>(200 + x / 4), static_cast<uint8_t>(220 + y / 6), 240};
  });
}

std::string PhysicsTest() {
  QbBuilder file;
  // A test limit of 10 minutes and a question limit of 5: both bars show, nothing runs out.
  file.Header(Ansi("Физика"), Ansi("Контрольная работа по механике: три вопроса."), "",
              {1, 1, 10, 5, 0, 0, 0, 0});
  file.I16(3);
  file.Str(Ansi("Какая фигура на рисунке?")).Media(Picture()).Media(WaveBytes(2000, 300));
  file.U8(3);
  file.Str(Ansi("Квадрат")).U8(0).NoMedia().Media(WaveBytes(2000, 400));
  file.Str(Ansi("Круг")).U8(100).NoMedia().Media(WaveBytes(2000, 500));
  file.Str(Ansi("Треугольник")).U8(0).NoMedia().NoMedia();
  file.PlainQuestion(Ansi("Сколько будет 2+2?"), {{"3", 0}, {"4", 100}, {"5", 0}});
  file.PlainQuestion(Ansi("Единица силы?"), {{Ansi("Ньютон"), 100}, {Ansi("Джоуль"), 50}});
  return file.Bytes();
}

class TesterEndToEnd : public ::testing::Test {
 protected:
  void Shot(unsigned long window, const std::string& name) {
    if (const char* folder = std::getenv("VORNET_SCREENSHOT_DIR")) {
      x.Screenshot(window, std::string(folder) + "/" + name + ".png");
    }
  }
  // Screen y of the page's top: the first white row below the menu bar.
  int PageTop(const WindowGeometry& window) {
    const std::vector<std::string> column = x.Column(window.x + 5, window.y, 120);
    for (size_t row = 0; row + 4 < column.size(); ++row) {
      bool white = true;
      for (size_t k = row; k < row + 4; ++k) white = white && column[k] == "#FFFFFF";
      if (white) return window.y + static_cast<int>(row);
    }
    ADD_FAILURE() << "no page below the menu bar";
    return window.y;
  }

  // F3, the file typed into the chooser, "Продолжить", and the candidate's data.
  void OpenAndIdentify(const std::string& testFile) {
    x.Key("F3");
    ASSERT_TRUE(x.WaitForWindow("Открыть", 10s));
    x.Key("ctrl+l");
    x.Type(testFile);
    x.Key("Return");
    const auto description = x.WaitForWindow("Описание теста", 10s);
    ASSERT_TRUE(description);
    Shot(*description, "description-dialog");
    x.Key("Return");  // "Продолжить"

    const auto candidate = x.WaitForWindow("Ваши данные", 10s);
    ASSERT_TRUE(candidate);
    x.Key("Escape");  // no way out
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(x.HasWindow("Ваши данные"));
    x.Type("Иванов");
    x.Key("Tab");
    x.Type("Петр");
    x.Key("Tab");
    x.Type("Сергеевич");
    x.Key("Tab");
    x.Type("1985");
    Shot(*candidate, "candidate-dialog");
    x.Key("Tab");
    x.Key("Return");  // "Начать..."
    ASSERT_TRUE(x.WaitUntilGone("Ваши данные", 10s)) << "the candidate dialog refused the data";
  }

  TempDir dir;
  XSession x;
};

TEST_F(TesterEndToEnd, ACandidateTakesATestFromStartToEnd) {
  ASSERT_TRUE(x.Ready()) << "no Xvfb or openbox";
  // The test file lies in its own folder: the report is written where the file was chosen.
  const std::string folder = dir.File("tests");
  ASSERT_EQ(std::system(("mkdir -p " + ShellQuote(folder)).c_str()), 0);
  const std::string testFile = folder + "/physics.qb";
  WriteFileBytes(testFile, PhysicsTest());

  ChildProcess tester({VORNET_TESTER_PATH}, dir.Path(), dir.File("tester.log"));
  ASSERT_TRUE(tester.Started());
  const auto main = x.WaitForWindow("Vornet - Tester", 20s);
  ASSERT_TRUE(main) << ReadFileBytes(dir.File("tester.log"));
  x.Activate(*main);

  // Esc and Enter do nothing in the main window.
  const size_t windowsBefore = x.Windows().size();
  x.Key("Escape");
  x.Key("Return");
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(x.Windows().size(), windowsBefore);
  EXPECT_FALSE(tester.WaitForExit(0ms));

  OpenAndIdentify(testFile);
  if (HasFatalFailure()) return;

  const WindowGeometry window = x.Geometry(*main);
  const int top = PageTop(window);
  const int centreX = window.x + window.width / 2 - 10;
  // First question, with its picture: answer k's line starts after the question's picture and
  // text and k - 1 answers.
  auto answerWithPicture = [&](int k) {
    return top + kGap + kPictureHeight + kGap + kLine + (k - 1) * (kGap + kLine) + kGap +
           kLine / 2 - 5;
  };
  auto answerWithoutPicture = [&](int k) {
    return top + k * (kGap + kLine) + kGap + kLine / 2 - 5;
  };
  x.MoveMouse(centreX, answerWithPicture(2));
  std::this_thread::sleep_for(1500ms);
  Shot(*main, "test-page");
  x.Click(centreX, answerWithPicture(2));         // "Круг", 100 %
  x.Click(centreX, answerWithoutPicture(2));      // "4", 100 %
  x.Click(centreX + 5, answerWithoutPicture(2));  // "Джоуль", 50 %

  const auto result = x.WaitForWindow("Результат", 10s);
  ASSERT_TRUE(result);
  Shot(*result, "result-message");
  x.Key("Return");
  ASSERT_TRUE(x.WaitUntilGone("Результат", 10s));

  // Leaving asks first.
  x.Activate(*main);
  x.Key("alt+F4");
  ASSERT_TRUE(x.WaitForWindow("Подтверждение", 10s));
  x.Key("Return");
  EXPECT_EQ(tester.WaitForExit(10s), 0);

  const std::string report = ReadFileBytes(folder + "/Results.txt");
  const std::string pattern =
      std::string(60, '-') + "\r" + Ansi("Иванов Петр Сергеевич   1985\rФизика\r") +
      Ansi("Контрольная работа по механике: три вопроса.\r") +
      "[A-Z][a-z]+day, [A-Z][a-z]+ \\d\\d, \\d{4} \\d\\d:\\d\\d:\\d\\d\r----\r" +
      Ansi("1 : Какая фигура на рисунке\\?\rКруг = 100%  00 часов 0\\d минут \\d\\d секунд\\.\r") +
      Ansi("2 : Сколько будет 2\\+2\\?\r4 = 100%  00 часов 0\\d минут \\d\\d секунд\\.\r") +
      Ansi("3 : Единица силы\\?\rДжоуль = 50%  00 часов 0\\d минут \\d\\d секунд\\.\r") +
      "----\r83%\r" + Ansi("Тест длился 00 часов 0\\d минут \\d\\d секунд\\.\r");
  EXPECT_TRUE(std::regex_match(report, std::regex(pattern))) << report;
  // The staged sounds are gone with the run.
  for (const char* name : {"1$q.wav", "0$a.wav", "1$a.wav"}) {
    EXPECT_FALSE(FileExists(folder + "/" + name)) << name;
  }
}

TEST_F(TesterEndToEnd, AResultsLogThatCannotBeOpenedEndsTheProgramWithExitCodeZero) {
  ASSERT_TRUE(x.Ready()) << "no Xvfb or openbox";
  const std::string testFile = dir.File("physics.qb");
  WriteFileBytes(testFile, PhysicsTest());
  // A folder stands where the log should be written.
  ASSERT_EQ(std::system(("mkdir " + ShellQuote(dir.File("Results.txt"))).c_str()), 0);

  ChildProcess tester({VORNET_TESTER_PATH}, dir.Path(), dir.File("tester.log"));
  const auto main = x.WaitForWindow("Vornet - Tester", 20s);
  ASSERT_TRUE(main);
  x.Activate(*main);
  OpenAndIdentify(testFile);
  if (HasFatalFailure()) return;
  ASSERT_TRUE(x.WaitForWindow("Ошибка", 10s));
  EXPECT_FALSE(tester.WaitForExit(500ms));  // the message waits for the candidate
  x.Key("Return");
  EXPECT_EQ(tester.WaitForExit(10s), 0);
}

}  // namespace
}  // namespace vornet::testing
