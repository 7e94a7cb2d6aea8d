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
            const std::string& workingDir = "") {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  if (!display.empty()) ::setenv("DISPLAY", display.c_str(), 1);
  if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) ::_exit(127);
  // The programs' chatter would only clutter the test output.
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, 1);
  ::dup2(null, 2);
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

XSession::XSession() {
  int fds[2];
  if (::pipe(fds) != 0) return;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const std::string fd = std::to_string(fds[1]);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 2);
    ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(fds[1]);
  server_ = pid;
  std::string number;
  char ch;
  while (::read(fds[0], &ch, 1) == 1 && ch != '\n') number += ch;
  ::close(fds[0]);
  if (number.empty()) return;
  display_ = ":" + number;
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

pid_t XSession::Start(const std::string& program, const std::string& workingDir) {
  const pid_t pid = Spawn({program}, display_, workingDir);
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
