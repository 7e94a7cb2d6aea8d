#pragma once
// Command and control ids of the tester's windows.

namespace vornet::tester_ids {

// Menu 130 and accelerator table 140 of CTesterDlg. wxGTK refuses menu ids above 32767, so the
// commands 32771..32778 are numbered here 20000 lower and the help command 57670 30000 lower.
constexpr int kAbout = 12771;         // "О &Программе"
constexpr int kOpen = 12774;          // "&Открыть...\tF3"
constexpr int kFont = 12776;          // "&Шрифт..."
constexpr int kExit = 12777;          // "&Выход"
constexpr int kEscape = 12778;        // Esc: nothing handles it, so it does nothing
constexpr int kHelpContents = 27670;  // "&Содержание\tF1"

// The run timer.
constexpr int kRunTimer = 1;

// CDescriptionDlg (133).
constexpr int kTestName = 1006;
constexpr int kTestDescription = 1007;
// CCandidateDlg (136).
constexpr int kSurname = 1018;
constexpr int kFirstName = 1019;
constexpr int kPatronymic = 1020;
constexpr int kBirthYear = 1021;
// CTesterAboutDlg (139): the button that opens the maker's web page.
constexpr int kMakerPage = 1031;

}  // namespace vornet::tester_ids
