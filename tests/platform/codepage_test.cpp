#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace vornet {
namespace {

struct UpperByte {
  unsigned char cp1251;
  const char* utf8;       // the character as UTF-8
  unsigned char cp866;    // CharToOemA of the 1251 byte
};

// Every upper byte of Windows-1251: its Unicode character and its code page 866 byte.
// Where 866 lacks the character, a look-alike or '?' stands in.
const UpperByte kUpperBytes[] = {
    {0x80, "Ђ", '?'},  {0x81, "Ѓ", 0x83}, {0x82, "‚", ','},  {0x83, "ѓ", 0xA3},
    {0x84, "„", '"'},  {0x85, "…", '.'},  {0x86, "†", '+'},  {0x87, "‡", '+'},
    {0x88, "€", 'E'},  {0x89, "‰", '%'},  {0x8A, "Љ", '?'},  {0x8B, "‹", '<'},
    {0x8C, "Њ", '?'},  {0x8D, "Ќ", 0x8A}, {0x8E, "Ћ", '?'},  {0x8F, "Џ", '?'},
    {0x90, "ђ", '?'},  {0x91, "‘", '\''}, {0x92, "’", '\''}, {0x93, "“", '"'},
    {0x94, "”", '"'},  {0x95, "•", 0xF9}, {0x96, "–", '-'},  {0x97, "—", '-'},
    {0x98, "\xC2\x98", '?'}, {0x99, "™", 'T'}, {0x9A, "љ", '?'}, {0x9B, "›", '>'},
    {0x9C, "њ", '?'},  {0x9D, "ќ", 0xAA}, {0x9E, "ћ", '?'},  {0x9F, "џ", '?'},
    {0xA0, "\xC2\xA0", 0xFF}, {0xA1, "Ў", 0xF6}, {0xA2, "ў", 0xF7}, {0xA3, "Ј", 'J'},
    {0xA4, "¤", 0xFD}, {0xA5, "Ґ", 0x83}, {0xA6, "¦", '|'},  {0xA7, "§", '?'},
    {0xA8, "Ё", 0xF0}, {0xA9, "©", 'c'},  {0xAA, "Є", 0xF2}, {0xAB, "«", '<'},
    {0xAC, "¬", '-'},  {0xAD, "\xC2\xAD", '-'}, {0xAE, "®", 'R'}, {0xAF, "Ї", 0xF4},
    {0xB0, "°", 0xF8}, {0xB1, "±", '+'},  {0xB2, "І", 'I'},  {0xB3, "і", 'i'},
    {0xB4, "ґ", 0xA3}, {0xB5, "µ", 'u'},  {0xB6, "¶", '?'},  {0xB7, "·", 0xFA},
    {0xB8, "ё", 0xF1}, {0xB9, "№", 0xFC}, {0xBA, "є", 0xF3}, {0xBB, "»", '>'},
    {0xBC, "ј", 'j'},  {0xBD, "Ѕ", 'S'},  {0xBE, "ѕ", 's'},  {0xBF, "ї", 0xF5},
    {0xC0, "А", 0x80}, {0xC1, "Б", 0x81}, {0xC2, "В", 0x82}, {0xC3, "Г", 0x83},
    {0xC4, "Д", 0x84}, {0xC5, "Е", 0x85}, {0xC6, "Ж", 0x86}, {0xC7, "З", 0x87},
    {0xC8, "И", 0x88}, {0xC9, "Й", 0x89}, {0xCA, "К", 0x8A}, {0xCB, "Л", 0x8B},
    {0xCC, "М", 0x8C}, {0xCD, "Н", 0x8D}, {0xCE, "О", 0x8E}, {0xCF, "П", 0x8F},
    {0xD0, "Р", 0x90}, {0xD1, "С", 0x91}, {0xD2, "Т", 0x92}, {0xD3, "У", 0x93},
    {0xD4, "Ф", 0x94}, {0xD5, "Х", 0x95}, {0xD6, "Ц", 0x96}, {0xD7, "Ч", 0x97},
    {0xD8, "Ш", 0x98}, {0xD9, "Щ", 0x99}, {0xDA, "Ъ", 0x9A}, {0xDB, "Ы", 0x9B},
    {0xDC, "Ь", 0x9C}, {0xDD, "Э", 0x9D}, {0xDE, "Ю", 0x9E}, {0xDF, "Я", 0x9F},
    {0xE0, "а", 0xA0}, {0xE1, "б", 0xA1}, {0xE2, "в", 0xA2}, {0xE3, "г", 0xA3},
    {0xE4, "д", 0xA4}, {0xE5, "е", 0xA5}, {0xE6, "ж", 0xA6}, {0xE7, "з", 0xA7},
    {0xE8, "и", 0xA8}, {0xE9, "й", 0xA9}, {0xEA, "к", 0xAA}, {0xEB, "л", 0xAB},
    {0xEC, "м", 0xAC}, {0xED, "н", 0xAD}, {0xEE, "о", 0xAE}, {0xEF, "п", 0xAF},
    {0xF0, "р", 0xE0}, {0xF1, "с", 0xE1}, {0xF2, "т", 0xE2}, {0xF3, "у", 0xE3},
    {0xF4, "ф", 0xE4}, {0xF5, "х", 0xE5}, {0xF6, "ц", 0xE6}, {0xF7, "ч", 0xE7},
    {0xF8, "ш", 0xE8}, {0xF9, "щ", 0xE9}, {0xFA, "ъ", 0xEA}, {0xFB, "ы", 0xEB},
    {0xFC, "ь", 0xEC}, {0xFD, "э", 0xED}, {0xFE, "ю", 0xEE}, {0xFF, "я", 0xEF},
};

std::string Byte(unsigned char b) { return std::string(1, static_cast<char>(b)); }

TEST(CodePage, EveryUpperByteOf1251DecodesEncodesAndGoesToOem) {
  ASSERT_EQ(std::size(kUpperBytes), 128u);
  for (const UpperByte& row : kUpperBytes) {
    SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int(row.cp1251));
    EXPECT_EQ(Cp1251ToUtf8(Byte(row.cp1251)), row.utf8);
    EXPECT_EQ(Utf8ToCp1251(row.utf8), Byte(row.cp1251));
    EXPECT_EQ(AnsiToOem(Byte(row.cp1251)), Byte(row.cp866));
  }
}

TEST(CodePage, EveryUpperByteOf866GoesBackTo1251) {
  // Letters and the characters both pages share come back exactly.
  for (const UpperByte& row : kUpperBytes) {
    const auto oem = static_cast<unsigned char>(row.cp866);
    if (oem < 0x80) continue;
    bool sharedCharacter = true;
    for (const UpperByte& other : kUpperBytes) {
      if (&other != &row && other.cp866 == row.cp866) sharedCharacter = false;
    }
    if (!sharedCharacter) continue;  // a look-alike target (e.g. Г for Ѓ) maps to the letter
    EXPECT_EQ(OemToAnsi(Byte(oem)), Byte(row.cp1251)) << std::hex << int(oem);
  }
  // The 866 bytes with no 1251 character: box drawing, shades, blocks, root and square.
  const char* const kDrawing =
      "\xB0\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBB\xBC\xBD\xBE\xBF"
      "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
      "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF\xF9\xFB\xFE";
  EXPECT_EQ(OemToAnsi(kDrawing),
            "???|++++++|+++++"
            "++++-++++++++-++"
            "+++++++++++?????\x95??");
}

TEST(CodePage, LowerHalfIsTheSameEverywhere) {
  std::string ascii;
  for (int b = 0; b < 0x80; ++b) ascii += static_cast<char>(b);
  EXPECT_EQ(Cp1251ToUtf8(ascii), ascii);
  EXPECT_EQ(Utf8ToCp1251(ascii), ascii);
  EXPECT_EQ(AnsiToOem(ascii), ascii);
  EXPECT_EQ(OemToAnsi(ascii), ascii);
}

TEST(CodePage, CharactersThat1251LacksBecomeQuestionMarks) {
  struct Case {
    const char* utf8;
    const char* cp1251;
  } cases[] = {
      {"日本", "??"},                       // CJK
      {"Ω x", "? x"},                        // Greek
      {"\xF0\x9F\x98\x80!", "?!"},           // four-byte sequence
      {"a\xFF" "b", "a?b"},                  // malformed byte
      {"\xD0", "?"},                         // truncated sequence
      {"Тест", "\xD2\xE5\xF1\xF2"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
}

}  // namespace
}  // namespace vornet
