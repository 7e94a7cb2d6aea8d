// Faults of the outside world that must cost neither a crash nor data: a disk that fills while a
// test is saved, a test that a running tester holds open, a second tester in the same folder, a
// read-only folder, staged files that cannot be created.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "model/test_file.h"
#include "tester/test_run.h"
#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"
#include "tests/tester_engine/fake_run_services.h"

namespace vornet {
namespace {

using testing::FakeRunServices;
using testing::PatternBytes;
using testing::QbBuilder;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

std::unique_ptr<TestDocument> DocumentWithPicture(const std::string& picture) {
  auto doc = std::make_unique<TestDocument>();
  ResetTest(*doc);
  AddQuestion(*doc, "Q", picture, "");
  AddAnswer(*doc, 0, "A", "", "", 100);
  return doc;
}

// Runs `body` in a child process that has given up root's right to write anywhere, and returns
// its exit status. As an ordinary user the body runs in a child all the same.
int RunWithoutRoot(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(100);
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

TEST(Faults, ADiskThatFillsWhileSavingLeavesThePreviousFile) {
  TempDir dir;
  WriteFileBytes(dir.File("picture.bmp"), PatternBytes(1 << 20));
  auto doc = DocumentWithPicture(dir.File("picture.bmp"));
  doc->testFilePath = dir.File("t.qb");
  WriteFileBytes(doc->testFilePath, "the previous test");
  // A file-size limit stands for a full disk: writes beyond it fail with an error.
  struct rlimit previous {};
  getrlimit(RLIMIT_FSIZE, &previous);
  struct rlimit small = previous;
  small.rlim_cur = 64 * 1024;
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const int result = SaveTestFile(*doc);
  setrlimit(RLIMIT_FSIZE, &previous);
  signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(result, kFileNoAccess);
  EXPECT_EQ(ReadFileBytes(doc->testFilePath), "the previous test");
  int entries = 0;
  for (auto& entry : std::filesystem::directory_iterator(dir.Path())) entries += entry.exists();
  EXPECT_EQ(entries, 2);  // nothing half-written is left beside it
}

TEST(Faults, SavingOverATestThatATesterHoldsOpenChangesNothing) {
  TempDir dir;
  testing::ScopedWorkingDir cwd(dir.Path());
  auto doc = DocumentWithPicture("");
  doc->testFilePath = dir.File("t.qb");
  ASSERT_EQ(SaveTestFile(*doc), kFileOk);
  const std::string before = ReadFileBytes(doc->testFilePath);
  FakeRunServices services;
  auto run = std::make_unique<TestRun>(services);
  run->testFilePath = doc->testFilePath;
  ASSERT_EQ(OpenTestForRun(*run), 0);
  EditQuestion(*doc, 0, "Changed", "", "");
  EXPECT_EQ(SaveTestFile(*doc), kFileNoAccess);
  EXPECT_EQ(ReadFileBytes(doc->testFilePath), before);
  CloseTestFile(*run);
  EXPECT_EQ(SaveTestFile(*doc), kFileOk);
}

TEST(Faults, ASecondTesterInTheSameFolderIsRefusedAndTheFirstReportStaysWhole) {
  TempDir dir;
  testing::ScopedWorkingDir cwd(dir.Path());
  WriteFileBytes(dir.File("t.qb"), QbBuilder()
                                       .Header("T", "D", "", {})
                                       .I16(1)
                                       .PlainQuestion("Q", {{"A", 100}})
                                       .Bytes());
  FakeRunServices firstServices, secondServices;
  auto first = std::make_unique<TestRun>(firstServices);
  auto second = std::make_unique<TestRun>(secondServices);
  for (TestRun* run : {first.get(), second.get()}) {
    run->testFilePath = dir.File("t.qb");
    ASSERT_EQ(OpenTestForRun(*run), 0);
    SeekQuestion(*run, 0);
  }
  ASSERT_TRUE(BeginReport(*first, "First Candidate X", 1990));
  StartRun(*first);
  EXPECT_FALSE(BeginReport(*second, "Second Candidate Y", 1991));
  EXPECT_EQ(secondServices.logUnavailable, 1);
  AnswerChosen(*first, 1);
  const std::string log = ReadFileBytes(dir.File("Results.txt"));
  EXPECT_NE(log.find("First Candidate X   1990\r"), std::string::npos);
  EXPECT_EQ(log.find("Second"), std::string::npos);
  const std::string end =
      "----\r100%\r" + testing::Ansi("Тест длился 00 часов 00 минут 00 секунд.") + "\r";
  ASSERT_GE(log.size(), end.size());
  EXPECT_EQ(log.substr(log.size() - end.size()), end);
}

TEST(Faults, AReadOnlyFolderCanBeReadButNeitherSavedIntoNorLoggedIn) {
  TempDir dir;
  ::chmod(dir.Path().c_str(), 0755);
  const std::string folder = dir.File("readonly");
  ::mkdir(folder.c_str(), 0755);
  WriteFileBytes(folder + "/t.qb", QbBuilder()
                                       .Header("T", "", "", {})
                                       .I16(1)
                                       .Str("Q").Media("BMpicture").NoMedia().U8(1)
                                       .Str("A").U8(100).NoMedia().NoMedia()
                                       .Bytes());
  ::chmod((folder + "/t.qb").c_str(), 0644);
  ::chmod(folder.c_str(), 0555);
  const int status = RunWithoutRoot([&] {
    // The creator loads it (its media are staged elsewhere) but cannot save beside it.
    auto doc = std::make_unique<TestDocument>();
    ResetTest(*doc);
    doc->testFilePath = folder + "/t.qb";
    if (LoadTestFile(*doc, false) != kFileOk) return 1;
    if (ReadFileBytes(doc->QuestionAt(0).picturePath) != "BMpicture") return 2;
    if (SaveTestFile(*doc) != kFileNoAccess) return 3;
    ResetTest(*doc);
    // The tester opens it, but no results log can be made there, so no run starts.
    if (::chdir(folder.c_str()) != 0) return 4;
    FakeRunServices services;
    auto run = std::make_unique<TestRun>(services);
    run->testFilePath = folder + "/t.qb";
    if (OpenTestForRun(*run) != 0) return 5;
    SeekQuestion(*run, 0);
    if (BeginReport(*run, "A B C", 1990) || services.logUnavailable != 1) return 6;
    return 0;
  });
  EXPECT_EQ(status, 0);
  ::chmod(folder.c_str(), 0755);
  EXPECT_FALSE(testing::FileExists(folder + "/Results.txt"));
}

TEST(Faults, StagedFilesThatCannotBeCreated) {
  TempDir dir;
  const std::string file = QbBuilder()
                               .Header("T", "", "", {})
                               .I16(1)
                               .Str("Q").Media("BMpicture").Media("RIFFsound").U8(1)
                               .Str("A").U8(100).NoMedia().NoMedia()
                               .Bytes();
  WriteFileBytes(dir.File("t.qb"), file);
  {
    // The creator's staging folder cannot be made: the read is refused and changes nothing.
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous ? previous : "";
    WriteFileBytes(dir.File("not-a-folder"), "x");
    setenv("TMPDIR", dir.File("not-a-folder").c_str(), 1);
    auto doc = std::make_unique<TestDocument>();
    ResetTest(*doc);
    doc->testFilePath = dir.File("t.qb");
    EXPECT_EQ(LoadTestFile(*doc, false), kFileNoAccess);
    EXPECT_EQ(doc->questionCount, 0);
    if (previous) setenv("TMPDIR", saved.c_str(), 1); else unsetenv("TMPDIR");
  }
  {
    // The tester's staged names are taken by folders: the question goes on without its media.
    testing::ScopedWorkingDir cwd(dir.Path());
    ::mkdir(dir.File(kQuestionPictureName).c_str(), 0755);
    ::mkdir(dir.File(kQuestionSoundName).c_str(), 0755);
    FakeRunServices services;
    auto run = std::make_unique<TestRun>(services);
    run->testFilePath = dir.File("t.qb");
    ASSERT_EQ(OpenTestForRun(*run), 0);
    SeekQuestion(*run, 0);
    ASSERT_TRUE(BeginReport(*run, "A B C", 1990));
    StartRun(*run);
    EXPECT_FALSE(run->items[0].hasPicture);
    EXPECT_EQ(run->items[0].soundFile, "");
    EXPECT_EQ(run->items[1].text, "A");
    AnswerChosen(*run, 1);
    EXPECT_EQ(services.messages.size(), 1u);
  }
}

}  // namespace
}  // namespace vornet
