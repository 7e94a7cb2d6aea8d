#include "platform/locked_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/test_files.h"

namespace vornet {
namespace {

using testing::TempDir;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

TEST(LockedFile, ReadersShareButKeepWritersOut) {
  TempDir dir;
  const std::string path = dir.File("a.qb");
  WriteFileBytes(path, "old");
  LockedFile first = LockedFile::OpenForRead(path);
  LockedFile second = LockedFile::OpenForRead(path);
  ASSERT_TRUE(first.IsOpen());
  EXPECT_TRUE(second.IsOpen());
  EXPECT_FALSE(LockedFile::CreateExclusive(path).IsOpen());
  EXPECT_FALSE(LockedFile::OpenForAppend(path).IsOpen());
  EXPECT_FALSE(LockedFile::LockExisting(path).IsOpen());
  EXPECT_EQ(ReadFileBytes(path), "old");  // a refused writer empties nothing
  first.Close();
  second.Close();
  EXPECT_TRUE(LockedFile::CreateExclusive(path).IsOpen());
  EXPECT_EQ(ReadFileBytes(path), "");
}

TEST(LockedFile, AnExclusiveWriterKeepsEveryoneOut) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  LockedFile log = LockedFile::OpenForAppend(path);
  ASSERT_TRUE(log.IsOpen());
  EXPECT_FALSE(LockedFile::OpenForAppend(path).IsOpen());
  EXPECT_FALSE(LockedFile::OpenForRead(path).IsOpen());
}

TEST(LockedFile, AppendKeepsContent) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteFileBytes(path, "one\r");
  {
    LockedFile log = LockedFile::OpenForAppend(path);
    ASSERT_TRUE(log.WriteAll(std::string("two\r")));
  }
  EXPECT_EQ(ReadFileBytes(path), "one\rtwo\r");
}

TEST(LockedFile, MissingFilesFoldersAndPipesAreNotOpened) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
  EXPECT_FALSE(LockedFile::OpenForRead(dir.File("pipe")).IsOpen());  // and does not wait
  EXPECT_FALSE(LockedFile::OpenForAppend(dir.File("pipe")).IsOpen());
  EXPECT_FALSE(LockedFile::OpenForRead(dir.File("missing")).IsOpen());
  EXPECT_FALSE(LockedFile::OpenForRead(dir.Path()).IsOpen());
  EXPECT_FALSE(LockedFile::CreateExclusive(dir.File("no/such/folder")).IsOpen());
}

TEST(LockedFile, TemporaryFileIsMadeBesideTheTarget) {
  TempDir dir;
  std::string created;
  LockedFile file = LockedFile::CreateTemporaryBeside(dir.File("t.qb"), created);
  ASSERT_TRUE(file.IsOpen());
  EXPECT_EQ(created.rfind(dir.File("t.qb."), 0), 0u);
  EXPECT_TRUE(testing::FileExists(created));
}

}  // namespace
}  // namespace vornet
