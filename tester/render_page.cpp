// CTesterDlg: drawing the page, and what the pointer and the scroll bar do to it.

#include <wx/dcclient.h>

#include <algorithm>

#include "tester/tester_dlg.h"

namespace vornet {
namespace {

// Measures with the font selected into the drawing surface, in the drawn form of the text.
class DcTextMeasurer : public TextMeasurer {
 public:
  explicit DcTextMeasurer(wxDC& dc) : dc_(dc) {}
  int TextWidth(std::string_view cp1251) override {
    return dc_.GetTextExtent(wxString::FromUTF8(DrawnText(cp1251))).GetWidth();
  }

 private:
  wxDC& dc_;
};

wxFont PageFont(const wxString& face, int height, bool underlined) {
  return wxFont(wxFontInfo(wxSize(0, height))
                    .Family(wxFONTFAMILY_SWISS)
                    .FaceName(face)
                    .Underlined(underlined));
}

int16_t ClampToInt16(int value) { return static_cast<int16_t>(std::clamp(value, -32768, 32767)); }

}  // namespace

void CTesterDlg::RenderPage(int width, int height) {
  ++renderCount_;
  renderedSize_ = wxSize(width, height);
  wxMemoryDC& dc = backDc_;
  dc.SetPen(*wxWHITE_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(0, 0, width, height);

  // The time bars, the test's along the bottom edge and the question's above it.
  const wxColour blue(0, 0, 255);
  dc.SetPen(wxPen(blue, 1));
  dc.SetBrush(wxBrush(blue));
  const TestSettings& settings = run_.testSettings;
  if (HasTimeLimit(settings)) {
    const auto testBar = TimeBarLength(settings.testMinutes, run_.testElapsed, width);
    if (testBar && *testBar > 0) dc.DrawRectangle(0, height - 3, *testBar, 3);
    const auto questionBar = TimeBarLength(settings.questionMinutes, run_.questionElapsed, width);
    if (questionBar && *questionBar > 0) dc.DrawRectangle(0, height - 7, *questionBar, 3);
  }

  const wxFont plain = PageFont(fontFace_, fontHeight_, false);
  const wxFont underlined = PageFont(fontFace_, fontHeight_, true);
  dc.SetFont(plain);
  dc.SetTextForeground(*wxBLACK);

  std::vector<PageItemContent> contents;
  for (int k = 0; k <= run_.answerCount; ++k) {
    const PageItem& item = run_.items[k];
    PageItemContent content{item.text, item.hasPicture && item.picture, 0, 0};
    if (content.hasPicture) {
      content.pictureWidth = item.picture->Width();
      content.pictureHeight = item.picture->Height();
    }
    contents.push_back(content);
  }
  DcTextMeasurer measurer(dc);
  layout_ = LayOutPage(contents, width, fontHeight_, scrollPos_, run_.questionCount != 0, measurer);

  for (int k = 0; k <= run_.answerCount; ++k) {
    PageItem& item = run_.items[k];
    const PlacedItem& placed = layout_.items[k];
    if (placed.hasPicture) {
      if (auto* picture = dynamic_cast<const PagePicture*>(item.picture.get())) {
        dc.DrawBitmap(picture->Bitmap(), placed.pictureX, placed.pictureY);
      }
    }
    // The answer under the pointer is underlined on green; the question never is.
    const bool highlighted = k == hoverItem_ && k != 0;
    dc.SetFont(highlighted ? underlined : plain);
    dc.SetBackgroundMode(highlighted ? wxBRUSHSTYLE_SOLID : wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextBackground(highlighted ? wxColour(0, 255, 0) : *wxWHITE);
    for (const PlacedLine& line : placed.lines) {
      const wxString text = wxString::FromUTF8(DrawnText(line.text));
      const int lineWidth = dc.GetTextExtent(text).GetWidth();
      dc.DrawText(text, line.centreX - lineWidth / 2, line.y);
    }
    item.bandTop = ClampToInt16(placed.bandTop);
    item.bandBottom = ClampToInt16(placed.bandBottom);
  }
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetFont(wxNullFont);
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
  contentHeight_ = layout_.contentHeight;
}

void CTesterDlg::CopyToWindow(wxDC& target) {
  const wxSize client = page_->GetClientSize();
  target.Blit(0, 0, client.GetWidth(), client.GetHeight(), &backDc_, 0, 0);
}

wxImage CTesterDlg::PageSnapshot() {
  const wxSize client = page_->GetClientSize();
  wxBitmap copy(client);
  {
    wxMemoryDC target(copy);
    CopyToWindow(target);
  }
  return copy.ConvertToImage();
}

// Every change of the page is drawn when it happens (Redraw); a paint only copies the drawn page,
// unless the window's size changed since.
void CTesterDlg::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(page_);
  const wxSize client = page_->GetClientSize();
  if (client != renderedSize_) RenderPage(client.GetWidth(), client.GetHeight());
  CopyToWindow(dc);
}

void CTesterDlg::Redraw() {
  const wxSize client = page_->GetClientSize();
  RenderPage(client.GetWidth(), client.GetHeight());
  if (page_->IsShownOnScreen()) {
    page_->Refresh(false);
    page_->Update();  // copied to the screen now, not at the next idle time
  }
}

void CTesterDlg::Relayout() {
  scrollPos_ = 0;
  Redraw();
  pageHeight_ = PageHeightFor(page_->GetClientSize().GetHeight());
  SetPageScrollBar();
}

void CTesterDlg::SetPageScrollBar() {
  scrollBar_->SetScrollbar(0, std::max(pageHeight_, 1), std::max(contentHeight_, 1),
                           std::max(pageHeight_, 1));
  const bool needed = contentHeight_ > pageHeight_;
  if (needed != scrollBar_->IsShown()) {
    // The page's width changes with the bar, and the size change lays the page out again.
    scrollBar_->Show(needed);
    scrollBar_->GetParent()->Layout();
  }
}

void CTesterDlg::PointerMoved(int y) {
  if (run_.questionCount == 0) return;
  previousHoverItem_ = hoverItem_;
  hoverItem_ = ItemAt(layout_.items, 0, run_.answerCount, y);
  if (hoverItem_ == previousHoverItem_) return;
  // The highlight follows the pointer; the question has none, so it needs no redraw.
  if (hoverItem_ != 0) Redraw();
  if (hoverItem_ != -1) {
    const std::string& sound = run_.items[hoverItem_].soundFile;
    if (!sound.empty()) player_->Play(sound);
  }
}

void CTesterDlg::LeftButtonReleased(int y) {
  const int k = ItemAt(layout_.items, 1, run_.answerCount, y);
  if (k > 0) AnswerChosen(run_, k);
}

void CTesterDlg::Scroll(ScrollCode code, int thumbPosition) {
  scrollPos_ =
      ScrollTarget(code, scrollPos_, thumbPosition, fontHeight_, pageHeight_, contentHeight_);
  scrollBar_->SetThumbPosition(std::max(scrollPos_, 0));
  Redraw();
}

void CTesterDlg::WheelTurned(int wheelDelta) {
  if (const auto code = WheelScroll(wheelDelta, pageHeight_, contentHeight_)) Scroll(*code);
}

}  // namespace vornet
