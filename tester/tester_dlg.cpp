#include "tester/tester_dlg.h"

#include <wx/accel.h>
#include <wx/fontdlg.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/message_box.h"
#include "resources/icons/tester.xpm"
#include "tester/command_ids.h"
#include "tester/menu_placement.h"
#include "tester/tester_about_dlg.h"

namespace vornet {
namespace {

using namespace tester_ids;

// Without a results log no run may start: the program ends at once, like a process exit.
void EndProgramNow() {
  std::fflush(nullptr);
  std::_Exit(0);
}

// Icon 128 at the sizes window managers ask for.
wxIconBundle ProgramIcons() {
  const wxImage image = wxBitmap(tester_xpm).ConvertToImage();
  wxIconBundle icons;
  for (int size : {16, 32, 48}) {
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(image.Scale(size, size, wxIMAGE_QUALITY_HIGH)));
    icons.AddIcon(icon);
  }
  return icons;
}

}  // namespace

CTesterDlg::CTesterDlg(TesterWindowOptions options)
    : wxFrame(nullptr, wxID_ANY, "Vornet - Tester"),
      player_(options.player ? std::move(options.player) : std::make_unique<WavePlayer>()),
      endProgram_(options.endProgram ? std::move(options.endProgram) : EndProgramNow),
      services_(*this, std::move(options.clock)),
      run_(services_),
      runTimer_(this, kRunTimer),
      help_("tester") {
  SetIcons(ProgramIcons());
  BuildMenu();

  // The page and its own scroll bar beside it, which only shows while it is needed.
  auto* client = new wxPanel(this);
  page_ = new wxWindow(client, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS);
  page_->SetBackgroundStyle(wxBG_STYLE_PAINT);
  scrollBar_ = new wxScrollBar(client, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
  scrollBar_->Hide();
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(page_, 1, wxEXPAND);
  row->Add(scrollBar_, 0, wxEXPAND);
  client->SetSizer(row);

  // The page is drawn at any size up to the screen's without a new bitmap.
  backBuffer_ = wxBitmap(wxGetDisplaySize());
  backDc_.SelectObject(backBuffer_);

  ResetRun(run_);
  BindEvents();
  SetClientSize(ConvertDialogToPixels(wxSize(450, 300)));
  page_->SetFocus();
}

CTesterDlg::~CTesterDlg() {
  help_.Close();
  runTimer_.Stop();
  CloseTestFile(run_);
  StopAndClearSounds(run_);
  // The page's handlers use this object's members, which are about to go: the page goes first.
  page_->GetParent()->Destroy();
  page_ = nullptr;
  scrollBar_ = nullptr;
  backDc_.SelectObject(wxNullBitmap);
}

void CTesterDlg::BuildMenu() {
  auto* file = new wxMenu;
  file->Append(kOpen, wxString::FromUTF8("&Открыть...\tF3"));
  file->AppendSeparator();
  file->Append(kExit, wxString::FromUTF8("&Выход"));
  auto* settings = new wxMenu;
  settings->Append(kFont, wxString::FromUTF8("&Шрифт..."));
  auto* help = new wxMenu;
  help->Append(kHelpContents, wxString::FromUTF8("&Содержание\tF1"));
  help->AppendSeparator();
  help->Append(kAbout, wxString::FromUTF8("О &Программе"));

  auto* bar = new wxMenuBar;
  bar->Append(file, wxString::FromUTF8("&Файл"));
  bar->Append(settings, wxString::FromUTF8("&Настройки"));
  bar->Append(help, wxString::FromUTF8("&Справка"));
  SetMenuBar(bar);
  PlaceMenuAtRightEnd(help);

  // Accelerator table 140. Esc sends a command that nothing handles, so it does nothing.
  wxAcceleratorEntry keys[] = {
      wxAcceleratorEntry(wxACCEL_NORMAL, WXK_ESCAPE, kEscape),
      wxAcceleratorEntry(wxACCEL_NORMAL, WXK_F3, kOpen),
  };
  SetAcceleratorTable(wxAcceleratorTable(2, keys));
}

void CTesterDlg::BindEvents() {
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OpenTest(); }, kOpen);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, kExit);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ChooseFont(); }, kFont);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ShowHelp(); }, kHelpContents);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ShowAbout(); }, kAbout);
  Bind(wxEVT_CLOSE_WINDOW, &CTesterDlg::OnClose, this);
  Bind(
      wxEVT_TIMER, [this](wxTimerEvent&) { RunTimerTick(); }, kRunTimer);

  page_->Bind(wxEVT_PAINT, &CTesterDlg::OnPaint, this);
  page_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    Relayout();
  });
  // Entering the page is a move too: the pointer may jump in without moving inside.
  for (const auto& type : {wxEVT_MOTION, wxEVT_ENTER_WINDOW}) {
    page_->Bind(type, [this](wxMouseEvent& event) {
      event.Skip();
      PointerMoved(event.GetY());
    });
  }
  page_->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    event.Skip();
    LeftButtonReleased(event.GetY());
  });
  page_->Bind(wxEVT_MOUSEWHEEL, [this](wxMouseEvent& event) {
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL) WheelTurned(event.GetWheelRotation());
  });
  const std::pair<wxEventTypeTag<wxScrollEvent>, ScrollCode> scrollEvents[] = {
      {wxEVT_SCROLL_LINEUP, ScrollCode::LineUp},    {wxEVT_SCROLL_LINEDOWN, ScrollCode::LineDown},
      {wxEVT_SCROLL_PAGEUP, ScrollCode::PageUp},    {wxEVT_SCROLL_PAGEDOWN, ScrollCode::PageDown},
      {wxEVT_SCROLL_THUMBTRACK, ScrollCode::Thumb}, {wxEVT_SCROLL_THUMBRELEASE, ScrollCode::Thumb},
      {wxEVT_SCROLL_TOP, ScrollCode::Other},        {wxEVT_SCROLL_BOTTOM, ScrollCode::Other},
  };
  for (const auto& [type, code] : scrollEvents) {
    scrollBar_->Bind(
        type, [this, code = code](wxScrollEvent& event) { Scroll(code, event.GetPosition()); });
  }
}

void CTesterDlg::OnClose(wxCloseEvent& event) {
  if (event.CanVeto() &&
      ShowMessage(this, wxString::FromUTF8("Завершить работу?"), kCaptionConfirmation,
                  MessageIcon::Question, MessageButtons::OkCancel) != wxID_OK) {
    event.Veto();  // back to the test, whose clocks kept running
    return;
  }
  Destroy();
}

void CTesterDlg::RunTimerTick() { TimerTick(run_); }

void CTesterDlg::ShowAbout() {
  CTesterAboutDlg about(this);
  about.ShowModal();
}

void CTesterDlg::ShowHelp() { help_.Display(this); }

void CTesterDlg::ChooseFont() {
  wxFontData data;
  data.SetInitialFont(wxFont(wxFontInfo(wxSize(0, fontHeight_)).FaceName(fontFace_)));
  data.EnableEffects(false);
  wxFontDialog chooser(this, data);
  if (chooser.ShowModal() == wxID_OK) {
    const wxFont chosen = chooser.GetFontData().GetChosenFont();
    if (chosen.IsOk()) {
      fontFace_ = chosen.GetFaceName();
      // The height of a line in the chosen font, in pixels: the measure the page uses.
      backDc_.SetFont(chosen);
      fontHeight_ = std::clamp(backDc_.GetCharHeight(), 1, 32767);
    }
  }
  scrollPos_ = 0;
  Relayout();
}

void CTesterDlg::ForgetHover() {
  hoverItem_ = 0;
  previousHoverItem_ = 0;
  scrollPos_ = 0;
}

}  // namespace vornet
