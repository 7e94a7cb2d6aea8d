#include "creator/creator_resources.h"

#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include "creator/command_ids.h"
#include "resources/icons/creator.xpm"

void InitCreatorXrc();  // generated from the templates in resources/creator

namespace vornet {

void LoadCreatorResources() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  using namespace creator_ids;
  const struct {
    const char* name;
    int id;
  } pinned[] = {
      {"ID_FILE_NEW", kNew},
      {"ID_FILE_LOAD", kLoad},
      {"ID_FILE_MERGE", kMerge},
      {"ID_FILE_SAVE", kSave},
      {"ID_FILE_SAVE_AS", kSaveAs},
      {"ID_FILE_IMPORT", kImport},
      {"ID_FILE_EXPORT", kExport},
      {"ID_FILE_EXIT", kExit},
      {"ID_TEST_COMPILE", kCompile},
      {"ID_TEST_PARAMETERS", kParameters},
      {"ID_HELP_CONTENTS", kHelpContents},
      {"ID_HELP_ABOUT", kAbout},
  };
  for (const auto& entry : pinned) wxXmlResource::GetXRCID(entry.name, entry.id);
  InitCreatorXrc();
}

wxIconBundle CreatorIcons() {
  const wxImage large(creator_xpm);
  wxIconBundle icons;
  for (int size : {48, 32, 16}) {
    wxIcon icon;
    icon.CopyFromBitmap(
        wxBitmap(size == large.GetWidth() ? large : large.Scale(size, size, wxIMAGE_QUALITY_HIGH)));
    icons.AddIcon(icon);
  }
  return icons;
}

}  // namespace vornet
