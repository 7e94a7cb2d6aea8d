#include "platform/help_book.h"

#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/stdpaths.h>

#include "platform/wx_text.h"

namespace vornet {

HelpBook::HelpBook(std::string name) : name_(std::move(name)) {}

HelpBook::~HelpBook() { Close(); }

std::string HelpBook::FindBook() const {
  const wxString exeDir = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
  const wxString book = FromPath(name_) + "/" + FromPath(name_) + ".hhp";
  const wxString candidates[] = {
      exeDir + "/../share/vornet/help/" + book,  // installed
      exeDir + "/help/" + book,                  // beside the executable
      wxString(VORNET_SOURCE_DIR) + "/resources/help/" + book,  // running from the build folder
  };
  for (const wxString& candidate : candidates) {
    if (wxFileName::FileExists(candidate)) {
      wxFileName path(candidate);
      path.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
      return ToPath(path.GetFullPath());
    }
  }
  return std::string();
}

void HelpBook::Display(wxWindow* parent) {
  const std::string book = FindBook();
  if (book.empty()) return;
  if (!controller_) {
    controller_ = std::make_unique<wxHtmlHelpController>(wxHF_DEFAULT_STYLE, parent);
    controller_->SetTitleFormat(wxString::FromUTF8("Справка: %s"));
    if (!controller_->AddBook(wxFileName(FromPath(book)))) {
      controller_.reset();
      return;
    }
  }
  const bool firstTime = !controller_->GetFrame();
  controller_->DisplayContents();
  // The viewer's own default size shows too little of a page.
  if (firstTime && controller_->GetFrame()) {
    controller_->GetFrame()->SetSize(controller_->GetFrame()->FromDIP(wxSize(960, 720)));
  }
}

void HelpBook::Close() {
  if (!controller_) return;
  if (wxHtmlHelpFrame* frame = controller_->GetFrame()) frame->Close(true);
  controller_.reset();
}

bool HelpBook::IsOpen() const { return controller_ && controller_->GetFrame() != nullptr; }

}  // namespace vornet
