// The calculator from the keyboard: typed keys act as the form's keys, and the display's
// text goes to and comes from the clipboard.
#include "app/calc_keys.h"

#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/calc_engine.h"
#include "app/calc_layout.h"
#include "fenwix/fenwix.h"

namespace {

constexpr char kClearKey[] = "C/CE";
constexpr WPARAM kCopyCharacter = 'C' - '@';   // Ctrl+C
constexpr WPARAM kPasteCharacter = 'V' - '@';  // Ctrl+V

// A typed key shows its key on the form pressed for a moment, as a click does.
constexpr UINT_PTR kReleaseTimer = 1;
constexpr UINT kPressedMilliseconds = 100;
HWND pressedButton = nullptr;

void ReleaseButton() {
  if (!pressedButton) return;
  SendMessageA(pressedButton, BM_SETSTATE, FALSE, 0);
  pressedButton = nullptr;
}

void CALLBACK ReleaseAfterPause(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  ReleaseButton();
}

// Each key of the form is a button whose text is its name.
void ShowPressed(HWND dialog, const char* key) {
  ReleaseButton();
  if (!dialog) return;
  pressedButton = FindWindowExA(dialog, nullptr, "Button", key);
  if (!pressedButton) return;
  SendMessageA(pressedButton, BM_SETSTATE, TRUE, 0);
  SetTimer(dialog, kReleaseTimer, kPressedMilliseconds, ReleaseAfterPause);
}

// Keys told apart by the key itself rather than by the character they type: the number
// pad's, and those that type no character or one the calculator does not read.
const char* KeyOfKeyDown(WPARAM key) {
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
    return KeyOfCharacter(static_cast<char>('0' + (key - VK_NUMPAD0)));
  switch (key) {
    case VK_ADD: return "+";
    case VK_SUBTRACT: return "-";
    case VK_MULTIPLY: return "*";
    case VK_RETURN: return "=";
    case VK_ESCAPE:
    case VK_DELETE: return kClearKey;
    case VK_BACK: return kBackspaceKey;
    default: return nullptr;
  }
}

void CopyDisplay(HWND owner) {
  const std::string text = FX_FormItemGet(kCalcFormName, kDisplayItemName, fx::key::VALUE);
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  char* bytes = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
  if (!bytes || !OpenClipboard(owner)) {
    if (block) GlobalFree(block);
    MessageBeep(MB_OK);
    return;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  EmptyClipboard();
  // Once set, the block is the clipboard's.
  if (!SetClipboardData(CF_TEXT, block)) {
    GlobalFree(block);
    MessageBeep(MB_OK);
  }
  CloseClipboard();
}

// The clipboard's text, read no further than its block reaches; false when there is none.
bool ClipboardText(HWND owner, std::string& text) {
  if (!OpenClipboard(owner)) return false;
  const HANDLE block = GetClipboardData(CF_TEXT);
  const char* bytes = block ? static_cast<const char*>(GlobalLock(block)) : nullptr;
  if (bytes) {
    text.assign(bytes, strnlen(bytes, GlobalSize(block)));
    GlobalUnlock(block);
  }
  CloseClipboard();
  return bytes != nullptr;
}

std::vector<std::string> Paste(HWND owner) {
  std::string text;
  const bool got = ClipboardText(owner, text);
  std::optional<std::vector<std::string>> keys = got ? KeysOfText(text) : std::nullopt;
  if (!keys) {
    MessageBeep(MB_OK);
    return {};
  }
  return std::move(*keys);
}

}  // namespace

std::optional<std::vector<std::string>> TakeCalcKey(HWND dialog, UINT message, WPARAM wParam) {
  const char* key = nullptr;
  if (message == WM_KEYDOWN) {
    key = KeyOfKeyDown(wParam);
  } else if (message == WM_CHAR) {
    if (wParam == kCopyCharacter) {
      CopyDisplay(dialog);
      return std::vector<std::string>();
    }
    if (wParam == kPasteCharacter) return Paste(dialog);
    if (wParam < 0x80) key = KeyOfCharacter(static_cast<char>(wParam));
  }
  if (!key) return std::nullopt;
  ShowPressed(dialog, key);
  return std::vector<std::string>{key};
}
