#include "platform/wx_text.h"

#include "platform/codepage.h"

namespace vornet {

wxString FromAnsi(const std::string& cp1251) {
  const std::string utf8 = Cp1251ToUtf8(cp1251);
  return wxString::FromUTF8(utf8.data(), utf8.size());
}

std::string ToAnsi(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return Utf8ToCp1251(std::string(utf8.data(), utf8.length()));
}

wxString FromPath(const std::string& path) {
  wxString text(path.c_str(), *wxConvFileName);
  // A name that is not valid in the file-name encoding still shows, byte for byte.
  if (text.empty() && !path.empty()) text = wxString::From8BitData(path.data(), path.size());
  return text;
}

std::string ToPath(const wxString& text) {
  const wxCharBuffer bytes = text.fn_str();
  return bytes.data() ? std::string(bytes.data()) : std::string();
}

}  // namespace vornet
