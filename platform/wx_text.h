#pragma once
// The window boundary: texts of a test are Windows-1251 bytes and paths are UTF-8; controls
// show Unicode. Convert only here.

#include <wx/string.h>

#include <string>

namespace vornet {

// Windows-1251 bytes to a control's text.
wxString FromAnsi(const std::string& cp1251);
// A control's text to Windows-1251 bytes; characters 1251 lacks become '?'.
std::string ToAnsi(const wxString& text);
// A path in the system's encoding to a control's text and back.
wxString FromPath(const std::string& path);
std::string ToPath(const wxString& text);

}  // namespace vornet
