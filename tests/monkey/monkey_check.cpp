// monkey_check.exe [--key-held] TITLE: what the monkey asks of a program after each burst
// of input, from inside the window manager. Prints, one per line:
//   window=found|none answers=yes|no errorbox=open|none
//   timing ...          how long the program took over the burst and over the timed message
//   rect X Y W H        the window titled TITLE, in screen coordinates
//   control X Y W H     each visible, enabled control of the program's visible windows
// "answers" is whether that window handled a message within 2 s; "errorbox" whether any
// top-level window is captioned as the library's error box. The controls are where the
// monkey aims its next clicks. A window of the program left maximised or minimised is
// restored first.
//
// monkey_check.exe --type: the monkey's typist. Types its input, bytes of the ANSI code
// page, into the window that has the keyboard, as a keyboard that sends characters does
// (SendInput, KEYEVENTF_UNICODE); ends with 1 if Wine took fewer key presses than that.
// Every byte from 128 to 255 reaches the program so, which keys mapped on the display do
// not: Wine gives most such keys the character of another key.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

void PrintRect(const char* what, HWND window) {
  RECT r;
  if (GetWindowRect(window, &r))
    std::printf("%s %ld %ld %ld %ld\n", what, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  // A form's dialog is a child too; only the windows inside it are controls.
  if (IsWindowVisible(control) && IsWindowEnabled(control) && !GetWindow(control, GW_CHILD))
    PrintRect("control", control);
  return TRUE;
}

// Whether a top-level window is a visible one of the process (an EnumWindows LPARAM).
bool IsShownWindowOf(HWND window, LPARAM process) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == static_cast<DWORD>(process) && IsWindowVisible(window);
}

BOOL CALLBACK PrintControlsOfProcess(HWND window, LPARAM process) {
  if (IsShownWindowOf(window, process)) EnumChildWindows(window, PrintControl, 0);
  return TRUE;
}

// A window that the last burst left maximised or minimised is restored, as a user would
// before going on. A maximised one has a drawing surface the size of the screen, which the
// memory check would take for growth; a minimised one lies at -32000, where no click of
// the monkey's reaches it.
BOOL CALLBACK RestoreWindow(HWND window, LPARAM process) {
  DWORD_PTR ignored = 0;
  if (IsShownWindowOf(window, process) && (IsZoomed(window) || IsIconic(window)))
    SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  return TRUE;
}

// The timed WM_NULL sent to the window, and how it went. The send gives up at once on a
// thread that Wine counts as hung: one that has not read its queue for 5 s.
struct Answer {
  bool asked = false;
  bool answered = false;
  bool hung = false;
  ULONGLONG ms = 0;

  std::string Describe() const {
    if (!asked) return "not asked";
    return std::string(answered ? "answered" : "no answer") + " in " + std::to_string(ms) +
           " ms" + (hung ? " (counted hung before it)" : "");
  }
};

Answer Ask(HWND window) {
  Answer answer;
  answer.asked = true;
  answer.hung = IsHungAppWindow(window) != FALSE;
  DWORD_PTR ignored = 0;
  const ULONGLONG start = GetTickCount64();
  answer.answered =
      SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored) != 0;
  answer.ms = GetTickCount64() - start;
  return answer;
}

int TypeInput() {
  const std::string bytes{std::istreambuf_iterator<char>(std::cin), {}};
  std::wstring text(bytes.size(), L'\0');
  text.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(),
                                                      static_cast<int>(bytes.size()),
                                                      text.data(),
                                                      static_cast<int>(text.size()))));
  std::vector<INPUT> keys;
  for (const wchar_t character : text)
    for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT key{};
      key.type = INPUT_KEYBOARD;
      key.ki.wScan = static_cast<WORD>(character);
      key.ki.dwFlags = KEYEVENTF_UNICODE | up;
      keys.push_back(key);
    }
  if (keys.empty()) return 0;
  const UINT sent = SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  return sent == keys.size() ? 0 : 1;
}

// Polls done() until it holds: how many ms that took, or -1 if it still failed after
// timeoutMs.
template <typename Done>
long long WaitFor(Done done, ULONGLONG timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  while (!done()) {
    if (GetTickCount64() - start >= timeoutMs) return -1;
    Sleep(5);
  }
  return static_cast<long long>(GetTickCount64() - start);
}

std::string Describe(long long ms) {
  return ms < 0 ? "not in time" : "after " + std::to_string(ms) + " ms";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--type") return TypeInput();
  const bool keyHeld = argc == 3 && std::string(argv[1]) == "--key-held";
  if (argc != 2 && !keyHeld) {
    std::fputs("usage: monkey_check [--key-held] TITLE | monkey_check --type\n", stderr);
    return 2;
  }
  const HWND window = FindWindowA(nullptr, argv[argc - 1]);
  DWORD processId = 0;
  if (window) GetWindowThreadProcessId(window, &processId);
  // The burst's input is handled first: the program may take a while over a backlog of
  // input, and that is no hang. The monkey holds the right Shift key down after the burst:
  // the display delivers it after all the input sent before it, so once it is down, the
  // rest waits in the program's queue. A window paints only when no input waits in its
  // queue, so once the invalidated window has painted, the program has handled it all.
  const auto keyDown = [] { return (GetAsyncKeyState(VK_RSHIFT) & 0x8000) != 0; };
  const long long keyMs = keyHeld ? WaitFor(keyDown, 3000) : 0;
  long long paintMs = -1;
  if (window) {
    InvalidateRect(window, nullptr, FALSE);
    paintMs = WaitFor([window] { return !GetUpdateRect(window, nullptr, FALSE); }, 30000);
    EnumWindows(RestoreWindow, static_cast<LPARAM>(processId));
  }
  const Answer answer = window ? Ask(window) : Answer{};
  const bool errorBox = FindWindowA(nullptr, "Fenwix Error") != nullptr;
  std::printf("window=%s answers=%s errorbox=%s\n", window ? "found" : "none",
              answer.answered ? "yes" : "no", errorBox ? "open" : "none");
  std::printf("timing key %s, painted %s, then %s\n",
              keyHeld ? Describe(keyMs).c_str() : "not held", Describe(paintMs).c_str(),
              answer.Describe().c_str());
  if (window) {
    PrintRect("rect", window);
    EnumWindows(PrintControlsOfProcess, static_cast<LPARAM>(processId));
  }
  return 0;
}
