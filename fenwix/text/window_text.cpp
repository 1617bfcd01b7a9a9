#include "fenwix/text/window_text.h"

#include <climits>

#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"

namespace {

// An ASCII name as the wide calls take it.
WideString WideName(const char* name) {
  return WideString(name, name + std::char_traits<char>::length(name));
}

int ClampedSize(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

}  // namespace

HWND CreateTextWindow(DWORD exStyle, const char* className, const char* text, DWORD style,
                      int x, int y, int width, int height, HWND parent, HMENU menu,
                      HINSTANCE instance) {
  if (!Utf8Text())
    return os::CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                               instance, nullptr);
  const WideString wideText = text ? WideText(text) : WideString();
  return os::CreateWindowExW(exStyle, WideName(className).c_str(), text ? wideText.c_str() : nullptr,
                             style, x, y, width, height, parent, menu, instance, nullptr);
}

BOOL SetControlText(HWND control, const std::string& text) {
  if (!Utf8Text()) return os::SetWindowTextA(control, text.c_str());
  return os::SetWindowTextW(control, WideText(text).c_str());
}

std::string ControlText(HWND control) {
  // The length is an upper bound (a multibyte text may copy fewer), never less.
  if (!Utf8Text()) {
    const int length = os::GetWindowTextLengthA(control);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = os::GetWindowTextA(control, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
  }
  const int length = os::GetWindowTextLengthW(control);
  if (length <= 0) return std::string();
  WideString text(static_cast<std::size_t>(length) + 1, WCHAR());
  const int copied = os::GetWindowTextW(control, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return Utf8FromWide(text);
}

LRESULT SendTextMessage(HWND window, UINT message, WPARAM wParam, const std::string& text) {
  if (!Utf8Text())
    return os::SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
  const WideString wide = WideText(text);
  return os::SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
}

int DrawWindowText(HDC dc, const std::string& text, RECT* rect, UINT format) {
  if (!Utf8Text()) return os::DrawTextA(dc, text.c_str(), ClampedSize(text.size()), rect, format);
  const WideString wide = WideText(text);
  return os::DrawTextW(dc, wide.c_str(), ClampedSize(wide.size()), rect, format);
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT style) {
  if (!Utf8Text()) return os::MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
  return os::MessageBoxW(nullptr, WideText(text).c_str(), WideText(caption).c_str(), style);
}

HFONT CreateTextFont(int height, int weight, bool italic, bool underline, const std::string& face) {
  constexpr DWORD kFamily = DEFAULT_PITCH | FF_SWISS;
  if (Utf8Text())
    return os::CreateFontW(height, 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFamily,
                           WideText(face).c_str());
  return os::CreateFontA(height, 0, 0, 0, weight, italic, underline, FALSE, ANSI_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFamily,
                         face.c_str());
}
