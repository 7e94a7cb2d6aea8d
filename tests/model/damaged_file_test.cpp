// Damaged test files are refused without a trace: the document stays as it was and every media
// file the refused read had staged is gone again.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "model/test_file.h"
#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"

namespace vornet {
namespace {

using testing::QbBuilder;
using testing::TempDir;
using testing::WriteFileBytes;

// Everything a read could change, as one comparable text.
std::string Fingerprint(const TestDocument& doc) {
  std::ostringstream out;
  out << doc.testInfo.name << '|' << doc.testInfo.description << '|' << doc.testInfo.editPassword
      << '|' << doc.testSettings.testMinutes << ',' << doc.testSettings.answersToOffer << '|'
      << doc.questionCount << '|';
  for (int16_t slot : doc.questionOrder) out << slot << ',';
  for (const Question& q : doc.questions) {
    out << q.inUse << q.text << q.picturePath << q.soundPath << int(q.answerCount);
    for (const Answer& a : q.answers) out << a.text << int(a.accuracy) << a.picturePath << a.soundPath;
  }
  return out.str();
}

size_t StagedFileCount(TestDocument& doc) {
  const std::string folder = doc.staging.Folder();
  size_t count = 0;
  if (folder.empty()) return 0;
  for (auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    count += entry.is_regular_file() ? 1 : 0;
  }
  return count;
}

// A valid two-question file with media everywhere, to be cut and broken.
std::string GoodFile() {
  return QbBuilder()
      .Header("Name", "Desc", "", {0, 0, 0, 0, 0, 0, 1, 1})
      .I16(2)
      .Str("Q1").Media("pic").Media("snd").U8(2)
      .Str("A").U8(100).Media("ap").Media("as")
      .Str("B").U8(0).NoMedia().NoMedia()
      .Str("Q2").NoMedia().Media("s2").U8(1)
      .Str("C").U8(100).NoMedia().Media("cs")
      .Bytes();
}

struct Damage {
  const char* what;
  std::string bytes;
  int expected;
};

std::vector<Damage> DamagedFiles() {
  std::vector<Damage> cases;
  const std::string good = GoodFile();
  for (size_t k = 0; k < 6; ++k) {
    std::string bytes = good;
    bytes[k] ^= 0x20;
    cases.push_back({"magic byte", bytes, kFileBadFormat});
  }
  cases.push_back({"empty file", "", kFileBadFormat});
  for (size_t length = 6; length < good.size(); ++length) {
    cases.push_back({"truncated", good.substr(0, length), kFileBadFormat});
  }
  cases.push_back({"negative name length", QbBuilder().Magic().I16(-1).Bytes(), kFileBadFormat});
  cases.push_back({"negative question text length",
                   QbBuilder().Header("", "", "", {}).I16(1).I16(-5).Bytes(), kFileBadFormat});
  cases.push_back({"negative answer text length",
                   QbBuilder().Header("", "", "", {}).I16(1).Str("Q").NoMedia().NoMedia().U8(1)
                       .I16(-2).Bytes(),
                   kFileBadFormat});
  QbBuilder seventeen;
  seventeen.Header("", "", "", {}).I16(1).Str("Q").NoMedia().NoMedia().U8(17);
  for (int j = 0; j < 17; ++j) seventeen.Str("a").U8(0).NoMedia().NoMedia();
  cases.push_back({"17 answers", seventeen.Bytes(), kFileBadFormat});
  QbBuilder many;
  many.Header("", "", "", {}).I16(1025);
  for (int k = 0; k < 1025; ++k) many.PlainQuestion("q", {});
  cases.push_back({"1025 questions", many.Bytes(), kFileBadFormat});
  cases.push_back({"media longer than the file",
                   QbBuilder().Header("", "", "", {}).I16(1).Str("Q").U8(1).U32(0xFFFFFFF0u)
                       .Raw("abc").Bytes(),
                   kFileBadFormat});
  return cases;
}

TEST(DamagedFile, PlainLoadIsRefusedAndLeavesTheEmptyTest) {
  TempDir dir;
  for (const Damage& damage : DamagedFiles()) {
    SCOPED_TRACE(::testing::Message() << damage.what << ", " << damage.bytes.size() << " bytes");
    auto doc = std::make_unique<TestDocument>();
    ResetTest(*doc);
    const std::string before = Fingerprint(*doc);
    doc->testFilePath = dir.File("bad.qb");
    WriteFileBytes(doc->testFilePath, damage.bytes);
    EXPECT_EQ(LoadTestFile(*doc, false), damage.expected);
    EXPECT_EQ(Fingerprint(*doc), before);
    EXPECT_EQ(StagedFileCount(*doc), 0u);
  }
}

TEST(DamagedFile, MergeIsRefusedAndLeavesTheTestAsItWas) {
  TempDir dir;
  auto doc = std::make_unique<TestDocument>();
  ResetTest(*doc);
  doc->testFilePath = dir.File("good.qb");
  WriteFileBytes(doc->testFilePath, GoodFile());
  ASSERT_EQ(LoadTestFile(*doc, false), kFileOk);
  DeleteQuestion(*doc, 0);  // leave a hole for the merge to fill
  const std::string before = Fingerprint(*doc);
  const size_t stagedBefore = StagedFileCount(*doc);
  for (const Damage& damage : DamagedFiles()) {
    SCOPED_TRACE(::testing::Message() << damage.what << ", " << damage.bytes.size() << " bytes");
    doc->testFilePath = dir.File("bad.qb");
    WriteFileBytes(doc->testFilePath, damage.bytes);
    EXPECT_EQ(LoadTestFile(*doc, true), damage.expected);
    EXPECT_EQ(Fingerprint(*doc), before);
    EXPECT_EQ(StagedFileCount(*doc), stagedBefore);
  }
}

TEST(DamagedFile, MissingFileIsNoAccessAndANegativeCountReadsNothing) {
  TempDir dir;
  auto doc = std::make_unique<TestDocument>();
  ResetTest(*doc);
  doc->testFilePath = dir.File("missing.qb");
  EXPECT_EQ(LoadTestFile(*doc, false), kFileNoAccess);
  EXPECT_TRUE(doc->mediaStaged);  // set before the file is opened
  doc->testFilePath = dir.File("negative.qb");
  WriteFileBytes(doc->testFilePath, QbBuilder().Header("N", "", "", {}).I16(-3).Bytes());
  EXPECT_EQ(LoadTestFile(*doc, false), kFileOk);
  EXPECT_EQ(doc->questionCount, 0);
  EXPECT_EQ(doc->testInfo.name, "N");
}

}  // namespace
}  // namespace vornet
