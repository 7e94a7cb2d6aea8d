#pragma once
// Small, valid media files for tests: a mono 16-bit wave of one constant sample value, and a
// 24-bit Windows bitmap of one colour.

#include <cstdint>
#include <string>

namespace vornet::testing {

inline void PutLE(std::string& out, uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) out += static_cast<char>((value >> (8 * k)) & 0xFF);
}

// `sampleCount` samples of `value` at 22050 Hz.
inline std::string WaveBytes(int sampleCount, int16_t value) {
  const uint32_t dataSize = static_cast<uint32_t>(sampleCount) * 2;
  std::string out = "RIFF";
  PutLE(out, 36 + dataSize, 4);
  out += "WAVEfmt ";
  PutLE(out, 16, 4);
  PutLE(out, 1, 2);          // PCM
  PutLE(out, 1, 2);          // mono
  PutLE(out, 22050, 4);      // samples per second
  PutLE(out, 22050 * 2, 4);  // bytes per second
  PutLE(out, 2, 2);          // block align
  PutLE(out, 16, 2);         // bits per sample
  out += "data";
  PutLE(out, dataSize, 4);
  for (int k = 0; k < sampleCount; ++k) PutLE(out, static_cast<uint16_t>(value), 2);
  return out;
}

struct Rgb {
  uint8_t r, g, b;
};

// A bottom-up 24-bit bitmap of width × height pixels whose colours `pixel(x, y)` gives (y from
// the top).
template <typename PixelFunction>
std::string BitmapBytesOf(int width, int height, PixelFunction pixel) {
  const int rowSize = (width * 3 + 3) / 4 * 4;
  const uint32_t imageSize = static_cast<uint32_t>(rowSize * height);
  std::string out = "BM";
  PutLE(out, 54 + imageSize, 4);
  PutLE(out, 0, 4);
  PutLE(out, 54, 4);
  PutLE(out, 40, 4);
  PutLE(out, static_cast<uint32_t>(width), 4);
  PutLE(out, static_cast<uint32_t>(height), 4);
  PutLE(out, 1, 2);
  PutLE(out, 24, 2);
  PutLE(out, 0, 4);
  PutLE(out, imageSize, 4);
  PutLE(out, 2835, 4);
  PutLE(out, 2835, 4);
  PutLE(out, 0, 4);
  PutLE(out, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const Rgb colour = pixel(x, y);
      row += static_cast<char>(colour.b);
      row += static_cast<char>(colour.g);
      row += static_cast<char>(colour.r);
    }
    row.resize(static_cast<size_t>(rowSize), '\0');
    out += row;
  }
  return out;
}

// A bitmap of one colour.
inline std::string BitmapBytes(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  return BitmapBytesOf(width, height, [=](int, int) { return Rgb{r, g, b}; });
}

}  // namespace vornet::testing
