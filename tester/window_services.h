#pragma once
// The tester window's side of the run engine's services: the clock, the wave player, the bitmap
// loader, the page's re-layout and redraw, the run timer and the two messages.

#include <wx/bitmap.h>

#include <functional>

#include "tester/run_services.h"

namespace vornet {

class CTesterDlg;

// A picture decoded by wxWidgets' bitmap loader, drawn at its own size.
class PagePicture : public DecodedPicture {
 public:
  explicit PagePicture(const wxBitmap& bitmap) : bitmap_(bitmap) {}
  int Width() const override { return bitmap_.GetWidth(); }
  int Height() const override { return bitmap_.GetHeight(); }
  const wxBitmap& Bitmap() const { return bitmap_; }

 private:
  wxBitmap bitmap_;
};

// Decodes a Windows bitmap file; null when it does not decode (no message is shown).
std::shared_ptr<DecodedPicture> DecodeBitmapFile(const std::string& path);

class WindowServices : public RunServices {
 public:
  WindowServices(CTesterDlg& window, std::function<int64_t()> clock)
      : window_(window), clock_(std::move(clock)) {}

  int64_t Now() override;
  void StopSound() override;
  std::shared_ptr<DecodedPicture> DecodePicture(const std::string& path) override;
  void RequestRelayout() override;
  void RequestRedraw() override;
  void StartTimer() override;
  void StopTimer() override;
  void RunWasReset() override;
  void ShowResultMessage(const std::string& textUtf8) override;
  void ResultsLogUnavailable() override;

 private:
  CTesterDlg& window_;
  std::function<int64_t()> clock_;
};

}  // namespace vornet
