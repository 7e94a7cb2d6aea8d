#include "interchange/element_scanner.h"

namespace vornet {
namespace {

int FirstByte(const std::string& marker) { return static_cast<unsigned char>(marker[0]); }

}  // namespace

ElementScanner::ElementScanner(const std::array<ImportTemplateProfile, 3>& profiles)
    : profiles_(profiles) {
  for (int mask = 0; mask < 8; ++mask) {
    // One byte per kind and the zero byte, which is never collected: at most four.
    ActionBytes& acts = actionBytes_[mask];
    acts.Add(0);
    for (int kind = 0; kind < 3; ++kind) {
      const ImportTemplateProfile& profile = profiles_[kind];
      if (mask & (1 << kind)) {
        acts.Add(
            static_cast<unsigned char>(profile.endMarker.empty() ? '\r' : profile.endMarker[0]));
      } else if (!profile.beginMarker.empty()) {
        acts.Add(static_cast<unsigned char>(profile.beginMarker[0]));
      }
    }
  }
}

bool ElementScanner::Scan(BufferedFileReader& reader, ElementSink& sink) {
  reader_ = &reader;
  while (!reader.AtEnd()) {
    SkipQuietBytes();
    if (reader.AtEnd()) break;
    ReadCurrent();
    for (int kind = 0; kind < 3; ++kind) Recognise(kind);
    if (current_ != kNoCharacter && InsideMask() != 0) {
      collectedText_.push_back(static_cast<char>(current_));
    }
    FinishPending(sink);
  }
  reader_ = nullptr;
  return !reader.Failed();
}

// A byte that no recogniser acts on is only collected (while an element is inside), and no
// element can be pending and ended then, since that is settled at the end of every step. Such
// bytes are taken in runs straight from the buffer.
void ElementScanner::SkipQuietBytes() {
  const ActionBytes& acts = actionBytes_[InsideMask()];
  const bool collecting = InsideMask() != 0;
  for (;;) {
    const std::string_view bytes = reader_->Peek();
    const size_t quiet = acts.QuietPrefix(bytes.data(), bytes.size());
    if (collecting) collectedText_.append(bytes.data(), quiet);
    reader_->Advance(quiet);
    if (quiet < bytes.size() || bytes.empty()) return;
  }
}

void ElementScanner::ReadCurrent() {
  const int byte = reader_->ReadByte();
  current_ = byte > 0 ? byte : kNoCharacter;
  afterCurrent_ = reader_->Position();
}

// Compares the bytes after the current character with the marker's second character on. A byte
// that is the last of the file never completes a marker. On failure the file is put back to
// just after the current character.
bool ElementScanner::LookAhead(const std::string& marker) {
  for (size_t k = 1; k < marker.size(); ++k) {
    const int byte = reader_->ReadByte();
    if (byte <= 0 || byte != static_cast<unsigned char>(marker[k]) || reader_->AtEnd()) {
      reader_->Seek(afterCurrent_);
      return false;
    }
  }
  return true;
}

void ElementScanner::Recognise(int kind) {
  const ImportTemplateProfile& profile = profiles_[kind];
  if (!inside_[kind]) {
    if (profile.beginMarker.empty() || current_ != FirstByte(profile.beginMarker)) return;
    if (!LookAhead(profile.beginMarker)) return;
    inside_[kind] = true;
    pendingKind_ = kind;
    ReadCurrent();
  }
  if (!profile.endMarker.empty()) {
    if (current_ == FirstByte(profile.endMarker) && LookAhead(profile.endMarker)) {
      inside_[kind] = false;
      ReadCurrent();
    }
  } else if (current_ == '\r') {
    // The byte after the carriage return (normally its line feed) is skipped.
    inside_[kind] = false;
    reader_->Seek(afterCurrent_ + 1);
  }
}

void ElementScanner::FinishPending(ElementSink& sink) {
  if (pendingKind_ == kNoKind || inside_[pendingKind_]) return;
  const ElementKind kind = static_cast<ElementKind>(pendingKind_);
  pendingKind_ = kNoKind;
  sink.ElementEnded(kind, collectedText_);
  collectedText_.clear();
}

}  // namespace vornet
