#include "model/media_staging.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace vornet {

MediaStaging::~MediaStaging() {
  if (folder_.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

std::string MediaStaging::PathFor(const std::string& fileName) {
  if (folder_.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vornet-media-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) return std::string();
    folder_.assign(buffer.data());
  }
  const std::string batchFolder = folder_ + "/" + std::to_string(batch_);
  if (::mkdir(batchFolder.c_str(), 0700) != 0 && errno != EEXIST) return std::string();
  return batchFolder + "/" + fileName;
}

bool MediaStaging::Holds(const std::string& path) const {
  return !folder_.empty() && path.size() > folder_.size() + 1 &&
         path.compare(0, folder_.size(), folder_) == 0 && path[folder_.size()] == '/' &&
         path.find("/..") == std::string::npos;
}

void MediaStaging::Remove(const std::string& path) const {
  if (Holds(path)) ::unlink(path.c_str());
}

void MediaStaging::RemoveAll() const {
  if (folder_.empty()) return;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    std::filesystem::remove_all(entry.path(), error);
  }
}

std::string MediaStaging::QuestionPictureName(int slot) { return std::to_string(slot) + "q.bmp"; }

std::string MediaStaging::QuestionSoundName(int slot) { return std::to_string(slot) + "q.wav"; }

std::string MediaStaging::AnswerPictureName(int slot, int index) {
  return std::to_string(slot) + "q" + std::to_string(index) + "a.bmp";
}

std::string MediaStaging::AnswerSoundName(int slot, int index) {
  return std::to_string(slot) + "q" + std::to_string(index) + "a.wav";
}

}  // namespace vornet
