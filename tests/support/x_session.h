#pragma once
// A private X display for end-to-end tests: Xvfb with the openbox window manager, the real
// programs started on it, and a user's keyboard and mouse through xdotool. Windows are found by
// their UTF-8 title (_NET_WM_NAME), the only title GTK sets.

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vornet::testing {

// A program started in the background, in its own process group; stopped when the object goes.
class ChildProcess {
 public:
  // `output` receives the program's standard output and error; when empty they go to the file
  // named by VORNET_XSESSION_LOG, or nowhere. `environment` holds extra "NAME=value" entries.
  ChildProcess(const std::vector<std::string>& argv, const std::string& workingDir = "",
               const std::string& output = "", const std::vector<std::string>& environment = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // The exit code once the program ended within `timeout` (128 + signal when it was killed).
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

struct WindowGeometry {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class XSession {
 public:
  // Starts Xvfb (1280 × 1024) on a display number nobody uses and openbox on it; DISPLAY is set
  // for this process and the programs it starts, and put back when the session ends.
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool Ready() const { return ready_; }
  const std::string& Display() const { return display_; }

  // Starts `program` in `workingDir` with extra "NAME=value" environment entries; the session
  // stops it at the end if it is still running.
  ChildProcess& Start(const std::string& program, const std::string& workingDir,
                      const std::vector<std::string>& environment = {},
                      const std::string& output = "");

  // The id of the top-level window titled `title` (UTF-8), waiting for it up to `timeout`.
  std::optional<unsigned long> WaitForWindow(const std::string& title,
                                             std::chrono::milliseconds timeout);
  // True when no window titled `title` is left within `timeout`.
  bool WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout);
  bool HasWindow(const std::string& title);
  std::vector<unsigned long> Windows();
  // "0x400007 Vornet - Creation" for every top-level window; for failure messages.
  std::vector<std::string> WindowTitles();

  void Activate(unsigned long window);
  // xdotool key names: "F3", "Return", "ctrl+l", several separated by blanks.
  void Key(const std::string& keys);
  void Type(const std::string& utf8);
  void MoveMouse(int x, int y);
  void Click(int x, int y);
  WindowGeometry Geometry(unsigned long window);
  // Screen pixels of one column, top to bottom, as "#RRGGBB".
  std::vector<std::string> Column(int x, int y, int height);
  // Saves the window with its frame as a PNG file.
  void Screenshot(unsigned long window, const std::string& path);
  // Runs a shell command line on this display; its standard output.
  std::string Run(const std::string& commandLine);

 private:
  void MapCyrillicKeys();

  std::string display_;
  std::string previousDisplay_;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ChildProcess> windowManager_;
  std::vector<std::unique_ptr<ChildProcess>> programs_;
  bool ready_ = false;
};

// Runs a shell command and returns its standard output.
std::string Capture(const std::string& command);
// Quotes a string for the shell.
std::string ShellQuote(const std::string& text);

}  // namespace vornet::testing
