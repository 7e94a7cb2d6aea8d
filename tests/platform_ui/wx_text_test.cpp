#include "platform/wx_text.h"

#include <gtest/gtest.h>

namespace vornet {
namespace {

TEST(WxText, TextsCrossTheWindowBoundaryAsWindows1251) {
  const std::string ansi = "\xD2\xE5\xF1\xF2 \xB9" "1";  // "Тест №1"
  EXPECT_EQ(FromAnsi(ansi), wxString::FromUTF8("Тест №1"));
  EXPECT_EQ(ToAnsi(wxString::FromUTF8("Тест №1")), ansi);
  EXPECT_EQ(ToAnsi(wxString::FromUTF8("日本")), "??");
}

TEST(WxText, PathsKeepTheSystemEncoding) {
  const std::string path = "/tmp/\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82.qb";  // UTF-8 "Тест"
  EXPECT_EQ(ToPath(FromPath(path)), path);
}

}  // namespace
}  // namespace vornet
