// Measures a calculator program from outside, as a user's machine sees it: the time from
// launch until its seventeen controls are shown and it waits for input, the time of a
// click sent to one of its keys until the program has handled it, and the program's peak
// resident memory.
//   calc_driver PROGRAM LAUNCHES CLICKS
// prints one "startup_ms" line per launch, then "click_us" (the median of CLICKS clicks
// on the last launch) and "peak_kb".
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_time.h"

namespace {

constexpr int kControls = 17;
constexpr DWORD kStartTimeoutMs = 20000;

struct Search {
  DWORD process;
  HWND window;
  int controls;
};

BOOL CALLBACK CountControl(HWND child, LPARAM data) {
  char className[16] = {0};
  GetClassNameA(child, className, sizeof className);
  if (IsWindowVisible(child) &&
      (lstrcmpiA(className, "Button") == 0 || lstrcmpiA(className, "Static") == 0))
    ++reinterpret_cast<Search*>(data)->controls;
  return TRUE;
}

BOOL CALLBACK FindShown(HWND window, LPARAM data) {
  Search& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process || !IsWindowVisible(window)) return TRUE;
  search.controls = 0;
  EnumChildWindows(window, CountControl, data);
  if (search.controls < kControls) return TRUE;
  search.window = window;
  return FALSE;
}

// The program's main window once its controls are all shown, or null.
HWND WaitShown(DWORD process) {
  const double deadline = Now() + kStartTimeoutMs / 1000.0;
  while (Now() < deadline) {
    Search search = {process, nullptr, 0};
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    if (search.window) return search.window;
    Sleep(1);
  }
  return nullptr;
}

BOOL CALLBACK FindKey(HWND child, LPARAM data) {
  auto& found = *reinterpret_cast<std::pair<const char*, HWND>*>(data);
  char text[8] = {0};
  GetWindowTextA(child, text, sizeof text);
  if (lstrcmpA(text, found.first) != 0) return TRUE;
  found.second = child;
  return FALSE;
}

HWND Key(HWND window, const char* name) {
  std::pair<const char*, HWND> found(name, nullptr);
  EnumChildWindows(window, FindKey, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: calc_driver PROGRAM LAUNCHES CLICKS\n");
    return 2;
  }
  const std::string program = argv[1];
  const int launches = std::max(1, std::atoi(argv[2]));
  const int clicks = std::max(2, std::atoi(argv[3]));

  for (int launch = 1; launch <= launches; ++launch) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    const double started = Now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      std::fprintf(stderr, "cannot start %s\n", program.c_str());
      return 1;
    }
    // The clock stops once the program waits for input with its controls shown, when a
    // user can begin. Stopped as soon as the controls were visible, it caught the
    // hand-written calculator in the middle of showing its window, and numlet, which shows
    // its main window before its form, past that point: not the same moment of the two.
    WaitForInputIdle(process.hProcess, kStartTimeoutMs);
    const HWND window = WaitShown(process.dwProcessId);
    if (!window) {
      std::fprintf(stderr, "%s never showed its %d controls\n", program.c_str(), kControls);
      TerminateProcess(process.hProcess, 1);
      return 1;
    }
    std::printf("startup_ms %.2f\n", (Now() - started) * 1000);

    if (launch == launches) {
      // "1" then "+": every click changes the display, as a user's typing does.
      const HWND keys[2] = {Key(window, "1"), Key(window, "+")};
      if (!keys[0] || !keys[1]) {
        std::fprintf(stderr, "%s has no keys \"1\" and \"+\"\n", program.c_str());
        TerminateProcess(process.hProcess, 1);
        return 1;
      }
      std::vector<double> times;
      for (int click = 0; click < clicks; ++click) {
        const double before = Now();
        SendMessageA(keys[click % 2], BM_CLICK, 0, 0);
        times.push_back((Now() - before) * 1e6);
      }
      std::printf("click_us %.1f\n", Median(times));
      PROCESS_MEMORY_COUNTERS memory = {};
      memory.cb = sizeof memory;
      if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        std::printf("peak_kb %lu\n", static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
      TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  return 0;
}
