#include "interchange/element_scanner.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "interchange/action_bytes.h"
#include "platform/locked_file.h"
#include "tests/support/test_files.h"

namespace vornet::testing {
namespace {

using Events = std::vector<std::pair<int, std::string>>;

class RecordingSink : public ElementSink {
 public:
  void ElementEnded(ElementKind kind, const std::string& collectedText) override {
    events.emplace_back(static_cast<int>(kind), collectedText);
  }
  Events events;
};

// The reading rules taken literally: one byte per step from an in-memory file, no buffering and
// no shortcuts. The scanner under test must deliver exactly the same elements.
class LiteralScanner {
 public:
  LiteralScanner(const std::string& file, const std::array<ImportTemplateProfile, 3>& profiles)
      : file_(file), profiles_(profiles) {}

  Events Run() {
    while (pos_ < file_.size()) {
      ReadCurrent();
      for (int kind = 0; kind < 3; ++kind) Recognise(kind);
      if (c_ != -1 && (inside_[0] || inside_[1] || inside_[2])) text_ += static_cast<char>(c_);
      if (pending_ != -1 && !inside_[pending_]) {
        events_.emplace_back(pending_, text_);
        text_.clear();
        pending_ = -1;
      }
    }
    return events_;
  }

 private:
  void ReadCurrent() {
    c_ = -1;
    if (pos_ < file_.size()) {
      const unsigned char byte = file_[pos_++];
      if (byte != 0) c_ = byte;
    }
    after_ = pos_;
  }

  bool LookAhead(const std::string& marker) {
    for (size_t k = 1; k < marker.size(); ++k) {
      const bool differs = pos_ >= file_.size() || file_[pos_] == '\0' || file_[pos_] != marker[k];
      if (!differs) ++pos_;
      if (differs || pos_ == file_.size()) {
        pos_ = after_;
        return false;
      }
    }
    return true;
  }

  void Recognise(int kind) {
    const ImportTemplateProfile& p = profiles_[kind];
    if (!inside_[kind]) {
      if (p.beginMarker.empty() || c_ != static_cast<unsigned char>(p.beginMarker[0])) return;
      if (!LookAhead(p.beginMarker)) return;
      inside_[kind] = true;
      pending_ = kind;
      ReadCurrent();
    }
    if (!p.endMarker.empty()) {
      if (c_ == static_cast<unsigned char>(p.endMarker[0]) && LookAhead(p.endMarker)) {
        inside_[kind] = false;
        ReadCurrent();
      }
    } else if (c_ == '\r') {
      inside_[kind] = false;
      pos_ = std::min(after_ + 1, file_.size());
    }
  }

  const std::string& file_;
  const std::array<ImportTemplateProfile, 3>& profiles_;
  size_t pos_ = 0;
  size_t after_ = 0;
  int c_ = -1;
  bool inside_[3] = {false, false, false};
  int pending_ = -1;
  std::string text_;
  Events events_;
};

ImportTemplateProfile Markers(const std::string& begin, const std::string& end) {
  ImportTemplateProfile profile;
  profile.beginMarker = Ansi(begin);
  profile.endMarker = Ansi(end);
  return profile;
}

const std::vector<std::array<ImportTemplateProfile, 3>> kProfileSets = {
    {Markers("Вопрос", ""), Markers("Ответ", ""), Markers("+", "")},
    {Markers("Вопрос", "##"), Markers("От", "#"), Markers("+", ":")},
    {Markers("В:", "\r\n"), Markers("В", ""), Markers("", "")},
    {Markers("+", "++"), Markers("++", "+"), Markers("\r", "\n")},
};

const std::vector<std::string> kPieces = {"Вопрос",
                                          "Воп",
                                          "В",
                                          "В:",
                                          "Ответ",
                                          "От",
                                          "О",
                                          "+",
                                          "++",
                                          "#",
                                          "##",
                                          ":",
                                          " ",
                                          "1",
                                          "x",
                                          "\r",
                                          "\n",
                                          "\r\n",
                                          std::string(1, '\0')};

TEST(ElementScanner, MatchesTheLiteralRulesOnRandomFiles) {
  TempDir dir;
  const std::string path = dir.File("random.txt");
  std::mt19937 random(20240601);
  for (int round = 0; round < 300; ++round) {
    std::string file;
    const int pieces = std::uniform_int_distribution<int>(0, 120)(random);
    for (int i = 0; i < pieces; ++i) {
      file += Ansi(kPieces[std::uniform_int_distribution<size_t>(0, kPieces.size() - 1)(random)]);
    }
    WriteFileBytes(path, file);
    for (const auto& profiles : kProfileSets) {
      const Events expected = LiteralScanner(file, profiles).Run();
      for (size_t blockSize : {1, 2, 3, 7, 65536}) {
        LockedFile opened = LockedFile::OpenForRead(path);
        ASSERT_TRUE(opened.IsOpen());
        BufferedFileReader reader(opened, file.size(), blockSize);
        RecordingSink sink;
        ElementScanner scanner(profiles);
        ASSERT_TRUE(scanner.Scan(reader, sink));
        ASSERT_EQ(sink.events, expected) << "round " << round << ", block " << blockSize;
      }
    }
  }
}

TEST(ActionBytes, FindsTheFirstMemberAtEveryOffset) {
  ActionBytes set;
  ASSERT_TRUE(set.Add('\r'));
  ASSERT_TRUE(set.Add(0xC2));
  ASSERT_TRUE(set.Add(0));
  ASSERT_TRUE(set.Add('+'));
  EXPECT_FALSE(set.Add('x'));
  EXPECT_TRUE(set.Add('+'));
  for (const char member : {'\r', '\xC2', '\0', '+'}) {
    for (size_t at = 0; at <= 40; ++at) {
      std::string bytes(40, 'a');
      if (at < bytes.size()) bytes[at] = member;
      if (at + 3 < bytes.size()) bytes[at + 3] = '+';
      EXPECT_EQ(set.QuietPrefix(bytes.data(), bytes.size()), at) << int(member) << " at " << at;
    }
  }
  EXPECT_EQ(ActionBytes().QuietPrefix("abc", 3), 3u);
}

TEST(BufferedFileReader, ReadsSeeksAndPeeksAcrossBlocks) {
  TempDir dir;
  const std::string path = dir.File("bytes.bin");
  const std::string bytes = PatternBytes(1000);
  WriteFileBytes(path, bytes);
  LockedFile file = LockedFile::OpenForRead(path);
  BufferedFileReader reader(file, bytes.size(), 7);
  std::string read;
  while (!reader.AtEnd()) read += static_cast<char>(reader.ReadByte());
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(reader.ReadByte(), -1);

  reader.Seek(3);
  EXPECT_EQ(reader.ReadByte(), static_cast<unsigned char>(bytes[3]));
  reader.Seek(995);
  EXPECT_EQ(reader.Peek(), std::string_view(bytes).substr(995, 5));
  reader.Advance(10);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.Failed());
}

TEST(BufferedFileReader, FileShorterThanItsLengthEndsEarly) {
  TempDir dir;
  const std::string path = dir.File("short.bin");
  WriteFileBytes(path, "abc");
  LockedFile file = LockedFile::OpenForRead(path);
  BufferedFileReader reader(file, 10);
  std::string read;
  while (!reader.AtEnd()) read += static_cast<char>(reader.ReadByte());
  EXPECT_EQ(read, "abc");
  EXPECT_TRUE(reader.Failed());
}

}  // namespace
}  // namespace vornet::testing
