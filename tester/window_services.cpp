#include "tester/window_services.h"

#include <wx/image.h>
#include <wx/log.h>

#include "platform/message_box.h"
#include "platform/wx_text.h"
#include "tester/results_log.h"
#include "tester/tester_dlg.h"

namespace vornet {

std::shared_ptr<DecodedPicture> DecodeBitmapFile(const std::string& path) {
  wxLogNull quiet;  // a damaged picture is simply not shown
  wxImage image;
  if (!image.LoadFile(FromPath(path), wxBITMAP_TYPE_BMP) || !image.IsOk()) return nullptr;
  return std::make_shared<PagePicture>(wxBitmap(image));
}

int64_t WindowServices::Now() { return clock_ ? clock_() : RunServices::Now(); }

void WindowServices::StopSound() { window_.player_->Stop(); }

std::shared_ptr<DecodedPicture> WindowServices::DecodePicture(const std::string& path) {
  return DecodeBitmapFile(path);
}

void WindowServices::RequestRelayout() { window_.Relayout(); }

void WindowServices::RequestRedraw() { window_.Redraw(); }

void WindowServices::StartTimer() { window_.runTimer_.Start(1000); }

void WindowServices::StopTimer() { window_.runTimer_.Stop(); }

void WindowServices::RunWasReset() { window_.ForgetHover(); }

void WindowServices::ShowResultMessage(const std::string& textUtf8) {
  wxString text = wxString::FromUTF8(textUtf8);
  text.Replace("\r\n", "\n");  // two lines on screen
  ShowMessage(&window_, text, kCaptionResult, MessageIcon::Information);
}

void WindowServices::ResultsLogUnavailable() {
  ShowMessage(&window_, wxString::FromUTF8(kResultsLogNoAccessText), kCaptionError,
              MessageIcon::Stop);
  window_.endProgram_();
}

}  // namespace vornet
