#pragma once
// A real tester window in a temporary working folder, with a recording wave player, a clock the
// test sets, and an end of program that only takes note. Helpers make test files and answer the
// dialogs of the open chain.

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
// After msgdlg.h, which it builds on.
#include <wx/generic/msgdlgg.h>

#include <memory>
#include <string>
#include <vector>

#include "tester/candidate_dlg.h"
#include "tester/tester_dlg.h"
#include "tests/support/modal_answers.h"
#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"

namespace vornet::testing {

class RecordingPlayer : public WavePlayer {
 public:
  struct Log {
    std::vector<std::string> played;
    int stops = 0;
  };
  explicit RecordingPlayer(Log& log) : log_(log) {}
  void Play(const std::string& path) override { log_.played.push_back(path); }
  void Stop() override { ++log_.stops; }

 private:
  Log& log_;
};

struct AnswerSpec {
  std::string text;  // UTF-8
  uint8_t accuracy = 0;
  bool withSound = false;
};

struct QuestionSpec {
  std::string text;  // UTF-8
  std::vector<AnswerSpec> answers;
  bool withPicture = false;
  bool withSound = false;
};

// Settings words in file order; all 0 unless given.
struct SettingsSpec {
  int16_t testTimeLimited = 0, questionTimeLimited = 0, testMinutes = 0, questionMinutes = 0;
  int16_t shuffleQuestions = 0, shuffleAnswers = 0, questionsToAsk = 0, answersToOffer = 0;
};

// The bytes of a test file; pictures are 40 × 30 red bitmaps, sounds short waves.
std::string TestFileBytes(const std::string& name, const std::string& description,
                          const std::vector<QuestionSpec>& questions, SettingsSpec settings = {});

class TesterWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a test file into the working folder and returns its full path.
  std::string WriteTest(const std::string& fileName, const std::string& bytes);
  // Opens `path` with F3 and answers the chain: description OK, candidate data accepted.
  void StartTest(const std::string& path, const std::string& surname = "Иванов");
  // Expects the next dialogs of the open chain.
  void ExpectDescription(int code);
  void ExpectCandidate(const std::string& surname, const std::string& firstName,
                       const std::string& patronymic, const std::string& year);
  // A message box with this text, caption and icon style (wxICON_...).
  void ExpectBox(const std::string& text, const std::string& caption, long icon,
                 int code = wxID_OK);

  // The middle of answer item k's band on the page as last drawn.
  int MiddleOfItem(int k) const;
  std::string ResultsLog() const { return ReadFileBytes(dir.File("Results.txt")); }
  // The colour of a pixel of the off-screen page.
  wxColour PixelAt(int x, int y) const;
  void DestroyWindow();

  TempDir dir;
  std::unique_ptr<ScopedWorkingDir> inDir;
  RecordingPlayer::Log sounds;
  int64_t now = 1000000;
  bool programEnded = false;
  std::unique_ptr<ModalAnswers> answers;
  CTesterDlg* window = nullptr;
};

}  // namespace vornet::testing
