#pragma once
// The private folder into which the creator writes the pictures and sounds it reads out of test
// files. It is made on first use and removed with its owner, so a user's own file that happens
// to bear a staged name is never touched, and staged paths stay valid wherever the working
// folder moves. Each read of a test file stages into a subfolder of its own, so the files of a
// merged test never overwrite those of an earlier read. Only files inside this folder are ever
// deleted.

#include <string>

namespace vornet {

class MediaStaging {
 public:
  MediaStaging() = default;
  ~MediaStaging();
  MediaStaging(const MediaStaging&) = delete;
  MediaStaging& operator=(const MediaStaging&) = delete;

  // Starts the staging of one read: later names go into a fresh subfolder.
  void BeginBatch() { ++batch_; }
  // Full path for a staged file name such as "12q3a.wav" in the current batch; makes the folders
  // when needed. Empty when they cannot be made.
  std::string PathFor(const std::string& fileName);
  // True when `path` names a file inside the staging folder.
  bool Holds(const std::string& path) const;
  // Deletes one staged file; paths outside the folder are left alone. Failures are ignored.
  void Remove(const std::string& path) const;
  // Deletes every staged file and batch folder, keeping the staging folder itself.
  void RemoveAll() const;
  // The staging folder, empty until something was staged.
  const std::string& Folder() const { return folder_; }

  // Staged names built from a question's slot and a variant's index.
  static std::string QuestionPictureName(int slot);
  static std::string QuestionSoundName(int slot);
  static std::string AnswerPictureName(int slot, int index);
  static std::string AnswerSoundName(int slot, int index);

 private:
  std::string folder_;
  int batch_ = 0;
};

}  // namespace vornet
