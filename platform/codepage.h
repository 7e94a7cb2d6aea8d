#pragma once
// Conversions between the code pages the programs meet: every text of a test is held as
// Windows-1251 bytes; windows show Unicode (UTF-8 here); text files may be in code page 866.

#include <string>
#include <string_view>

namespace vornet {

// Windows-1251 bytes to UTF-8. Every byte has a character, so nothing is lost.
std::string Cp1251ToUtf8(std::string_view cp1251);

// UTF-8 to Windows-1251. A character that 1251 lacks, and a malformed UTF-8 sequence, become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// Appends one code point (below U+10000) to a UTF-8 string.
void AppendUtf8(std::string& out, char32_t c);

// The Unicode code point of one Windows-1251 byte.
char32_t Cp1251CharToUnicode(unsigned char byte);

// Windows-1251 to code page 866 and back, byte for byte (the platform's CharToOemA and
// OemToCharA). Bytes below 0x80 are the same in both pages.
std::string AnsiToOem(std::string_view ansi);
std::string OemToAnsi(std::string_view oem);

}  // namespace vornet
