#pragma once
// Small helpers for tests that work with real files: a temporary folder removed afterwards,
// and whole-file reads and writes.

#include <string>

namespace vornet::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Changes the working folder for the lifetime of the object.
class ScopedWorkingDir {
 public:
  explicit ScopedWorkingDir(const std::string& path);
  ~ScopedWorkingDir();

 private:
  std::string previous_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Bytes 0, 1, 2, ... of the given length, varied by `seed`, so that media differ.
std::string PatternBytes(size_t length, int seed = 0);
// Windows-1251 bytes of a UTF-8 literal, for readable Russian test texts.
std::string Ansi(const std::string& utf8);

}  // namespace vornet::testing
