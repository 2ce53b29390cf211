// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the calculator from outside, on an X display of its own:
//   - start-up: from starting the process to its first window being mapped
//     and exposed, over several runs, and the processor time the program
//     used until then (which a loaded machine does not inflate);
//   - resident memory of the process once its window is up;
//   - key press to new result: a key is sent through XTEST and the screen
//     area of the first output field is read until its pixels change.
// Built and run by bench/startup.sh; plain Xlib, XTEST loaded at run time.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t i = std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5));
  return v[i];
}

using FakeKeyFn = int (*)(Display*, unsigned int, int, unsigned long);

FakeKeyFn LoadXTest() {
  void* lib = dlopen("libXtst.so.6", RTLD_NOW);
  if (!lib) return nullptr;
  return reinterpret_cast<FakeKeyFn>(dlsym(lib, "XTestFakeKeyEvent"));
}

pid_t Launch(const std::vector<std::string>& command) {
  const pid_t pid = fork();
  if (pid == 0) {
    // The program's own chatter stays out of the report.
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

// Waits for the first top-level window created after the call to be mapped
// and exposed; returns it (0 on timeout) and the moment it was exposed.
Window WaitForWindow(Display* d, Clock::time_point deadline, Clock::time_point* shown) {
  Window mapped = 0;
  Clock::time_point mappedAt{};
  while (Clock::now() < deadline) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == CreateNotify && e.xcreatewindow.parent == DefaultRootWindow(d)) {
        XSelectInput(d, e.xcreatewindow.window, ExposureMask | StructureNotifyMask);
      } else if (e.type == MapNotify && !mapped && !e.xmap.override_redirect) {
        mapped = e.xmap.window;
        mappedAt = Clock::now();
      } else if (e.type == Expose && mapped && e.xexpose.window == mapped) {
        *shown = Clock::now();
        return mapped;
      }
    }
    // The first Expose can slip by when the window was mapped before our
    // selection reached the server; the mapping then counts as shown.
    if (mapped && Clock::now() - mappedAt > std::chrono::milliseconds(300)) {
      *shown = mappedAt;
      return mapped;
    }
    usleep(200);
  }
  return 0;
}

// Processor time of all the threads of the process so far, in milliseconds.
double CpuMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (!dir) return -1;
  double ns = 0;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
    double onCpu = 0;
    if (schedstat >> onCpu) ns += onCpu;
  }
  closedir(dir);
  return ns / 1e6;
}

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

std::vector<unsigned long> Grab(Display* d, Window w, int x, int y, int width, int height) {
  std::vector<unsigned long> pixels;
  XImage* image = XGetImage(d, w, x, y, width, height, AllPlanes, ZPixmap);
  if (!image) return pixels;
  pixels.reserve(static_cast<size_t>(width) * height);
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) pixels.push_back(XGetPixel(image, i, j));
  }
  XDestroyImage(image);
  return pixels;
}

// Sends one key through XTEST and waits for the output field to change.
// Returns milliseconds, or a negative value when nothing changed in time.
double KeyToResult(Display* d, FakeKeyFn fake, Window w, KeySym key) {
  const KeyCode code = XKeysymToKeycode(d, key);
  const auto before = Grab(d, w, 4, 66, 300, 20);
  const Clock::time_point start = Clock::now();
  fake(d, code, True, 0);
  fake(d, code, False, 0);
  XFlush(d);
  while (Clock::now() - start < std::chrono::seconds(1)) {
    if (Grab(d, w, 4, 66, 300, 20) != before) return Ms(Clock::now() - start);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 20, keys = 40;
  std::vector<std::string> command;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) runs = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--keys") && i + 1 < argc) keys = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--")) { command.assign(argv + i + 1, argv + argc); break; }
  }
  if (command.empty()) {
    std::fprintf(stderr, "usage: xprobe [--runs N] [--keys N] -- PROGRAM ARGS...\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "xprobe: no X display\n");
    return 2;
  }
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);

  std::vector<double> startup;
  std::vector<double> startupCpu;
  long rss = -1;
  std::vector<double> keyTimes;
  int keyFailures = 0;
  for (int run = 0; run < runs; ++run) {
    XSync(d, True);  // drop the events of earlier runs
    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(command);
    Clock::time_point shown;
    const Window w = WaitForWindow(d, start + std::chrono::seconds(15), &shown);
    if (!w) {
      std::fprintf(stderr, "xprobe: run %d: no window within 15 s\n", run + 1);
      Stop(pid);
      return 1;
    }
    startup.push_back(Ms(shown - start));
    startupCpu.push_back(CpuMs(pid));
    if (run == runs - 1) {
      usleep(500 * 1000);
      rss = ResidentKiB(pid);
      FakeKeyFn fake = LoadXTest();
      if (fake) {
        XSetInputFocus(d, w, RevertToParent, CurrentTime);
        XSync(d, False);
        usleep(300 * 1000);
        fake(d, XKeysymToKeycode(d, XK_End), True, 0);
        fake(d, XKeysymToKeycode(d, XK_End), False, 0);
        XFlush(d);
        usleep(100 * 1000);
        for (int k = 0; k < keys; ++k) {
          const double ms = KeyToResult(d, fake, w, k % 2 == 0 ? XK_1 : XK_BackSpace);
          if (ms < 0) ++keyFailures;
          else keyTimes.push_back(ms);
          usleep(50 * 1000);
        }
      } else {
        std::fprintf(stderr, "xprobe: libXtst.so.6 not found, no key measurement\n");
      }
    }
    Stop(pid);
  }
  XCloseDisplay(d);

  std::printf("startup_ms   median %.1f  min %.1f  max %.1f  (%zu runs)\n", Percentile(startup, 0.5),
              Percentile(startup, 0), Percentile(startup, 1), startup.size());
  std::printf("startup_cpu_ms median %.1f  min %.1f  max %.1f\n", Percentile(startupCpu, 0.5),
              Percentile(startupCpu, 0), Percentile(startupCpu, 1));
  std::printf("rss_mib      %.1f\n", rss / 1024.0);
  if (!keyTimes.empty() || keyFailures) {
    std::printf("keystroke_ms median %.2f  p90 %.2f  max %.2f  (%zu keys, %d without a change)\n",
                Percentile(keyTimes, 0.5), Percentile(keyTimes, 0.9), Percentile(keyTimes, 1),
                keyTimes.size(), keyFailures);
  }
  return keyFailures ? 1 : 0;
}
