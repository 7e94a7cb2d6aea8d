// Builds the sample test that ships with Vornet: a few Russian questions, one with a picture and
// one with a sound, both drawn here, a time limit and random order. Usage:
//   make_sample_test OUTPUT_FOLDER
// It writes "Пример.qb" there; the picture and sound it embeds are removed again.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "model/test_file.h"
#include "platform/codepage.h"

namespace {

using vornet::Utf8ToCp1251;

void PutU16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void PutU32(std::string& out, uint32_t v) {
  for (int k = 0; k < 4; ++k) out += static_cast<char>((v >> (8 * k)) & 0xFF);
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// A 24-bit Windows bitmap: a green triangle on a light background.
std::string TriangleBitmap() {
  const int width = 160, height = 120;
  const int rowSize = (width * 3 + 3) / 4 * 4;
  std::string pixels;
  for (int row = 0; row < height; ++row) {  // bottom-up rows
    const int y = height - 1 - row;
    std::string line;
    for (int x = 0; x < width; ++x) {
      // The triangle's apex is at the top middle; its base at y = 105.
      const int half = (y - 15) * 70 / 90;
      const bool inside = y >= 15 && y <= 105 && std::abs(x - 80) <= half;
      const bool edge = inside && (y >= 103 || std::abs(x - 80) >= half - 2);
      unsigned char b = 245, g = 240, r = 235;
      if (edge) {
        b = 40, g = 90, r = 20;
      } else if (inside) {
        b = 80, g = 190, r = 60;
      }
      line += static_cast<char>(b);
      line += static_cast<char>(g);
      line += static_cast<char>(r);
    }
    line.resize(rowSize, '\0');
    pixels += line;
  }
  std::string bmp = "BM";
  PutU32(bmp, static_cast<uint32_t>(54 + pixels.size()));
  PutU32(bmp, 0);
  PutU32(bmp, 54);
  PutU32(bmp, 40);
  PutU32(bmp, width);
  PutU32(bmp, height);
  PutU16(bmp, 1);
  PutU16(bmp, 24);
  PutU32(bmp, 0);
  PutU32(bmp, static_cast<uint32_t>(pixels.size()));
  PutU32(bmp, 2835);
  PutU32(bmp, 2835);
  PutU32(bmp, 0);
  PutU32(bmp, 0);
  return bmp + pixels;
}

// A wave file: 0.8 s of a 440 Hz tone, 16-bit mono, softly faded in and out.
std::string ToneWave() {
  const int rate = 22050;
  const int samples = rate * 8 / 10;
  std::string data;
  for (int i = 0; i < samples; ++i) {
    const double fade = std::min(1.0, std::min(i, samples - i) / (rate * 0.05));
    const double value = 0.5 * fade * std::sin(2 * M_PI * 440.0 * i / rate);
    PutU16(data, static_cast<uint16_t>(static_cast<int16_t>(value * 32767)));
  }
  std::string wav = "RIFF";
  PutU32(wav, static_cast<uint32_t>(36 + data.size()));
  wav += "WAVEfmt ";
  PutU32(wav, 16);
  PutU16(wav, 1);
  PutU16(wav, 1);
  PutU32(wav, rate);
  PutU32(wav, rate * 2);
  PutU16(wav, 2);
  PutU16(wav, 16);
  wav += "data";
  PutU32(wav, static_cast<uint32_t>(data.size()));
  return wav + data;
}

struct Variant {
  const char* text;
  uint8_t accuracy;
};

void Add(vornet::TestDocument& doc, const char* question, const std::string& picture,
         const std::string& sound, std::initializer_list<Variant> variants) {
  const int position = vornet::AddQuestion(doc, Utf8ToCp1251(question), picture, sound);
  for (const Variant& v : variants) {
    vornet::AddAnswer(doc, position, Utf8ToCp1251(v.text), "", "", v.accuracy);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_test OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string picture = folder + "/sample-triangle.bmp";
  const std::string sound = folder + "/sample-tone.wav";
  if (!WriteFile(picture, TriangleBitmap()) || !WriteFile(sound, ToneWave())) {
    std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
    return 1;
  }
  auto doc = std::make_unique<vornet::TestDocument>();
  vornet::ResetTest(*doc);
  doc->testInfo.name = Utf8ToCp1251("Пример теста");
  doc->testInfo.description = Utf8ToCp1251(
      "Небольшой тест, который показывает возможности Vornet:\r\n"
      "вопросы с картинкой и звуком, ограничение времени и случайный порядок.");
  Add(*doc, "Сколько будет 2 + 2?", "", "", {{"3", 0}, {"4", 100}, {"5", 0}, {"22", 0}});
  Add(*doc, "Какая фигура изображена на рисунке?", picture, "",
      {{"Круг", 0}, {"Треугольник", 100}, {"Квадрат", 0}});
  Add(*doc, "Наведите указатель на вопрос и прослушайте звук. Что вы услышали?", "", sound,
      {{"Чистый тон", 100}, {"Человеческую речь", 0}, {"Тишину", 0}});
  Add(*doc, "Столица России?", "", "", {{"Москва", 100}, {"Санкт-Петербург", 0}, {"Казань", 0}});
  Add(*doc, "Какое из чисел простое?", "", "", {{"9", 0}, {"15", 0}, {"17", 100}, {"21", 0}});
  Add(*doc, "При какой температуре кипит вода при нормальном атмосферном давлении?", "", "",
      {{"90 °C", 0}, {"100 °C", 100}, {"120 °C", 0}, {"Примерно 100 °C, но это зависит от сорта чая", 50}});
  vornet::TestSettings& s = doc->testSettings;
  s.testTimeLimited = 1;
  s.testMinutes = 10;
  s.questionTimeLimited = 1;
  s.questionMinutes = 2;
  s.shuffleQuestions = 1;
  s.shuffleAnswers = 1;
  s.questionsToAsk = 6;
  s.answersToOffer = 4;
  doc->testFilePath = folder + "/Пример.qb";
  const int result = vornet::SaveTestFile(*doc);
  std::remove(picture.c_str());
  std::remove(sound.c_str());
  if (result != vornet::kFileOk) {
    std::fprintf(stderr, "cannot write %s\n", doc->testFilePath.c_str());
    return 1;
  }
  return 0;
}
