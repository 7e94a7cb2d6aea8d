#pragma once
// A private X display for end-to-end tests: Xvfb with the openbox window manager, programs
// started on it, and a user's keyboard and mouse through xdotool. Windows are found by their
// UTF-8 title (_NET_WM_NAME), the only title GTK sets.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vornet::testing {

// A program started in the background; stopped when the object goes.
class ChildProcess {
 public:
  // `output` receives the program's standard output and error (empty: inherited).
  ChildProcess(const std::vector<std::string>& argv, const std::string& workingDir = "",
               const std::string& output = "");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // The exit status once the program ended within `timeout`.
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
  // Starts Xvfb (1280 × 1024) on a free display and openbox on it; DISPLAY is set for this
  // process and the programs it starts.
  XSession();
  ~XSession();
  bool Ready() const { return ready_; }

  // The id of the top-level window titled `title`, waiting for it up to `timeout`.
  std::optional<unsigned long> WaitForWindow(const std::string& title,
                                             std::chrono::milliseconds timeout);
  // True when the window titled `title` is gone within `timeout`.
  bool WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout);
  bool HasWindow(const std::string& title);
  std::vector<unsigned long> Windows();

  void Activate(unsigned long window);
  // xdotool key names: "F3", "Return", "ctrl+l".
  void Key(const std::string& keys);
  void Type(const std::string& utf8);
  void MoveMouse(int x, int y);
  void Click(int x, int y);
  WindowGeometry Geometry(unsigned long window);
  // Screen pixels of one column, top to bottom, as "#RRGGBB".
  std::vector<std::string> Column(int x, int y, int height);
  // Saves the window with its frame as a PNG file.
  void Screenshot(unsigned long window, const std::string& path);

 private:
  std::string previousDisplay_;
  ChildProcess* server_ = nullptr;
  ChildProcess* windowManager_ = nullptr;
  bool ready_ = false;
};

// Runs a shell command and returns its standard output.
std::string Capture(const std::string& command);
// Quotes a string for the shell.
std::string ShellQuote(const std::string& text);

}  // namespace vornet::testing
