// Start-up of both programs: from starting the executable to its main window appearing on the
// display (the X server maps a top-level window of the program's class). Runs under a virtual
// display; each start is a new process in an empty working folder.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "bench/bench_support.h"

namespace vornet::bench {
namespace {

// True when `window` (or its first child, for a window manager's frame) has the class `name`.
bool HasClass(Display* display, Window window, const std::string& name) {
  XClassHint hint{};
  if (XGetClassHint(display, window, &hint) != 0) {
    const bool match = hint.res_name != nullptr && name == hint.res_name;
    XFree(hint.res_name);
    XFree(hint.res_class);
    if (match) return true;
  }
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  bool match = false;
  if (XQueryTree(display, window, &root, &parent, &children, &count) != 0) {
    for (unsigned k = 0; k < count && !match; ++k) {
      XClassHint childHint{};
      if (XGetClassHint(display, children[k], &childHint) != 0) {
        match = childHint.res_name != nullptr && name == childHint.res_name;
        XFree(childHint.res_name);
        XFree(childHint.res_class);
      }
    }
    if (children) XFree(children);
  }
  return match;
}

void BM_StartUp(benchmark::State& state, const std::string& program, const std::string& path) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    state.SkipWithError("no display: run under xvfb-run");
    return;
  }
  ScratchDir dir;
  const std::string folder = dir.File("");
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  for (auto _ : state) {
    XSync(display, True);  // forget earlier events
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
      if (chdir(folder.c_str()) != 0) _exit(127);
      execl(path.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    bool shown = false;
    while (!shown) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify) shown = HasClass(display, event.xmap.window, program);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  XCloseDisplay(display);
}

BENCHMARK_CAPTURE(BM_StartUp, creator, "creator", VORNET_CREATOR_PATH)
    ->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, tester, "tester", VORNET_TESTER_PATH)
    ->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornet::bench

BENCHMARK_MAIN();
