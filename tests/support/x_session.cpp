#include "tests/support/x_session.h"

#include <cctype>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <thread>

namespace vornet::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::vector<std::string>& argv, const std::string& workingDir,
            const std::string& output, const std::vector<std::string>& environment) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const pid_t pid = fork();
  if (pid != 0) return pid;
  // The child: its own process group, so that stopping it stops what it started.
  setpgid(0, 0);
  for (const std::string& entry : environment) {
    const size_t equals = entry.find('=');
    setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
  }
  // No accessibility bus or session bus: nothing outlives the display.
  setenv("NO_AT_BRIDGE", "1", 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  if (!workingDir.empty() && chdir(workingDir.c_str()) != 0) _exit(127);
  // The programs' chatter would only clutter the test output; VORNET_XSESSION_LOG keeps it.
  const char* log = std::getenv("VORNET_XSESSION_LOG");
  const int fd = !output.empty()  ? open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)
                 : log && *log    ? open(log, O_WRONLY | O_CREAT | O_APPEND, 0644)
                                  : open("/dev/null", O_WRONLY);
  if (fd >= 0) {
    dup2(fd, 1);
    dup2(fd, 2);
    close(fd);
  }
  execvp(args[0], args.data());
  _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& workingDir,
                           const std::string& output,
                           const std::vector<std::string>& environment) {
  pid_ = Spawn(argv, workingDir, output, environment);
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
  const auto end = Clock::now() + timeout;
  do {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return status_;
    }
    std::this_thread::sleep_for(10ms);
  } while (Clock::now() < end);
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

// Several test sessions (and other people's) share the machine: a display number is taken only
// when neither its lock file nor its socket exists, and the numbers start away from the ones
// xvfb-run and Xvfb -displayfd use. The server never resets, so a window closing while another
// opens cannot take the display down between them.
XSession::XSession() {
  if (const char* display = std::getenv("DISPLAY")) previousDisplay_ = display;
  for (int attempt = 0; attempt < 40 && display_.empty(); ++attempt) {
    const int number = 300 + (static_cast<int>(getpid()) * 7 + attempt * 13) % 600;
    const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    if (access(lock.c_str(), F_OK) == 0 || access(socket.c_str(), F_OK) == 0) continue;
    const std::string display = ":" + std::to_string(number);
    auto server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", display, "-screen", "0", "1280x1024x24", "-noreset",
                                 "-nolisten", "tcp"},
        "", "/dev/null");
    display_ = display;
    // Ready once a client gets through; a server that ended lost the number to someone else.
    bool up = false;
    for (int k = 0; k < 250 && !up; ++k) {
      if (server->WaitForExit(0ms)) break;
      up = Run("xdpyinfo >/dev/null 2>&1 && echo ok").find("ok") != std::string::npos;
      if (!up) std::this_thread::sleep_for(20ms);
    }
    if (!up) {
      display_.clear();
      continue;
    }
    server_ = std::move(server);
  }
  if (display_.empty()) return;
  setenv("DISPLAY", display_.c_str(), 1);
  MapCyrillicKeys();
  windowManager_ = std::make_unique<ChildProcess>(std::vector<std::string>{"openbox"}, "",
                                                  "/dev/null");
  // The window manager is up once it announces itself on the root window.
  const auto end = Clock::now() + 10s;
  while (Run("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") == std::string::npos) {
    if (Clock::now() > end) return;
    std::this_thread::sleep_for(20ms);
  }
  ready_ = true;
}

// xdotool types a character missing from the keymap by remapping a key for a moment, and a
// program that reads the keymap in between loses the letter. The Russian letters get keys of
// their own (on media keys the tests never press, clear of every modifier key), so nothing is
// remapped while typing.
void XSession::MapCyrillicKeys() {
  static const char* const kLetters[] = {
      "a",  "be", "ve",   "ghe", "de",    "ie",       "io",   "zhe",      "ze", "i",  "shorti",
      "ka", "el", "em",   "en",  "o",     "pe",       "er",   "es",       "te", "u",  "ef",
      "ha", "tse", "che", "sha", "shcha", "hardsign", "yeru", "softsign", "e",  "yu", "ya"};
  std::string command = "xmodmap";
  int keycode = 150;
  for (const char* letter : kLetters) {
    std::string upper = letter;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    command += " -e 'keycode " + std::to_string(keycode++) + " = Cyrillic_" + letter +
               " Cyrillic_" + upper + "'";
  }
  Run(command + " 2>/dev/null");
}

XSession::~XSession() {
  // The programs first, then the window manager, then the display they use.
  programs_.clear();
  windowManager_.reset();
  server_.reset();
  if (previousDisplay_.empty()) {
    unsetenv("DISPLAY");
  } else {
    setenv("DISPLAY", previousDisplay_.c_str(), 1);
  }
}

ChildProcess& XSession::Start(const std::string& program, const std::string& workingDir,
                              const std::vector<std::string>& environment,
                              const std::string& output) {
  programs_.push_back(std::make_unique<ChildProcess>(std::vector<std::string>{program},
                                                     workingDir, output, environment));
  return *programs_.back();
}

std::string XSession::Run(const std::string& commandLine) {
  return Capture("DISPLAY=" + display_ + " " + commandLine);
}

std::vector<unsigned long> XSession::Windows() {
  std::vector<unsigned long> windows;
  // "_NET_CLIENT_LIST(WINDOW): window id # 0x400007, 0x600003"
  const std::string list = Run("xprop -root _NET_CLIENT_LIST");
  static const std::regex id("0x[0-9a-fA-F]+");
  for (auto it = std::sregex_iterator(list.begin(), list.end(), id); it != std::sregex_iterator();
       ++it) {
    windows.push_back(std::stoul(it->str(), nullptr, 16));
  }
  return windows;
}

std::vector<std::string> XSession::WindowTitles() {
  std::vector<std::string> titles;
  for (unsigned long window : Windows()) {
    // "_NET_WM_NAME(UTF8_STRING) = "Vornet - Creation""
    const std::string name = Run("xprop -id " + std::to_string(window) + " _NET_WM_NAME");
    const size_t open = name.find('"');
    const size_t close = name.rfind('"');
    if (open == std::string::npos || close <= open) continue;
    std::ostringstream entry;
    entry << "0x" << std::hex << window << " " << name.substr(open + 1, close - open - 1);
    titles.push_back(entry.str());
  }
  return titles;
}

namespace {

std::optional<unsigned long> FindWindow(XSession& x, const std::string& title) {
  for (const std::string& entry : x.WindowTitles()) {
    const size_t space = entry.find(' ');
    if (entry.substr(space + 1) == title) return std::stoul(entry.substr(0, space), nullptr, 16);
  }
  return std::nullopt;
}

}  // namespace

bool XSession::HasWindow(const std::string& title) { return FindWindow(*this, title).has_value(); }

std::optional<unsigned long> XSession::WaitForWindow(const std::string& title,
                                                     std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  do {
    if (const auto window = FindWindow(*this, title)) {
      // Give the toolkit a moment to map and draw it.
      std::this_thread::sleep_for(300ms);
      return window;
    }
    std::this_thread::sleep_for(50ms);
  } while (Clock::now() < end);
  return std::nullopt;
}

bool XSession::WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  while (HasWindow(title)) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

void XSession::Activate(unsigned long window) {
  Run("xdotool windowactivate --sync " + std::to_string(window));
  std::this_thread::sleep_for(200ms);
}

void XSession::Key(const std::string& keys) {
  Run("xdotool key --clearmodifiers --delay 60 " + keys);
  std::this_thread::sleep_for(200ms);
}

void XSession::Type(const std::string& utf8) {
  Run("xdotool type --delay 100 " + ShellQuote(utf8));
  std::this_thread::sleep_for(200ms);
}

void XSession::MoveMouse(int x, int y) {
  Run("xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y));
  std::this_thread::sleep_for(200ms);
}

void XSession::Click(int x, int y) {
  MoveMouse(x, y);
  Run("xdotool click 1");
  std::this_thread::sleep_for(300ms);
}

WindowGeometry XSession::Geometry(unsigned long window) {
  WindowGeometry geometry;
  std::istringstream out(Run("xdotool getwindowgeometry --shell " + std::to_string(window)));
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
  const std::string text = Run("import -window root -crop 1x" + std::to_string(height) + "+" +
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
  Run("import -frame -window " + std::to_string(window) + " " + ShellQuote(path));
}

}  // namespace vornet::testing
