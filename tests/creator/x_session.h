#pragma once
// A private X display for end-to-end tests: Xvfb with openbox as window manager, programs started
// on it, and the user's keyboard and mouse through xdotool. Windows are found by their UTF-8
// title (_NET_WM_NAME), the only title GTK sets.

#include <sys/types.h>

#include <string>
#include <vector>

namespace vornet::testing {

class XSession {
 public:
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool Ready() const { return !display_.empty(); }
  const std::string& Display() const { return display_; }

  // Starts `program` in `workingDir` on this display, with extra "NAME=value" environment
  // entries; returns its process id.
  pid_t Start(const std::string& program, const std::string& workingDir,
              const std::vector<std::string>& environment = {});
  // Waits for the process to end; its exit code, or -1 when it did not end in time.
  int WaitForExit(pid_t pid, int timeoutMs);

  // The window with this title (UTF-8), waiting up to `timeoutMs`; empty when none appears.
  std::string WaitForWindow(const std::string& title, int timeoutMs = 10000);
  bool WaitForWindowGone(const std::string& title, int timeoutMs = 10000);
  std::vector<std::string> WindowTitles();

  // xdotool's commands on this display, e.g. Key("F2"), Type("текст").
  void Activate(const std::string& window);
  void Key(const std::string& keys);
  void Type(const std::string& utf8);
  // Saves the screen (or one window) as PNG.
  void Screenshot(const std::string& path, const std::string& window = "root");
  // Runs a shell command line with DISPLAY set to this display; its standard output.
  std::string Run(const std::string& commandLine);

 private:
  std::string display_;
  pid_t server_ = -1;
  pid_t windowManager_ = -1;
  std::vector<pid_t> programs_;
};

// Quotes a string for the shell.
std::string ShellQuoted(const std::string& text);

}  // namespace vornet::testing
