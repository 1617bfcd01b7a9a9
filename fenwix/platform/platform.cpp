// The table of platform operations, filled with the real Win32 functions.
#include "fenwix/platform/platform.h"

#include <cstdlib>

namespace os {
namespace {

// A call of a library loaded through the table, so that a test can refuse the library;
// null when the library or the call is missing.
template <class Call>
Call Loaded(const char* library, const char* name) {
  const HMODULE module = table().LoadLibraryA(library);
  if (!module) return nullptr;
  // GetProcAddress's type says nothing of the function's; its name says what it is.
  return reinterpret_cast<Call>(reinterpret_cast<void*>(table().GetProcAddress(module, name)));
}

BOOL WINAPI LoadedInitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
  const auto call =
      Loaded<decltype(&::InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
  return call && call(controls);
}

HRESULT WINAPI LoadedCreateStdAccessibleObject(HWND window, LONG object, REFIID iid,
                                               void** accessible) {
  const auto call =
      Loaded<decltype(&::CreateStdAccessibleObject)>("oleacc.dll", "CreateStdAccessibleObject");
  if (call) return call(window, object, iid, accessible);
  if (accessible) *accessible = nullptr;
  return E_NOTIMPL;
}

LRESULT WINAPI LoadedLresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) {
  const auto call = Loaded<decltype(&::LresultFromObject)>("oleacc.dll", "LresultFromObject");
  return call ? call(iid, wParam, object) : static_cast<LRESULT>(E_NOTIMPL);
}

BSTR WINAPI LoadedSysAllocString(const OLECHAR* text) {
  const auto call = Loaded<decltype(&::SysAllocString)>("oleaut32.dll", "SysAllocString");
  return call ? call(text) : nullptr;
}

HRESULT WINAPI LoadedCoInitializeEx(void* reserved, DWORD model) {
  const auto call = Loaded<decltype(&::CoInitializeEx)>("ole32.dll", "CoInitializeEx");
  return call ? call(reserved, model) : E_NOTIMPL;
}

HRESULT WINAPI LoadedDwmSetWindowAttribute(HWND window, DWORD attribute, LPCVOID value, DWORD size) {
  const auto call =
      Loaded<decltype(&::DwmSetWindowAttribute)>("dwmapi.dll", "DwmSetWindowAttribute");
  return call ? call(window, attribute, value, size) : E_NOTIMPL;
}

HRESULT WINAPI LoadedSetWindowTheme(HWND window, LPCWSTR application, LPCWSTR classes) {
  const auto call = Loaded<decltype(&::SetWindowTheme)>("uxtheme.dll", "SetWindowTheme");
  return call ? call(window, application, classes) : E_NOTIMPL;
}

// user32 is linked into every program; the call is looked up once, as every paint asks it.
UINT WINAPI LoadedGetDpiForWindow(HWND window) {
  static const auto call = reinterpret_cast<decltype(&::GetDpiForWindow)>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  return call ? call(window) : 0;
}

Table MakeRealTable() {
  Table t;
#define FENWIX_REAL_ENTRY(name) t.name = &::name;
  FENWIX_LINKED_CALLS(FENWIX_REAL_ENTRY)
#undef FENWIX_REAL_ENTRY
#define FENWIX_LOADED_ENTRY(name) t.name = &Loaded##name;
  FENWIX_LOADED_CALLS(FENWIX_LOADED_ENTRY)
#undef FENWIX_LOADED_ENTRY
  return t;
}

}  // namespace

const Table& real() {
  static const Table realTable = MakeRealTable();
  return realTable;
}

Table& table() {
  static Table current = real();
  return current;
}

}  // namespace os

#if defined(__GLIBCXX__)
// What std::terminate does once no handler was set. The runtime's own handler writes the
// uncaught exception's name to the standard error, which a windowed program does not have,
// and brings the whole C++ name demangler (some 46 kB) into every program. This one ends
// the process as that one ends it, without the text. It is defined here because every
// program links this table, so the definition is in place before the runtime asks for it.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
