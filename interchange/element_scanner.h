#pragma once
// The reader of an import file: three recognisers (question, answer, right answers) watch every
// byte side by side and share one buffer of collected text. A recogniser that sees the first
// character of its marker looks ahead for the rest and puts the bytes back when they differ.
// Whatever is not recognised is skipped; there are no format errors.

#include <array>
#include <string>

#include "interchange/action_bytes.h"
#include "interchange/buffered_file_reader.h"
#include "interchange/import_profile.h"

namespace vornet {

enum class ElementKind { Question = 0, Answer = 1, RightAnswers = 2 };

// Receives every element that ends while it is the kind begun last, with its collected text.
class ElementSink {
 public:
  virtual ~ElementSink() = default;
  virtual void ElementEnded(ElementKind kind, const std::string& collectedText) = 0;
};

class ElementScanner {
 public:
  // The profiles are indexed by ElementKind and must outlive the scanner.
  explicit ElementScanner(const std::array<ImportTemplateProfile, 3>& profiles);

  // Reads the file from its position to its end. An element still open at the end is lost.
  // Returns false when reading failed part way (the elements ended before stay delivered).
  bool Scan(BufferedFileReader& reader, ElementSink& sink);

 private:
  static constexpr int kNoCharacter = -1;  // a zero byte, or nothing left to read
  static constexpr int kNoKind = -1;

  void ReadCurrent();
  bool LookAhead(const std::string& marker);
  void Recognise(int kind);
  void FinishPending(ElementSink& sink);
  void SkipQuietBytes();
  int InsideMask() const { return inside_[0] | inside_[1] << 1 | inside_[2] << 2; }

  const std::array<ImportTemplateProfile, 3>& profiles_;
  // For every combination of inside states: the bytes that make some recogniser act.
  std::array<ActionBytes, 8> actionBytes_;
  BufferedFileReader* reader_ = nullptr;
  int current_ = kNoCharacter;
  uint64_t afterCurrent_ = 0;  // the file position right after the current character
  std::array<bool, 3> inside_{};
  int pendingKind_ = kNoKind;
  std::string collectedText_;
};

}  // namespace vornet
