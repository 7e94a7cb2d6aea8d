#include "platform/russian_interface.h"

#include <wx/intl.h>
#include <wx/translation.h>

namespace vornet {

void UseRussianInterface() {
  auto* translations = new wxTranslations;
  translations->SetLanguage(wxLANGUAGE_RUSSIAN);
  // wxWidgets' own catalogue comes from Debian's wx3.2-i18n; without it the texts stay English.
  translations->AddStdCatalog();
  wxTranslations::Set(translations);
}

}  // namespace vornet
