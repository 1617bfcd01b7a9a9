// What the in-process GUI tests share: a main-window procedure as applications write it,
// a fresh library for each test, and questions about the recorded error reports.
#ifndef FENWIX_TESTS_GUI_GUI_TEST_HELPERS_H
#define FENWIX_TESTS_GUI_GUI_TEST_HELPERS_H

#include <initializer_list>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/library_start.h"
#include "tests/support/win32_support.h"

namespace test {

// Every message goes to the library first, then to the platform.
inline LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

// Restarts the library with no reports recorded, so that a test can create a main
// window of its own (under a new name: a class name can be registered once). The old
// main window is forgotten, not destroyed: without a window manager, Wine waits two
// seconds for every visible top-level window taken off the screen.
inline void RestartLibrary() {
  PumpMessages();
  TakeQuitMessage();
  FX_ResetFenwixIntl();
  RecordedMessageBoxes().clear();
}

// An item as a test table declares it.
struct DeclaredItem {
  const char* name;
  const char* type;
  int x, y, width, height;
  const char* properties;
};

// A window name not used before in this process.
inline std::string NewName(const char* stem) {
  static int counter = 0;
  return stem + std::to_string(++counter);
}

// A restarted library with a main window of its own (shown, width × height at the top
// left); 0 when it was made.
inline ErrorCode StartWithMainWindow(const char* stem, int width = 500, int height = 400) {
  RestartLibrary();
  return FX_WindowMainCreate(NewName(stem), SW_SHOWNORMAL, MainWindowProc, "", 0, 0, width,
                             height);
}

// The recorded reports (the message boxes' texts).
inline std::vector<std::string> Reports() {
  std::vector<std::string> texts;
  for (const MessageBoxCall& call : RecordedMessageBoxes()) texts.push_back(call.text);
  return texts;
}

// The report's first lines as the user reads them.
inline std::string ReportHead(int code, const std::string& function, const std::string& window) {
  return "Function : " + function + "\nWindow name : " + window +
         "\nError number : " + std::to_string(code) + "\n";
}

// "" when exactly one report was shown and it starts with head, else what was shown.
inline std::string OneReportStartingWith(const std::string& head) {
  const std::vector<std::string> texts = Reports();
  if (texts.size() == 1 && texts[0].compare(0, head.size(), head) == 0) return "";
  std::string shown = "expected one report starting with\n" + head + "got " +
                      std::to_string(texts.size()) + " reports";
  for (const std::string& text : texts) shown += "\n---\n" + text;
  return shown;
}

// Real keys (SendInput) typed while the library's own message loop runs; the loop ends
// once the focus is on the target control (at once for none), or after two seconds.
inline HWND& LoopTarget() {
  static HWND target = nullptr;
  return target;
}
inline int& LoopTicks() {
  static int ticks = 0;
  return ticks;
}
inline void CALLBACK WatchFocus(HWND, UINT, UINT_PTR timer, DWORD) {
  if (GetFocus() == LoopTarget() || ++LoopTicks() > 100) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
  }
}
// Real presses and releases of the virtual keys, in order, for the control with the focus.
inline void SendKeyPresses(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
inline int TypeInLoop(std::initializer_list<WORD> keys, HWND target) {
  LoopTarget() = target;
  LoopTicks() = 0;
  SendKeyPresses(keys);
  SetTimer(nullptr, 0, 20, WatchFocus);
  return FX_MessageLoop();
}

}  // namespace test

#endif
