// fenview FILE [FORM]: shows the forms of a form file (or the one named) and brings every
// save of the file onto them, keeping what was typed into them. The forms' status bars say
// what the last save did or where the file is wrong; the main window's title names the item
// under the mouse; F5 makes the forms again from the file, as a fresh start.
//
// Each status text and each reset is also written to the standard output, one line each
// ("status FORM TEXT", "value FORM ITEM TEXT", "reset FORM"), for scripts that drive it.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/formfile/form_file_reader.h"
#include "fenwix/registry/registry.h"

namespace {

std::string path;
std::string onlyForm;
std::map<std::string, HWND> dialogs;       // the open forms' dialogs, by name
std::map<std::string, std::string> shown;  // what each form's status bar last said
std::string titleItem;

void Line(const std::string& text) {
  std::fputs((text + "\n").c_str(), stdout);
  std::fflush(stdout);
}

std::string Utf8(const wchar_t* text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(bytes > 0 ? static_cast<std::size_t>(bytes) : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], bytes, nullptr, nullptr);
  utf8.resize(utf8.size() - 1);
  return utf8;
}

// The file's forms as its last good version declares them: which to open and which items
// to tell of.
std::vector<FormFileForm> FileForms() {
  std::vector<FormFileForm> forms;
  std::string bytes;
  const int units = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, &wide[0], units);
  if (FILE* file = _wfopen(wide.c_str(), L"rb")) {
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
      bytes.append(buffer, read);
    std::fclose(file);
  }
  // A bad save leaves the forms as its last good version made them.
  static std::vector<FormFileForm> lastGood;
  if (ReadFormFile(bytes, forms).code) return lastGood;
  std::vector<FormFileForm> chosen;
  for (const FormFileForm& form : forms) {
    if (onlyForm.empty() || form.name == onlyForm) chosen.push_back(form);
  }
  lastGood = chosen;
  return chosen;
}

void CALLBACK ResetLater(HWND, UINT, UINT_PTR timer, DWORD);

std::intptr_t OnEvent(std::string formName, std::string, std::string eventName,
                      HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (eventName == fx::event::BEFORE && message == WM_INITDIALOG) dialogs[formName] = dialog;
  if (eventName == fx::event::BEFORE && message == WM_SETCURSOR) {
    const std::string item = FindItemNameByControl(formName, reinterpret_cast<HWND>(wParam));
    if (item != titleItem) {
      titleItem = item;
      FX_WindowTitleSet("Fenview", "fenview - " + path + (item.empty() ? "" : " - " + item));
    }
  }
  // The forms are closed and made again once this event is over, not from inside it.
  if (eventName == fx::event::ITEMKEY && message == WM_KEYDOWN && wParam == VK_F5) {
    SetTimer(nullptr, 0, 0, ResetLater);
    return 1;
  }
  return 0;
}

void OpenForms() {
  for (const FormFileForm& form : FileForms()) FX_FormOpen(form.name, OnEvent);
}

// What the forms' status bars say, told once each time it changes, with the items' values.
void TellStatus() {
  for (const FormFileForm& form : FileForms()) {
    const auto dialog = dialogs.find(form.name);
    if (dialog == dialogs.end() || !IsWindow(dialog->second)) continue;
    const HWND bar = FindWindowExW(dialog->second, nullptr, STATUSCLASSNAMEW, nullptr);
    wchar_t text[512] = L"";
    if (bar) GetWindowTextW(bar, text, 512);
    const std::string status = Utf8(text);
    const auto last = shown.find(form.name);
    if (last != shown.end() && last->second == status) continue;
    shown[form.name] = status;
    Line("status " + form.name + " " + status);
    for (const FormFileItem& item : form.items)
      Line("value " + form.name + " " + item.name + " " +
           FX_FormItemGet(form.name, item.name, fx::key::VALUE));
  }
}

// F5: the forms closed, the file declared again and the forms made from scratch.
void Reset() {
  for (const FormFileForm& form : FileForms()) FX_FormClose(form.name, "CLOSE");
  FX_FormFileLoad(path);
  OpenForms();
  for (const FormFileForm& form : FileForms()) {
    shown.erase(form.name);
    Line("reset " + form.name);
  }
}

void CALLBACK ResetLater(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  Reset();
}

void CALLBACK TellStatusNow(HWND, UINT, UINT_PTR, DWORD) { TellStatus(); }

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

bool WriteReport(ErrorCode code, const std::string& report) {
  Line("report " + std::to_string(code));
  std::fputs(report.c_str(), stdout);
  std::fflush(stdout);
  return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 2) {
    MessageBoxW(nullptr, L"fenview FILE [FORM]", L"fenview", MB_OK);
    return 2;
  }
  path = Utf8(arguments[1]);
  if (count > 2) onlyForm = Utf8(arguments[2]);
  LocalFree(arguments);
  // Reports go to the output too when there is one to read them.
  if (GetStdHandle(STD_OUTPUT_HANDLE)) FX_ErrorHandlerSet(WriteReport);
  FX_TextEncodingSet("UTF-8");
  ErrorCode code = FX_WindowMainCreate("Fenview", showCommand, MainWindowProc,
                                       "name=fenview - " + path + ";bkcol=lightgrey", 0, 0,
                                       800, 600);
  if (code) return code;
  code = FX_FormFileLoad(path);
  if (code) return code;
  FX_FormFileWatch(path, true);
  OpenForms();
  SetTimer(nullptr, 0, 100, TellStatusNow);
  return FX_MessageLoop();
}
