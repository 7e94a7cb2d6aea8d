#include "interchange/element_scanner.h"

namespace vornet {
namespace {

int FirstByte(const std::string& marker) { return static_cast<unsigned char>(marker[0]); }

}  // namespace

ElementScanner::ElementScanner(const std::array<ImportTemplateProfile, 3>& profiles)
    : profiles_(profiles) {
  for (int mask = 0; mask < 8; ++mask) {
    std::array<bool, 256>& acts = actionBytes_[mask];
    acts[0] = true;  // a zero byte is never collected
    for (int kind = 0; kind < 3; ++kind) {
      const ImportTemplateProfile& profile = profiles_[kind];
      if (mask & (1 << kind)) {
        acts[profile.endMarker.empty() ? '\r' : FirstByte(profile.endMarker)] = true;
      } else if (!profile.beginMarker.empty()) {
        acts[FirstByte(profile.beginMarker)] = true;
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
  const std::array<bool, 256>& acts = actionBytes_[InsideMask()];
  const bool collecting = InsideMask() != 0;
  for (;;) {
    const std::string_view bytes = reader_->Peek();
    size_t quiet = 0;
    while (quiet < bytes.size() && !acts[static_cast<unsigned char>(bytes[quiet])]) ++quiet;
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
