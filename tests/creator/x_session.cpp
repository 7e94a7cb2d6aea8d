#include "tests/creator/x_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace vornet::testing {
namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::vector<std::string>& argv, const std::string& display,
            const std::string& workingDir = "", const std::vector<std::string>& environment = {}) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  if (!display.empty()) ::setenv("DISPLAY", display.c_str(), 1);
  for (const std::string& entry : environment) {
    const size_t equals = entry.find('=');
    ::setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
  }
  if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) ::_exit(127);
  // No accessibility bus or session bus: nothing outlives the display.
  ::setenv("NO_AT_BRIDGE", "1", 1);
  ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  // The programs' chatter would only clutter the test output; VORNET_XSESSION_LOG keeps it.
  const char* log = std::getenv("VORNET_XSESSION_LOG");
  const int out = log && *log ? ::open(log, O_WRONLY | O_CREAT | O_APPEND, 0644)
                              : ::open("/dev/null", O_WRONLY);
  ::dup2(out, 1);
  ::dup2(out, 2);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  ::execvp(args[0], args.data());
  ::_exit(127);
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  int status = 0;
  for (int k = 0; k < 200; ++k) {
    if (::waitpid(pid, &status, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
}

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char ch : text) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

// Several test sessions (and other people's) share the machine: a display number is taken only
// when neither its lock file nor its socket exists, and the numbers start away from the ones
// xvfb-run and Xvfb -displayfd use.
XSession::XSession() {
  for (int attempt = 0; attempt < 40 && display_.empty(); ++attempt) {
    const int number = 300 + (static_cast<int>(::getpid()) * 7 + attempt * 13) % 600;
    const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    if (::access(lock.c_str(), F_OK) == 0 || ::access(socket.c_str(), F_OK) == 0) continue;
    const std::string display = ":" + std::to_string(number);
    const pid_t server = Spawn(
        {"Xvfb", display, "-screen", "0", "1280x1024x24", "-noreset", "-nolisten", "tcp"}, "");
    display_ = display;
    // Ready once a client gets through; a server that ended lost the number to someone else.
    bool ready = false;
    for (int k = 0; k < 250 && !ready; ++k) {
      int status = 0;
      if (::waitpid(server, &status, WNOHANG) == server) break;
      ready = Run("xdpyinfo >/dev/null && echo ok").find("ok") != std::string::npos;
      if (!ready) Pause(20);
    }
    if (!ready) {
      Stop(server);
      display_.clear();
      continue;
    }
    server_ = server;
  }
  if (display_.empty()) return;
  windowManager_ = Spawn({"openbox"}, display_);
  // The window manager is up once it announces itself on the root window.
  for (int k = 0; k < 500 && Run("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") ==
                                 std::string::npos;
       ++k) {
    Pause(10);
  }
}

XSession::~XSession() {
  for (pid_t pid : programs_) Stop(pid);
  Stop(windowManager_);
  Stop(server_);
}

pid_t XSession::Start(const std::string& program, const std::string& workingDir,
                      const std::vector<std::string>& environment) {
  const pid_t pid = Spawn({program}, display_, workingDir, environment);
  programs_.push_back(pid);
  return pid;
}

int XSession::WaitForExit(pid_t pid, int timeoutMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  while (Clock::now() < end) {
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      for (auto it = programs_.begin(); it != programs_.end(); ++it) {
        if (*it == pid) {
          programs_.erase(it);
          break;
        }
      }
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    Pause(10);
  }
  return -1;
}

std::string XSession::Run(const std::string& commandLine) {
  const std::string line = "DISPLAY=" + display_ + " " + commandLine + " 2>/dev/null";
  FILE* pipe = ::popen(line.c_str(), "r");
  if (pipe == nullptr) return std::string();
  std::string output;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  ::pclose(pipe);
  return output;
}

std::vector<std::string> XSession::WindowTitles() {
  std::vector<std::string> titles;
  // "_NET_CLIENT_LIST(WINDOW): window id # 0x400007, 0x600003"
  const std::string list = Run("xprop -root _NET_CLIENT_LIST");
  const size_t hash = list.find('#');
  if (hash == std::string::npos) return titles;
  std::istringstream ids(list.substr(hash + 1));
  std::string id;
  while (std::getline(ids, id, ',')) {
    id.erase(0, id.find_first_not_of(" \n"));
    id.erase(id.find_last_not_of(" \n") + 1);
    if (id.empty()) continue;
    // "_NET_WM_NAME(UTF8_STRING) = "Vornet - Creation""
    const std::string name = Run("xprop -id " + id + " _NET_WM_NAME");
    const size_t open = name.find('"');
    const size_t close = name.rfind('"');
    if (open != std::string::npos && close > open) {
      titles.push_back(id + " " + name.substr(open + 1, close - open - 1));
    }
  }
  return titles;
}

std::string XSession::WaitForWindow(const std::string& title, int timeoutMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    for (const std::string& entry : WindowTitles()) {
      const size_t space = entry.find(' ');
      if (entry.substr(space + 1) == title) return entry.substr(0, space);
    }
    Pause(20);
  } while (Clock::now() < end);
  return std::string();
}

bool XSession::WaitForWindowGone(const std::string& title, int timeoutMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    bool present = false;
    for (const std::string& entry : WindowTitles()) {
      present = present || entry.substr(entry.find(' ') + 1) == title;
    }
    if (!present) return true;
    Pause(20);
  } while (Clock::now() < end);
  return false;
}

void XSession::Activate(const std::string& window) {
  Run("xdotool windowactivate --sync " + window);
  Pause(150);
}

void XSession::Key(const std::string& keys) {
  Run("xdotool key --delay 60 " + keys);
  Pause(150);
}

void XSession::Type(const std::string& utf8) {
  Run("xdotool type --delay 100 " + ShellQuoted(utf8));
  Pause(150);
}

void XSession::Screenshot(const std::string& path, const std::string& window) {
  // With the window manager's frame, so the title shows too.
  Run("import " + std::string(window == "root" ? "" : "-frame ") + "-window " + window + " " +
      ShellQuoted(path));
}

}  // namespace vornet::testing
