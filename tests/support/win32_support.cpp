// Message-box recorder and message pump for Windows-tree tests.
#include "tests/support/win32_support.h"

#include <cstdlib>

namespace test {
namespace {

std::vector<MessageBoxCall> recorded;
int answer = IDNO;

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  recorded.push_back({owner, text ? text : "", caption ? caption : "", style});
  return answer;
}

}  // namespace

std::string Utf8Of(LPCWSTR text) {
  if (!text) return std::string();
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(bytes > 0 ? static_cast<std::size_t>(bytes) : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], bytes, nullptr, nullptr);
  utf8.pop_back();
  return utf8;
}

namespace {
int WINAPI RecordWideMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
  recorded.push_back({owner, Utf8Of(text), Utf8Of(caption), style});
  return answer;
}
}  // namespace

void InstallMessageBoxRecorder() {
  os::table().MessageBoxA = RecordMessageBox;
  os::table().MessageBoxW = RecordWideMessageBox;
}
std::vector<MessageBoxCall>& RecordedMessageBoxes() { return recorded; }
void SetMessageBoxAnswer(int a) { answer = a; }

std::vector<int> TakeReportedCodes() {
  static const std::string marker = "Error number : ";
  std::vector<int> codes;
  for (const MessageBoxCall& call : recorded) {
    const std::size_t at = call.text.find(marker);
    codes.push_back(at == std::string::npos ? -1 : std::atoi(call.text.c_str() + at + marker.size()));
  }
  recorded.clear();
  return codes;
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

bool PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return false;
}

int TakeQuitMessage() {
  MSG msg;
  if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
  return -1;
}

}  // namespace test
