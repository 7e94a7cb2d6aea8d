#pragma once
// CTesterDlg: the tester's one window. It draws the page of the question on screen (the
// question, its picture and the offered answers, centred one under another, and two time bars
// along the bottom) into a screen-sized off-screen bitmap and copies it to the window in one
// block. The pointer highlights an answer and plays its sound; a click answers. The menu opens
// a test through the file, description and candidate dialogs, changes the page font, and shows
// the help and the About box.

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/scrolbar.h>
#include <wx/timer.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/help_book.h"
#include "platform/wave_player.h"
#include "tester/page_layout.h"
#include "tester/test_run.h"
#include "tester/window_services.h"

namespace vornet {

// What a test may replace: the wave player, the clock, and the way the program ends when the
// results log cannot be opened.
struct TesterWindowOptions {
  std::unique_ptr<WavePlayer> player;  // default: a real WavePlayer
  std::function<int64_t()> clock;      // default: the calendar time
  std::function<void()> endProgram;    // default: ends the process with exit code 0
};

class CTesterDlg : public wxFrame {
 public:
  explicit CTesterDlg(TesterWindowOptions options = {});
  ~CTesterDlg() override;

  // Commands.
  void OpenTest();    // "&Открыть..." (F3)
  void ChooseFont();  // "&Шрифт..."
  void ShowAbout();   // "О &Программе"
  void ShowHelp();    // "&Содержание" (F1)

  // Draws the page for a client area of `width` × `height` pixels into the off-screen bitmap.
  void RenderPage(int width, int height);
  // The page's content or font changed: back to the top, draw, and set the scroll bar.
  void Relayout();
  // Draws the page and copies it to the window now.
  void Redraw();

  // Pointer and scrolling, in the page's client coordinates.
  void PointerMoved(int y);
  void LeftButtonReleased(int y);
  void Scroll(ScrollCode code, int thumbPosition = 0);
  void WheelTurned(int wheelDelta);

  // The run timer ticked.
  void RunTimerTick();

  TestRun& Run() { return run_; }
  wxWindow* Page() const { return page_; }
  wxScrollBar* PageScrollBar() const { return scrollBar_; }
  // A copy of the client-sized part of the off-screen page, as last drawn.
  wxImage PageSnapshot();
  const PageLayout& Layout() const { return layout_; }
  const wxString& FontFace() const { return fontFace_; }
  int FontHeight() const { return fontHeight_; }
  int ScrollPos() const { return scrollPos_; }
  int PageHeight() const { return pageHeight_; }
  int ContentHeight() const { return contentHeight_; }
  int HoverItem() const { return hoverItem_; }
  // How many times the page has been drawn.
  int RenderCount() const { return renderCount_; }
  bool RunTimerRunning() const { return runTimer_.IsRunning(); }
  HelpBook& Help() { return help_; }

 private:
  friend class WindowServices;

  void BuildMenu();
  void BindEvents();
  void OnClose(wxCloseEvent& event);
  void OnPaint(wxPaintEvent& event);
  void CopyToWindow(wxDC& target);
  // Sets the scroll bar to the page's height, showing it only while the page is taller than the
  // window.
  void SetPageScrollBar();
  // The open chain for a chosen file; false when the candidate asked for another file.
  bool OpenChosenFile(std::string path);
  void ForgetHover();

  std::unique_ptr<WavePlayer> player_;
  std::function<void()> endProgram_;
  WindowServices services_;
  TestRun run_;

  wxWindow* page_ = nullptr;  // the self-drawn client area
  wxScrollBar* scrollBar_ = nullptr;
  wxBitmap backBuffer_;
  wxSize renderedSize_;  // the client size the off-screen page was last drawn for
  wxMemoryDC backDc_;
  wxTimer runTimer_;
  HelpBook help_;

  wxString fontFace_ = "Arial";
  int fontHeight_ = 29;
  int scrollPos_ = 0;
  int pageHeight_ = 0;
  int contentHeight_ = 0;
  int hoverItem_ = 0;
  int previousHoverItem_ = 0;
  PageLayout layout_;
  int renderCount_ = 0;
};

}  // namespace vornet
