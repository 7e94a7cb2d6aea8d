#pragma once
// Builds the bytes of a .qb test file field by field, so tests can make exact, odd or damaged
// files without going through the writer under test.

#include <cstdint>
#include <initializer_list>
#include <string>

namespace vornet::testing {

class QbBuilder {
 public:
  QbBuilder& Raw(const std::string& bytes) { bytes_ += bytes; return *this; }
  QbBuilder& Magic() { return Raw("QBv1.0"); }
  QbBuilder& U8(uint8_t v) { bytes_ += static_cast<char>(v); return *this; }
  QbBuilder& I16(int16_t v) {
    U8(static_cast<uint8_t>(v & 0xFF));
    return U8(static_cast<uint8_t>((v >> 8) & 0xFF));
  }
  QbBuilder& U32(uint32_t v) {
    for (int k = 0; k < 4; ++k) U8(static_cast<uint8_t>(v >> (8 * k)));
    return *this;
  }
  QbBuilder& Str(const std::string& text) {
    I16(static_cast<int16_t>(text.size()));
    return Raw(text);
  }
  QbBuilder& NoMedia() { return U8(0); }
  QbBuilder& Media(const std::string& data) {
    U8(1);
    U32(static_cast<uint32_t>(data.size()));
    return Raw(data);
  }
  // Magic, the three strings and the eight settings words.
  QbBuilder& Header(const std::string& name, const std::string& description,
                    const std::string& password, std::initializer_list<int16_t> settings) {
    Magic().Str(name).Str(description).Str(password);
    int written = 0;
    for (int16_t word : settings) {
      I16(word);
      ++written;
    }
    for (; written < 8; ++written) I16(0);
    return *this;
  }
  // A question record without media whose variants have no media.
  QbBuilder& PlainQuestion(const std::string& text,
                           std::initializer_list<std::pair<std::string, uint8_t>> answers) {
    Str(text).NoMedia().NoMedia().U8(static_cast<uint8_t>(answers.size()));
    for (const auto& [answer, accuracy] : answers) Str(answer).U8(accuracy).NoMedia().NoMedia();
    return *this;
  }

  const std::string& Bytes() const { return bytes_; }
  size_t Size() const { return bytes_.size(); }

 private:
  std::string bytes_;
};

}  // namespace vornet::testing
