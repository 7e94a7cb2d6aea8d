#include "tests/tester_window/x_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <thread>

namespace vornet::testing {
namespace {

using namespace std::chrono_literals;

pid_t Spawn(const std::vector<std::string>& argv, const std::string& workingDir,
            const std::string& output) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const pid_t pid = fork();
  if (pid != 0) return pid;
  // The child: its own process group, so that stopping it stops what it started.
  setpgid(0, 0);
  if (!workingDir.empty() && chdir(workingDir.c_str()) != 0) _exit(127);
  if (!output.empty()) {
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
      dup2(fd, 1);
      dup2(fd, 2);
      close(fd);
    }
  }
  execvp(args[0], args.data());
  _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& workingDir,
                           const std::string& output) {
  pid_ = Spawn(argv, workingDir, output);
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0 || status_) return;
  kill(-pid_, SIGTERM);
  if (!WaitForExit(3s)) {
    kill(-pid_, SIGKILL);
    WaitForExit(3s);
  }
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  if (status_ || pid_ <= 0) return status_;
  const auto end = std::chrono::steady_clock::now() + timeout;
  do {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return status_;
    }
    std::this_thread::sleep_for(20ms);
  } while (std::chrono::steady_clock::now() < end);
  return std::nullopt;
}

std::string Capture(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

XSession::XSession() {
  if (const char* display = std::getenv("DISPLAY")) previousDisplay_ = display;
  // A display number nobody uses: Xvfb reports the one it took through a pipe.
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return;
  const std::string fd = std::to_string(pipeFds[1]);
  server_ = new ChildProcess(
      {"Xvfb", "-displayfd", fd, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, "",
      "/dev/null");
  close(pipeFds[1]);
  std::string number;
  char c = 0;
  while (read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
  close(pipeFds[0]);
  if (number.empty()) return;
  setenv("DISPLAY", (":" + number).c_str(), 1);
  windowManager_ = new ChildProcess({"openbox"}, "", "/dev/null");
  // The window manager is ready when it has set up the root window's client list.
  const auto end = std::chrono::steady_clock::now() + 10s;
  while (Capture("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") == std::string::npos) {
    if (std::chrono::steady_clock::now() > end) return;
    std::this_thread::sleep_for(50ms);
  }
  ready_ = true;
}

XSession::~XSession() {
  delete windowManager_;
  delete server_;
  if (previousDisplay_.empty()) {
    unsetenv("DISPLAY");
  } else {
    setenv("DISPLAY", previousDisplay_.c_str(), 1);
  }
}

std::vector<unsigned long> XSession::Windows() {
  std::vector<unsigned long> windows;
  const std::string list = Capture("xprop -root _NET_CLIENT_LIST");
  static const std::regex id("0x[0-9a-fA-F]+");
  for (auto it = std::sregex_iterator(list.begin(), list.end(), id); it != std::sregex_iterator();
       ++it) {
    windows.push_back(std::stoul(it->str(), nullptr, 16));
  }
  return windows;
}

bool XSession::HasWindow(const std::string& title) {
  const std::string wanted = "= \"" + title + "\"";
  for (unsigned long window : Windows()) {
    const std::string name = Capture("xprop -id " + std::to_string(window) + " _NET_WM_NAME");
    if (name.find(wanted) != std::string::npos) return true;
  }
  return false;
}

std::optional<unsigned long> XSession::WaitForWindow(const std::string& title,
                                                     std::chrono::milliseconds timeout) {
  const std::string wanted = "= \"" + title + "\"";
  const auto end = std::chrono::steady_clock::now() + timeout;
  do {
    for (unsigned long window : Windows()) {
      const std::string name = Capture("xprop -id " + std::to_string(window) + " _NET_WM_NAME");
      if (name.find(wanted) != std::string::npos) {
        // Give the toolkit a moment to map and draw it.
        std::this_thread::sleep_for(300ms);
        return window;
      }
    }
    std::this_thread::sleep_for(100ms);
  } while (std::chrono::steady_clock::now() < end);
  return std::nullopt;
}

bool XSession::WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (HasWindow(title)) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(100ms);
  }
  return true;
}

void XSession::Activate(unsigned long window) {
  Capture("xdotool windowactivate --sync " + std::to_string(window));
  std::this_thread::sleep_for(200ms);
}

void XSession::Key(const std::string& keys) {
  Capture("xdotool key --clearmodifiers " + keys);
  std::this_thread::sleep_for(200ms);
}

void XSession::Type(const std::string& utf8) {
  Capture("xdotool type --delay 40 " + ShellQuote(utf8));
  std::this_thread::sleep_for(200ms);
}

void XSession::MoveMouse(int x, int y) {
  Capture("xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y));
  std::this_thread::sleep_for(200ms);
}

void XSession::Click(int x, int y) {
  MoveMouse(x, y);
  Capture("xdotool click 1");
  std::this_thread::sleep_for(300ms);
}

WindowGeometry XSession::Geometry(unsigned long window) {
  WindowGeometry geometry;
  std::istringstream out(Capture("xdotool getwindowgeometry --shell " + std::to_string(window)));
  std::string line;
  while (std::getline(out, line)) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const int value = std::atoi(line.c_str() + eq + 1);
    if (key == "X") geometry.x = value;
    if (key == "Y") geometry.y = value;
    if (key == "WIDTH") geometry.width = value;
    if (key == "HEIGHT") geometry.height = value;
  }
  return geometry;
}

std::vector<std::string> XSession::Column(int x, int y, int height) {
  std::vector<std::string> pixels(static_cast<size_t>(height));
  const std::string text = Capture("import -window root -crop 1x" + std::to_string(height) + "+" +
                                   std::to_string(x) + "+" + std::to_string(y) + " -depth 8 txt:-");
  // Lines such as "0,12: (255,255,255)  #FFFFFF  white".
  static const std::regex pixel(R"(^0,(\d+):.*?(#[0-9A-Fa-f]{6}))");
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::smatch match;
    if (std::regex_search(line, match, pixel)) {
      const size_t row = std::stoul(match[1].str());
      if (row < pixels.size()) pixels[row] = match[2].str();
    }
  }
  return pixels;
}

void XSession::Screenshot(unsigned long window, const std::string& path) {
  Capture("import -frame -window " + std::to_string(window) + " " + ShellQuote(path));
}

}  // namespace vornet::testing
