#pragma once
// The open-file dialog behind the "Выбрать" buttons of the question and answer dialogs.

#include <string>

class wxWindow;

namespace vornet {

enum class MediaKind { Picture, Sound };

// Offers the .bmp or .wav files, starting from `storedPath`; the chosen file must exist. False
// when cancelled. Like every file dialog of the creator it leaves the chosen file's folder as the
// working folder.
bool BrowseForMedia(wxWindow* parent, MediaKind kind, const std::string& storedPath,
                    std::string& chosen);

}  // namespace vornet
