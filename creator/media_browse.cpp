#include "creator/media_browse.h"

#include "platform/file_dialogs.h"

namespace vornet {

bool BrowseForMedia(wxWindow* parent, MediaKind kind, const std::string& storedPath,
                    std::string& chosen) {
  FileDialogOptions options;
  options.filter = kind == MediaKind::Picture ? "Pictures (*.bmp)|*.bmp|All Files (*.*)|*.*"
                                              : "Sounds (*.wav)|*.wav|All Files (*.*)|*.*";
  options.initialPath = storedPath;
  return ChooseFileToOpen(parent, options, chosen);
}

}  // namespace vornet
